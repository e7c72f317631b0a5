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

}  // namespace

void addReach(const Position& p, int side, std::uint8_t* r) {
    const std::int16_t* b = p.board;
    p.forEachPiece(side, [&](int from) {
        const PieceMoves& pm = movesOf(b[from]);
        for (int i = 0; i < pm.nstep; ++i) {
            const int to = from + pm.step[i];
            if (inArray(to) && b[to] != OFF) ++r[to];
        }
        for (int i = 0; i < pm.nslide; ++i) {
            const int d = pm.slide[i];
            int to = from + d;
            for (; b[to] == EMPTY; to += d) ++r[to];
            if (b[to] != OFF) ++r[to];
        }
    });
}

namespace {

// How well placed a king is for the race: the distance to the nearest square
// the enemy reaches where the king may stand, and the enemy reach around it
// (2 for each such square next to the king, 1 for each two steps away).
struct KingRace {
    int distance = 9;
    int nearReach = 0;
};

int columns(int lo, int hi) {
    lo = lo < 1 ? 1 : lo;
    hi = hi > 9 ? 9 : hi;
    return lo > hi ? 0 : ((2 << hi) - 1) & ~((1 << lo) - 1);
}

// The race of the king of `side`; `rows` holds the squares it could step to
// that the enemy reaches, one bit per column for every row 1..9.
KingRace race(const Position& p, int side, const std::uint16_t* rows, const std::uint8_t* enemyReach) {
    KingRace r;
    const int k = p.king[side];
    if (k == 0) return r;
    if (enemyReach[k]) r.distance = 0;
    const int kx = fileOf(k), ky = rowOf(k);
    for (int y = 1; y <= 9; ++y) {
        int m = rows[y];
        if (y == ky) m &= ~(1 << kx);
        if (m == 0) continue;
        const int dy = y > ky ? y - ky : ky - y;
        if (dy >= r.distance) continue;
        int dx = 9;
        const int left = m & ((2 << kx) - 1), right = m >> kx;
        if (left) dx = kx - (31 - __builtin_clz(static_cast<unsigned>(left)));
        if (right) {
            const int d = __builtin_ctz(static_cast<unsigned>(right));
            if (d < dx) dx = d;
        }
        const int d = dx > dy ? dx : dy;
        if (d < r.distance) r.distance = d;
    }
    int near1 = 0, near2 = 0;
    for (int y = ky - 2; y <= ky + 2; ++y) {
        if (y < 1 || y > 9) continue;
        int m = rows[y];
        if (y == ky) m &= ~(1 << kx);
        near2 += __builtin_popcount(static_cast<unsigned>(m & columns(kx - 2, kx + 2)));
        if (y >= ky - 1 && y <= ky + 1) near1 += __builtin_popcount(static_cast<unsigned>(m & columns(kx - 1, kx + 1)));
    }
    r.nearReach = near1 + near2;
    return r;
}

}  // namespace

Reach::Reach(const Position& p) {
    std::memset(of, 0, sizeof of);
    addReach(p, LOWER, of[LOWER]);
    addReach(p, UPPER, of[UPPER]);
}

Score evaluate(const Position& p, const Reach& r) {
    const auto& reach = r.of;
    // Per side, the squares its king could step to that the enemy reaches.
    std::uint16_t rows[2][10] = {};
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int sq = square(x, y), c = p.board[sq];
            rows[LOWER][y] |= static_cast<std::uint16_t>((reach[UPPER][sq] && c > -10) << x);
            rows[UPPER][y] |= static_cast<std::uint16_t>((reach[LOWER][sq] && c < 10) << x);
        }
    const int me = p.side, you = me ^ 1;
    const KingRace mine = race(p, me, rows[me], reach[you]);
    const KingRace yours = race(p, you, rows[you], reach[me]);
    int score = TEMPO;
    score += DISTANCE * (yours.distance - mine.distance);
    score += NEAR_REACH * (mine.nearReach - yours.nearReach);
    score += IN_HAND * (p.handTotal(me) - p.handTotal(you));
    return score;
}

}  // namespace zelkora::engine
