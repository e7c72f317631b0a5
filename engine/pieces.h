// Step and ray tables of every piece code, shared by move generation, attack
// tests and the evaluation. Offsets are in square-index units (x * 11 + y).
#pragma once

#include <cstdint>
#include <initializer_list>

#include "engine/position.h"

namespace zelkora::engine {

// Whether a square index lies in the board array. A knight's jump from a corner
// of its side's last row lands outside it (from (1, 1) or (9, 9)); every other
// step off the board lands on the border.
inline bool inArray(int sq) { return static_cast<unsigned>(sq) < 121u; }

// The eight neighbour offsets, in one fixed order.
inline constexpr int DIRS[8] = {-12, -11, -10, -1, 1, 10, 11, 12};

inline int dirIndex(int off) {
    for (int i = 0; i < 8; ++i)
        if (DIRS[i] == off) return i;
    return -1;
}

struct PieceMoves {
    std::int8_t nstep = 0, nslide = 0;
    std::int8_t step[8]{};
    std::int8_t slide[4]{};
    std::uint8_t stepMask = 0, slideMask = 0;   // by DIRS index
};

struct Tables {
    PieceMoves moves[1901];
    Tables() {
        for (int side = 0; side < 2; ++side) {
            const int s = side == UPPER ? 1 : -1;
            const int f = s;   // forward in rows
            auto set = [&](int code, std::initializer_list<int> steps, std::initializer_list<int> slides) {
                PieceMoves& pm = moves[s * code + 950];
                for (int o : steps) {
                    pm.step[pm.nstep++] = static_cast<std::int8_t>(o);
                    if (dirIndex(o) >= 0) pm.stepMask |= 1 << dirIndex(o);
                }
                for (int o : slides) {
                    pm.slide[pm.nslide++] = static_cast<std::int8_t>(o);
                    pm.slideMask |= 1 << dirIndex(o);
                }
            };
            const std::initializer_list<int> gold = {f, -11 + f, 11 + f, -f, -11, 11};
            set(PAWN, {f}, {});
            set(LANCE, {}, {f});
            set(KNIGHT, {-11 + 2 * f, 11 + 2 * f}, {});
            set(SILVER, {f, -11 + f, 11 + f, -11 - f, 11 - f}, {});
            set(GOLD, gold, {});
            set(PAWN + 1, gold, {});
            set(LANCE + 1, gold, {});
            set(KNIGHT + 1, gold, {});
            set(SILVER + 1, gold, {});
            set(BISHOP, {}, {-12, -10, 10, 12});
            set(BISHOP + 1, {-1, 1, -11, 11}, {-12, -10, 10, 12});
            set(ROOK, {}, {-1, 1, -11, 11});
            set(ROOK + 1, {-12, -10, 10, 12}, {-1, 1, -11, 11});
            set(KING, {-12, -11, -10, -1, 1, 10, 11, 12}, {});
        }
    }
};


// Built before main() runs; nothing uses it during static initialisation.
extern const Tables TABLES;
inline const PieceMoves& movesOf(int code) { return TABLES.moves[code + 950]; }

}  // namespace zelkora::engine
