#include "engine/movegen.h"

#include <algorithm>
#include <cstdlib>

#include "engine/pieces.h"

namespace zelkora::engine {

const Tables TABLES;

namespace {

bool pieceCode(int c) { return c != EMPTY && c != OFF; }

}  // namespace

bool mayPromote(int code, Square from, Square to) {
    const int fy = rowOf(from), ty = rowOf(to);
    switch (code) {
    case -PAWN: case -LANCE: case -KNIGHT: return ty <= 3;
    case -SILVER: case -BISHOP: case -ROOK: return ty <= 3 || fy <= 3;
    case PAWN: case LANCE: case KNIGHT: return ty >= 7;
    case SILVER: case BISHOP: case ROOK: return ty >= 7 || fy >= 7;
    default: return false;
    }
}

bool mustPromote(int code, Square to) {
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

bool attacked(const Position& p, Square sq, int by) {
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

bool reaches(const Position& p, Square from, Square to) {
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

namespace {

// The compulsory capture's target among the captures seen so far: the
// strongest piece (by code; ties go to the first square in scan order), and
// whether every capturable piece has the same code.
struct CaptureTarget {
    bool any = false;
    bool allEqual = true;
    int strength = 0;
    Square where = 0;

    void note(Square to, int captured) {
        const int s = captured < 0 ? -captured : captured;
        if (!any) {
            any = true;
            strength = s;
            where = to;
            return;
        }
        if (s != strength) allEqual = false;
        if (s > strength || (s == strength && to < where)) {
            strength = s;
            where = to;
        }
    }
};

Move boardMove(Square from, Square to) { return Move{std::uint8_t(from), std::uint8_t(to), 0, 0}; }

// Board moves of the side to move, sources in scan order, each piece's steps
// before its rays, every capture noted in `target`. With `capturesOnly` the
// quiet moves are left out (they would all be filtered away after a capture).
template <bool capturesOnly>
void addBoardMoves(const Position& p, MoveList& list, CaptureTarget& target) {
    const int side = p.side;
    const std::int16_t* b = p.board;
    p.forEachPiece(side, [&](Square from) {
        const PieceMoves& pm = movesOf(b[from]);
        for (int i = 0; i < pm.nstep; ++i) {
            const Square to = from + pm.step[i];
            if (!inArray(to)) continue;
            const int t = b[to];
            if (t == OFF || (t != EMPTY && owns(side, t))) continue;
            if (t != EMPTY) target.note(to, t);
            else if (capturesOnly) continue;
            list.add(boardMove(from, to));
        }
        for (int i = 0; i < pm.nslide; ++i) {
            const int d = pm.slide[i];
            Square to = from + d;
            for (; b[to] == EMPTY; to += d)
                if (!capturesOnly) list.add(boardMove(from, to));
            const int t = b[to];
            if (t != OFF && !owns(side, t)) {
                target.note(to, t);
                list.add(boardMove(from, to));
            }
        }
    });
}

// Keeps the captures the game allows: the upper side always takes on the
// strongest square; the lower side may take any capturable piece while they
// all share one code.
void keepCompulsoryCaptures(const Position& p, MoveList& list, const CaptureTarget& target) {
    const bool anyTarget = p.side == LOWER && target.allEqual;
    int n = 0;
    for (int i = 0; i < list.n; ++i) {
        const Move& m = list.m[i];
        if (anyTarget ? p.board[m.to] != EMPTY : m.to == target.where) list.m[n++] = m;
    }
    list.n = n;
}

// A move that may promote becomes the promoting one, and the plain one is
// added at the end; a move that must promote only promotes.
void addPromotions(const Position& p, MoveList& list) {
    const int count = list.n;
    for (int i = 0; i < count; ++i) {
        Move& m = list.m[i];
        const int c = p.board[m.from];
        if (!mayPromote(c, m.from, m.to)) continue;
        if (!mustPromote(c, m.to)) list.add(m);
        m.promote = 1;
    }
}

// Drops: kinds 1..7, then squares in scan order, with the two-pawn rule and
// no piece dropped where it could never move again.
void addDrops(const Position& p, MoveList& list) {
    const int side = p.side;
    for (int kind = 1; kind <= 7; ++kind) {
        if (p.hand[side][kind] == 0) continue;
        for (int x = 1; x <= 9; ++x) {
            if (kind == 1 && p.pawns[side][x] > 0) continue;
            for (int y = 1; y <= 9; ++y) {
                const Square to = square(x, y);
                if (p.board[to] != EMPTY) continue;
                if (kind <= 2 && y == (side == UPPER ? 9 : 1)) continue;
                if (kind == 3 && (side == UPPER ? y >= 8 : y <= 2)) continue;
                list.add(Move{0, std::uint8_t(to), std::uint8_t(kind), 0});
            }
        }
    }
}

}  // namespace

void generate(const Position& p, MoveList& list, bool expand) {
    list.n = 0;
    CaptureTarget target;
    addBoardMoves<false>(p, list, target);
    if (target.any) keepCompulsoryCaptures(p, list, target);
    if (expand) addPromotions(p, list);
    if (!target.any) addDrops(p, list);   // no drop while a capture is possible
}

void generateCaptures(const Position& p, MoveList& list) {
    list.n = 0;
    CaptureTarget target;
    addBoardMoves<true>(p, list, target);
    if (!target.any) return;
    keepCompulsoryCaptures(p, list, target);
    addPromotions(p, list);
}

namespace {

// The lower pieces that give check to the upper king and the squares between
// a ray checker and the king. At most one checker stands in each of the eight
// directions, plus two knights.
struct CheckLine {
    static constexpr int MAX_CHECKERS = 10;
    std::int8_t marks[121] = {};   // 9 on a checker, 1 on the line between it and the king
    Square checkers[MAX_CHECKERS];
    int nCheckers = 0;
};

CheckLine markCheck(const Position& p, Square k) {
    CheckLine line;
    for (Square sq = square(1, 1); sq <= square(9, 9); ++sq) {
        const int c = p.board[sq];
        if (!pieceCode(c) || c > 0 || c == -KING || !reaches(p, sq, k)) continue;
        line.marks[sq] = 9;
        line.checkers[line.nCheckers++] = sq;
        const int dx = fileOf(k) - fileOf(sq), dy = rowOf(k) - rowOf(sq);
        if (std::abs(dx) <= 1 && std::abs(dy) <= 1) continue;
        if (!(dx == 0 || dy == 0 || dx == dy || dx == -dy)) continue;   // a knight
        const int unit = ((dx > 0) - (dx < 0)) * 11 + ((dy > 0) - (dy < 0));
        for (Square s = sq + unit; s != k; s += unit) line.marks[s] = 1;
    }
    return line;
}

// The drop step, as dropsLeaveTheCheck in game/mate.cpp: a pawn is put on
// each check-line square in scan order up to the first checker (unless only
// pawns are in hand and one may not be dropped there) and the checkers are
// asked again. True when the test must go on to the king's steps.
bool dropsLeaveTheCheck(Position& p, const CheckLine& line, Square k) {
    std::int16_t* b = p.board;
    const int total = p.handTotal(UPPER);
    for (Square sq = square(1, 1); sq <= square(9, 9); ++sq) {
        if (line.marks[sq] == 9) return true;
        if (line.marks[sq] != 1) continue;
        const bool onlyPawns = total == p.hand[UPPER][1];
        const bool dropLegal = b[sq] == EMPTY && p.pawns[UPPER][fileOf(sq)] == 0 && rowOf(sq) != 9;
        const bool put = !(onlyPawns && !dropLegal);
        const int kept = b[sq];
        if (put) b[sq] = PAWN;
        bool reached = false;
        for (int i = 0; i < line.nCheckers && !reached; ++i) reached = reaches(p, line.checkers[i], k);
        if (put) b[sq] = static_cast<std::int16_t>(kept);
        if (reached) return true;
    }
    return false;
}

// The king step, as kingCanStepAway in game/mate.cpp: a step onto a square
// the lower side does not reach; the lower rays pass through the king's own
// square.
bool kingCanStepAway(Position& p, Square k) {
    p.board[k] = EMPTY;
    bool escape = false;
    for (int i = 0; i < 8 && !escape; ++i) {
        const Square t = k + DIRS[i];
        const int c = p.board[t];
        if (c == OFF || (c != EMPTY && c > 0)) continue;
        escape = !attacked(p, t, LOWER);
    }
    p.board[k] = KING;
    return escape;
}

// The last step, as the trials at the end of 詰めかCOM in game/mate.cpp: any
// other upper piece onto a checker or the check line that leaves the king
// unattacked.
bool pieceParries(Position& p, const CheckLine& line, Square k) {
    std::int16_t* b = p.board;
    for (Square sq = square(1, 1); sq <= square(9, 9); ++sq) {
        const int c = b[sq];
        if (!pieceCode(c) || c < 0 || c == KING) continue;
        for (Square t = square(1, 1); t <= square(9, 9); ++t) {
            if (line.marks[t] <= 0 || !reaches(p, sq, t)) continue;
            const int kept = b[t];
            b[t] = static_cast<std::int16_t>(c);
            b[sq] = EMPTY;
            const bool still = attacked(p, k, LOWER);
            b[sq] = static_cast<std::int16_t>(c);
            b[t] = static_cast<std::int16_t>(kept);
            if (!still) return true;
        }
    }
    return false;
}

}  // namespace

bool upperMated(Position& p) {
    const Square k = p.king[UPPER];
    if (k == 0 || !attacked(p, k, LOWER)) return false;
    const CheckLine line = markCheck(p, k);
    if (p.handTotal(UPPER) > 0 && !dropsLeaveTheCheck(p, line, k)) return false;
    if (kingCanStepAway(p, k)) return false;
    return !pieceParries(p, line, k);
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
