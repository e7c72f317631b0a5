// Between the window's game state and the search core: a Form1 position as a
// core position, a core move as the move record the computer plays, and the
// search budgets of the levels that use the core.
#pragma once

#include <cstdint>

#include "engine/position.h"
#include "engine/search.h"
#include "game/Form1.h"

namespace zelkora {

// The lowest level played by the search core.
constexpr int FIRST_SEARCH_LEVEL = 4;

// The budget of LEVEL4 or LEVEL5: a node count, so the same position always
// gives the same move, and the half second as a safety cap.
engine::SearchLimits searchLimits(int level);

// Board and hands of `board` / `hands` with `upperToMove` choosing the side.
engine::Position toEngine(const Board& board, const Hands& hands, bool upperToMove);

// The move record of a core move on `p` (before it is made): for a drop
// fromX is the mover's hand column and fromY the kind index.
MoveRecord toRecord(const engine::Position& p, const engine::Move& m);

}  // namespace zelkora
