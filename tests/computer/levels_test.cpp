// The level commands and the level display.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/common/fakes.h"

namespace zelkora::testing {
namespace {

struct Drawn {
    double c, r;
    std::string text;
    int colour;
    double points;
};

std::vector<Drawn> textsInCells(const Harness& h) {
    std::vector<Drawn> out;
    for (const auto& t : h.canvas.texts())
        out.push_back({(t.x - 1050) / 495, (t.y - 100) / 615, t.text, t.colour, t.points});
    return out;
}

void expectDrawn(const std::vector<Drawn>& drawn, const std::vector<Drawn>& expected) {
    ASSERT_EQ(drawn.size(), expected.size());
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        EXPECT_NEAR(drawn[i].c, expected[i].c, 1e-9) << i;
        EXPECT_NEAR(drawn[i].r, expected[i].r, 1e-9) << i;
        EXPECT_EQ(drawn[i].text, expected[i].text) << i;
        EXPECT_EQ(drawn[i].colour, expected[i].colour) << i;
        EXPECT_EQ(drawn[i].points, expected[i].points) << i;
    }
}

TEST(Levels, CommandsMoveTheCheckMarkAndSetTheLevel) {
    Harness h;
    h.start();
    EXPECT_EQ(h->flags.level, 3);
    EXPECT_TRUE(h.menu.isChecked("LEVEL3"));
    const struct {
        void (Form1::*command)();
        int level;
    } steps[] = {{&Form1::LEVEL1_Click, 1}, {&Form1::LEVEL2_Click, 2}, {&Form1::LEVEL3_Click, 3},
                 {&Form1::LEVEL5_Click, 5}, {&Form1::LEVEL6_Click, 6}, {&Form1::LEVEL4_Click, 4},
                 {&Form1::LEVEL2_Click, 2}};
    for (const auto& s : steps) {
        ((*h).*s.command)();
        EXPECT_EQ(h->flags.level, s.level);
        for (int n = 1; n <= 6; ++n)
            EXPECT_EQ(h.menu.isChecked("LEVEL" + std::to_string(n)), n == s.level) << s.level;
    }
}

TEST(Levels, OutsideAGameTheDisplayIsErasedAndNotRedrawn) {
    Harness h;
    h.start();
    h.clearLogs();
    h->LEVEL1_Click();
    const auto pictures = h.canvas.of(CanvasCall::Picture);
    ASSERT_EQ(pictures.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_DOUBLE_EQ(pictures[i].x, 1050 + 495.0 * (i - 2));
        EXPECT_DOUBLE_EQ(pictures[i].y, 100);
    }
    EXPECT_TRUE(h.canvas.texts().empty());
}

TEST(Levels, InAGameAgainstTheComputerTheLevelIsShown) {
    Harness h;
    h.start();
    h->turn.gameMode = MODE_COM;
    h.clearLogs();
    h->LEVEL2_Click();
    expectDrawn(textsInCells(h), {{-1.4, 0.2, "LEVEL", COLOUR_BLACK, 10},
                                  {-1.5, 0.1, "LEVEL", COLOUR_WHITE, 10},
                                  {0.1, 0.1, " 2", COLOUR_BLACK, 12},
                                  {0, 0, " 2", COLOUR_WHITE, 12}});
}

TEST(Levels, InATwoHumanGameNoLevelIsShown) {
    Harness h;
    h.start();
    h->START_Click();
    h->LEVEL2_Click();
    for (const auto& t : h.canvas.texts()) EXPECT_NE(t.text, "LEVEL");
}

TEST(Levels, AnotherNumberClearsTheMarksAndKeepsTheLevel) {
    Harness h;
    h.start();
    h->turn.gameMode = MODE_COM;
    h.clearLogs();
    h->レベル_設定(7);
    EXPECT_EQ(h->flags.level, 3);
    for (int n = 1; n <= 6; ++n) EXPECT_FALSE(h.menu.isChecked("LEVEL" + std::to_string(n)));
    // The level in force is still drawn.
    ASSERT_EQ(h.canvas.texts().size(), 4u);
    EXPECT_EQ(h.canvas.texts()[3].text, " 3");
}

}  // namespace
}  // namespace zelkora::testing
