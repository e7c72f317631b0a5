#include "engine/position.h"

#include <cstring>

namespace zelkora::engine {

namespace {

// Piece codes of the board get a dense index for the key tables.
struct PieceIndex {
    std::int8_t index[1901];
    PieceIndex() {
        static const int codes[] = {10, 11, 20, 21, 30, 31, 100, 101, 110, 800, 801, 900, 901, 950};
        for (auto& i : index) i = 28;   // anything else shares one slot
        for (int i = 0; i < 14; ++i) {
            index[950 - codes[i]] = static_cast<std::int8_t>(i);
            index[950 + codes[i]] = static_cast<std::int8_t>(i + 14);
        }
    }
};

int pieceIndex(int code) {
    static const PieceIndex table;
    return code >= -950 && code <= 950 ? table.index[code + 950] : 28;
}

struct Keys {
    std::uint64_t piece[29][121];
    std::uint64_t hand[2][8][40];
    std::uint64_t side;
    Keys() {
        std::uint64_t s = 0x5a656c6b6f7261ULL;
        auto next = [&s] {
            std::uint64_t z = (s += 0x9e3779b97f4a7c15ULL);
            z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
            z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
            return z ^ (z >> 31);
        };
        for (auto& p : piece) for (auto& k : p) k = next();
        for (auto& h : hand) for (auto& k : h) for (auto& c : k) c = next();
        side = next();
    }
};

const Keys& keys() {
    static const Keys k;
    return k;
}

std::uint64_t handKey(int side, int kind, int count) { return keys().hand[side][kind][count < 40 ? count : 39]; }

}  // namespace

int kindOf(int code) {
    switch (code < 0 ? -code : code) {
    case 10: case 11: return 1;
    case 20: case 21: return 2;
    case 30: case 31: return 3;
    case 100: case 101: return 4;
    case 110: case 111: return 5;
    case 800: case 801: return 6;
    case 900: case 901: return 7;
    default: return 0;
    }
}

int codeOfKind(int kind) {
    static const int codes[8] = {0, PAWN, LANCE, KNIGHT, SILVER, GOLD, BISHOP, ROOK};
    return kind >= 1 && kind <= 7 ? codes[kind] : 0;
}

Position::Position() { clear(); }

void Position::clear() {
    for (int i = 0; i < 121; ++i) {
        const int x = fileOf(i), y = rowOf(i);
        board[i] = (x >= 1 && x <= 9 && y >= 1 && y <= 9) ? EMPTY : OFF;
    }
    std::memset(hand, 0, sizeof hand);
    std::memset(pawns, 0, sizeof pawns);
    std::memset(occ, 0, sizeof occ);
    king[0] = king[1] = 0;
    side = LOWER;
    key = computeKey();
}

void Position::put(int x, int y, int code) {
    const int sq = square(x, y);
    const int old = board[sq];
    if (old == PAWN) --pawns[UPPER][x];
    if (old == -PAWN) --pawns[LOWER][x];
    if (old == KING && king[UPPER] == sq) king[UPPER] = 0;
    if (old == -KING && king[LOWER] == sq) king[LOWER] = 0;
    if (old != EMPTY) clearBit(sideOf(old), sq);
    if (code != EMPTY) setBit(sideOf(code), sq);
    board[sq] = static_cast<std::int16_t>(code);
    if (code == PAWN) ++pawns[UPPER][x];
    if (code == -PAWN) ++pawns[LOWER][x];
    if (code == KING) king[UPPER] = sq;
    if (code == -KING) king[LOWER] = sq;
    key = computeKey();
}

void Position::setHand(int s, int kind, int count) {
    hand[s][kind] = static_cast<std::uint8_t>(count);
    key = computeKey();
}

void Position::setSide(int s) {
    side = s;
    key = computeKey();
}

int Position::handTotal(int s) const {
    int t = 0;
    for (int k = 1; k <= 7; ++k) t += hand[s][k];
    return t;
}

int Position::codeAfter(const Move& m) const {
    if (m.isDrop()) return side == UPPER ? codeOfKind(m.kind) : -codeOfKind(m.kind);
    const int c = board[m.from];
    if (!m.promote) return c;
    return c > 0 ? c + 1 : c - 1;
}

std::uint64_t Position::computeKey() const {
    std::uint64_t k = side == UPPER ? keys().side : 0;
    for (int sq = 0; sq < 121; ++sq)
        if (board[sq] != EMPTY && board[sq] != OFF) k ^= keys().piece[pieceIndex(board[sq])][sq];
    for (int s = 0; s < 2; ++s)
        for (int kind = 1; kind <= 7; ++kind) k ^= handKey(s, kind, hand[s][kind]);
    return k;
}

void Position::make(const Move& m, Undo& u) {
    const Keys& K = keys();
    u.move = m;
    u.key = key;
    const int after = codeAfter(m);
    const int to = m.to;
    u.captured = board[to];
    if (m.isDrop()) {
        u.moved = static_cast<std::int16_t>(after);
        key ^= handKey(side, m.kind, hand[side][m.kind]);
        --hand[side][m.kind];
        key ^= handKey(side, m.kind, hand[side][m.kind]);
    } else {
        const int from = m.from;
        const int moved = board[from];
        u.moved = static_cast<std::int16_t>(moved);
        key ^= K.piece[pieceIndex(moved)][from];
        board[from] = EMPTY;
        clearBit(side, from);
        if (moved == PAWN || moved == -PAWN) --pawns[side][fileOf(from)];
        if (moved == KING || moved == -KING) king[side] = to;
        const int cap = u.captured;
        if (cap != EMPTY) {
            clearBit(side ^ 1, to);
            key ^= K.piece[pieceIndex(cap)][to];
            const int kind = kindOf(cap);
            if (kind) {
                key ^= handKey(side, kind, hand[side][kind]);
                ++hand[side][kind];
                key ^= handKey(side, kind, hand[side][kind]);
            }
            if (cap == PAWN || cap == -PAWN) --pawns[side ^ 1][fileOf(to)];
            if (cap == KING || cap == -KING) king[side ^ 1] = 0;
        }
    }
    board[to] = static_cast<std::int16_t>(after);
    setBit(side, to);
    key ^= K.piece[pieceIndex(after)][to];
    if (after == PAWN || after == -PAWN) ++pawns[side][fileOf(to)];
    side ^= 1;
    key ^= K.side;
}

void Position::unmake(const Undo& u) {
    side ^= 1;
    const Move& m = u.move;
    const int to = m.to;
    const int after = board[to];
    if (after == PAWN || after == -PAWN) --pawns[side][fileOf(to)];
    board[to] = u.captured;
    clearBit(side, to);
    if (m.isDrop()) {
        ++hand[side][m.kind];
    } else {
        const int moved = u.moved;
        board[m.from] = static_cast<std::int16_t>(moved);
        setBit(side, m.from);
        if (moved == PAWN || moved == -PAWN) ++pawns[side][fileOf(m.from)];
        if (moved == KING || moved == -KING) king[side] = m.from;
        const int cap = u.captured;
        if (cap != EMPTY) {
            setBit(side ^ 1, to);
            const int kind = kindOf(cap);
            if (kind) --hand[side][kind];
            if (cap == PAWN || cap == -PAWN) ++pawns[side ^ 1][fileOf(to)];
            if (cap == KING || cap == -KING) king[side ^ 1] = to;
        }
    }
    key = u.key;
}

Position initialPosition(int side) {
    Position p;
    const int back[9] = {20, 30, 100, 110, 950, 110, 100, 30, 20};
    for (int x = 1; x <= 9; ++x) {
        p.put(x, 1, back[x - 1]);
        p.put(x, 9, -back[x - 1]);
        p.put(x, 3, 10);
        p.put(x, 7, -10);
    }
    p.put(2, 2, 900);
    p.put(8, 2, 800);
    p.put(2, 8, -800);
    p.put(8, 8, -900);
    p.setSide(side);
    return p;
}

}  // namespace zelkora::engine
