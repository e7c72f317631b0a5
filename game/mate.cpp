// Mate tests and the lower king's escape count.
//
// 詰めかCOM asks whether the upper king (the computer's) is mated, 詰めかMAN
// whether the lower king is. Both read the influence map the caller has just
// surveyed. They are deliberately not full mate searches:
//  - drops are tried on the check-line squares (mark 1) in scan order only until
//    the first checker (mark 9) is met; a drop never proves a defence by itself;
//  - a king step counts when it is legal and the square is not reached by the
//    other side;
//  - 詰めかCOM tries every upper move onto a marked square and re-surveys each
//    trial, so the map may describe a trial position afterwards; 詰めかMAN only
//    asks whether some upper piece still reaches the lower king.
// Every trial puts the board back as it was. The search core's upperMated
// (engine/movegen.cpp) makes the same three steps on its own position.
#include <cstring>

#include "game/Form1.h"

namespace zelkora {

namespace {

bool onBoard(int x, int y) { return x >= 1 && x <= 9 && y >= 1 && y <= 9; }

// The drop step shared by both mate tests. Scans the defender's check-line
// squares (mark 1) in scan order until the first checker (mark 9); on each one
// a pawn of the defending side is put (unless only pawns are in hand and the
// pawn may not be dropped there) and the checkers are asked again. Answers true
// when the scan reaches a checker or a checker still reaches the king, i.e. when
// the test must go on to the king's escapes; false when the drops defend.
bool dropsLeaveTheCheck(Form1& f, const Grid<std::int16_t>& marks, int handTotal, int pawnsInHand, int handX,
                        int pawn, int kx, int ky) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int mark = marks[x][y];
            if (mark == 9) return true;
            if (mark != 1) continue;
            const bool onlyPawns = handTotal == pawnsInHand;
            const bool put = !(onlyPawns && f.移動チェック(handX, 0, x, y, pawn) == NO);
            if (put) f.board.at(x, y) = pawn;
            bool reached = false;
            for (int cx = 1; cx <= 9 && !reached; ++cx)
                for (int cy = 1; cy <= 9 && !reached; ++cy)
                    reached = marks[cx][cy] == 9 && f.移動チェック(cx, cy, kx, ky, f.board.at(cx, cy)) == YES;
            if (put) f.board.at(x, y) = EMPTY;
            if (reached) return true;
        }
    return false;
}

// True when the king on (kx, ky) has a legal step onto a square the other side
// does not reach.
bool kingCanStepAway(Form1& f, const Grid<std::int16_t>& enemyReach, int king, int kx, int ky) {
    for (int x = kx - 1; x <= kx + 1; ++x)
        for (int y = ky - 1; y <= ky + 1; ++y)
            if (onBoard(x, y) && f.移動チェック(kx, ky, x, y, king) == YES && enemyReach[x][y] == 0) return true;
    return false;
}

}  // namespace

int Form1::詰めかCOM() {
    const int kx = kings.upperX, ky = kings.upperY;
    if (inf.lower_influence[kx][ky] == 0) return NO;

    // Drops on the check line, until the scan meets the first checker.
    if (hands.upperTotal > 0 &&
        !dropsLeaveTheCheck(*this, inf.lower_check_marks, hands.upperTotal, hands.upper[1], UPPER_HAND_X, UE_HU, kx, ky))
        return NO;
    if (kingCanStepAway(*this, inf.lower_influence, UE_OU, kx, ky)) return NO;

    // The trials re-survey the board, so the squares to try come from a copy.
    Grid<std::int16_t> marks;
    std::memcpy(marks, inf.lower_check_marks, sizeof marks);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int code = board.at(x, y);
            if (code < UE_HU || code > UE_RYU) continue;
            for (int x2 = 1; x2 <= 9; ++x2)
                for (int y2 = 1; y2 <= 9; ++y2) {
                    if (marks[x2][y2] <= 0 || 移動チェック(x, y, x2, y2, code) == NO) continue;
                    const int kept = board.at(x2, y2);
                    board.at(x2, y2) = code;
                    board.at(x, y) = EMPTY;
                    勢力調査();
                    board.at(x, y) = code;
                    board.at(x2, y2) = kept;
                    if (inf.lower_influence[kx][ky] == 0) return NO;
                }
        }
    return YES;
}

int Form1::詰めかMAN() {
    const int kx = kings.lowerX, ky = kings.lowerY;
    if (inf.upper_influence[kx][ky] == 0) return NO;

    if (hands.lowerTotal > 0 &&
        !dropsLeaveTheCheck(*this, inf.upper_check_marks, hands.lowerTotal, hands.lower[1], LOWER_HAND_X, SITA_HU, kx, ky))
        return NO;
    if (kingCanStepAway(*this, inf.upper_influence, SITA_OU, kx, ky)) return NO;

    // No re-survey here: a defence counts when no upper piece can still move
    // onto the lower king's square.
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int code = board.at(x, y);
            if (code > SITA_HU || code < SITA_RYU) continue;
            for (int x2 = 1; x2 <= 9; ++x2)
                for (int y2 = 1; y2 <= 9; ++y2) {
                    if (x2 == x && y2 == y) continue;
                    if (inf.upper_check_marks[x2][y2] <= 0 || 移動チェック(x, y, x2, y2, code) == NO) continue;
                    const int kept = board.at(x2, y2);
                    board.at(x2, y2) = code;
                    board.at(x, y) = EMPTY;
                    const int reached = 詰めかMAN_COM移動();
                    board.at(x, y) = code;
                    board.at(x2, y2) = kept;
                    if (reached == NO) return NO;
                }
        }
    return YES;
}

int Form1::詰めかMAN_COM移動() {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int code = board.at(x, y);
            if (isUpper(code) && 移動チェック(x, y, kings.lowerX, kings.lowerY, code) == YES) return YES;
        }
    return NO;
}

int Form1::調査_自王逃道() {
    const int kx = kings.lowerX, ky = kings.lowerY;
    static constexpr int around[8][2] = {{0, -1}, {-1, -1}, {1, -1}, {0, 1}, {-1, 1}, {1, 1}, {-1, 0}, {1, 0}};
    int count = 0;
    for (const auto& d : around) {
        const int x = kx + d[0], y = ky + d[1];
        if (onBoard(x, y) && board.at(x, y) == EMPTY && inf.upper_influence[x][y] == 0) ++count;
    }
    return count;
}

}  // namespace zelkora
