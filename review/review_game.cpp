// The game's side of the review: "検討" opens the review window on the game
// on the board (the one just played or a record loaded), and the window asks
// for a position of it to be shown on the main board with its best move
// outlined as a hint is.
#include "game/Form1.h"
#include "records/replay_steps.h"

namespace zelkora {

namespace {

// Cells of the last-move texts: the upper side's and the lower side's.
constexpr double UPPER_TEXT_C = -2, UPPER_TEXT_R = 8;
constexpr double LOWER_TEXT_C = 13, LOWER_TEXT_R = 3;

}  // namespace

ReviewSource Form1::検討_棋譜() const {
    ReviewSource source{board, hands, {}};
    for (int i = moves.count; i >= 1; --i) stepBack(source.board, source.hands, moves.entry[i]);
    source.moves.assign(moves.entry.begin() + 1, moves.entry.begin() + 1 + moves.replay);
    return source;
}

void Form1::KENTOU_Click() {
    // The game is frozen while a search runs; so is this command.
    if (thinking.active) return;
    描画_可視(false, false, false);
    描画_棋譜_IO(1);
    if (moves.replay < 1 || !io.reviewer) {
        playSound(sounds.refusal);
        io.dialogs->message(文言(Text::NOTHING_TO_REVIEW), 文言(Text::MENU_KENTOU));
        return;
    }
    io.reviewer->open();
}

void Form1::検討_局面(int move, const MoveRecord* best) {
    if (thinking.active || move < 0 || move > moves.replay) return;
    描画_可視(false, false, false);
    描画_棋譜_IO(1);
    // Stepped as "戻" and "進" step, all at once; the list stays whole.
    moves.moveNumber += move - moves.count;
    while (moves.count > move) stepBack(board, hands, moves.entry[moves.count--]);
    while (moves.count < move) stepForward(board, hands, moves.entry[++moves.count]);
    sel.clickState = 0;
    turn.sideToMove = NOBODY;
    display.hintShown = false;
    画面_再描画();
    if (move > 0) {
        const MoveRecord& m = moves.entry[move];
        描画_桝輪郭(COLOUR_GREEN, m.toX, m.toY);
        if (m.after > 0) 描画_移動結果(UPPER_TEXT_C, UPPER_TEXT_R, m.toX, m.toY, m.after, COLOUR_WHITE, &m);
        else 描画_移動結果(LOWER_TEXT_C, LOWER_TEXT_R, m.toX, m.toY, m.after, COLOUR_WHITE, &m);
    }
    描画_手数(moves.moveNumber);
    描画_手番();
    if (best) {
        display.hint = *best;
        描画_ヒント();
    }
    io.canvas->refresh();
}

}  // namespace zelkora
