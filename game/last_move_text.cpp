#include "game/last_move_text.h"

namespace zelkora {

namespace {

constexpr int TEXT_CELLS = 3;

struct LastMoveCell {
    double c, r;
};
constexpr LastMoveCell UPPER_LAST_MOVE{-2, 8};
constexpr LastMoveCell LOWER_LAST_MOVE{13, 3};

}  // namespace

void drawLastMove(Form1& f, bool upper, int column, int row, int piece, const MoveRecord* move) {
    const LastMoveCell& at = upper ? UPPER_LAST_MOVE : LOWER_LAST_MOVE;
    f.描画_移動結果(at.c, at.r, column, row, piece, COLOUR_WHITE, move);
}

void clearLastMove(Form1& f, bool upper) {
    const LastMoveCell& at = upper ? UPPER_LAST_MOVE : LOWER_LAST_MOVE;
    for (int c = 0; c < TEXT_CELLS; ++c) f.描画_絵(f.display.background, at.c + c, at.r);
    if (upper) {
        f.描画_桝輪郭(COLOUR_GREEN, -1, 7);
        f.display.shown.upperMove.shown = false;
    } else {
        f.display.shown.lowerMove.shown = false;
    }
}

}  // namespace zelkora
