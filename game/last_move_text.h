// The last-move texts beside the board: each side's last move stands in three
// cells of its own, the upper side's left of the board under its stand, the
// lower side's right of the board. A move, a step through the record, and
// 待った all draw and clear them here, through Form1's drawing procedures.
#pragma once

#include "game/Form1.h"

namespace zelkora {

// The upper (or lower) side's text for the move to (column, row) of `piece`.
void drawLastMove(Form1& f, bool upper, int column, int row, int piece, const MoveRecord* move);
inline void drawLastMove(Form1& f, const MoveRecord& m) { drawLastMove(f, m.after > 0, m.toX, m.toY, m.after, &m); }

// The side's text painted over with the background, and no longer redrawn
// with the screen. The upper side's cells lie just under the last cell of its
// stand, whose outline they paint over, so that outline is drawn again.
void clearLastMove(Form1& f, bool upper);

}  // namespace zelkora
