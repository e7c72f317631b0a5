// Move legality: may a piece go from one square to another, may or must it
// promote there, and which columns already hold an unpromoted pawn.
//
// These are pure tests on the board. They never look at attacks: a king may
// step onto an attacked square and any move may leave the mover's king in
// check. The only state they write is the promoted code (調査_駒成) and the
// two-pawn flags (調査_2歩フラグ設定). A source column of 11 or -1 is a drop
// from the lower or the upper hand; the source row of a drop is not used.
//
// The side of the piece decides what counts as a board move for the forward
// pieces: an upper pawn moves on the board whenever its source column is above
// 0, a lower pawn whenever it is not 11; lances and knights whenever the source
// is not their own side's hand column.
#include <cstdlib>
#include <optional>

#include "game/Form1.h"

namespace zelkora {

namespace {

bool isDrop(int fx) { return fx == LOWER_HAND_X || fx == UPPER_HAND_X; }
bool onBoard(int v) { return v >= 1 && v <= 9; }

// Gold moves relative to the side's forward direction `fwd` (-1 lower, +1 upper).
bool goldStep(int dx, int dy, int fwd) {
    if (std::abs(dx) <= 1 && (dy == fwd || dy == 0)) return true;
    return dx == 0 && dy == -fwd;
}

// Silver moves: the three forward squares and the two backward diagonals.
bool silverStep(int dx, int dy, int fwd) {
    if (std::abs(dx) > 1) return false;
    return dy == fwd || (dy == -fwd && dx != 0);
}

bool kingStep(int dx, int dy) { return std::abs(dx) <= 1 && std::abs(dy) <= 1; }

// A line walk reads only squares strictly between source and target; from a
// source within 0..10 (and a target on the board) they all lie on the board.
// No caller passes a source beyond that, but a walk from one must not read
// outside the board.
bool walkable(int fx, int fy) { return fx >= 0 && fx <= 10 && fy >= 0 && fy <= 10; }

// What the target square and a drop settle before the piece's own move is
// looked at: NO, YES (a drop of a piece that may land anywhere empty), or
// nothing when the piece's move decides.
std::optional<int> targetVerdict(const Form1& f, int fx, int tx, int ty, int piece) {
    if (!onBoard(tx) || !onBoard(ty)) return NO;
    const int target = f.board.at(tx, ty);
    if (isUpper(piece) ? isUpper(target) : isLower(target)) return NO;
    if (!isDrop(fx)) return std::nullopt;
    if (target != EMPTY) return NO;
    if (piece == SITA_HU && f.rules.lowerPawnFlag[tx] == 1) return NO;
    if (piece == UE_HU && f.rules.upperPawnFlag[tx] == 1) return NO;
    switch (piece) {
    case UE_HU: case SITA_HU: case UE_KYOU: case SITA_KYOU: case UE_KEI: case SITA_KEI:
        return std::nullopt;   // their drop rows are tested with their moves
    default:
        return YES;
    }
}

// Pawns, lances and knights: a board move by their steps (a lance's line must
// be clear), a drop anywhere but the rows they could never leave.
int forwardPieceVerdict(Form1& f, int fx, int fy, int tx, int ty, int piece) {
    const int dx = tx - fx;
    const int dy = ty - fy;
    switch (piece) {
    case UE_HU:
        if (fx > 0) return (dx == 0 && dy == 1) ? YES : NO;
        return ty == 9 ? NO : YES;
    case SITA_HU:
        if (fx != LOWER_HAND_X) return (dx == 0 && dy == -1) ? YES : NO;
        return ty == 1 ? NO : YES;
    case UE_KYOU:
        if (fx != UPPER_HAND_X) {
            if (dx != 0 || dy <= 0) return NO;
            return f.移動チェック飛車(fx, fy, tx, ty);
        }
        return ty == 9 ? NO : YES;
    case SITA_KYOU:
        if (fx != LOWER_HAND_X) {
            if (dx != 0 || dy >= 0) return NO;
            return f.移動チェック飛車(fx, fy, tx, ty);
        }
        return ty == 1 ? NO : YES;
    case UE_KEI:
        if (fx != UPPER_HAND_X) return (dy == 2 && (dx == -1 || dx == 1)) ? YES : NO;
        return ty >= 8 ? NO : YES;
    default:   // SITA_KEI
        if (fx != LOWER_HAND_X) return (dy == -2 && (dx == -1 || dx == 1)) ? YES : NO;
        return ty <= 2 ? NO : YES;
    }
}

}  // namespace

int Form1::移動チェック(int fx, int fy, int tx, int ty, int piece) {
    if (tx == fx && ty == fy) return NO;
    if (const std::optional<int> verdict = targetVerdict(*this, fx, tx, ty, piece)) return *verdict;

    const int dx = tx - fx;
    const int dy = ty - fy;
    switch (piece) {
    case UE_HU: case SITA_HU: case UE_KYOU: case SITA_KYOU: case UE_KEI: case SITA_KEI:
        return forwardPieceVerdict(*this, fx, fy, tx, ty, piece);
    case UE_GIN:
        return silverStep(dx, dy, 1) ? YES : NO;
    case SITA_GIN:
        return silverStep(dx, dy, -1) ? YES : NO;
    case UE_TO: case UE_NARIKYOU: case UE_NARIKEI: case UE_NARIGIN: case UE_KIN:
        return goldStep(dx, dy, 1) ? YES : NO;
    case SITA_TO: case SITA_NARIKYOU: case SITA_NARIKEI: case SITA_NARIGIN: case SITA_KIN:
        return goldStep(dx, dy, -1) ? YES : NO;
    case UE_KAKU: case SITA_KAKU:
        return 移動チェック角(fx, fy, tx, ty);
    case UE_UMA: case SITA_UMA:
        if (kingStep(dx, dy)) return YES;
        return 移動チェック角(fx, fy, tx, ty);
    case UE_SYA: case SITA_SYA:
        return 移動チェック飛車(fx, fy, tx, ty);
    case UE_RYU: case SITA_RYU:
        if (kingStep(dx, dy)) return YES;
        return 移動チェック飛車(fx, fy, tx, ty);
    case UE_OU: case SITA_OU:
        return kingStep(dx, dy) ? YES : NO;
    default:
        return YES;
    }
}

int Form1::移動チェック飛車(int fx, int fy, int tx, int ty) {
    if (!walkable(fx, fy)) return NO;
    const int dx = tx - fx;
    const int dy = ty - fy;
    if (dx != 0 && dy != 0) return NO;
    const int sx = (dx > 0) - (dx < 0);
    const int sy = (dy > 0) - (dy < 0);
    for (int x = fx + sx, y = fy + sy; x != tx || y != ty; x += sx, y += sy)
        if (board.at(x, y) != EMPTY) return NO;
    return YES;
}

int Form1::移動チェック角(int fx, int fy, int tx, int ty) {
    if (!walkable(fx, fy)) return NO;
    const int dx = tx - fx;
    const int dy = ty - fy;
    if (dx != dy && dx != -dy) return NO;
    const int sx = (dx > 0) - (dx < 0);
    const int sy = (dy > 0) - (dy < 0);
    for (int x = fx + sx, y = fy + sy; x != tx; x += sx, y += sy)
        if (board.at(x, y) != EMPTY) return NO;
    return YES;
}

int Form1::移動後チェック(int ty, int piece) {
    switch (piece) {
    case UE_HU: case UE_KYOU: return ty == 9 ? NO : YES;
    case UE_KEI: return ty >= 8 ? NO : YES;
    case SITA_HU: case SITA_KYOU: return ty == 1 ? NO : YES;
    case SITA_KEI: return ty <= 2 ? NO : YES;
    default: return YES;
    }
}

int Form1::調査_駒成(int fx, int fy, int, int ty, int piece) {
    if (isDrop(fx)) return NO;
    bool promotable = false;
    switch (piece) {
    case SITA_HU: case SITA_KYOU: case SITA_KEI:
        promotable = ty <= 3;
        break;
    case SITA_GIN: case SITA_KAKU: case SITA_SYA:
        promotable = ty <= 3 || fy <= 3;
        break;
    case UE_HU: case UE_KYOU: case UE_KEI:
        promotable = ty >= 7;
        break;
    case UE_GIN: case UE_KAKU: case UE_SYA:
        promotable = ty >= 7 || fy >= 7;
        break;
    default:
        return NO;
    }
    if (!promotable) return NO;
    rules.promotedCode = piece < 0 ? piece - 1 : piece + 1;
    return YES;
}

void Form1::調査_2歩フラグ設定() {
    for (int x = 1; x <= 9; ++x) {
        rules.lowerPawnFlag[x] = 0;
        rules.upperPawnFlag[x] = 0;
        for (int y = 1; y <= 9; ++y) {
            const int code = board.at(x, y);
            if (code == SITA_HU) rules.lowerPawnFlag[x] = 1;
            else if (code == UE_HU) rules.upperPawnFlag[x] = 1;
        }
    }
}

}  // namespace zelkora
