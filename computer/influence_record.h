// The recording rule of the influence map, shared by the survey and by the ray
// and gold procedures.
//
// A reach of a piece with code k standing on (px, py) onto a square t adds one
// to its side's count on t and then, depending on what stands on t:
//  - lower side: an own piece on t keeps the smallest (most valuable) lower
//    defender; an upper piece keeps the largest (cheapest) lower attacker with
//    the attacker's square, and the upper king on t marks the piece as a checker;
//  - upper side: an own piece on t keeps the smallest (cheapest) upper defender,
//    with the defender's square only for the pieces that record it; the lower
//    king on t marks the piece as a checker.
// Every record needs a strict improvement, so between equal codes the first
// piece in scan order stays recorded. Callers only pass squares on the board.
#pragma once

#include "game/Form1.h"

namespace zelkora::influence {

inline void lowerReach(Form1& f, int k, int px, int py, int tx, int ty) {
    InfluenceMap& m = f.inf;
    ++m.lower_influence[tx][ty];
    const int t = f.board.ban[tx][ty];
    if (t <= -10) {
        if (m.lower_guard_code[tx][ty] > k) m.lower_guard_code[tx][ty] = static_cast<std::int16_t>(k);
    } else if (t >= 10) {
        if (m.lower_attacker_code[tx][ty] < k) {
            m.lower_attacker_code[tx][ty] = static_cast<std::int16_t>(k);
            m.lower_attacker_x[tx][ty] = static_cast<std::int16_t>(px);
            m.lower_attacker_y[tx][ty] = static_cast<std::int16_t>(py);
        }
        if (t == UE_OU) m.lower_check_marks[px][py] = 9;
    }
}

// `withSquare` chooses whether the guard's square is written with its code.
template <bool withSquare>
inline void upperReach(Form1& f, int k, int px, int py, int tx, int ty) {
    InfluenceMap& m = f.inf;
    ++m.upper_influence[tx][ty];
    const int t = f.board.ban[tx][ty];
    if (t >= 10) {
        if (m.upper_guard_code[tx][ty] > k) {
            m.upper_guard_code[tx][ty] = static_cast<std::int16_t>(k);
            if constexpr (withSquare) {
                m.upper_guard_x[tx][ty] = static_cast<std::int16_t>(px);
                m.upper_guard_y[tx][ty] = static_cast<std::int16_t>(py);
            }
        }
    } else if (t == SITA_OU) {
        m.upper_check_marks[px][py] = 9;
    }
}

// One ray from (x, y) in the direction (dx, dy), straight or diagonal. Every
// square reached is recorded (lower: guard, attacker with square; upper: guard
// with square); the walk passes through the enemy king, marking the squares
// strictly between with 1 and the piece's own square with 9, and ends after
// recording any other piece.
template <bool lower>
inline void walkRay(Form1& f, int k, int x, int y, int dx, int dy) {
    InfluenceMap& m = f.inf;
    const int enemyKing = lower ? UE_OU : SITA_OU;
    auto& marks = lower ? m.lower_check_marks : m.upper_check_marks;
    int tx = x + dx, ty = y + dy;
    for (int step = 1; tx >= 1 && tx <= 9 && ty >= 1 && ty <= 9; ++step, tx += dx, ty += dy) {
        const int t = f.board.ban[tx][ty];
        if (lower) {
            ++m.lower_influence[tx][ty];
            if (t <= -10) {
                if (m.lower_guard_code[tx][ty] > k) m.lower_guard_code[tx][ty] = static_cast<std::int16_t>(k);
            } else if (t >= 10 && m.lower_attacker_code[tx][ty] < k) {
                m.lower_attacker_code[tx][ty] = static_cast<std::int16_t>(k);
                m.lower_attacker_x[tx][ty] = static_cast<std::int16_t>(x);
                m.lower_attacker_y[tx][ty] = static_cast<std::int16_t>(y);
            }
        } else {
            ++m.upper_influence[tx][ty];
            if (t >= 10 && m.upper_guard_code[tx][ty] > k) {
                m.upper_guard_code[tx][ty] = static_cast<std::int16_t>(k);
                m.upper_guard_x[tx][ty] = static_cast<std::int16_t>(x);
                m.upper_guard_y[tx][ty] = static_cast<std::int16_t>(y);
            }
        }
        if (t == EMPTY) continue;
        if (t != enemyKing) return;
        for (int i = 1; i < step; ++i) marks[x + i * dx][y + i * dy] = 1;
        marks[x][y] = 9;
    }
}

}  // namespace zelkora::influence
