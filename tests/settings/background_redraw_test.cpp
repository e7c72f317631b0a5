// Choosing a background in the middle of a game: every status text that was on
// screen is drawn again on the new background.
#include <gtest/gtest.h>

#include "tests/common/screen.h"

namespace zelkora::testing {
namespace {

void clickCell(Harness& h, int c, int r) { h->Form_MouseDown(LEFT_BUTTON, 0, 1050 + 495 * c + 247, 100 + 615 * r + 307); }

struct ScreenState {
    const char* what;
    void (*reach)(Harness&);
    std::vector<std::string> expected;   // texts that must be on screen
};

const ScreenState kStates[] = {
    {"a game against the computer after the computer's reply",
     [](Harness& h) {
         h->SENTE_Click();
         clickCell(h, 7, 7);
         clickCell(h, 7, 6);
     },
     {"手目", "LEVEL", "３", "六", "歩"}},
    {"a loaded record stepped twice",
     [](Harness& h) {
         h.files.put("./r.棋譜", "\x91\xce\x8b\xc7\r\n\x91\xbe\x98\x59\r\n\x89\xd4\x8e\x71\r\n"
                                 " 3736 -10 -10   0\r\n 7374  10  10   0\r\n");
         h->File1_Click("r.棋譜");
         h->AFTER_Click();
         h->AFTER_Click();
     },
     {"対局", "太郎", "花子", "手目", "７", "四"}},
    {"two humans, the upper player to move",
     [](Harness& h) {
         h->START_Click();
         clickCell(h, 7, 7);
         clickCell(h, 7, 6);
     },
     {"後手の番", "手目"}},
    {"a hint on the player's turn", [](Harness& h) { h->SENTE_Click(); h->HINT_Click(); }, {"ヒント"}},
    {"two handicap grades", [](Harness& h) { h->LBEL_UP_Click(); h->LBEL_UP_Click(); }, {"ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級"}},
};

TEST(BackgroundMidGame, EveryStatusTextComesBack) {
    for (const ScreenState& s : kStates) {
        SCOPED_TRACE(s.what);
        Harness h;
        h.start();
        s.reach(h);
        const auto before = textsOnScreen(h.canvas);
        for (const std::string& text : s.expected) ASSERT_TRUE(textOnScreen(before, text)) << text;
        h->TATAMI_Click();
        EXPECT_EQ(h->display.background, PIC_TATAMI);
        EXPECT_EQ(textsOnScreen(h.canvas), before);
    }
}

}  // namespace
}  // namespace zelkora::testing
