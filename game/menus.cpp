// The menu "対局": starting a game between two humans or against the computer.
//
// None of these handlers touches the board, the hands or the move list: a game
// starts from whatever position is on the board. A game that ended before can
// no longer be saved once the next one is chosen, so while moves are unsaved
// the player is asked first, and "No" leaves everything as it was. Every mode
// starts with tag 6 (the first mover) to move; against the computer the human,
// who always plays the lower side, holds tag 6 after "先手" and tag 7 after
// "後手".
#include "game/Form1.h"

namespace zelkora {

namespace {

// Asks before unsaved moves are given up; on "Yes" the game that ended can no
// longer be saved, and only moves still on the list remain to be saved. The
// new game's start time is kept for the record's header, and the names typed
// for the last game are no longer offered. The unfinished game kept for the
// next start goes, and the new game starts with no help used.
bool newGameAccepted(Form1& f) {
    if (!f.破棄確認(Text::NEW_GAME_QUESTION, Text::TITLE_GAME)) return false;
    f.途中削除();
    f.help = HelpUsed{};
    f.moves.finished = 0;
    f.moves.unsaved = f.moves.unsaved && f.moves.count > 0;
    f.gameInfo = GameInfo{f.io.clock->localDateTime(), {}, {}};
    return true;
}

}  // namespace

void Form1::TAIKYOKU_Click() {
    描画_可視(false, false, false);
    描画_棋譜_IO(1);
}

// Opening the submenu "対局(人間)" does nothing by itself.
void Form1::MATCH_MAN_Click() {}

void Form1::START_Click() {
    if (!newGameAccepted(*this)) return;
    描画_棋譜読込み部分消去();
    描画_絵(display.background, -2, 0);
    描画_絵(display.background, -1, 0);
    描画_絵(display.background, 0, 0);
    turn.lowerTag = SENTE;
    turn.upperTag = GOTE;
    turn.sideToMove = SENTE;
    turn.gameMode = MODE_MAN;
    描画_手番();
    通知_開始();
    io.dialogs->message(文言(Text::FIRST_PLAYER_TO_MOVE), " ", Buttons::Ok);
}

void Form1::SENTE_Click() {
    if (!newGameAccepted(*this)) return;
    comSeedFromClock();
    描画_棋譜読込み部分消去();
    描画_レベル(flags.level);
    io.dialogs->message(文言(Text::YOUR_TURN), " ", Buttons::Ok);
    sel.clickState = 0;
    turn.lowerTag = SENTE;
    turn.upperTag = GOTE;
    turn.sideToMove = SENTE;
    turn.gameMode = MODE_COM;
    flags.recordMode = 0;
    描画_手番();
    通知_開始();
}

void Form1::GOTE_Click() {
    if (!newGameAccepted(*this)) return;
    comSeedFromClock();
    描画_棋譜読込み部分消去();
    描画_レベル(flags.level);
    描画_将棋盤桝();
    sel.clickState = 0;
    turn.lowerTag = GOTE;
    turn.upperTag = SENTE;
    turn.sideToMove = SENTE;
    turn.gameMode = MODE_COM;
    flags.recordMode = 0;
    描画_手番();
    通知_開始();
    com_ban();
}

}  // namespace zelkora
