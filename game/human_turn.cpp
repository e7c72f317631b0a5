// The human's turn: every mouse click on the window.
//
// A first click selects a piece on the board or in a hand (click state 1), a
// second click names the target; the button of the second click chooses
// whether the piece promotes (right: promote where possible, left: never). The
// same handler serves both players of a two-human game and answers clicks while
// no game runs. Refusals (promotion button, compulsory capture) keep the
// selection; an illegal target drops it silently. The side to move changes
// here only in two-human games; against the computer com_ban hands it back.
//
// Form_MouseDown reads as its steps: a click without a game is answered, a
// hand cell is picked, a first click selects a source, a second click on an
// own piece moves the selection, any other target is checked (refuseTarget),
// then the move is played (playMove) and the turn handed over (handOver).
// While the computer (or a hint) searches, clicks are ignored altogether: no
// selection is made and no move waits for the reply.
#include <cmath>

#include "game/Form1.h"
#include "game/last_move_text.h"

namespace zelkora {

namespace {

// Cell index of a click coordinate: the largest whole number not above it.
// Far-off coordinates (and NaN) land on a cell that is neither board nor hand.
int cellIndex(double twips, double origin, double size) {
    const double cell = std::floor((twips - origin) / size);
    if (!(cell > -100 && cell < 100)) return -100;
    return static_cast<int>(cell);
}

bool onBoard(int x, int y) { return x >= 1 && x <= 9 && y >= 1 && y <= 9; }

bool ownedByMover(const Form1& f, int code) {
    return (isLower(code) && f.turn.sideToMove == f.turn.lowerTag) ||
           (isUpper(code) && f.turn.sideToMove == f.turn.upperTag);
}

// A click while no game runs: a loaded record waits for "進", an empty list
// for a game to be chosen; a position reached by stepping through the move
// list resumes play, with the upper side to move when the move after this
// position was its own.
void answerWithoutGame(Form1& f) {
    if (f.flags.recordMode == 1) {
        if (f.io.dialogs->message(f.文言(Text::STEP_RECORD), f.文言(Text::TITLE_RECORD), Buttons::YesNo) == Answer::No) {
            f.playSound(f.sounds.refusal);
            f.Form_Load();
        }
        return;
    }
    if (f.moves.count == 0) {
        f.playSound(f.sounds.refusal);
        f.通知_禁止(Text::START_WITH_MENU);
        f.io.dialogs->message(f.文言(Text::START_WITH_MENU), f.文言(Text::TITLE_START), Buttons::Ok);
        return;
    }
    f.io.dialogs->message(f.文言(Text::RESUME_QUESTION), f.文言(Text::TITLE_RESUME), Buttons::Ok);
    const int next = f.moves.count + 1;
    if (next <= MoveList::MAX && f.moves.entry[next].after >= 10) {
        if (f.turn.gameMode == MODE_COM) {
            f.com_ban();
        } else if (f.turn.gameMode == MODE_MAN) {
            f.turn.sideToMove = f.turn.upperTag;
            return;
        } else {
            return;
        }
    }
    f.turn.sideToMove = f.turn.lowerTag;
}

// First click on a board square: a piece of the player to move is selected
// (outlined in the selection colour), any other piece only shows its reach.
void selectSource(Form1& f, int col, int row) {
    const int code = f.board.at(col, row);
    if (code == EMPTY) return;
    f.sel.srcX = col;
    f.sel.srcY = row;
    f.sel.piece = code;
    f.描画_移動可能桝色(col, row, f.display.highlightColour, code);
    if (ownedByMover(f, code)) {
        f.sel.clickState = 1;
        f.描画_桝輪郭(COLOUR_SELECTED, col, row);
    } else {
        f.描画_桝輪郭(f.display.highlightColour, col, row);
    }
}

// Second click on another piece of the player to move: the selection moves to it.
void moveSelection(Form1& f, int col, int row) {
    const int code = f.board.at(col, row);
    f.描画_桝輪郭(COLOUR_GREEN, f.sel.srcX, f.sel.srcY);
    f.sel.srcX = col;
    f.sel.srcY = row;
    f.sel.piece = code;
    f.描画_移動可能桝色(col, row, f.display.highlightColour, code);
    f.描画_桝輪郭(COLOUR_SELECTED, col, row);
}

// The checks a target must pass; answers true when the move is refused. An
// illegal target drops the selection without a word and shows what stands on
// the clicked square instead; the other refusals keep the selection.
bool refuseTarget(Form1& f, int button, int col, int row) {
    const int code = f.board.at(col, row);
    const int highlight = f.display.highlightColour;
    if (f.移動チェック(f.sel.srcX, f.sel.srcY, col, row, f.sel.piece) != YES) {
        f.描画_桝輪郭(COLOUR_GREEN, f.sel.srcX, f.sel.srcY);
        if (code != EMPTY) f.描画_移動可能桝色(col, row, highlight, code);
        else f.描画_将棋盤桝();
        f.描画_桝輪郭(highlight, col, row);
        f.sel.clickState = 0;
        return true;
    }
    // A piece that could never move again must promote: right button.
    if (f.移動後チェック(row, f.sel.piece) == NO && button == LEFT_BUTTON) {
        f.playSound(f.sounds.refusal);
        f.通知_禁止(Text::RIGHT_CLICK_TO_PROMOTE);
        f.io.dialogs->message(f.文言(Text::RIGHT_CLICK_TO_PROMOTE), f.文言(Text::TITLE_PROMOTE), Buttons::Ok);
        return true;
    }
    if (f.turn.sideToMove == f.turn.upperTag && f.compulsoryCaptureRefuses(f.turn.upperTag, f.sel.srcX, col, row))
        return true;
    if (f.turn.sideToMove == f.turn.lowerTag && f.compulsoryCaptureRefuses(f.turn.lowerTag, f.sel.srcX, col, row))
        return true;
    return f.moveListFullRefuses();
}

// Records and makes the selected move onto (col, row), promoting on a right
// click where promotion is possible, and shows it; answers the captured code.
int playMove(Form1& f, int button, int col, int row) {
    Selection& sel = f.sel;
    f.手順保存(sel.srcX, sel.srcY, col, row, sel.piece, f.board.at(col, row));
    f.moves.moveNumber += 1;
    f.描画_手数(f.moves.moveNumber);
    if (f.調査_駒成(sel.srcX, sel.srcY, col, row, sel.piece) == YES && button == RIGHT_BUTTON)
        sel.piece = f.rules.promotedCode;
    f.moves.entry[f.moves.count].after = sel.piece;
    sel.clickState = 0;
    f.描画_桝輪郭(COLOUR_GREEN, sel.srcX, sel.srcY);
    f.描画_桝輪郭(COLOUR_GREEN, col, row);
    f.描画_移動可能桝色(sel.srcX, sel.srcY, COLOUR_GREEN, sel.piece);
    // 駒移動 takes an upper-hand drop by kind index, a lower-hand one by row.
    if (sel.srcX < 0) sel.srcY = 8 - sel.srcY;
    const int captured = f.board.at(col, row);
    f.駒移動(sel.srcX, sel.srcY, col, row, sel.piece);
    f.playSound(f.sounds.placed);
    const MoveRecord* played = &f.moves.entry[f.moves.count];
    drawLastMove(f, isUpper(sel.piece), col, row, sel.piece, played);
    f.通知_指し手(false);
    f.途中保存();
    return captured;
}

// After a move: the end of the game, then the turn passes (the computer plays
// its reply at once; between two humans the other player moves next).
void handOver(Form1& f, int captured) {
    if (f.turn.gameMode == MODE_COM) {
        f.勢力調査();
        if (f.詰めかCOM() == YES || captured == UE_OU) f.終了("コンピュータ");
        else if (f.turn.kingTaken == NOBODY) f.com_ban();
    } else if (f.turn.gameMode == MODE_MAN) {
        // Played to lose: the player whose king was taken wins.
        if (f.turn.kingTaken == f.turn.lowerTag) f.終了("後手");
        else if (f.turn.kingTaken == f.turn.upperTag) f.終了("先手");
        if (f.turn.sideToMove == SENTE) f.turn.sideToMove = GOTE;
        else if (f.turn.sideToMove == GOTE) f.turn.sideToMove = SENTE;
        f.描画_手番();
    }
}

// A click off the board drops the old selection's highlights; a hand piece is
// then selected on its owner's turn and only shown otherwise.
void selectFromHand(Form1& f, int col, int row) {
    f.描画_移動可能桝色(f.sel.srcX, f.sel.srcY, COLOUR_GREEN, f.sel.piece);
    f.描画_桝輪郭(COLOUR_GREEN, f.sel.srcX, f.sel.srcY);
    f.調査_2歩フラグ設定();

    const int highlight = f.display.highlightColour;
    const auto pick = [&](int handX, int code, int ownerTag) {
        f.sel.srcX = handX;
        f.sel.srcY = row;
        f.sel.piece = code;
        const bool own = f.turn.sideToMove == ownerTag;
        f.sel.clickState = own ? 1 : 0;
        f.描画_桝輪郭(own ? COLOUR_SELECTED : highlight, handX, row);
        f.描画_移動可能桝色(handX, row, highlight, code);
    };
    if (col == LOWER_HAND_X && row >= 3 && row <= 9) {
        const int kind = row - 2;
        if (f.hands.lower[kind] >= 1) pick(LOWER_HAND_X, -kindCode(kind), f.turn.lowerTag);
    } else if (col == UPPER_HAND_X && row >= 1 && row <= 7) {
        const int kind = 8 - row;
        if (f.hands.upper[kind] >= 1) pick(UPPER_HAND_X, kindCode(kind), f.turn.upperTag);
    }
}

// One click, in the steps named above.
void click(Form1& f, int button, double x, double y) {
    // The record panel closes at every click; so does a hint.
    f.ヒント消去();
    f.描画_可視(false, false, false);
    f.描画_棋譜_IO(1);
    // Capture data of the side to move.
    if (f.turn.sideToMove == f.turn.upperTag) f.調査_取可桝(f.turn.upperTag);
    if (f.turn.sideToMove == f.turn.lowerTag) f.調査_取可桝(f.turn.lowerTag);

    if (f.turn.sideToMove == NOBODY) {
        answerWithoutGame(f);
        return;
    }

    // Pixels became twips in the window; twips become cells here.
    const int col = cellIndex(x, f.geo.left, f.geo.cellWidth);
    const int row = cellIndex(y, f.geo.top, f.geo.cellHeight);
    if (!onBoard(col, row)) {
        selectFromHand(f, col, row);
        return;
    }
    if (f.sel.clickState == 0) {
        selectSource(f, col, row);
        return;
    }
    f.sel.dstX = col;
    f.sel.dstY = row;
    if (ownedByMover(f, f.board.at(col, row))) {
        moveSelection(f, col, row);
        return;
    }
    if (refuseTarget(f, button, col, row)) return;
    handOver(f, playMove(f, button, col, row));
}

}  // namespace

void Form1::選択解除() {
    if (sel.clickState == 0 || thinking.active) return;
    先読み消去();
    描画_移動可能桝色(sel.srcX, sel.srcY, COLOUR_GREEN, sel.piece);
    描画_桝輪郭(COLOUR_GREEN, sel.srcX, sel.srcY);
    sel.clickState = 0;
}

// The look-ahead's numbers go before the click is handled; its marks come
// back for the selection the click leaves.
void Form1::Form_MouseDown(int button, int /*shift*/, double x, double y) {
    if (thinking.active) return;
    先読み消去();
    click(*this, button, x, y);
    if (!display.ended) 先読み_調査();
}

}  // namespace zelkora
