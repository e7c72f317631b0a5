// Positions written as SFEN, in this game's orientation.
//
// The board field has 9 ranks separated by '/': the first rank is row 1 (top of
// the screen), and within a rank the characters run from column 1 (screen left)
// to column 9. Uppercase letters are the lower side (negative codes), lowercase
// the upper side; '+' before a letter promotes it. Side 'b' is the lower side to
// move, 'w' the upper. The hand field is '-' or counts and letters; a trailing
// move number is accepted and ignored.
#pragma once

#include <string>

#include "game/Form1.h"

namespace zelkora {

struct Position {
    Board board;
    Hands hands;            // totals are the sums of the counts
    bool lowerToMove = true;
};

// The game's starting position (the search core's initialPosition), the lower
// side to move, both hands empty.
Position startingPosition();

// Parses one line; on failure answers false and says why in `error`.
bool parseSfen(const std::string& line, Position& position, std::string& error);

// Whether board and hands together hold no more pieces of a kind than one
// set (18 pawns, 4 lances, knights, silvers and golds, 2 bishops, rooks and
// kings); says which kind is over in `error`. parseSfen itself only keeps the
// hand counts of a kind within one set, so test positions may add pieces.
bool withinOneSet(const Position& position, std::string& error);

// Whether every piece on the board can still move: no pawn or lance on its last
// row, no knight on its last two rows (no move of the game leaves one there, and
// the search core counts on it); names the first such square in scan order in
// `error`. Like withinOneSet, a check of its own, so tests of the window's
// procedures may still set such positions up.
bool everyPieceCanMove(const Position& position, std::string& error);

// Writes board, side ('b' or 'w'), hands (R B G S N L P, lower side first, a
// count only above 1, '-' when both are empty) and the move number.
std::string formatSfen(const Board& board, const Hands& hands, bool lowerToMove, int moveNumber);

// Puts a position on Form1 as a fresh game would hold it: board, hands and
// totals; the lower player holds tag 6, the upper tag 7; the side to move is
// the tag of the side the SFEN names.
void loadPosition(Form1& form, const Position& position);

}  // namespace zelkora
