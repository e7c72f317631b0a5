// The evaluation of a quiet position for the side to move, written for this
// game's race: each side wins when its own king is taken, and the opponent must
// take the strongest piece it can. What counts is how soon each king can step
// onto a square the other side reaches, how crowded with enemy reach its
// surroundings are, and the pieces in hand (drops that force captures).
#pragma once

#include <cstdint>

#include "engine/position.h"

namespace zelkora::engine {

// A score in centi-units for the side to move.
using Score = int;

constexpr int WIN = 30000;        // a won game, less the plies to reach it
constexpr int WIN_BOUND = 29000;  // scores beyond this are won or lost games

// Which squares each side reaches (rays stop at the first piece), as counts.
struct Reach {
    std::uint8_t of[2][121];
    explicit Reach(const Position& p);
};

// Adds one to `reach[sq]` for every piece of `side` that reaches sq.
void addReach(const Position& p, int side, std::uint8_t* reach);

// Score in centi-units, positive when the side to move stands better.
Score evaluate(const Position& p, const Reach& reach);
inline Score evaluate(const Position& p) { return evaluate(p, Reach(p)); }

}  // namespace zelkora::engine
