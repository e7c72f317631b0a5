// The computer's turn and the hint while their search runs away from the
// window's thread: the fake worker holds the search and the half second until
// the test ends them, in either order.
#include <cstring>

#include <gtest/gtest.h>

#include "computer/engine_bridge.h"
#include "tests/common/fakes.h"

namespace zelkora::testing {
namespace {

constexpr const char* OPENING = "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1";

// A game against the computer with the computer to move; the worker holds.
std::unique_ptr<Harness> thinkingGame(int level) {
    auto h = std::make_unique<Harness>();
    h->start();
    h->setPosition(OPENING);
    Form1& f = **h;
    f.turn = TurnState{GOTE, SENTE, SENTE, MODE_COM, NOBODY};
    f.flags.level = level;
    h->worker.hold = true;
    h->clearLogs();
    return h;
}

bool shows(const Harness& h, const std::string& text) {
    for (const auto& t : h.canvas.texts())
        if (t.text == text) return true;
    return false;
}

// (the search answers before the half second has passed)
class ReplyOrder : public ::testing::TestWithParam<bool> {};

TEST_P(ReplyOrder, TheMoveIsPlayedOnlyOnceBothTheSearchAndTheHalfSecondHaveEnded) {
    auto h = thinkingGame(3);
    Form1& f = **h;
    auto reference = positionHarness(OPENING);
    (*reference)->comSearch();

    f.com_ban();
    EXPECT_TRUE(shows(*h, "思考中"));
    EXPECT_TRUE(f.thinking.active);
    EXPECT_EQ(h->menu.disabled, (std::set<std::string>{"MATCH_MAN", "START2", "LEVEL", "CANCEL", "REVERSE", "MATTA",
                                                        "HINT", "REPLAY", "AFTER", "LBEL_UP", "LEBEL_DOWN",
                                                        "KIFU_READ"}));
    if (GetParam()) h->worker.finishJobs();
    else h->worker.endWaits();
    EXPECT_EQ(f.moves.count, 0);
    EXPECT_TRUE(f.thinking.active);

    if (GetParam()) h->worker.endWaits();
    else h->worker.finishJobs();
    ASSERT_EQ(f.moves.count, 1);
    const MoveRecord& played = f.moves.entry[1];
    const MoveRecord& want = (*reference)->com.chosen;
    EXPECT_EQ(std::vector<int>({played.fromX, played.fromY, played.toX, played.toY, played.after}),
              std::vector<int>({want.fromX, want.fromY, want.toX, want.toY, want.after}));
    EXPECT_FALSE(f.thinking.active);
    EXPECT_TRUE(h->menu.disabled.empty());
}

INSTANTIATE_TEST_SUITE_P(BothOrders, ReplyOrder, ::testing::Bool());

// The search runs on a copy; what it leaves in the survey, the capture data,
// the rule flags and the computer's snapshots is the game's afterwards, as if
// it had run in place (later turns read some of it).
TEST(Thinking, TheGameTakesOverTheStateTheSearchLeft) {
    for (int level : {1, 2, 3}) {
        auto h = thinkingGame(level);
        Form1& f = **h;
        auto reference = positionHarness(OPENING);
        (*reference)->flags.level = level;
        (*reference)->comSearch();
        const Form1& r = **reference;

        f.com_ban();
        h->worker.finishJobs();
        EXPECT_EQ(std::memcmp(&f.inf, &r.inf, sizeof f.inf), 0) << level;
        EXPECT_EQ(std::memcmp(f.upperCapture.map, r.upperCapture.map, sizeof f.upperCapture.map), 0) << level;
        EXPECT_EQ(std::memcmp(f.rules.upperPawnFlag, r.rules.upperPawnFlag, sizeof f.rules.upperPawnFlag), 0);
        EXPECT_EQ(std::memcmp(f.com.upperBefore, r.com.upperBefore, sizeof f.com.upperBefore), 0) << level;
        EXPECT_EQ(f.com.trials, r.com.trials) << level;
        EXPECT_EQ(f.com.escapesBefore, r.com.escapesBefore) << level;
    }
}

TEST(Thinking, ClicksWhileTheComputerThinksChangeNothing) {
    auto h = thinkingGame(1);
    Form1& f = **h;
    // As after the human's move: the human's tag stays the side to move until the reply.
    f.turn.sideToMove = f.turn.lowerTag;
    f.com_ban();
    const std::size_t drawn = h->canvas.calls.size();
    // A pawn of the human, then a square it could step to.
    for (const auto& [c, r] : {std::pair{7, 7}, {7, 6}})
        f.Form_MouseDown(LEFT_BUTTON, 0, 1050 + 495 * c + 200, 100 + 615 * r + 300);
    EXPECT_EQ(f.sel.clickState, 0);
    EXPECT_EQ(h->canvas.calls.size(), drawn);
    h->worker.finishJobs();
    h->worker.endWaits();
    EXPECT_EQ(f.moves.count, 1);
    EXPECT_EQ(f.turn.sideToMove, f.turn.lowerTag);
}

TEST(Thinking, EndingTheProgramWhileTheComputerThinksPlaysNoMoveAndStopsTheSearch) {
    auto h = thinkingGame(5);
    Form1& f = **h;
    f.com_ban();
    const auto stop = f.thinking.stop;
    f.OWARI_Click();
    EXPECT_TRUE(stop->load());
    h->worker.finishJobs();
    h->worker.endWaits();
    EXPECT_EQ(f.moves.count, 0);
    EXPECT_EQ(h->window.quits, 1);
    EXPECT_TRUE(h->dialogs.shown.empty());
}

// The search core reads the stop flag while it searches, not only at the start.
TEST(Thinking, TheSearchCoreEndsSoonAfterTheStopFlagIsSet) {
    auto h = positionHarness(OPENING);
    engine::Position p = toEngine((*h)->board, (*h)->hands, true);
    std::atomic<bool> stop{true};
    engine::SearchLimits limits = searchLimits(5);
    limits.stop = &stop;
    limits.seconds = 1e9;
    engine::Searcher searcher;
    const engine::SearchResult r = searcher.search(p, limits);
    EXPECT_TRUE(r.valid);
    EXPECT_LE(r.nodes, 2048u);
}

TEST(Thinking, TheHintSearchesAwayAndThenShowsItsMove) {
    auto h = thinkingGame(3);
    Form1& f = **h;
    f.turn.sideToMove = f.turn.lowerTag;
    f.HINT_Click();
    EXPECT_TRUE(f.thinking.active);
    EXPECT_FALSE(f.display.hintShown);
    EXPECT_FALSE(h->menu.disabled.empty());
    h->worker.finishJobs();
    EXPECT_TRUE(f.display.hintShown);
    EXPECT_FALSE(f.thinking.active);
    EXPECT_TRUE(h->menu.disabled.empty());
    EXPECT_TRUE(h->worker.waits.empty());
}

// A full redraw while the computer thinks (a new background, the language)
// writes "思考中" again.
TEST(Thinking, ARedrawWhileTheComputerThinksKeepsThinkingOnScreen) {
    auto h = thinkingGame(1);
    Form1& f = **h;
    f.com_ban();
    h->canvas.clear();
    f.画面_再描画_状態込み();
    EXPECT_TRUE(shows(*h, "思考中"));
    h->worker.finishJobs();
    h->worker.endWaits();
    h->canvas.clear();
    f.画面_再描画_状態込み();
    EXPECT_FALSE(shows(*h, "思考中"));
}

// The search's copy of the game never meets the window, yet every port it
// holds answers (a null one would crash the first procedure that asked), and
// none of them is the window's.
TEST(Thinking, TheSearchCopyHoldsPortsThatDoNothing) {
    auto h = thinkingGame(3);
    const std::unique_ptr<Form1> copy = (*h)->searchCopy();
    const Ports& io = copy->io;
    for (const void* port : {static_cast<const void*>(io.canvas), static_cast<const void*>(io.dialogs),
                             static_cast<const void*>(io.panel), static_cast<const void*>(io.menu),
                             static_cast<const void*>(io.sound), static_cast<const void*>(io.clock),
                             static_cast<const void*>(io.window), static_cast<const void*>(io.files)})
        EXPECT_NE(port, nullptr);
    EXPECT_NE(io.canvas, (*h)->io.canvas);
    EXPECT_EQ(io.worker, nullptr);
}

}  // namespace
}  // namespace zelkora::testing
