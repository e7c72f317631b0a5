// Whose turn it is, under the move number, in a game between two humans:
// after the start, every move, 待った and every step; nothing against the computer.
#include <gtest/gtest.h>

#include "tests/common/fakes.h"

namespace zelkora::testing {
namespace {

void click(Harness& h, int c, int r) { h->Form_MouseDown(LEFT_BUTTON, 0, 1050 + 495 * c + 247, 100 + 615 * r + 307); }

// The turn text drawn last (white, at cell (13.1, 5.3)); empty when the last
// drawing of its place painted it over.
std::string shownTurn(const RecordingCanvas& canvas) {
    std::string shown;
    for (const CanvasCall& c : canvas.calls) {
        if (c.kind == CanvasCall::Picture && c.x == 1050 + 495 * 13 && c.y == 100 + 615 * 5) shown.clear();
        if (c.kind == CanvasCall::Text && c.x == 1050 + 495 * 13.1 && c.y == 100 + 615 * 5.3) shown = c.text;
    }
    return shown;
}

TEST(TurnText, FollowsMovesTakeBacksAndSteps) {
    Harness h;
    h.start();
    h->START_Click();
    EXPECT_EQ(shownTurn(h.canvas), "先手の番");
    EXPECT_EQ(h.canvas.texts().back().colour, COLOUR_WHITE);

    click(h, 3, 7);
    click(h, 3, 6);
    EXPECT_EQ(shownTurn(h.canvas), "後手の番");
    click(h, 7, 3);
    click(h, 7, 4);
    EXPECT_EQ(shownTurn(h.canvas), "先手の番");
    h->MATTA_Click();
    EXPECT_EQ(shownTurn(h.canvas), "後手の番");
    // "戻" suspends the game; the lower player resumes it.
    h->REPLAY_Click();
    EXPECT_EQ(shownTurn(h.canvas), "先手の番");
    // "進" replays the lower move: the upper player's move comes next.
    h->AFTER_Click();
    EXPECT_EQ(shownTurn(h.canvas), "後手の番");
    // A redraw of the whole screen keeps it; a game against the computer takes it off.
    h->画面_再描画();
    EXPECT_EQ(shownTurn(h.canvas), "後手の番");
    h->SENTE_Click();
    EXPECT_EQ(shownTurn(h.canvas), "");
}

}  // namespace
}  // namespace zelkora::testing
