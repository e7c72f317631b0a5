#include "engine/evaluate.h"

#include <cstdlib>
#include <cstring>

#include "engine/pieces.h"

namespace zelkora::engine {

namespace {

// Weights of the race terms.
constexpr int DISTANCE = 120;     // per king step to the nearest enemy reach
constexpr int NEAR_REACH = 12;    // per enemy-reached square near one's king
constexpr int IN_HAND = 25;       // per piece in hand
constexpr int TEMPO = 40;

// Reach counts of one side over the whole board (rays stop at the first piece).
void reachMap(const Position& p, int side, std::uint8_t* reach) {
    const std::int16_t* b = p.board;
    for (int from = square(1, 1); from <= square(9, 9); ++from) {
        const int c = b[from];
        if (c == EMPTY || c == OFF || !owns(side, c)) continue;
        const PieceMoves& pm = movesOf(c);
        for (int i = 0; i < pm.nstep; ++i) {
            const int to = from + pm.step[i];
            if (b[to] != OFF) ++reach[to];
        }
        for (int i = 0; i < pm.nslide; ++i) {
            const int d = pm.slide[i];
            int to = from + d;
            for (; b[to] == EMPTY; to += d) ++reach[to];
            if (b[to] != OFF) ++reach[to];
        }
    }
}

int chebyshev(int a, int b) {
    const int dx = std::abs(fileOf(a) - fileOf(b)), dy = std::abs(rowOf(a) - rowOf(b));
    return dx > dy ? dx : dy;
}

// How well placed `side`'s king is for the race: the distance to the nearest
// square the enemy reaches where the king may stand, and the enemy reach around.
struct KingRace {
    int distance = 9;
    int nearReach = 0;
};

KingRace race(const Position& p, int side, const std::uint8_t* enemyReach) {
    KingRace r;
    const int k = p.king[side];
    if (k == 0) return r;
    if (enemyReach[k]) r.distance = 0;
    for (int sq = square(1, 1); sq <= square(9, 9); ++sq) {
        if (!enemyReach[sq] || sq == k) continue;
        const int c = p.board[sq];
        if (c == OFF || (c != EMPTY && owns(side, c))) continue;
        const int d = chebyshev(k, sq);
        if (d < r.distance) r.distance = d;
        if (d <= 2) r.nearReach += 3 - d;
    }
    return r;
}

}  // namespace

Reach::Reach(const Position& p) {
    std::memset(of, 0, sizeof of);
    reachMap(p, LOWER, of[LOWER]);
    reachMap(p, UPPER, of[UPPER]);
}

int evaluate(const Position& p, const Reach& r) {
    const auto& reach = r.of;
    const int me = p.side, you = me ^ 1;
    const KingRace mine = race(p, me, reach[you]);
    const KingRace yours = race(p, you, reach[me]);
    int score = TEMPO;
    score += DISTANCE * (yours.distance - mine.distance);
    score += NEAR_REACH * (mine.nearReach - yours.nearReach);
    score += IN_HAND * (p.handTotal(me) - p.handTotal(you));
    return score;
}

}  // namespace zelkora::engine
