// The hint on screen: the source and the target of display.hint outlined in a
// colour no other highlight uses, and the move written left of the board
// under the upper side's last move, drawn like the other texts (shadow, then
// the text 0.1 cell left and up). The next click takes it off.
#include "display/western_notation.h"
#include "game/Form1.h"

namespace zelkora {

namespace {

// Cells of the hint text: the label on the first line, the move below it.
constexpr double HINT_C = -2, HINT_R = 9;
constexpr int TEXT_CELLS = 3;

// The cell that shows a hint's source: a board square, or the hand cell of
// the dropped kind.
std::pair<int, int> sourceCell(const MoveRecord& m) {
    const int kind = handKind(m.after);
    if (m.fromX == LOWER_HAND_X) return {LOWER_HAND_X, kind + 2};
    if (m.fromX == UPPER_HAND_X) return {UPPER_HAND_X, 8 - kind};
    return {m.fromX, m.fromY};
}

}  // namespace

void Form1::描画_ヒント() {
    const MoveRecord& m = display.hint;
    for (int c = 0; c < TEXT_CELLS; ++c) 描画_絵(display.background, HINT_C + c, HINT_R);
    描画_桝輪郭(COLOUR_GREEN, 1, HINT_R);
    描画_移動駒種類(HINT_C + 0.3, HINT_R + 0.2, 文言(Text::HINT), COLOUR_BLACK);
    描画_移動駒種類(HINT_C + 0.2, HINT_R + 0.1, 文言(Text::HINT), COLOUR_HINT);
    // The hint is drawn before the move is made: what stands on the target is what it takes.
    MoveRecord taking = m;
    taking.captured = board.at(m.toX, m.toY);
    const std::string text = display.language == Language::English
                                 ? westernMove(taking)
                                 : 文字列変換(10 - m.toX) + 文字列変換(m.toY + 1000) + 文字列変換(m.after);
    描画_移動駒種類(HINT_C + 0.3, HINT_R + 0.6, text, COLOUR_BLACK);
    描画_移動駒種類(HINT_C + 0.2, HINT_R + 0.5, text, COLOUR_HINT);

    const auto [sc, sr] = sourceCell(m);
    描画_桝輪郭(COLOUR_HINT, sc, sr);
    描画_桝輪郭(COLOUR_HINT, m.toX, m.toY);
    display.hintShown = true;
    io.canvas->refresh();
}

void Form1::ヒント消去() {
    if (!display.hintShown) return;
    display.hintShown = false;
    for (int c = 0; c < TEXT_CELLS; ++c) 描画_絵(display.background, HINT_C + c, HINT_R);
    const auto [sc, sr] = sourceCell(display.hint);
    描画_桝輪郭(COLOUR_GREEN, sc, sr);
    描画_桝輪郭(COLOUR_GREEN, display.hint.toX, display.hint.toY);
    描画_桝輪郭(COLOUR_GREEN, 1, HINT_R);
}

}  // namespace zelkora
