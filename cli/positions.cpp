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
        if (!parseSfen(line, position, error) || !withinOneSet(position, error) || !everyPieceCanMove(position, error)) {
            text = "error: " + escapedBytes(error) + "\n";
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

namespace {

// Length of the well-formed UTF-8 sequence of two to four bytes at `i`, or 0.
std::size_t utf8Length(const std::string& text, std::size_t i) {
    const auto b = static_cast<unsigned char>(text[i]);
    const std::size_t n = b >= 0xc2 && b <= 0xdf ? 2 : b >= 0xe0 && b <= 0xef ? 3 : b >= 0xf0 && b <= 0xf4 ? 4 : 0;
    if (n == 0 || i + n > text.size()) return 0;
    for (std::size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(text[i + k]) & 0xc0) != 0x80) return 0;
    const auto second = static_cast<unsigned char>(text[i + 1]);
    if ((b == 0xe0 && second < 0xa0) || (b == 0xed && second > 0x9f) || (b == 0xf0 && second < 0x90) ||
        (b == 0xf4 && second > 0x8f))
        return 0;   // overlong forms, surrogates, beyond U+10FFFF
    return n;
}

}  // namespace

std::string escapedBytes(const std::string& text) {
    static const char hex[] = "0123456789abcdef";
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b >= 0x20 && b < 0x7f && b != '\\') {
            out += text[i++];
        } else if (const std::size_t n = b >= 0x80 ? utf8Length(text, i) : 0) {
            out.append(text, i, n);
            i += n;
        } else {
            out += "\\x";
            out += hex[b >> 4];
            out += hex[b & 15];
            ++i;
        }
    }
    return out;
}

void appendInt(std::string& text, int value) {
    char buffer[16];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    text.append(buffer, result.ptr);
}

}  // namespace zelkora::cli
