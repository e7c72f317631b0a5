// Searching away from the window's thread: the computer's reply and the hint.
//
// A search runs on a copy of the whole game state (never on this Form1), so
// the window's thread may draw, resize and answer the menus meanwhile. Until
// the answer is taken the game is frozen: the commands that would change it
// are disabled here (and the board ignores clicks, game/human_turn.cpp), so
// the position the answer belongs to is still the position on the board when
// it comes. Each search has a number; stopping or a new search changes the
// number in force, and an answer for another number is dropped.
#include "game/Form1.h"
#include "game/null_ports.h"

namespace zelkora {

namespace {

// Menu items that would change the game; a submenu's name stands for all its
// items (the levels, the two ways of starting a game against the computer).
// The options, "書込", "KIF書出" and "終わり" stay: they change no position.
constexpr const char* GAME_COMMANDS[] = {
    "MATCH_MAN", "START2", "LEVEL",   "CANCEL",     "REVERSE",   "MATTA",
    "HINT",      "REPLAY", "AFTER",   "LBEL_UP",    "LEBEL_DOWN", "KIFU_READ",
};

void enableGameCommands(Form1& f, bool enabled) {
    for (const char* item : GAME_COMMANDS) f.io.menu->setEnabled(item, enabled);
}

}  // namespace

int Form1::beginThinking(bool hint) {
    thinking.active = true;
    thinking.hint = hint;
    thinking.searched = false;
    thinking.waited = false;
    thinking.stop = std::make_shared<std::atomic<bool>>(false);
    enableGameCommands(*this, false);
    return ++thinking.search;
}

void Form1::endThinking() {
    if (!thinking.active) return;
    thinking.active = false;
    ++thinking.search;
    enableGameCommands(*this, true);
}

void Form1::stopThinking() {
    if (thinking.stop) thinking.stop->store(true);
    endThinking();
}

bool Form1::thinkingOn(int search) const { return thinking.active && thinking.search == search; }

std::unique_ptr<Form1> Form1::searchCopy() const {
    auto copy = std::make_unique<Form1>(*this);
    copy->io = nullPorts();
    return copy;
}

void Form1::searchAway(std::unique_ptr<Form1> copy, std::function<void(Form1&)> then) {
    // std::function needs a copyable job: the copy is shared by the job and its answer.
    std::shared_ptr<Form1> searched = std::move(copy);
    const int search = thinking.search;
    auto job = [searched] { searched->comSearch(); };
    auto done = [this, searched, search, then = std::move(then)] {
        if (thinkingOn(search)) then(*searched);
    };
    if (!io.worker) {
        job();
        done();
        return;
    }
    io.worker->run(std::move(job), std::move(done));
}

void Form1::待ち時間(double seconds, std::function<void()> then) {
    if (io.worker) io.worker->after(seconds, std::move(then));
    else then();
}

}  // namespace zelkora
