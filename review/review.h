// Reviewing a finished game: every position of the game searched at LEVEL5's
// budget, the evaluation after each move from the lower player's view, the
// best move of each position, and the moves after which the mover's
// evaluation fell far enough to be marked.
//
// Scores are the search core's centi-units (a king step towards the enemy's
// reach is worth 120). Evaluations are clamped to +-EVAL_CLAMP; a forced win
// found by the search stands at the clamp. A move is a mistake ("?") when the
// mover's evaluation falls by more than MISTAKE_DROP and a blunder ("??") when
// by more than BLUNDER_DROP (both measured on clamped values, so turning a
// fair game into a forced loss is always a blunder).
//
// Qt-free: the command line and the review window share it; the window runs
// `reviewPosition` on a worker for one position after another.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "game/Form1.h"

namespace zelkora {

constexpr int EVAL_CLAMP = 2000;
constexpr int MISTAKE_DROP = 300;
constexpr int BLUNDER_DROP = 800;

enum class Mark { None, Mistake, Blunder };

// The search's answer on one position of the game.
struct PositionReview {
    int lowerEval = 0;       // clamped, from the lower player's view
    bool bestValid = false;  // false when the side to move had no move
    MoveRecord best;         // in the record's form (a drop from the mover's hand column, fromY the kind)
};

// One position: board and hands, and whether the upper side is to move.
struct GamePosition {
    Board board;
    Hands hands;
    bool upperToMove = false;
};

// Positions 0..n of the game: the position it started from (board, hands)
// and the one after each move; stops at the first entry that cannot be stepped.
std::vector<GamePosition> gamePositions(const Board& board, const Hands& hands, const std::vector<MoveRecord>& moves);

// Searches one position at LEVEL5's budget, or at `nodes` when not 0; `stop`,
// when given and set from another thread, ends the search early.
PositionReview reviewPosition(const GamePosition& position, const std::atomic<bool>* stop = nullptr,
                              std::uint64_t nodes = 0);

struct ReviewedMove {
    MoveRecord played;
    PositionReview before;   // the position the move was played in (its best move)
    int lowerEvalAfter = 0;
    Mark mark = Mark::None;
};

// The mark of a move by the mover's fall (upperMoved: the upper side moved).
Mark markOf(int lowerEvalBefore, int lowerEvalAfter, bool upperMoved);

// A whole game: positions 0..n reviewed into n moves.
std::vector<ReviewedMove> reviewGame(const Board& board, const Hands& hands, const std::vector<MoveRecord>& moves);

// The move as `zelkora-cli moves` writes one: "fromX fromY toX toY piece",
// a drop with the kind as fromY; the piece is the code after the move.
std::string movesForm(const MoveRecord& move);
const char* markText(Mark mark);

}  // namespace zelkora
