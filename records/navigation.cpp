// Stepping through the move list ("戻", "進"), starting again ("最初") and
// turning the board ("反転").
//
// The move count is how many entries stand on the board; the replay position
// is how far "進" may go (the count after every new move, the number of moves
// read after loading a record). Every step suspends the game: the side to move
// becomes NOBODY and the human's next click resumes play from the board.
#include <string>

#include "game/Form1.h"
#include "game/last_move_text.h"
#include "records/record_format.h"
#include "records/replay_steps.h"

namespace zelkora {

namespace {

// Cells of the last-move texts: the upper side's and the lower side's.

std::string faultText(const Form1& f, EntryFault fault, int n) {
    if (fault == EntryFault::EmptyHand) return f.文言(Text::ENTRY_EMPTY_HAND, {std::to_string(n)});
    if (fault == EntryFault::Mismatch) return f.文言(Text::ENTRY_MISMATCH, {std::to_string(n)});
    return f.文言(Text::ENTRY_OFF_BOARD, {std::to_string(n)});
}

}  // namespace

void Form1::AFTER_Click() {
    描画_可視(false, false, false);
    描画_棋譜_IO(1);

    if (moves.count >= moves.replay) {
        if (flags.recordMode == 1) {
            io.dialogs->message(文言(Text::RECORD_END), 文言(Text::TITLE_FORWARD));
        } else {
            playSound(sounds.refusal);
            io.dialogs->message(文言(Text::CANNOT_DO), 文言(Text::TITLE_FORWARD));
        }
        return;
    }
    // A damaged record may hold an entry that cannot be applied: refuse it
    // before anything changes.
    const MoveRecord& m = moves.entry[moves.count + 1];
    if (EntryFault fault = entryFault(m, board, hands); fault != EntryFault::None) {
        playSound(sounds.refusal);
        io.dialogs->message(faultText(*this, fault, moves.count + 1), 文言(Text::TITLE_FORWARD));
        return;
    }

    sel.clickState = 0;
    描画_将棋盤桝();
    moves.count += 1;
    moves.moveNumber += 1;
    描画_手数(moves.moveNumber);

    // A board move's source is painted empty as soon as it is emptied, and
    // again with the rest of the step; a drop's source cell lies on the hand
    // stand, which the stand redraws below repaint.
    const bool boardMove = m.fromX >= 1 && m.fromX <= BOARD_SIZE;
    stepForward(board, hands, m);
    if (boardMove) {
        描画_絵(EMPTY, m.fromX, m.fromY);
        描画_桝輪郭(COLOUR_GREEN, m.fromX, m.fromY);
    }

    描画_絵(EMPTY, m.fromX, m.fromY);
    描画_桝輪郭(COLOUR_GREEN, m.fromX, m.fromY);
    描画_絵(m.after, m.toX, m.toY);
    描画_桝輪郭(COLOUR_GREEN, m.toX, m.toY);
    描画_自持盤();
    描画_敵持盤();
    playSound(sounds.placed);
    描画_桝1列目();
    drawLastMove(*this, m);

    turn.sideToMove = NOBODY;
    描画_手数(moves.moveNumber);
    ヒント消去();
    描画_手番();
}

void Form1::REPLAY_Click() {
    描画_可視(false, false, false);
    描画_棋譜_IO(1);

    // Entries on the list were applied to the board, so they lie on it; the
    // check only keeps a corrupted list from writing anywhere else.
    if (moves.count < 1 || !entryOnBoard(moves.entry[moves.count])) {
        playSound(sounds.refusal);
        io.dialogs->message(文言(Text::CANNOT_DO), 文言(Text::TITLE_BACK));
        return;
    }
    const int n = moves.count;
    const MoveRecord& m = moves.entry[n];
    sel.clickState = 0;
    描画_将棋盤桝();

    const bool boardMove = m.fromX >= 1 && m.fromX <= BOARD_SIZE;
    stepBack(board, hands, m);
    if (boardMove) {
        描画_絵(m.before, m.fromX, m.fromY);
        描画_桝輪郭(COLOUR_GREEN, m.fromX, m.fromY);
    }

    描画_自持盤();
    描画_敵持盤();
    描画_絵(EMPTY, m.toX, m.toY);
    描画_桝輪郭(COLOUR_GREEN, m.toX, m.toY);
    if (m.captured != 0) {
        描画_絵(m.captured, m.toX, m.toY);
        描画_桝輪郭(COLOUR_GREEN, m.toX, m.toY);
    }
    playSound(sounds.placed);

    // The last-move text is painted over by the side of the piece that moved.
    clearLastMove(*this, m.before <= 0);

    描画_桝1列目();
    turn.sideToMove = NOBODY;
    moves.count = n - 1;
    moves.moveNumber -= 1;
    描画_手数(moves.moveNumber);
    ヒント消去();
    描画_手番();
}

void Form1::CANCEL_Click() {
    if (!破棄確認(Text::START_OVER_QUESTION, Text::TITLE_START_OVER)) return;
    Form_Load();
    playSound(sounds.placed);
    turn.sideToMove = NOBODY;
    turn.kingTaken = NOBODY;
}

void Form1::REVERSE_Click() {
    if (flags.recordMode == 1) {
        playSound(sounds.refusal);
        io.dialogs->message(文言(Text::NOT_IN_RECORD_MODE), 文言(Text::TITLE_REVERSE));
        return;
    }
    flags.reversed = 1;
    sel.clickState = 0;

    reversePosition(board, hands);
    画面_再描画();
    描画_手数(moves.moveNumber);

    if (flags.handicapFlag == 1) {
        flags.handicapGrade = -flags.handicapGrade;
        描画_ハンデレベル(flags.handicapGrade);
    }

    playSound(sounds.placed);
    // The list no longer matches the turned board: it cannot be stepped through.
    moves.count = 0;
    moves.replay = 0;
}

}  // namespace zelkora
