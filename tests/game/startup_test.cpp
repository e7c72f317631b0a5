// Start-up state, the initial position and the end-of-game dialogue.
#include <gtest/gtest.h>

#include "tests/common/fakes.h"

namespace zelkora::testing {
namespace {

TEST(StartUp, InitialPositionIsPointSymmetric) {
    Harness h;
    h.start();
    Form1& f = *h;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) EXPECT_EQ(f.board.at(x, y), -f.board.at(10 - x, 10 - y)) << x << "," << y;
    EXPECT_EQ(f.board.at(8, 8), SITA_SYA);
    EXPECT_EQ(f.board.at(2, 2), UE_SYA);
    EXPECT_EQ(f.board.at(2, 8), SITA_KAKU);
    EXPECT_EQ(f.board.at(8, 2), UE_KAKU);
    EXPECT_EQ(f.board.at(5, 9), SITA_OU);
    EXPECT_EQ(f.board.at(5, 1), UE_OU);
}

TEST(StartUp, StateAfterStartUp) {
    Harness h;
    h.start();
    Form1& f = *h;
    EXPECT_EQ(f.hands.lowerTotal, 0);
    EXPECT_EQ(f.hands.upperTotal, 0);
    for (int k = 1; k <= 7; ++k) {
        EXPECT_EQ(f.hands.lower[k], 0);
        EXPECT_EQ(f.hands.upper[k], 0);
    }
    EXPECT_EQ(f.moves.count, 0);
    EXPECT_EQ(f.moves.replay, 0);
    EXPECT_EQ(f.turn.gameMode, MODE_NONE);
    EXPECT_EQ(f.turn.sideToMove, NOBODY);
    EXPECT_EQ(f.turn.kingTaken, NOBODY);
    EXPECT_EQ(f.flags.level, 3);
    EXPECT_EQ(f.flags.handicapGrade, 0);
    EXPECT_TRUE(h.menu.isChecked("LEVEL3"));
    EXPECT_TRUE(h.menu.isChecked("BGM"));
    EXPECT_FALSE(h.menu.isChecked("SIDOU"));
    EXPECT_EQ(h.window.places, 1);
    EXPECT_EQ(h.window.clientWidth, 9000);
    EXPECT_EQ(h.window.clientHeight, 8000);
    EXPECT_EQ(h.window.background, COLOUR_GREEN);
}

TEST(StartUp, MakesFourBuffersAndStartsTheMusic) {
    Harness h;
    h.start();
    std::vector<std::string> expected = {"dsInitialize",     "dsCreateDSB(1,3)", "dsCreateDSB(1,3)",
                                         "dsCreateDSB(1,3)", "dsCreateDSB(1,1)", "dsPlayLooping(5)"};
    EXPECT_EQ(h.sound.log, expected);
}

TEST(EndOfGame, NoFreesTheBuffersInOrderAndQuits) {
    Harness h;
    h.start();
    h.clearLogs();
    h.dialogs.answers = {Answer::Ok, Answer::No};
    h->終了("あなた");
    ASSERT_EQ(h.dialogs.shown.size(), 2u);
    EXPECT_EQ(h.dialogs.shown[0].text, "あなたの勝ちです");
    EXPECT_EQ(h.dialogs.shown[0].title, "終了");
    EXPECT_EQ(h.dialogs.shown[1].text, "続けますか？");
    EXPECT_EQ(h.dialogs.shown[1].title, "再ゲーム");
    EXPECT_EQ(h.dialogs.shown[1].buttons, Buttons::YesNo);
    // その他, 禁止, 駒打音, BGM were made as buffers 2, 3, 4, 5.
    std::vector<std::string> expected = {"dsFree(2)", "dsFree(3)", "dsFree(4)", "dsFree(5)", "dsTerminate(1)"};
    EXPECT_EQ(h.sound.log, expected);
    EXPECT_EQ(h.window.quits, 1);
}

TEST(EndOfGame, YesReturnsToTheInitialPositionWithNoGame) {
    Harness h;
    h.start();
    h->board.at(5, 5) = UE_KIN;
    h->turn.gameMode = MODE_MAN;
    h->turn.sideToMove = SENTE;
    h->moves.count = 12;
    h.dialogs.answers = {Answer::Ok, Answer::Yes};
    h->終了("先手");
    EXPECT_EQ(h->board.at(5, 5), EMPTY);
    EXPECT_EQ(h->turn.gameMode, MODE_NONE);
    EXPECT_EQ(h->turn.sideToMove, NOBODY);
    EXPECT_EQ(h->moves.count, 0);
    EXPECT_EQ(h.window.quits, 0);
}

TEST(Quit, EscapeQuitsOtherKeysDoNot) {
    Harness h;
    h.start();
    h->Form_KeyPress(65);
    EXPECT_EQ(h.window.quits, 0);
    h->Form_KeyPress(27);
    EXPECT_EQ(h.window.quits, 1);
    h->Form_Unload();   // closing after quitting frees nothing twice
    EXPECT_EQ(h.window.quits, 1);
}

TEST(Quit, NoDeviceShowsOneWarningAndPlaysOnSilently) {
    Harness h;
    h.sound.deviceAvailable = false;
    h.start();
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].text, "Direct Soundインターフェースが作成できません。");
    EXPECT_EQ(h.dialogs.shown[0].title, "Zelkora.Dll");
    EXPECT_EQ(h.dialogs.shown[0].icon, Icon::Warning);
    EXPECT_EQ(h->sounds.bgm, 0);
}

}  // namespace
}  // namespace zelkora::testing
