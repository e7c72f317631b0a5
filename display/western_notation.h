// Moves in Western shogi notation, as the English screens write them: the
// piece's letter ("+" before a promoted piece), "-" for a move, "x" for a
// capture, "*" for a drop, the square as file digit and rank letter, and "+"
// after a move that promotes: "P-7f", "Bx3c+", "S*5e", "+Rx2b".
#pragma once

#include <string>

#include "game/Form1.h"

namespace zelkora {

// The letter of a piece code of either side ("P", "+B", "K"); empty for none.
std::string westernPiece(int code);

// The square (column, row) of the game's grid: file 10 - column, rank a..i by row.
std::string westernSquare(int column, int row);

// The whole move of an entry of the move list.
std::string westernMove(const MoveRecord& move);

}  // namespace zelkora
