#include "cli/positions.h"

#include <charconv>
#include <istream>
#include <ostream>

#include "game/sfen.h"

namespace zelkora::cli {

namespace {

bool blank(const std::string& line) {
    for (char c : line)
        if (c != ' ' && c != '\t' && c != '\r') return false;
    return true;
}

}  // namespace

std::unique_ptr<Form1> freshForm(NullPorts& ports) { return std::make_unique<Form1>(ports.ports()); }

int forEachPosition(std::istream& in, std::ostream& out,
                    const std::function<void(Form1& form, std::string& text)>& answer) {
    NullPorts ports;
    int status = 0;
    std::string line, text, error;
    Position position;
    while (std::getline(in, line)) {
        if (blank(line)) continue;
        text.clear();
        if (!parseSfen(line, position, error)) {
            text = "error: " + error + "\n";
            status = 1;
        } else {
            auto form = freshForm(ports);
            loadPosition(*form, position);
            answer(*form, text);
        }
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
    }
    out.flush();
    return status;
}

void appendInt(std::string& text, int value) {
    char buffer[16];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    text.append(buffer, result.ptr);
}

}  // namespace zelkora::cli
