// Writer and strict reader of the unfinished game's file.
#include "resume/resume_file.h"

#include <cstdlib>
#include <sstream>

#include "records/record_format.h"

namespace zelkora {

namespace {

constexpr const char* FORMAT_LINE = "Zelkora unfinished game 1";
constexpr int PIECE_CODES[] = {0, 10, 11, 20, 21, 30, 31, 100, 101, 110, 800, 801, 900, 901, 950};

bool isPieceCode(int code) {
    for (int c : PIECE_CODES)
        if (std::abs(code) == c) return true;
    return false;
}

bool isTag(int tag) { return tag == SENTE || tag == GOTE; }

// A name stays on its one line: line breaks become blanks.
std::string oneLine(std::string text) {
    for (char& c : text)
        if (c == '\n' || c == '\r') c = ' ';
    return text;
}

// The lines of the file one by one; every read checks the key it expects.
class Lines {
public:
    explicit Lines(const std::vector<std::uint8_t>& bytes) : in_(std::string(bytes.begin(), bytes.end())) {}

    bool line(std::string& text) { return static_cast<bool>(std::getline(in_, text)); }

    // "key n1 n2 ..." with exactly `values.size()` whole numbers.
    bool numbers(const char* key, std::vector<int>& values) {
        std::string text;
        if (!line(text)) return false;
        std::istringstream fields(text);
        std::string word;
        if (!(fields >> word) || word != key) return false;
        for (int& v : values)
            if (!(fields >> v)) return false;
        return !(fields >> word);
    }

    bool number(const char* key, int& value, int low, int high) {
        std::vector<int> v(1);
        if (!numbers(key, v) || v[0] < low || v[0] > high) return false;
        value = v[0];
        return true;
    }

    // "key text": the rest of the line after one blank.
    bool text(const char* key, std::string& value) {
        std::string text;
        const std::string prefix = std::string(key) + ' ';
        if (!line(text) || text.compare(0, prefix.size(), prefix) != 0) return false;
        value = text.substr(prefix.size());
        return true;
    }

private:
    std::istringstream in_;
};

bool readFlags(Lines& in, ResumeState& s) {
    std::vector<int> help(2);
    if (!(in.number("mode", s.gameMode, MODE_MAN, MODE_COM) && in.number("lower", s.lowerTag, SENTE, GOTE) &&
          in.number("upper", s.upperTag, SENTE, GOTE) && in.number("turn", s.toMove, SENTE, GOTE) &&
          in.number("level", s.level, 1, 9) && in.number("grade", s.handicapGrade, -10, 10) &&
          in.number("handicap", s.handicapFlag, 0, 1) && in.number("reversed", s.reversed, 0, 1) &&
          in.number("number", s.moveNumber, 0, MoveList::MAX) && in.numbers("help", help)))
        return false;
    s.help.matta = help[0] != 0;
    s.help.hint = help[1] != 0;
    return s.lowerTag != s.upperTag && isTag(s.toMove);
}

bool readPosition(Lines& in, ResumeState& s) {
    std::vector<int> squares(81), lower(8), upper(8), kings(4);
    if (!(in.numbers("board", squares) && in.numbers("lowerhand", lower) && in.numbers("upperhand", upper) &&
          in.numbers("kings", kings)))
        return false;
    for (int i = 0; i < 81; ++i) {
        if (!isPieceCode(squares[i])) return false;
        s.board.at(i / 9 + 1, i % 9 + 1) = squares[i];
    }
    for (int k = 1; k <= 7; ++k) {
        s.hands.lower[k] = lower[k - 1];
        s.hands.upper[k] = upper[k - 1];
    }
    s.hands.lowerTotal = lower[7];
    s.hands.upperTotal = upper[7];
    s.kings = {kings[0], kings[1], kings[2], kings[3]};
    return true;
}

}  // namespace

std::vector<std::uint8_t> writeResume(const ResumeState& s) {
    std::ostringstream out;
    out << FORMAT_LINE << '\n'
        << "mode " << s.gameMode << "\nlower " << s.lowerTag << "\nupper " << s.upperTag << "\nturn " << s.toMove
        << "\nlevel " << s.level << "\ngrade " << s.handicapGrade << "\nhandicap " << s.handicapFlag
        << "\nreversed " << s.reversed << "\nnumber " << s.moveNumber << "\nhelp " << s.help.matta << ' '
        << s.help.hint << '\n';
    for (int i = 0; i < 3; ++i) out << "name" << i + 1 << ' ' << oneLine(s.names[i]) << '\n';
    out << "board";
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) out << ' ' << s.board.at(x, y);
    out << "\nlowerhand";
    for (int k = 1; k <= 7; ++k) out << ' ' << s.hands.lower[k];
    out << ' ' << s.hands.lowerTotal << "\nupperhand";
    for (int k = 1; k <= 7; ++k) out << ' ' << s.hands.upper[k];
    out << ' ' << s.hands.upperTotal << "\nkings " << s.kings.lowerX << ' ' << s.kings.lowerY << ' '
        << s.kings.upperX << ' ' << s.kings.upperY << "\nmoves " << s.moves.size() << '\n';
    for (const MoveRecord& m : s.moves) out << formatMoveLine(m) << '\n';
    const std::string text = out.str();
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

std::optional<ResumeState> readResume(const std::vector<std::uint8_t>& bytes) {
    Lines in(bytes);
    ResumeState s;
    std::string first;
    if (!in.line(first) || first != FORMAT_LINE || !readFlags(in, s)) return std::nullopt;
    for (int i = 0; i < 3; ++i)
        if (!in.text(("name" + std::to_string(i + 1)).c_str(), s.names[i])) return std::nullopt;
    int count = 0;
    if (!readPosition(in, s) || !in.number("moves", count, 0, MoveList::MAX)) return std::nullopt;
    for (int n = 0; n < count; ++n) {
        std::string line;
        if (!in.line(line) || line.size() != RECORD_MOVE_LINE) return std::nullopt;
        s.moves.push_back(parseMoveLine(line));
    }
    std::string rest;
    if (in.line(rest)) return std::nullopt;
    return s;
}

}  // namespace zelkora
