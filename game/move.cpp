// Making a move: 手順保存 appends it to the move list, 駒移動 carries it out on
// the board and in the hands and repaints the cells it touched, 駒取得 puts a
// captured piece into the capturer's hand (unpromoted) or records who took a
// king. Callers always run 手順保存 before 駒移動, because the record reads the
// captured piece from the target square.
//
// The move list holds MoveList::MAX moves. A full list records nothing more;
// the callers ask moveListFullRefuses() first and do not make the move.
#include "game/Form1.h"

namespace zelkora {

void Form1::手順保存(int fx, int fy, int tx, int ty, int before, int after) {
    if (moves.count >= MoveList::MAX) return;
    const int n = ++moves.count;
    MoveRecord& r = moves.entry[n];
    r.fromX = fx;
    r.fromY = fy;
    r.toX = tx;
    r.toY = ty;
    r.before = before;
    r.after = after;
    r.captured = board.at(tx, ty);
    moves.replay = moves.count;
    // A new move starts a new game: the ended one can no longer be saved.
    moves.finished = 0;
    moves.unsaved = true;
}

bool Form1::moveListFullRefuses() {
    if (moves.count < MoveList::MAX) return false;
    playSound(sounds.refusal);
    通知_禁止(Text::LIST_FULL);
    io.dialogs->message(文言(Text::LIST_FULL), 文言(Text::TITLE_MOVES), Buttons::Ok);
    return true;
}

void Form1::駒移動(int fx, int fy, int tx, int ty, int piece) {
    const int target = board.at(tx, ty);
    if (isLower(target)) {
        hands.upperTotal += 1;
        駒取得(target);
        描画_敵持盤();
    } else if (isUpper(target)) {
        hands.lowerTotal += 1;
        駒取得(target);
        描画_自持盤();
    }

    描画_絵(EMPTY, fx, fy);
    描画_桝輪郭(COLOUR_GREEN, fx, fy);

    board.at(tx, ty) = piece;
    if (piece == SITA_OU) {
        kings.lowerX = tx;
        kings.lowerY = ty;
    }

    // A drop names its kind by the kind index (upper hand) or by the screen
    // row 3..9 (lower hand); a kind outside 1..7 touches no count.
    if (fx == UPPER_HAND_X) {
        hands.upperTotal -= 1;
        if (fy >= 1 && fy <= 7) hands.upper[fy] -= 1;
        描画_敵持盤();
    } else if (fx == LOWER_HAND_X) {
        hands.lowerTotal -= 1;
        if (fy >= 3 && fy <= 9) hands.lower[fy - 2] -= 1;
        描画_自持盤();
    } else {
        board.at(fx, fy) = EMPTY;
    }

    描画_絵(piece, tx, ty);
    描画_桝輪郭(COLOUR_GREEN, tx, ty);
    描画_桝輪郭(COLOUR_GREEN, tx, ty);
}

void Form1::駒取得(int code) {
    if (code == UE_OU) {
        turn.kingTaken = turn.lowerTag;
        return;
    }
    if (code == SITA_OU) {
        turn.kingTaken = turn.upperTag;
        return;
    }
    const int kind = handKind(code);
    if (kind == 0) return;
    if (code > 0) hands.lower[kind] += 1;
    else hands.upper[kind] += 1;
}

}  // namespace zelkora
