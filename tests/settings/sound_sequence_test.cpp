// The exact sequence of sound-library calls at start-up, when start-up runs
// again, for the "BGM" switch and at shutdown, through the recording fake
// (device 1; buffers その他 2, 禁止 3, 駒打音 4, BGM 5).
#include <gtest/gtest.h>

#include <map>

#include "tests/settings/settings_test_support.h"

namespace zelkora::testing {
namespace {

using Log = std::vector<std::string>;

const Log START_UP = {"dsInitialize",     "dsCreateDSB(1,3)", "dsCreateDSB(1,3)",
                      "dsCreateDSB(1,3)", "dsCreateDSB(1,1)", "dsPlayLooping(5)"};
const Log SHUT_DOWN = {"dsFree(2)", "dsFree(3)", "dsFree(4)", "dsFree(5)", "dsTerminate(1)"};

int count(const Log& log, const std::string& call) {
    int n = 0;
    for (const auto& entry : log) n += entry == call;
    return n;
}

TEST(SoundSequence, StartUpMakesFourBuffersAndLoopsTheMusic) {
    SettingsHarness h;
    h.start();
    EXPECT_EQ(h.sound.log, START_UP);
    EXPECT_TRUE(h.menu.isChecked("BGM"));
    EXPECT_EQ(h->sounds.other, 2);
    EXPECT_EQ(h->sounds.refusal, 3);
    EXPECT_EQ(h->sounds.placed, 4);
    EXPECT_EQ(h->sounds.bgm, 5);
}

TEST(SoundSequence, AWaveThatCannotBeReadLeavesThatSoundSilent) {
    SettingsHarness h;
    h.files.unreadable.insert("禁止.wav");
    h.files.put("BGM.wav", std::string((64u << 20) + 1, 'R'));
    h.start();
    EXPECT_EQ(h->sounds.refusal, 0);
    EXPECT_EQ(h->sounds.bgm, 0);
    EXPECT_EQ(h->sounds.placed, 3);
    ASSERT_EQ(h.dialogs.shown.size(), 2u);
    EXPECT_EQ(h.dialogs.shown[0].text, "ファイル 禁止.wav を読み込めません。");
    EXPECT_EQ(h.dialogs.shown[1].text, "ファイル BGM.wav を読み込めません。");
}

TEST(SoundSequence, BgmSwitchStopsAndRestartsTheMusic) {
    SettingsHarness h;
    h.start();
    h.clearLogs();
    h->BGM_Click();
    EXPECT_FALSE(h.menu.isChecked("BGM"));
    h->BGM_Click();
    EXPECT_TRUE(h.menu.isChecked("BGM"));
    h->BGM_Click();
    EXPECT_EQ(h.sound.log, (Log{"dsStop(5)", "dsPlayLooping(5)", "dsStop(5)"}));
    EXPECT_FALSE(h.menu.isChecked("BGM"));
}

TEST(SoundSequence, ShutdownFreesInOrderThenTerminates) {
    for (void (Form1::*quit)() : {&Form1::OWARI_Click, &Form1::Form_Unload}) {
        SettingsHarness h;
        h.start();
        h.clearLogs();
        ((*h).*quit)();
        EXPECT_EQ(h.sound.log, SHUT_DOWN);
        EXPECT_EQ(h.window.quits, 1);
    }
    SettingsHarness h;
    h.start();
    h.clearLogs();
    h->Form_KeyPress(27);
    EXPECT_EQ(h.sound.log, SHUT_DOWN);
}

// Start-up runs again on loading a record and on "最初": ten times here, with
// the music switched off before some of them. One device and four buffers in
// all, the music looping and "BGM" checked after each, and shutdown releases
// every buffer exactly once.
TEST(SoundSequence, StartUpTenTimesMoreLeaksNothing) {
    SettingsHarness h;
    h.start();
    // The music switched off or on now and then: each start-up keeps the
    // choice and restarts the music only when it is on.
    bool on = true;
    for (int i = 0; i < 10; ++i) {
        if (i % 3 == 0) h->BGM_Click(), on = !on;
        ASSERT_EQ(h.menu.isChecked("BGM"), on);
        h.sound.log.push_back("-- start-up again");
        h.start();
        EXPECT_EQ(h.menu.isChecked("BGM"), on) << i;
        EXPECT_EQ(h.sound.log.back(), on ? "dsPlayLooping(5)" : "-- start-up again") << i;
    }
    h->OWARI_Click();

    const Log& log = h.sound.log;
    EXPECT_EQ(count(log, "dsInitialize"), 1);
    EXPECT_EQ(count(log, "dsCreateDSB(1,3)"), 3);
    EXPECT_EQ(count(log, "dsCreateDSB(1,1)"), 1);
    EXPECT_EQ(count(log, "dsPlayLooping(5)"), 7);   // the first start, on again twice, four start-ups with it on
    for (const char* freed : {"dsFree(2)", "dsFree(3)", "dsFree(4)", "dsFree(5)"}) EXPECT_EQ(count(log, freed), 1);
    EXPECT_EQ(count(log, "dsTerminate(1)"), 1);
    EXPECT_EQ(Log(log.end() - 5, log.end()), SHUT_DOWN);
    EXPECT_TRUE(h.dialogs.shown.empty());
}

// Start-up after a shutdown opens the library anew.
TEST(SoundSequence, StartUpAfterShutdownOpensAgain) {
    SettingsHarness h;
    h.start();
    h->終了処理();
    h.clearLogs();
    h.start();
    EXPECT_EQ(h.sound.log, (Log{"dsInitialize", "dsCreateDSB(6,3)", "dsCreateDSB(6,3)", "dsCreateDSB(6,3)",
                                "dsCreateDSB(6,1)", "dsPlayLooping(10)"}));
}

// Without a device: one warning box, no buffer, and every later call is made
// with handle 0.
TEST(SoundSequence, NoDeviceWarnsOnceAndUsesHandleZero) {
    SettingsHarness h;
    h.sound.deviceAvailable = false;
    h.start();
    EXPECT_EQ(h.sound.log, (Log{"dsInitialize", "dsPlayLooping(0)"}));
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].text, "Direct Soundインターフェースが作成できません。");
    EXPECT_EQ(h.dialogs.shown[0].title, "Zelkora.Dll");
    EXPECT_EQ(h.dialogs.shown[0].icon, Icon::Warning);
    EXPECT_EQ(h.dialogs.shown[0].buttons, Buttons::Ok);
    h.clearLogs();
    h.start();
    h->BGM_Click();
    h->BGM_Click();
    h->VER_Click();
    h->OWARI_Click();
    EXPECT_EQ(h.sound.log, (Log{"dsPlayLooping(0)", "dsStop(0)", "dsPlayLooping(0)", "dsPlay(0)", "dsFree(0)",
                                "dsFree(0)", "dsFree(0)", "dsFree(0)"}));
    ASSERT_EQ(h.dialogs.shown.size(), 1u) << "only the version box";
    EXPECT_EQ(h.dialogs.shown[0].buttons, Buttons::Ok);
}

// Missing wave files give handle 0 silently; an empty one is reported.
TEST(SoundSequence, MissingWaveIsSilentEmptyWaveIsReported) {
    SettingsHarness h;
    h.files.files.erase("BGM.wav");
    h.files.put("禁止.wav", "");
    h.start();
    EXPECT_EQ(h.sound.log, (Log{"dsInitialize", "dsCreateDSB(1,3)", "dsCreateDSB(1,3)", "dsPlayLooping(0)"}));
    EXPECT_EQ(h->sounds.refusal, 0);
    EXPECT_EQ(h->sounds.bgm, 0);
    EXPECT_EQ(h->sounds.other, 2);
    EXPECT_EQ(h->sounds.placed, 3);
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].title, "Zelkora.Dll");
    EXPECT_EQ(h.dialogs.shown[0].icon, Icon::Warning);
    EXPECT_NE(h.dialogs.shown[0].text.find("禁止.wav"), std::string::npos);
}

// The wave files are read from the sound folder the platform names: the
// copies in the current folder are not used.
TEST(SoundSequence, WavesComeFromTheSoundFolder) {
    const std::string folder = "/usr/share/org.zelkora.Zelkora";
    SettingsHarness h;
    h->io.places.soundFolder = folder;
    h.files.files.erase("BGM.wav");
    for (const char* wave : {"その他.wav", "禁止.wav", "BGM.wav"}) h.files.put(folder + "/" + wave, "RIFF");
    h.files.put(folder + "/駒打音.wav", "");
    h.start();
    EXPECT_EQ(h.sound.log,
              (Log{"dsInitialize", "dsCreateDSB(1,3)", "dsCreateDSB(1,3)", "dsCreateDSB(1,1)", "dsPlayLooping(4)"}));
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_NE(h.dialogs.shown[0].text.find(folder + "/駒打音.wav"), std::string::npos) << h.dialogs.shown[0].text;
}

}  // namespace
}  // namespace zelkora::testing
