// Leaving a game: the question before quitting with unsaved moves, the window
// placed only once, and what the next game starts from (its move number, the
// finished game still savable until then).
#include <gtest/gtest.h>

#include "tests/game/human_turn_helpers.h"

namespace zelkora::testing {
namespace {

const char* const kQuitQuestion = "保存していない対局があります\r終了しますか？";

// A two-human game started from the menu, with the lower pawn (7, 7) moved.
std::unique_ptr<Harness> gameWithOneMove() {
    auto h = std::make_unique<Harness>();
    h->start();
    (*h)->START_Click();
    click(*h, 7, 7);
    click(*h, 7, 6);
    EXPECT_EQ((*h)->moves.count, 1);
    h->clearLogs();
    return h;
}

struct QuitWay {
    const char* how;
    void (*quit)(Form1&);
};

const QuitWay kQuitWays[] = {
    {"Escape", [](Form1& f) { f.Form_KeyPress(27); }},
    {"終わり", [](Form1& f) { f.OWARI_Click(); }},
    {"closing the window", [](Form1& f) { f.Form_Unload(); }},
};

TEST(Quit, UnsavedMovesAskFirstAndNoGoesBackToTheGame) {
    for (const QuitWay& way : kQuitWays) {
        SCOPED_TRACE(way.how);
        auto h = gameWithOneMove();
        Form1& f = **h;
        h->dialogs.answers = {Answer::No};
        way.quit(f);
        ASSERT_EQ(h->dialogs.shown.size(), 1u);
        EXPECT_EQ(h->dialogs.shown[0].text, kQuitQuestion);
        EXPECT_EQ(h->dialogs.shown[0].title, "終わり");
        EXPECT_EQ(h->dialogs.shown[0].buttons, Buttons::YesNo);
        EXPECT_EQ(h->window.quits, 0);
        EXPECT_TRUE(h->sound.log.empty()) << "nothing was freed";
        EXPECT_EQ(f.turn.sideToMove, GOTE) << "the game goes on";

        h->dialogs.answers = {Answer::Yes};
        way.quit(f);
        EXPECT_EQ(h->window.quits, 1);
    }
}

TEST(Quit, NothingToLoseQuitsWithoutAsking) {
    for (const bool saved : {false, true}) {
        for (const QuitWay& way : kQuitWays) {
            SCOPED_TRACE(std::string(saved ? "a saved game, " : "no move, ") + way.how);
            std::unique_ptr<Harness> h;
            if (saved) {
                h = gameWithOneMove();
                h->panel.fields = {{1, "g"}};
                (*h)->Command1_Click();
                ASSERT_FALSE(h->files.get("./g.棋譜").empty());
            } else {
                h = std::make_unique<Harness>();
                h->start();
            }
            h->clearLogs();
            way.quit(**h);
            EXPECT_TRUE(h->dialogs.shown.empty());
            EXPECT_EQ(h->window.quits, 1);
        }
    }
}

// Every other command that leaves a game with unsaved moves asks the quit
// box's question in its own words; "No" leaves the game as it was, "Yes" goes on.
TEST(LeavingAGame, UnsavedMovesAskFirstAndNoKeepsTheGame) {
    const std::string unsaved = "保存していない対局があります\r";
    const struct {
        const char* what;
        void (*command)(Form1&);
        const char* question;
        const char* title;
        bool (*wentOn)(const Form1&);
    } commands[] = {
        {"スタート", [](Form1& f) { f.START_Click(); }, "新しい対局を始めますか？", "対局",
         [](const Form1& f) { return f.turn.sideToMove == SENTE; }},
        {"先手", [](Form1& f) { f.SENTE_Click(); }, "新しい対局を始めますか？", "対局",
         [](const Form1& f) { return f.turn.gameMode == MODE_COM; }},
        {"後手", [](Form1& f) { f.GOTE_Click(); }, "新しい対局を始めますか？", "対局",
         [](const Form1& f) { return f.turn.gameMode == MODE_COM; }},
        {"最初", [](Form1& f) { f.CANCEL_Click(); }, "最初に戻しますか？", "最初",
         [](const Form1& f) { return f.moves.count == 0; }},
        {"読込", [](Form1& f) { f.File1_Click("r.棋譜"); }, "棋譜を読み込みますか？", "棋譜読込",
         [](const Form1& f) { return f.flags.recordMode == 1; }},
    };
    for (const auto& c : commands) {
        SCOPED_TRACE(c.what);
        auto h = gameWithOneMove();
        Form1& f = **h;
        h->files.put("./r.棋譜", "g\r\nu\r\nl\r\n 3736 -10 -10   0\r\n");
        const std::string before = position(f);
        h->dialogs.answers = {Answer::No};
        c.command(f);
        ASSERT_EQ(h->dialogs.shown.size(), 1u);
        EXPECT_EQ(h->dialogs.shown[0].text, unsaved + c.question);
        EXPECT_EQ(h->dialogs.shown[0].title, c.title);
        EXPECT_EQ(h->dialogs.shown[0].buttons, Buttons::YesNo);
        EXPECT_EQ(position(f), before);
        EXPECT_EQ(f.moves.count, 1);
        EXPECT_EQ(f.turn.gameMode, MODE_MAN);
        EXPECT_EQ(f.turn.sideToMove, GOTE);
        EXPECT_EQ(f.flags.recordMode, 0);

        h->dialogs.answers = {Answer::Yes};
        c.command(f);
        EXPECT_EQ(h->dialogs.shown[1].text, unsaved + c.question);
        EXPECT_TRUE(c.wentOn(f));
    }
}

TEST(Window, PlacedOnceAndNeverAgainByARestart) {
    Harness h;
    h.start();
    h.files.put("./r.棋譜", "g\r\nu\r\nl\r\n 3736 -10 -10   0\r\n");
    h->CANCEL_Click();
    h->File1_Click("r.棋譜");
    ASSERT_EQ(h->flags.recordMode, 1);
    EXPECT_EQ(h.window.places, 1);
}

TEST(NewGame, CountsItsMovesFromOne) {
    auto h = gameWithOneMove();
    Form1& f = **h;
    f.moves.moveNumber = 20;   // a long game before
    f.終了("先手");             // "続けますか？" answered Yes
    f.START_Click();
    h->clearLogs();
    click(*h, 3, 7);
    click(*h, 3, 6);
    EXPECT_EQ(f.moves.moveNumber, 1);
    bool shown = false;
    for (const auto& t : h->canvas.texts()) shown |= t.text == " 1";
    EXPECT_TRUE(shown) << "the number drawn is 1";
}

// The finished game is saved by "RETURN" until the next game starts.
TEST(NewGame, TheFinishedGameStaysSavableUntilTheNextGameStarts) {
    const struct {
        const char* what;
        void (Form1::*next)();
    } nextGames[] = {
        {"スタート", &Form1::START_Click},
        {"先手", &Form1::SENTE_Click},
        {"最初", &Form1::CANCEL_Click},
    };
    for (const auto& next : nextGames) {
        SCOPED_TRACE(next.what);
        auto h = gameWithOneMove();
        Form1& f = **h;
        click(*h, 3, 3);
        click(*h, 3, 4);
        f.終了("先手");
        ASSERT_EQ(f.turn.gameMode, MODE_NONE);
        h->panel.fields = {{1, "g"}};
        f.KIFU_WRITE_Click();
        f.Command1_Click();
        EXPECT_EQ(h->files.get("./g.棋譜"), "\r\n\r\n\r\n 7776 -10 -10   0\r\n 3334  10  10   0\r\n");

        (f.*next.next)();
        h->panel.fields = {{1, "h"}};
        h->clearLogs();
        f.Command1_Click();
        ASSERT_EQ(h->dialogs.shown.size(), 1u);
        EXPECT_EQ(h->dialogs.shown[0].text, "保存するデータがありません");
    }
}

}  // namespace
}  // namespace zelkora::testing
