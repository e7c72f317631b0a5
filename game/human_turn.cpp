// The human's turn: every mouse click on the window.
//
// A first click selects a piece on the board or in a hand (click state 1), a
// second click names the target; the button of the second click chooses
// whether the piece promotes (right: promote where possible, left: never). The
// same handler serves both players of a two-human game and answers clicks while
// no game runs. Refusals (promotion button, compulsory capture) keep the
// selection; an illegal target drops it silently. The side to move changes
// here only in two-human games; against the computer com_ban hands it back.
#include <cmath>

#include "game/Form1.h"

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

}  // namespace

void Form1::Form_MouseDown(int button, int /*shift*/, double x, double y) {
    // 1. The record panel closes at every click; so does a hint.
    ヒント消去();
    描画_可視(false, false, false);
    描画_棋譜_IO(1);

    // 2. Capture data of the side to move.
    if (turn.sideToMove == turn.upperTag) 調査_取可桝(turn.upperTag);
    if (turn.sideToMove == turn.lowerTag) 調査_取可桝(turn.lowerTag);

    // 3. No game running.
    if (turn.sideToMove == NOBODY) {
        if (flags.recordMode == 1) {
            if (io.dialogs->message("棋譜を '進 'で進めて下さい", "棋譜", Buttons::YesNo) == Answer::No) {
                playSound(sounds.refusal);
                Form_Load();
            }
            return;
        }
        if (moves.count == 0) {
            playSound(sounds.refusal);
            io.dialogs->message("「対局」で始めて下さい", "開始", Buttons::Ok);
            return;
        }
        // A position reached by stepping through the move list: play resumes.
        // If the move after this position was the upper side's, that side moves.
        io.dialogs->message("OKですか？", "再開", Buttons::Ok);
        const int next = moves.count + 1;
        if (next <= MoveList::MAX && moves.entry[next].after >= 10) {
            if (turn.gameMode == MODE_COM) {
                com_ban();
            } else if (turn.gameMode == MODE_MAN) {
                turn.sideToMove = turn.upperTag;
                return;
            } else {
                return;
            }
        }
        turn.sideToMove = turn.lowerTag;
        return;
    }

    // 4. Pixels became twips in the window; twips become cells here.
    const int col = cellIndex(x, geo.left, geo.cellWidth);
    const int row = cellIndex(y, geo.top, geo.cellHeight);
    const int highlight = display.highlightColour;
    const auto ownedByMover = [this](int code) {
        return (isLower(code) && turn.sideToMove == turn.lowerTag) ||
               (isUpper(code) && turn.sideToMove == turn.upperTag);
    };

    // 5. On the board.
    if (onBoard(col, row)) {
        const int code = board.at(col, row);
        if (sel.clickState == 0) {
            if (code == EMPTY) return;
            sel.srcX = col;
            sel.srcY = row;
            sel.piece = code;
            描画_移動可能桝色(col, row, highlight, code);
            if (ownedByMover(code)) {
                sel.clickState = 1;
                描画_桝輪郭(COLOUR_SELECTED, col, row);
            } else {
                描画_桝輪郭(highlight, col, row);
            }
            return;
        }

        sel.dstX = col;
        sel.dstY = row;

        // 5.2.1 Another own piece: the selection moves to it.
        if (ownedByMover(code)) {
            描画_桝輪郭(COLOUR_GREEN, sel.srcX, sel.srcY);
            sel.srcX = col;
            sel.srcY = row;
            sel.piece = code;
            描画_移動可能桝色(col, row, highlight, code);
            描画_桝輪郭(COLOUR_SELECTED, col, row);
            return;
        }

        // 5.2.2 An illegal target drops the selection without a word and shows
        // what stands on the clicked square instead.
        if (移動チェック(sel.srcX, sel.srcY, col, row, sel.piece) != YES) {
            描画_桝輪郭(COLOUR_GREEN, sel.srcX, sel.srcY);
            if (code != EMPTY) 描画_移動可能桝色(col, row, highlight, code);
            else 描画_将棋盤桝();
            描画_桝輪郭(highlight, col, row);
            sel.clickState = 0;
            return;
        }

        // 5.2.3 A piece that could never move again must promote: right button.
        if (移動後チェック(row, sel.piece) == NO && button == LEFT_BUTTON) {
            playSound(sounds.refusal);
            io.dialogs->message("マウスの右をクリックして下さい", "成り", Buttons::Ok);
            return;
        }

        // 5.2.4 Compulsory capture, for the player to move.
        if (turn.sideToMove == turn.upperTag && compulsoryCaptureRefuses(turn.upperTag, sel.srcX, col, row)) return;
        if (turn.sideToMove == turn.lowerTag && compulsoryCaptureRefuses(turn.lowerTag, sel.srcX, col, row)) return;

        // 5.2.5 The move, unless the move list is full (refused like a rule).
        if (moveListFullRefuses()) return;
        手順保存(sel.srcX, sel.srcY, col, row, sel.piece, code);
        moves.moveNumber += 1;
        描画_手数(moves.moveNumber);
        if (調査_駒成(sel.srcX, sel.srcY, col, row, sel.piece) == YES && button == RIGHT_BUTTON)
            sel.piece = rules.promotedCode;
        moves.entry[moves.count].after = sel.piece;
        sel.clickState = 0;
        描画_桝輪郭(COLOUR_GREEN, sel.srcX, sel.srcY);
        描画_桝輪郭(COLOUR_GREEN, col, row);
        描画_移動可能桝色(sel.srcX, sel.srcY, COLOUR_GREEN, sel.piece);
        // 駒移動 takes an upper-hand drop by kind index, a lower-hand one by row.
        if (sel.srcX < 0) sel.srcY = 8 - sel.srcY;
        const int captured = board.at(col, row);
        駒移動(sel.srcX, sel.srcY, col, row, sel.piece);
        playSound(sounds.placed);
        if (isUpper(sel.piece)) 描画_移動結果(-2, 8, col, row, sel.piece, COLOUR_WHITE);
        else 描画_移動結果(13, 3, col, row, sel.piece, COLOUR_WHITE);

        // End of the game and hand-over.
        if (turn.gameMode == MODE_COM) {
            勢力調査();
            if (詰めかCOM() == YES || captured == UE_OU) 終了("コンピュータ");
            else if (turn.kingTaken == NOBODY) com_ban();
        } else if (turn.gameMode == MODE_MAN) {
            // Played to lose: the player whose king was taken wins.
            if (turn.kingTaken == turn.lowerTag) 終了("後手");
            else if (turn.kingTaken == turn.upperTag) 終了("先手");
            if (turn.sideToMove == SENTE) turn.sideToMove = GOTE;
            else if (turn.sideToMove == GOTE) turn.sideToMove = SENTE;
            描画_手番();
        }
        return;
    }

    // 6. Off the board: the old selection's highlights go first.
    描画_移動可能桝色(sel.srcX, sel.srcY, COLOUR_GREEN, sel.piece);
    描画_桝輪郭(COLOUR_GREEN, sel.srcX, sel.srcY);
    調査_2歩フラグ設定();

    // A hand piece is selected on its owner's turn and only shown otherwise.
    const auto pickFromHand = [&](int handX, int code, int ownerTag) {
        sel.srcX = handX;
        sel.srcY = row;
        sel.piece = code;
        if (turn.sideToMove == ownerTag) {
            sel.clickState = 1;
            描画_桝輪郭(COLOUR_SELECTED, handX, row);
            描画_移動可能桝色(handX, row, highlight, code);
        } else {
            sel.clickState = 0;
            描画_桝輪郭(highlight, handX, row);
            描画_移動可能桝色(handX, row, highlight, code);
        }
    };

    if (col == LOWER_HAND_X && row >= 3 && row <= 9) {
        const int kind = row - 2;
        if (hands.lower[kind] >= 1) pickFromHand(LOWER_HAND_X, -kindCode(kind), turn.lowerTag);
    } else if (col == UPPER_HAND_X && row >= 1 && row <= 7) {
        const int kind = 8 - row;
        if (hands.upper[kind] >= 1) pickFromHand(UPPER_HAND_X, kindCode(kind), turn.upperTag);
    }
}

}  // namespace zelkora
