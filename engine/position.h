// The search core's position: board, hands, side to move, king squares,
// unpromoted pawns per column and a Zobrist key kept up to date by make and
// unmake.
//
// The core stands alone: it knows nothing of the window or its state. It uses
// the game's piece codes (lower side negative, upper side positive, promotion
// one step away from zero) and its coordinates: column x 1..9 from the screen's
// left, row y 1..9 from the top. A square is one index x * 11 + y into a board
// with a one-square border of OFF, so a step off the board always lands on OFF.
// Ascending square index is the game's scan order (x outside, y inside).
#pragma once

#include <cstdint>

namespace zelkora::engine {

constexpr int OFF = 10000;   // the border around the board
constexpr int EMPTY = 0;
constexpr int PAWN = 10, LANCE = 20, KNIGHT = 30, SILVER = 100, GOLD = 110;
constexpr int BISHOP = 800, ROOK = 900, KING = 950;

enum Side : int { LOWER = 0, UPPER = 1 };

// A square index x * 11 + y (see above).
using Square = int;


constexpr Square square(int x, int y) { return x * 11 + y; }
constexpr int fileOf(Square sq) { return sq / 11; }
constexpr int rowOf(Square sq) { return sq % 11; }

inline bool isLowerCode(int c) { return c <= -10 && c >= -950; }
inline bool isUpperCode(int c) { return c >= 10 && c <= 950; }
inline int sideOf(int c) { return c > 0 ? UPPER : LOWER; }
inline bool owns(int side, int c) { return side == UPPER ? isUpperCode(c) : isLowerCode(c); }

// Hand kind index 1..7 of a code, promoted or not; 0 for kings and empty. The
// game's own helpers (game/codes.h handKind, kindCode) answer with these two.
int kindOf(int code);
// The upper side's unpromoted code of kind 1..7 (negate for the lower side).
int codeOfKind(int kind);

// A move: `from` 0 marks a drop of `kind`; `promote` 1 places the promoted code.
struct Move {
    std::uint8_t from = 0, to = 0, kind = 0, promote = 0;
    bool operator==(const Move&) const = default;
    bool isDrop() const { return from == 0; }
    std::uint32_t pack() const { return from | (to << 8) | (kind << 16) | (promote << 24); }
    static Move unpack(std::uint32_t v) {
        return Move{std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16), std::uint8_t(v >> 24)};
    }
};

// What make() needs to take a move back.
struct Undo {
    Move move;
    std::int16_t captured = 0;
    std::int16_t moved = 0;   // code of the moving piece before the move
    std::uint64_t key = 0;
};

class Position {
public:
    Position();

    std::int16_t board[121];
    std::uint8_t hand[2][8];
    int side = LOWER;          // side to move
    int king[2] = {0, 0};      // king squares, 0 when the king is not on the board
    std::uint8_t pawns[2][10]; // unpromoted pawns per column
    std::uint64_t key = 0;
    // Occupied squares per side, one bit per square index (two words).
    std::uint64_t occ[2][2];

    // Calls f(square) for every square holding a piece of `s`, in scan order.
    template <typename F>
    void forEachPiece(int s, F f) const {
        for (int w = 0; w < 2; ++w)
            for (std::uint64_t m = occ[s][w]; m; m &= m - 1) f(w * 64 + __builtin_ctzll(m));
    }

    // Empties board and hands; the lower side to move.
    void clear();
    // Puts a code on (x, y) (0 empties it); keeps kings, pawns and key.
    void put(int x, int y, int code);
    void setHand(int side, int kind, int count);
    void setSide(int s);

    int at(int x, int y) const { return board[square(x, y)]; }
    int handTotal(int s) const;
    // The code a move places on its target.
    int codeAfter(const Move& m) const;

    void make(const Move& m, Undo& u);
    void unmake(const Undo& u);

    // Full recomputation of the key (for checks of the incremental one).
    std::uint64_t computeKey() const;

private:
    void setBit(int s, int sq) { occ[s][sq >> 6] |= std::uint64_t(1) << (sq & 63); }
    void clearBit(int s, int sq) { occ[s][sq >> 6] &= ~(std::uint64_t(1) << (sq & 63)); }
};

// The game's starting position, the lower side at the bottom; `side` moves first.
Position initialPosition(int side);

}  // namespace zelkora::engine
