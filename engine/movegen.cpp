#include "engine/movegen.h"

#include <algorithm>
#include <cstdlib>

#include "engine/pieces.h"

namespace zelkora::engine {

const Tables TABLES;

namespace {

bool pieceCode(int c) { return c != EMPTY && c != OFF; }

}  // namespace

bool mayPromote(int code, int from, int to) {
    const int fy = rowOf(from), ty = rowOf(to);
    switch (code) {
    case -PAWN: case -LANCE: case -KNIGHT: return ty <= 3;
    case -SILVER: case -BISHOP: case -ROOK: return ty <= 3 || fy <= 3;
    case PAWN: case LANCE: case KNIGHT: return ty >= 7;
    case SILVER: case BISHOP: case ROOK: return ty >= 7 || fy >= 7;
    default: return false;
    }
}

bool mustPromote(int code, int to) {
    const int ty = rowOf(to);
    switch (code) {
    case PAWN: case LANCE: return ty == 9;
    case KNIGHT: return ty >= 8;
    case -PAWN: case -LANCE: return ty == 1;
    case -KNIGHT: return ty <= 2;
    default: return false;
    }
}

void sortInScanOrder(MoveList& list) {
    std::stable_sort(list.m, list.m + list.n, [](const Move& a, const Move& b) {
        if (a.isDrop() != b.isDrop()) return !a.isDrop();
        if (a.isDrop()) return a.kind < b.kind || (a.kind == b.kind && a.to < b.to);
        return a.from < b.from || (a.from == b.from && a.to < b.to);
    });
}

bool attacked(const Position& p, int sq, int by) {
    const std::int16_t* b = p.board;
    for (int i = 0; i < 8; ++i) {
        const int d = DIRS[i];
        int t = sq + d;
        int c = b[t];
        const int back = 7 - i;   // DIRS is symmetric: index of -d
        if (c != EMPTY) {
            if (c != OFF && owns(by, c)) {
                const PieceMoves& pm = movesOf(c);
                if ((pm.stepMask | pm.slideMask) >> back & 1) return true;
            }
            continue;
        }
        do { t += d; c = b[t]; } while (c == EMPTY);
        if (c != OFF && owns(by, c) && (movesOf(c).slideMask >> back & 1)) return true;
    }
    const int f = by == UPPER ? 1 : -1;
    // A knight attacks from two rows behind the square; from the edge rows
    // that row lies beyond the one-square border, so there is none to look at.
    const int knightRow = rowOf(sq) - 2 * f;
    if (knightRow < 1 || knightRow > 9) return false;
    const int knight = by == UPPER ? KNIGHT : -KNIGHT;
    return b[sq + 11 - 2 * f] == knight || b[sq - 11 - 2 * f] == knight;
}

bool reaches(const Position& p, int from, int to) {
    const int c = p.board[from];
    if (!pieceCode(c) || to == from) return false;
    const int t = p.board[to];
    if (t == OFF || (t != EMPTY && sideOf(t) == sideOf(c))) return false;
    const PieceMoves& pm = movesOf(c);
    const int d = to - from;
    for (int i = 0; i < pm.nstep; ++i)
        if (pm.step[i] == d) return true;
    const int dx = fileOf(to) - fileOf(from), dy = rowOf(to) - rowOf(from);
    if (!(dx == 0 || dy == 0 || dx == dy || dx == -dy)) return false;
    const int unit = ((dx > 0) - (dx < 0)) * 11 + ((dy > 0) - (dy < 0));
    const int i = dirIndex(unit);
    if (!(pm.slideMask >> i & 1)) return false;
    for (int s = from + unit; s != to; s += unit)
        if (p.board[s] != EMPTY) return false;
    return true;
}

void generate(const Position& p, MoveList& list, bool expand) {
    list.n = 0;
    const int side = p.side;
    const std::int16_t* b = p.board;
    // Compulsory capture: the strongest target so far and whether all
    // capturable codes are equal.
    int bestCode = 0, bestSq = 0;
    bool anyCapture = false, allEqual = true;
    auto note = [&](int to, int cap) {
        const int strength = cap < 0 ? -cap : cap;
        if (!anyCapture) {
            anyCapture = true;
            bestCode = strength;
            bestSq = to;
            return;
        }
        if (strength != bestCode) allEqual = false;
        if (strength > bestCode || (strength == bestCode && to < bestSq)) {
            bestCode = strength;
            bestSq = to;
        }
    };
    p.forEachPiece(side, [&](int from) {
        const PieceMoves& pm = movesOf(b[from]);
        for (int i = 0; i < pm.nstep; ++i) {
            const int to = from + pm.step[i];
            if (!inArray(to)) continue;
            const int t = b[to];
            if (t == OFF || (t != EMPTY && owns(side, t))) continue;
            if (t != EMPTY) note(to, t);
            list.add(Move{std::uint8_t(from), std::uint8_t(to), 0, 0});
        }
        for (int i = 0; i < pm.nslide; ++i) {
            const int d = pm.slide[i];
            int to = from + d;
            for (; b[to] == EMPTY; to += d) list.add(Move{std::uint8_t(from), std::uint8_t(to), 0, 0});
            const int t = b[to];
            if (t != OFF && !owns(side, t)) {
                note(to, t);
                list.add(Move{std::uint8_t(from), std::uint8_t(to), 0, 0});
            }
        }
    });
    if (anyCapture) {
        // The upper side always takes on the strongest square; the lower side
        // may take any capturable piece while they all share one code.
        const bool anyTarget = side == LOWER && allEqual;
        int n = 0;
        for (int i = 0; i < list.n; ++i) {
            const Move& m = list.m[i];
            if (anyTarget ? b[m.to] != EMPTY : m.to == bestSq) list.m[n++] = m;
        }
        list.n = n;
    }
    if (expand) {
        const int count = list.n;
        for (int i = 0; i < count; ++i) {
            Move& m = list.m[i];
            const int c = b[m.from];
            if (!mayPromote(c, m.from, m.to)) continue;
            if (mustPromote(c, m.to)) {
                m.promote = 1;
            } else {
                list.add(m);   // the plain move, after the promoting one
                m.promote = 1;
            }
        }
    }
    if (anyCapture) return;
    // Drops: kind 1..7, then squares in scan order.
    for (int kind = 1; kind <= 7; ++kind) {
        if (p.hand[side][kind] == 0) continue;
        for (int x = 1; x <= 9; ++x) {
            if (kind == 1 && p.pawns[side][x] > 0) continue;
            for (int y = 1; y <= 9; ++y) {
                const int to = square(x, y);
                if (b[to] != EMPTY) continue;
                if (kind <= 2 && y == (side == UPPER ? 9 : 1)) continue;
                if (kind == 3 && (side == UPPER ? y >= 8 : y <= 2)) continue;
                list.add(Move{0, std::uint8_t(to), std::uint8_t(kind), 0});
            }
        }
    }
}

bool upperMated(Position& p) {
    const int k = p.king[UPPER];
    if (k == 0 || !attacked(p, k, LOWER)) return false;
    std::int16_t* b = p.board;

    // Check marks: 9 on every lower piece (not the king) reaching the king, 1 on
    // the squares between a ray checker and the king.
    std::int8_t marks[121] = {};
    int checkers[16], nCheckers = 0;
    for (int sq = square(1, 1); sq <= square(9, 9); ++sq) {
        const int c = b[sq];
        if (!pieceCode(c) || c > 0 || c == -KING || !reaches(p, sq, k)) continue;
        marks[sq] = 9;
        if (nCheckers < 16) checkers[nCheckers++] = sq;
        const int dx = fileOf(k) - fileOf(sq), dy = rowOf(k) - rowOf(sq);
        if (std::abs(dx) <= 1 && std::abs(dy) <= 1) continue;
        if (!(dx == 0 || dy == 0 || dx == dy || dx == -dy)) continue;   // a knight
        const int unit = ((dx > 0) - (dx < 0)) * 11 + ((dy > 0) - (dy < 0));
        for (int s = sq + unit; s != k; s += unit) marks[s] = 1;
    }

    // Pawn drops on the check line, in scan order up to the first checker.
    const int total = p.handTotal(UPPER);
    if (total > 0) {
        bool goOn = false;
        for (int sq = square(1, 1); sq <= square(9, 9) && !goOn; ++sq) {
            if (marks[sq] == 9) { goOn = true; break; }
            if (marks[sq] != 1) continue;
            const bool onlyPawns = total == p.hand[UPPER][1];
            const bool dropLegal = b[sq] == EMPTY && p.pawns[UPPER][fileOf(sq)] == 0 && rowOf(sq) != 9;
            const bool put = !(onlyPawns && !dropLegal);
            const int kept = b[sq];
            if (put) b[sq] = PAWN;
            bool reached = false;
            for (int i = 0; i < nCheckers && !reached; ++i) reached = reaches(p, checkers[i], k);
            if (put) b[sq] = static_cast<std::int16_t>(kept);
            if (reached) goOn = true;
        }
        if (!goOn) return false;
    }

    // King steps onto a square the lower side does not reach; the lower rays
    // pass through the king's own square.
    b[k] = EMPTY;
    bool escape = false;
    for (int i = 0; i < 8 && !escape; ++i) {
        const int t = k + DIRS[i];
        const int c = b[t];
        if (c == OFF || (c != EMPTY && c > 0)) continue;
        escape = !attacked(p, t, LOWER);
    }
    b[k] = KING;
    if (escape) return false;

    // Any other upper piece onto a checker or the check line.
    for (int sq = square(1, 1); sq <= square(9, 9); ++sq) {
        const int c = b[sq];
        if (!pieceCode(c) || c < 0 || c == KING) continue;
        for (int t = square(1, 1); t <= square(9, 9); ++t) {
            if (marks[t] <= 0 || !reaches(p, sq, t)) continue;
            const int kept = b[t];
            b[t] = static_cast<std::int16_t>(c);
            b[sq] = EMPTY;
            const bool still = attacked(p, k, LOWER);
            b[sq] = static_cast<std::int16_t>(c);
            b[t] = static_cast<std::int16_t>(kept);
            if (!still) return false;
        }
    }
    return true;
}

Result resultAfter(Position& p, const Undo& u) {
    if (u.captured == -KING) return LOWER_WINS;
    if (u.captured == KING) return UPPER_WINS;
    if (p.side == UPPER && upperMated(p)) return UPPER_WINS;
    return NO_RESULT;
}

std::uint64_t perft(Position& p, int depth) {
    if (depth == 0) return 1;
    MoveList list;
    generate(p, list, true);
    if (depth == 1) {
        return static_cast<std::uint64_t>(list.n);
    }
    std::uint64_t n = 0;
    for (int i = 0; i < list.n; ++i) {
        Undo u;
        p.make(list.m[i], u);
        if (resultAfter(p, u) == NO_RESULT) n += perft(p, depth - 1);
        p.unmake(u);
    }
    return n;
}

}  // namespace zelkora::engine
