// "待った" (menu "局面", Ctrl+Z): taking moves back for good during a game.
//
// Unlike "戻", which steps through the record and suspends the game, 待った
// removes the moves from the move list (a record saved afterwards holds only
// the moves still on the board, and "進" cannot bring them back) and the game
// goes on at once. Against the computer it removes the computer's replies at
// the end of the list and the player's move before them, so the player is to
// move again; between two humans it removes the last move and gives the turn
// back to the player who made it. Board, hands, move number, the last-move
// texts and the outlines are put back as they stood before those moves.
#include <string>

#include "game/Form1.h"
#include "game/last_move_text.h"
#include "records/record_format.h"
#include "records/replay_steps.h"

namespace zelkora {

namespace {

bool isBoardSquare(int x, int y) { return x >= 1 && x <= BOARD_SIZE && y >= 1 && y <= BOARD_SIZE; }

}  // namespace

int Form1::待った手数() {
    const int n = moves.count;
    if (turn.gameMode == MODE_MAN) return n >= 1 ? 1 : 0;
    if (turn.gameMode != MODE_COM && turn.gameMode != MODE_LESSON) return 0;
    // The human always plays the lower side against the computer and in lessons.
    int i = n;
    while (i >= 1 && isUpper(moves.entry[i].after)) --i;
    return i >= 1 ? n - i + 1 : 0;
}

namespace {

// Why 待った cannot take `k` moves back now, or "" when it can.
std::string takeBackRefusal(const Form1& f, int k) {
    if (f.flags.recordMode == 1) return f.文言(Text::NOT_IN_RECORD_MODE);
    if (f.turn.sideToMove == NOBODY) return f.文言(Text::NOT_DURING_GAME);
    if (k < 1) return f.文言(Text::NOTHING_TO_TAKE_BACK);
    for (int n = f.moves.count; n > f.moves.count - k; --n)
        if (!entryOnBoard(f.moves.entry[n])) return f.文言(Text::NOTHING_TO_TAKE_BACK);
    return "";
}

// The rules' part: the last `k` moves leave the board, the hands and the list;
// the turn goes back to who made the first of them (the player, against the
// computer).
void takeBack(Form1& f, int k) {
    const int first = f.moves.count - k + 1;
    const MoveRecord lastTaken = f.moves.entry[f.moves.count];
    for (int n = f.moves.count; n >= first; --n) {
        const MoveRecord& m = f.moves.entry[n];
        stepBack(f.board, f.hands, m);
        if (m.captured == UE_OU || m.captured == SITA_OU) f.turn.kingTaken = NOBODY;
    }
    f.moves.count = first - 1;
    f.moves.replay = f.moves.count;
    f.moves.moveNumber = f.moves.moveNumber > k ? f.moves.moveNumber - k : 0;
    f.sel.clickState = 0;
    if (f.turn.gameMode == MODE_MAN) f.turn.sideToMove = isUpper(lastTaken.after) ? f.turn.upperTag : f.turn.lowerTag;
    else f.turn.sideToMove = f.turn.lowerTag;
    for (int x = 1; x <= BOARD_SIZE; ++x)
        for (int y = 1; y <= BOARD_SIZE; ++y)
            if (f.board.at(x, y) == SITA_OU) {
                f.kings.lowerX = x;
                f.kings.lowerY = y;
            }
}

// Only the cells of the `k` moves taken back (now just past the list's end)
// change; every outline returns to the grid colour, which also takes off
// selections and capture outlines.
void redrawTakenCells(Form1& f, int k) {
    f.描画_将棋盤桝();
    for (int n = f.moves.count + 1; n <= f.moves.count + k; ++n) {
        const MoveRecord& m = f.moves.entry[n];
        for (const auto& [x, y] : {std::pair{m.fromX, m.fromY}, std::pair{m.toX, m.toY}}) {
            if (!isBoardSquare(x, y)) continue;
            f.描画_絵(f.board.at(x, y), x, y);
            f.描画_桝輪郭(COLOUR_GREEN, x, y);
        }
    }
    f.描画_自持盤();
    f.描画_敵持盤();
    f.描画_桝1列目();
}

// Each side's last-move text shows its last move still on the list. The
// computer outlines the target of its move in white until the player clicks;
// that is how the screen stood before the player's move.
void redrawLastMoves(Form1& f) {
    int lastUpper = 0, lastLower = 0;
    for (int n = 1; n <= f.moves.count; ++n) (isUpper(f.moves.entry[n].after) ? lastUpper : lastLower) = n;
    for (const auto& [last, upper] : {std::pair{lastUpper, true}, std::pair{lastLower, false}}) {
        if (last) drawLastMove(f, f.moves.entry[last]);
        else clearLastMove(f, upper);
    }
    if (f.turn.gameMode == MODE_COM && lastUpper && lastUpper == f.moves.count)
        f.描画_桝輪郭(COLOUR_WHITE, f.moves.entry[lastUpper].toX, f.moves.entry[lastUpper].toY);
}

}  // namespace

void Form1::MATTA_Click() {
    描画_可視(false, false, false);
    描画_棋譜_IO(1);

    const int k = 待った手数();
    const std::string refusal = takeBackRefusal(*this, k);
    if (!refusal.empty()) {
        playSound(sounds.refusal);
        io.dialogs->message(refusal, 文言(Text::TITLE_TAKE_BACK));
        return;
    }
    ヒント消去();
    takeBack(*this, k);
    redrawTakenCells(*this, k);
    redrawLastMoves(*this);
    描画_手数(moves.moveNumber);
    描画_手番();
    playSound(sounds.placed);
    help.matta = true;
    途中保存();
}

}  // namespace zelkora
