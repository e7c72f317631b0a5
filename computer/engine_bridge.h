// Between the window's game state and the search core: a Form1 position as a
// core position, a core move as the move record the computer plays, and the
// search budgets of the levels that use the core.
#pragma once

#include <cstdint>

#include "engine/position.h"
#include "engine/search.h"
#include "game/Form1.h"

namespace zelkora {

// The level of a first start-up and the lowest level played by the search
// core (the highest, TOP_LEVEL, is in game/codes.h).
constexpr int DEFAULT_LEVEL = 3;
constexpr int FIRST_SEARCH_LEVEL = 4;
// Not in the menu: LEVEL5 as it played before the forced-reply extension and
// the forcing move order, kept for `zelkora-cli match` to measure them by.
constexpr int FORMER_LEVEL5 = 0;

// Root moves within this many evaluation units of the best may be played
// (LEVEL4 and up), so that the computer does not play the same game twice.
constexpr int VARIETY_MARGIN = 30;

// Whether the level's moves come from the search core.
inline bool searchCoreLevel(int level) { return level >= FIRST_SEARCH_LEVEL || level == FORMER_LEVEL5; }

// The budget of a search-core level: a node count, so the same position and
// draw always give the same move, and the time caps as a safety net (CPU time
// of the searching thread; the wall clock as an emergency stop).
engine::SearchLimits searchLimits(int level);

// The draw among the near-best moves for the move after `movesPlayed` moves of
// a game with this seed: a game replayed with its seed gets the same moves.
std::uint64_t moveDraw(std::uint64_t seed, int movesPlayed);

// The limits of the computer's search in a game: the level's budget, the draw
// of this move, and no margin when the best move alone is wanted (ヒント).
engine::SearchLimits gameSearchLimits(int level, std::uint64_t seed, int movesPlayed, bool bestOnly);

// The benchmark's positions (opening, middle game, endgame; the upper side to
// move) as SFEN, and the signature of the search on them: the nodes LEVEL4's
// search visits on each (seed 0, no time cap) and a hash of its moves and
// scores. Any change to how the search explores shows in it.
extern const char* const BENCH_POSITIONS[3];
struct SearchSignature {
    std::uint64_t nodes = 0;
    std::uint64_t hash = 0;
};
SearchSignature searchSignature();

// Board and hands of `board` / `hands` with `upperToMove` choosing the side.
engine::Position toEngine(const Board& board, const Hands& hands, bool upperToMove);

// The move record of a core move on `p` (before it is made): for a drop
// fromX is the mover's hand column and fromY the kind index.
MoveRecord toRecord(const engine::Position& p, const engine::Move& m);

}  // namespace zelkora
