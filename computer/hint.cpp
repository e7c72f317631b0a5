// "ヒント" (menu "局面", Ctrl+H): the move the strongest search would play for
// the player to move, shown without being made.
//
// The search always plays the upper side, so for the lower player the
// position is turned round first (every square to (10 - x, 10 - y), codes
// negated, hands exchanged) and the chosen move is turned back. The search
// runs on a fresh copy of the game state, exactly as `zelkora-cli bestmove`
// answers a position, so the hint is that command's move on the position
// turned round and nothing of the game changes. It runs away from the
// window's thread; the game is frozen until the hint is shown.
#include <memory>
#include <utility>

#include "game/Form1.h"
#include "game/null_ports.h"
#include "game/sfen.h"

namespace zelkora {

namespace {

// The strongest level of the computer.
constexpr int HINT_LEVEL = 5;

// The position seen from the other side: every square (c, r) to (10 - c,
// 10 - r) with its code negated, the hands exchanged.
void turnRound(Position& p) {
    const Board copy = p.board;
    for (int c = 1; c <= BOARD_SIZE; ++c)
        for (int r = 1; r <= BOARD_SIZE; ++r) p.board.at(c, r) = -copy.at(10 - c, 10 - r);
    std::swap(p.hands.lower, p.hands.upper);
    std::swap(p.hands.lowerTotal, p.hands.upperTotal);
}

// A move of the turned-round position as a move of the game's position.
MoveRecord turnedBack(const MoveRecord& m) {
    MoveRecord r = m;
    r.captured = -m.captured;
    r.before = -m.before;
    r.after = -m.after;
    r.toX = 10 - m.toX;
    r.toY = 10 - m.toY;
    if (m.fromX == UPPER_HAND_X) {
        r.fromX = LOWER_HAND_X;
        r.fromY = handKind(m.after) + 2;   // the lower hand's screen row
    } else {
        r.fromX = 10 - m.fromX;
        r.fromY = 10 - m.fromY;
    }
    return r;
}

// The searched move outlined and written, or the refusal when there is none.
void showHint(Form1& f, const Form1& searched, bool lower) {
    if (!searched.com.chosenValid) {
        f.playSound(f.sounds.refusal);
        f.io.dialogs->message(f.文言(Text::NO_MOVE_TO_HINT), f.文言(Text::TITLE_HINT));
        return;
    }
    f.ヒント消去();
    f.display.hint = lower ? turnedBack(searched.com.chosen) : searched.com.chosen;
    f.描画_ヒント();
    f.help.hint = true;
}

}  // namespace

void Form1::HINT_Click() {
    // The game is frozen while a search runs; so is this command.
    if (thinking.active) return;
    描画_可視(false, false, false);
    描画_棋譜_IO(1);
    const bool playersTurn = turn.sideToMove != NOBODY && flags.recordMode == 0 &&
                             (turn.gameMode == MODE_MAN ||
                              ((turn.gameMode == MODE_COM || turn.gameMode == MODE_LESSON) &&
                               turn.sideToMove == turn.lowerTag));
    if (!playersTurn) {
        playSound(sounds.refusal);
        io.dialogs->message(文言(Text::NOT_YOUR_TURN), 文言(Text::TITLE_HINT));
        return;
    }
    const bool lower = turn.sideToMove == turn.lowerTag;
    Position p;
    p.board = board;
    p.hands = hands;
    p.lowerToMove = false;
    if (lower) turnRound(p);

    auto search = std::make_unique<Form1>(nullPorts());
    loadPosition(*search, p);
    search->flags.level = HINT_LEVEL;
    search->com.bestOnly = true;
    beginThinking(true);
    search->thinking.stop = thinking.stop;
    searchAway(std::move(search), [this, lower](Form1& searched) {
        endThinking();
        showHint(*this, searched, lower);
    });
}

}  // namespace zelkora
