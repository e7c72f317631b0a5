// Status texts around the board that stay on screen between moves: the
// computer's level, the handicap grade, a loaded record's header lines,
// "思考中" while the computer searches, and the redraw that brings every such
// text back after a full redraw.
//
// The move number and the last-move texts are drawn in display/text.cpp; like
// the texts here they note in display.shown that they are on screen, and
// whatever paints over one of them clears its note.
#include "game/Form1.h"

namespace zelkora {

namespace {

// Where the three header lines of a loaded record go, in twips: the game name
// under the board's left part, the upper player above the board, the lower
// player under the board.
constexpr double HEADER_X[3] = {800, 3700, 3700};
constexpr double HEADER_Y[3] = {6350, 100, 6350};

// "思考中" starts where the upper side's last move is written; the English
// word is longer and starts a little further left.
constexpr double THINKING_C = -1.5, THINKING_R = 8.5, THINKING_ENGLISH_SHIFT = -0.2;

}  // namespace

// "LEVEL" and the number, each as a black shadow and then in white.
void Form1::描画_レベル(int level) {
    描画_数値(-1.4, 0.2, 文言(Text::LEVEL_LABEL), COLOUR_BLACK, 0, 10);
    描画_数値(-1.5, 0.1, 文言(Text::LEVEL_LABEL), COLOUR_WHITE, 0, 10);
    描画_数値(0.1, 0.1, level, COLOUR_BLACK, 0, 12);
    描画_数値(0, 0, level, COLOUR_WHITE, 0, 12);
}

void Form1::描画_ハンデレベル(int grade) {
    for (int c = 11; c <= 14; ++c) 描画_絵(display.background, c, 2);
    描画_文字列(11.1, 1.9, grade, COLOUR_BLACK, 10);
    描画_文字列(11, 1.8, grade, COLOUR_WHITE, 10);
    display.shown.handicap = true;
}

void Form1::描画_棋譜見出し(const std::array<std::string, 3>& lines) {
    io.canvas->setFont(12, bold, COLOUR_WHITE);
    for (int i = 0; i < 3; ++i) io.canvas->drawText(HEADER_X[i], HEADER_Y[i], lines[i]);
    display.shown.header = true;
    display.shown.headerLines = lines;
}

void Form1::描画_思考中() {
    const double left = THINKING_C + (display.language == Language::English ? THINKING_ENGLISH_SHIFT : 0);
    描画_数値(left, THINKING_R, 文言(Text::THINKING), COLOUR_BLACK, 0, 12);
    描画_数値(left - 0.1, THINKING_R - 0.1, 文言(Text::THINKING), COLOUR_WHITE, 0, 12);
    display.shown.thinking = true;
}

// The level needs no note: 画面_再描画 draws it during every game against the
// computer.
void Form1::描画_状態表示(const ShownTexts& texts) {
    if (texts.moveNumber) 描画_手数(moves.moveNumber);
    for (const MoveText* t : {&texts.upperMove, &texts.lowerMove})
        if (t->shown)
            描画_移動結果(t->c, t->r, t->column, t->row, t->piece, COLOUR_WHITE, t->hasMove ? &t->move : nullptr);
    if (texts.handicap) 描画_ハンデレベル(flags.handicapGrade);
    if (texts.header) 描画_棋譜見出し(texts.headerLines);
    if (texts.thinking) 描画_思考中();
}

}  // namespace zelkora
