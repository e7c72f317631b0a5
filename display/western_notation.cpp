#include "display/western_notation.h"

namespace zelkora {

namespace {

struct PieceLetter {
    int code;
    const char* letter;
};
constexpr PieceLetter LETTERS[] = {{10, "P"},   {11, "+P"},  {20, "L"},  {21, "+L"},  {30, "N"},
                                   {31, "+N"},  {100, "S"},  {101, "+S"}, {110, "G"}, {800, "B"},
                                   {801, "+B"}, {900, "R"},  {901, "+R"}, {950, "K"}};

bool isDropEntry(const MoveRecord& m) { return m.fromX == LOWER_HAND_X || m.fromX == UPPER_HAND_X; }

}  // namespace

std::string westernPiece(int code) {
    const int magnitude = code < 0 ? -code : code;
    for (const PieceLetter& p : LETTERS)
        if (p.code == magnitude) return p.letter;
    return {};
}

std::string westernSquare(int column, int row) {
    if (column < 1 || column > 9 || row < 1 || row > 9) return {};
    return std::string(1, static_cast<char>('0' + 10 - column)) + static_cast<char>('a' + row - 1);
}

std::string westernMove(const MoveRecord& m) {
    const bool drop = isDropEntry(m);
    std::string text = westernPiece(drop ? m.after : m.before);
    text += drop ? "*" : m.captured != EMPTY ? "x" : "-";
    text += westernSquare(m.toX, m.toY);
    if (!drop && m.after != m.before) text += "+";
    return text;
}

}  // namespace zelkora
