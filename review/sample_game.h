// A real game for pictures and timings of the review: the first forty moves
// of LEVEL1 (lower) against LEVEL2 (upper), one record line each, as the
// record file holds them. The review marks move 7 as a blunder.
#pragma once

#include <array>

namespace zelkora {

extern const std::array<const char*, 40> SAMPLE_GAME;

}  // namespace zelkora
