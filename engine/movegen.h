// Move generation under this game's rules, attack tests and the ends of a game.
//
// generate() yields exactly the moves the game allows the side to move:
//  - board moves by each piece's steps and rays (no test of the mover's own
//    king: any move may leave it attacked), drops with the two-pawn and
//    last-row rules;
//  - compulsory capture with the game's own choice of target: the strongest
//    capturable piece (the code decides, ties go to the first square in scan
//    order) and no drop while a capture is possible. The upper side (the
//    computer's) may only capture on that one square. The lower side (the
//    human's, as the click handler checks it) may take any capturable piece
//    while all capturable pieces have the same code, else only that square;
//  - with `expand`, a move that may promote appears promoted and plain (the
//    promoted one first), one that must promote only promoted; without it each
//    board move appears once, unpromoted (the `legal` listing).
#pragma once

#include "engine/position.h"

namespace zelkora::engine {

// Room for every move of any position the game can reach (drops of seven
// kinds on 81 squares and the board moves, promoted and plain, stay well
// below it).
struct MoveList {
    static constexpr int CAPACITY = 1200;
    Move m[CAPACITY];
    int n = 0;
    void add(const Move& mv) { m[n++] = mv; }
};

void generate(const Position& p, MoveList& list, bool expand);

// The same moves as generate(p, list, true) when a capture is compulsory, and
// none when it is not: the forced-capture search at the horizon needs only
// those, and skips listing the quiet moves.
void generateCaptures(const Position& p, MoveList& list);

// Puts board moves first, by source then target in scan order, then drops by
// kind and target: the order in which the game's own procedures list moves.
void sortInScanOrder(MoveList& list);

// True when a piece of `by` reaches `sq` (rays stop at the first piece).
bool attacked(const Position& p, Square sq, int by);

// True when the piece on `from` may move to `to` on this board (the game's
// move test for board moves: geometry, clear path, no own piece on the target).
bool reaches(const Position& p, Square from, Square to);

// May the move from `from` to `to` of `code` promote, and must it?
bool mayPromote(int code, Square from, Square to);
bool mustPromote(int code, Square to);

// The game's mate test of the upper king, asked after every lower move in a
// game against the computer: a check that no pawn drop on the check line (in
// scan order, up to the first checker), no king step and no move of another
// upper piece onto a checker or the line parries; the same three steps as
// 詰めかCOM in game/mate.cpp. The board is put back.
bool upperMated(Position& p);

enum Result : int { NO_RESULT = 0, LOWER_WINS = 1, UPPER_WINS = 2 };

// The end of the game after the move `u` was made on `p`, as the window decides
// it against the computer: a taken king wins for its owner; after a lower move a
// mated upper king wins for the upper side.
Result resultAfter(Position& p, const Undo& u);

// Leaf count of the move tree `depth` moves deep (promotions expanded, a move
// that ends the game is a leaf).
std::uint64_t perft(Position& p, int depth);

}  // namespace zelkora::engine
