// Influence of gold-like pieces and of the bishop's diagonal rays, one
// procedure per side (自 the lower side, 敵 the upper side).
//
// The sides are deliberately not mirror images: the lower gold-like pieces
// record their own code with the attacker's square, while every upper gold-like
// piece records 110 and never writes a guard's square; the lower bishop's rays
// record -800 even for the promoted bishop, while the upper rays record the
// piece's own code with the guard's square.
#include "computer/influence_record.h"

namespace zelkora {

namespace {

bool onBoard(int x, int y) { return x >= 1 && x <= 9 && y >= 1 && y <= 9; }

}  // namespace

void Form1::勢力確定自金(int k, int x, int y) {
    // Forward is y-1: three forward squares, straight back, the two sides.
    static constexpr int steps[6][2] = {{0, -1}, {-1, -1}, {1, -1}, {0, 1}, {-1, 0}, {1, 0}};
    for (const auto& s : steps) {
        const int tx = x + s[0], ty = y + s[1];
        if (onBoard(tx, ty)) influence::lowerReach(*this, k, x, y, tx, ty);
    }
}

void Form1::勢力確定敵金(int x, int y) {
    // Forward is y+1: straight back first, then the three forward squares.
    static constexpr int steps[6][2] = {{0, -1}, {0, 1}, {-1, 1}, {1, 1}, {-1, 0}, {1, 0}};
    for (const auto& s : steps) {
        const int tx = x + s[0], ty = y + s[1];
        if (onBoard(tx, ty)) influence::upperReach<false>(*this, UE_KIN, x, y, tx, ty);
    }
}

void Form1::勢力確定自角(int x, int y) {
    influence::walkRay<true>(*this, SITA_KAKU, x, y, -1, -1);
    influence::walkRay<true>(*this, SITA_KAKU, x, y, 1, -1);
    influence::walkRay<true>(*this, SITA_KAKU, x, y, -1, 1);
    influence::walkRay<true>(*this, SITA_KAKU, x, y, 1, 1);
}

void Form1::勢力確定敵角(int k, int x, int y) {
    influence::walkRay<false>(*this, k, x, y, -1, -1);
    influence::walkRay<false>(*this, k, x, y, 1, -1);
    influence::walkRay<false>(*this, k, x, y, -1, 1);
    influence::walkRay<false>(*this, k, x, y, 1, 1);
}

}  // namespace zelkora
