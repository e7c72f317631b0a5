// Position probes: small read-only questions the computer's evaluation and
// turn ask about the position on the board.
//
// Every probe reads the board, the king squares and the influence map as the
// last survey left them (and, where said, the snapshots taken at the start of
// the computer's turn). None changes the board for longer than its own loop:
// 調査_移動不可駒 lifts each computer piece off and puts it back at once.
// Squares outside 1..9 are never read.
#include <cstdlib>

#include "game/Form1.h"

namespace zelkora {

namespace {

bool onBoard(int x, int y) { return x >= 1 && x <= 9 && y >= 1 && y <= 9; }

// Human pieces whose line through a lifted computer piece can reach the king.
bool isHumanLinePiece(int code) {
    return code == SITA_KYOU || code == SITA_KAKU || code == SITA_UMA || code == SITA_SYA ||
           code == SITA_RYU;
}

}  // namespace

// Squares the piece `code` could move to from (x, y) that the other side does
// not reach. The piece need not stand on (x, y).
int Form1::調査_移動可場所数(int x, int y, int code) {
    const auto& enemyReach = isUpper(code) ? inf.lower_influence : inf.upper_influence;
    int count = 0;
    for (int a = 1; a <= 9; ++a) {
        for (int b = 1; b <= 9; ++b) {
            if (移動チェック(x, y, a, b, code) == YES && enemyReach[a][b] == 0) ++count;
        }
    }
    return count;
}

// 1 when some square around the human king (its own square included) is reached
// by the computer now but was not at the start of the computer's turn.
int Form1::調査_MAN王COMの範囲内() {
    const int kx = kings.lowerX, ky = kings.lowerY;
    for (int a = kx - 1; a <= kx + 1; ++a) {
        for (int b = ky - 1; b <= ky + 1; ++b) {
            if (!onBoard(a, b)) continue;
            if (inf.upper_influence[a][b] > 0 && com.upperBefore[a][b] == 0) return YES;
        }
    }
    return NO;
}

// Value of a knight drop beside a computer pawn on (x, y) that a human bishop or
// rook attacks: the human bishop, rook or king two columns aside that the knight
// would fork, where the knight's square is empty and unreached by the human.
int Form1::調査_桂狙い(int x, int y) {
    int r = 0;
    const int attacker = inf.lower_attacker_code[x][y];
    if (attacker < SITA_RYU || attacker > SITA_KAKU || y <= 5) return r;
    const int attackerX = inf.lower_attacker_x[x][y];
    if (x > 2 && inf.lower_influence[x - 1][y - 2] == 0 && board.at(x - 1, y - 2) == EMPTY &&
        board.at(x - 2, y) <= SITA_KAKU && attackerX != x - 2) {
        r += std::abs(board.at(x - 2, y));
    }
    if (x < 8 && inf.lower_influence[x + 1][y - 2] == 0 && board.at(x + 1, y - 2) == EMPTY &&
        board.at(x + 2, y) <= SITA_KAKU && attackerX != x + 2) {
        r += std::abs(board.at(x + 2, y));
    }
    return r;
}

// Value of a lance standing behind a computer pawn on (x, y) that a human bishop
// or rook attacks: the first piece down the column, if a lance on the pawn's
// square could take it.
int Form1::調査_香狙い(int x, int y) {
    if (y <= 6 || inf.upper_influence[x][y - 1] <= 0 || inf.lower_influence[x][y - 1] != 0)
        return 0;
    const int attacker = inf.lower_attacker_code[x][y];
    if (attacker < SITA_RYU || attacker > SITA_KAKU) return 0;
    for (int r = y + 1; r <= 9; ++r) {
        if (board.at(x, r) == EMPTY) continue;
        // The look stops at the first occupied square, whether or not it counts.
        return 移動チェック(x, y, x, r, UE_KYOU) == YES ? std::abs(board.at(x, r)) : 0;
    }
    return 0;
}

// Minus one for every computer bishop, rook (promoted or not) or king on the
// eight squares around (x, y).
int Form1::調査_周辺状況(int x, int y) {
    int r = 0;
    for (int a = x - 1; a <= x + 1; ++a) {
        for (int b = y - 1; b <= y + 1; ++b) {
            if (!onBoard(a, b) || (a == x && b == y)) continue;
            if (board.at(a, b) >= UE_KAKU) --r;
        }
    }
    return r;
}

// Sets the computer-pin flag when lifting some computer piece off the board lets
// a human lance, bishop or rook (promoted or not) reach the computer's king.
void Form1::調査_移動不可駒() {
    com.pin = 0;
    // The human line pieces do not change while computer pieces are lifted.
    int lineX[81], lineY[81], lineCount = 0;
    for (int a = 1; a <= 9; ++a) {
        for (int b = 1; b <= 9; ++b) {
            if (isHumanLinePiece(board.at(a, b))) {
                lineX[lineCount] = a;
                lineY[lineCount] = b;
                ++lineCount;
            }
        }
    }
    for (int x = 1; x <= 9 && com.pin == 0; ++x) {
        for (int y = 1; y <= 9 && com.pin == 0; ++y) {
            const int piece = board.at(x, y);
            if (!isUpper(piece)) continue;
            board.at(x, y) = EMPTY;
            for (int i = 0; i < lineCount; ++i) {
                const int code = board.at(lineX[i], lineY[i]);
                if (移動チェック(lineX[i], lineY[i], kings.upperX, kings.upperY, code) == YES) {
                    com.pin = 1;
                    break;
                }
            }
            board.at(x, y) = piece;
        }
    }
}

}  // namespace zelkora
