// The forced-capture look-ahead (先読み): which moves of one selected piece
// start a chain of forced replies, and what that chain is.
//
// A move is forced when the side to move has no choice of square and piece:
// every move the rules allow it goes from one square to one square and takes
// a piece there (compulsory capture leaves only that capture). A chain starts
// with the player's own move and follows forced moves of either side, until
// the side to move has a free choice, the game ends, or MAX_PLIES moves were
// followed. A forced move that may promote is followed unpromoted (what a left
// click plays; the choice of promotion is no choice of square), one that must
// promote promoted.
//
// Everything is computed on a copy of the search core's position with its
// own move generator; the game is never touched.
#pragma once

#include <optional>
#include <vector>

#include "engine/movegen.h"
#include "engine/position.h"

namespace zelkora::lookahead {

constexpr int MAX_PLIES = 10;

// How a chain ends, from the point of view of the player who starts it.
enum class Outcome {
    Open,          // a free choice follows (or nobody can move)
    Limit,         // MAX_PLIES moves followed, still forced
    KingGivenUp,   // the player's own king is taken: the player wins
    KingTaken,     // the player takes the other king: the player loses
    Mates,         // the player mates the computer's king: the player loses
};

struct Chain {
    std::vector<engine::Move> plies;   // the player's move first, then the forced ones
    Outcome outcome = Outcome::Open;
    // Worth marking: a reply is forced, or the move itself ends the game.
    bool worthShowing() const { return plies.size() >= 2 || outcome != Outcome::Open; }
};

// The one move the side to move must play, if it has no choice.
std::optional<engine::Move> forcedMove(const engine::Position& p);

// The chain that `first` (a move of the side to move) starts. `mateRule`: a
// game against the computer, where the lower side's move that mates the
// upper king ends the game for the upper side.
Chain followChain(engine::Position p, const engine::Move& first, bool mateRule);

// One target of the selected piece and the chain its move starts.
struct TargetChain {
    int x = 0, y = 0;
    Chain chain;
};

// For the piece on (x, y), or the hand piece of `dropKind` when x is 0, of the
// side to move: every target whose move starts a chain worth showing, in scan
// order. The move to a target is the one a left click plays.
std::vector<TargetChain> chainsOfPiece(const engine::Position& p, int x, int y, int dropKind, bool mateRule);

}  // namespace zelkora::lookahead
