// The handicap ladder: "△" and "▽" take pieces off one side before the first
// move, one square per command, and show the grade right of the board.
//
// Grades run from -10 to 10; 0 is an even game. Reaching grade g > 0 with "△"
// takes a computer piece off; reaching g <= 0 puts a human piece back. "▽" to
// grade g undoes the change of grade g + 1. Pieces taken off go to no hand and
// nothing enters the move list. Every accepted command sets the handicap flag,
// which blocks saving a record for good.
#include "game/Form1.h"

namespace zelkora {

namespace {

// The change made when the grade is reached by "△": the square and the piece
// concerned (a human piece is put back, a computer piece taken off).
struct Rung {
    int x, y, piece;
};

constexpr int LOWEST_GRADE = -10;
constexpr int HIGHEST_GRADE = 10;

// Indexed by grade + 10; the row of grade -10 is never applied.
constexpr Rung LADDER[21] = {
    {0, 0, EMPTY},                                             // -10 名人
    {6, 9, SITA_KIN}, {4, 9, SITA_KIN},                        // -9, -8
    {7, 9, SITA_GIN}, {3, 9, SITA_GIN},                        // -7, -6
    {8, 9, SITA_KEI}, {2, 9, SITA_KEI},                        // -5, -4
    {9, 9, SITA_KYOU}, {1, 9, SITA_KYOU},                      // -3, -2
    {8, 8, SITA_SYA},                                          // -1
    {2, 8, SITA_KAKU},                                         //  0 even game
    {8, 2, UE_KAKU}, {2, 2, UE_SYA},                           //  1, 2
    {9, 1, UE_KYOU}, {1, 1, UE_KYOU},                          //  3, 4
    {8, 1, UE_KEI}, {2, 1, UE_KEI},                            //  5, 6
    {7, 1, UE_GIN}, {3, 1, UE_GIN},                            //  7, 8
    {6, 1, UE_KIN}, {4, 1, UE_KIN},                            //  9, 10
};

const Rung& rungOf(int grade) { return LADDER[grade - LOWEST_GRADE]; }

// Hides the record panel and refuses a change while a record is stepped, a game
// is under way or the board is reversed. Answers true when refused.
bool handicapRefused(Form1& f) {
    f.描画_可視(false, false, false);
    f.描画_棋譜_IO(1);
    int reason = 0;
    if (f.flags.recordMode != 0)
        reason = 1;
    else if (f.moves.count > 0)
        reason = 2;
    else if (f.flags.reversed != 0)
        reason = 3;
    if (reason == 0) return false;
    f.playSound(f.sounds.refusal);
    f.描画_メッセージ(reason);
    return true;
}

// Puts `code` on the rung's square and shows it.
void applyRung(Form1& f, const Rung& rung, int code) {
    f.board.at(rung.x, rung.y) = code;
    f.描画_絵(code, rung.x, rung.y);
    f.描画_桝輪郭(COLOUR_GREEN, rung.x, rung.y);
    f.playSound(f.sounds.placed);
}

}  // namespace

void Form1::LBEL_UP_Click() {
    if (handicapRefused(*this)) return;
    moves.replay = 0;
    if (flags.handicapGrade < HIGHEST_GRADE) {
        ++flags.handicapGrade;
        描画_ハンデレベル(flags.handicapGrade);
        const Rung& rung = rungOf(flags.handicapGrade);
        applyRung(*this, rung, isLower(rung.piece) ? rung.piece : EMPTY);
    }
    flags.handicapFlag = 1;
}

void Form1::LEBEL_DOWN_Click() {
    if (handicapRefused(*this)) return;
    moves.replay = 0;
    if (flags.handicapGrade > LOWEST_GRADE) {
        const Rung& rung = rungOf(flags.handicapGrade);
        --flags.handicapGrade;
        描画_ハンデレベル(flags.handicapGrade);
        applyRung(*this, rung, isUpper(rung.piece) ? rung.piece : EMPTY);
    }
    flags.handicapFlag = 1;
}

}  // namespace zelkora
