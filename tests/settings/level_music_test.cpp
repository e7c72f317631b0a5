// The computer's level and the music in "Zelkora.ini": the exact bytes each
// choice writes, read back at the next start in any order, and the level kept
// through "最初" for the run.
#include <gtest/gtest.h>

#include "tests/settings/settings_test_support.h"

namespace zelkora::testing {
namespace {

const std::string SJIS_LEVEL = "\x83\x8c\x83\x78\x83\x8b=";   // レベル=
const std::string SJIS_MUSIC_OFF = "BGM=\x90\xd8";          // BGM=切

struct Choice {
    const char* name;
    void (Form1::*command)();
    std::string line;   // "": the default, no line
    int level;
    bool music;
};

class LevelMusicLine : public ::testing::TestWithParam<Choice> {};

TEST_P(LevelMusicLine, IsWrittenAndReadAtTheNextStart) {
    const Choice& c = GetParam();
    SettingsHarness h;
    h.start();
    ((*h).*c.command)();
    const std::string expected = SJIS_MIDORI + CRLF + (c.line.empty() ? "" : c.line + CRLF);
    EXPECT_EQ(h.files.get(INI), expected);

    SettingsHarness next;   // a restart on the same file
    next.files.put(INI, expected);
    next.start();
    EXPECT_EQ(next->flags.level, c.level);
    EXPECT_TRUE(next.menu.isChecked("LEVEL" + std::to_string(c.level)));
    EXPECT_EQ(next.menu.isChecked("BGM"), c.music);
    EXPECT_EQ(next.files.get(INI), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, LevelMusicLine,
    ::testing::Values(Choice{"Level1", &Form1::LEVEL1_Click, SJIS_LEVEL + "1", 1, true},
                      Choice{"Level5", &Form1::LEVEL5_Click, SJIS_LEVEL + "5", 5, true},
                      Choice{"Level6", &Form1::LEVEL6_Click, SJIS_LEVEL + "6", 6, true},
                      Choice{"Level3IsTheDefault", &Form1::LEVEL3_Click, "", 3, true},
                      Choice{"MusicOff", &Form1::BGM_Click, SJIS_MUSIC_OFF, 3, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LevelMusic, LinesAreReadInAnyOrderWithTheOthers) {
    SettingsHarness h;
    h.files.put(INI, SJIS_MIDORI + CRLF + SJIS_MUSIC_OFF + CRLF + "\x8c\xbe\x8c\xea=English" + CRLF + SJIS_LEVEL + "4" + CRLF);
    h.start();
    EXPECT_EQ(h->flags.level, 4);
    EXPECT_FALSE(h.menu.isChecked("BGM"));
    EXPECT_EQ(h->display.language, Language::English);
}

// Read once at the first start-up: a file changed behind the game's back (or
// one it could not write) does not undo the run's choices at "最初".
TEST(LevelMusic, KeptThroughStartingOver) {
    SettingsHarness h;
    const std::string level2 = SJIS_MIDORI + CRLF + SJIS_LEVEL + "2" + CRLF;
    h.files.put(INI, level2);
    h.start();
    h->LEVEL5_Click();
    h->BGM_Click();
    h.files.put(INI, level2);
    h->CANCEL_Click();
    EXPECT_EQ(h->flags.level, 5);
    for (int n = 1; n <= 6; ++n) EXPECT_EQ(h.menu.isChecked("LEVEL" + std::to_string(n)), n == 5) << n;
    EXPECT_FALSE(h.menu.isChecked("BGM"));
}

}  // namespace
}  // namespace zelkora::testing
