// Each sound at its moment during play, through the recording fake (buffers
// その他 2, 禁止 3, 駒打音 4, BGM 5): the click of a piece placed by either
// player, by a step, by "最初" and "反転"; the buzz before every refusal box.
#include <gtest/gtest.h>

#include "tests/settings/settings_test_support.h"

namespace zelkora::testing {
namespace {

using Log = std::vector<std::string>;

struct PlayHarness : SettingsHarness {
    SoundCheckingDialogs checking{sound};
    PlayHarness() {
        (*this)->io.dialogs = &checking;
        start();
        reset();
    }
    // A left click in the middle of board cell (c, r).
    void click(int c, int r, int button = LEFT_BUTTON) {
        (*this)->Form_MouseDown(button, 0, 1050 + 495.0 * c + 247, 100 + 615.0 * r + 300);
    }
    void reset() {
        clearLogs();
        checking.shown.clear();
        checking.soundBefore.clear();
    }
};

TEST(SoundMoments, EachHumanMoveClicks) {
    PlayHarness h;
    h->START_Click();
    h.reset();
    h.click(7, 7);
    h.click(7, 6);   // lower pawn forward
    EXPECT_EQ(h.sound.log, Log{"dsPlay(4)"});
    h.click(3, 3);
    h.click(3, 4);   // upper pawn forward
    EXPECT_EQ(h.sound.log, (Log{"dsPlay(4)", "dsPlay(4)"}));
    EXPECT_TRUE(h.checking.shown.empty());
}

TEST(SoundMoments, TheComputersMoveClicksToo) {
    PlayHarness h;
    h->SENTE_Click();
    h.reset();
    h.click(7, 7);
    h.click(7, 6);
    EXPECT_EQ(h.sound.log, (Log{"dsPlay(4)", "dsPlay(4)"}));
    EXPECT_EQ(h->moves.count, 2);
}

TEST(SoundMoments, RefusalsBuzzBeforeTheirBox) {
    PlayHarness h;
    h.click(5, 5);   // no game yet
    ASSERT_EQ(h.checking.shown.size(), 1u);
    EXPECT_EQ(h.checking.soundBefore[0], Log{"dsPlay(3)"});

    h.reset();
    h->REPLAY_Click();   // "戻" at the start
    h->AFTER_Click();    // "進" at the end, outside record mode
    ASSERT_EQ(h.checking.shown.size(), 2u);
    EXPECT_EQ(h.checking.soundBefore[0], Log{"dsPlay(3)"});
    EXPECT_EQ(h.checking.soundBefore[1], (Log{"dsPlay(3)", "dsPlay(3)"}));
}

TEST(SoundMoments, StepsResetAndTurningClick) {
    PlayHarness h;
    h->START_Click();
    h.click(7, 7);
    h.click(7, 6);
    h.reset();
    h->REPLAY_Click();
    EXPECT_EQ(h.sound.log, Log{"dsPlay(4)"});
    h->AFTER_Click();
    EXPECT_EQ(h.sound.log, (Log{"dsPlay(4)", "dsPlay(4)"}));
    h.reset();
    h->REVERSE_Click();
    EXPECT_EQ(h.sound.log, Log{"dsPlay(4)"});
    EXPECT_TRUE(h.checking.shown.empty());

    // "最初": start-up again (the music restarts on the buffers it has, unless
    // the player turned it off), then the click.
    h.reset();
    h->CANCEL_Click();
    EXPECT_EQ(h.sound.log, (Log{"dsPlayLooping(5)", "dsPlay(4)"}));
    h->BGM_Click();
    h.reset();
    h->CANCEL_Click();
    EXPECT_EQ(h.sound.log, Log{"dsPlay(4)"});
    EXPECT_FALSE(h.menu.isChecked("BGM"));
}

TEST(SoundMoments, HandicapChangeClicksRefusedOneBuzzes) {
    PlayHarness h;
    h->LBEL_UP_Click();
    h->LEBEL_DOWN_Click();
    EXPECT_EQ(h.sound.log, (Log{"dsPlay(4)", "dsPlay(4)"}));
    h->START_Click();
    h.click(7, 7);
    h.click(7, 6);
    h.reset();
    h->LBEL_UP_Click();   // refused once a game has moves
    EXPECT_EQ(h.sound.log, Log{"dsPlay(3)"});
    for (const Log& before : h.checking.soundBefore) EXPECT_EQ(before, Log{"dsPlay(3)"});
}

}  // namespace
}  // namespace zelkora::testing
