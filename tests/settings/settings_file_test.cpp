// The settings file "Zelkora.ini" on bytes: what start-up reads, repairs and
// writes, and what the writer stores for each state of the menu.
#include <gtest/gtest.h>

#include "tests/settings/settings_test_support.h"

namespace zelkora::testing {
namespace {

// Background pictures drawn since the logs were last cleared.
int tilesOf(const RecordingCanvas& canvas, Picture picture) {
    int n = 0;
    for (const auto& call : canvas.of(CanvasCall::Picture)) n += call.picture == picture;
    return n;
}

TEST(SettingsFile, FirstStartCreatesTheGreenFile) {
    SettingsHarness h;
    h.start();
    EXPECT_EQ(h.files.get(INI), SJIS_MIDORI + CRLF);
    EXPECT_EQ(h.checkedBackgrounds(), std::vector<std::string>{"MIDORI"});
    EXPECT_EQ(h->display.background, PIC_MIDORI);
    EXPECT_GT(tilesOf(h.canvas, Picture::HAIKEI_MIDORI), 0);
    EXPECT_EQ(tilesOf(h.canvas, Picture::HAIKEI_TATAMI), 0);
    EXPECT_TRUE(h.dialogs.shown.empty());
    // Start-up fixes the other marks the window set when it was created.
    EXPECT_FALSE(h.menu.isChecked("SIDOU"));
    EXPECT_TRUE(h.menu.isChecked("BGM"));
    EXPECT_EQ(h->flags.guidance, 0);
}

struct KnownLine {
    std::string bytes;
    const char* item;
    int code;
    Picture tile;
};

class SettingsLine : public ::testing::TestWithParam<KnownLine> {};

TEST_P(SettingsLine, IsReadWithoutRewritingTheFile) {
    const KnownLine& line = GetParam();
    SettingsHarness h;
    h.files.put(INI, line.bytes + CRLF);
    h.start();
    EXPECT_EQ(h->display.background, line.code);
    EXPECT_EQ(h.checkedBackgrounds(), std::vector<std::string>{line.item});
    EXPECT_GT(tilesOf(h.canvas, line.tile), 0);
    EXPECT_EQ(h.files.get(INI), line.bytes + CRLF);
    EXPECT_TRUE(h.dialogs.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Backgrounds, SettingsLine,
                         ::testing::Values(KnownLine{SJIS_MIDORI, "MIDORI", PIC_MIDORI, Picture::HAIKEI_MIDORI},
                                           KnownLine{SJIS_TATAMI, "TATAMI", PIC_TATAMI, Picture::HAIKEI_TATAMI},
                                           KnownLine{SJIS_TAKE, "TAKE", PIC_TAKE, Picture::HAIKEI_TAKE},
                                           KnownLine{SJIS_UCHU, "UCHU", PIC_UCHU, Picture::HAIKEI_UCHU},
                                           KnownLine{SJIS_RENGA, "RENGA", PIC_RENGA, Picture::HAIKEI_RENGA}),
                         [](const auto& info) { return std::string(info.param.item); });

// Only the first line counts, up to its carriage return; what follows it is
// ignored, and a file without a line end still has a first line.
TEST(SettingsFile, OnlyTheFirstLineIsRead) {
    const struct {
        std::string file;
        int code;
    } cases[] = {
        {SJIS_TAKE + CRLF + SJIS_UCHU + CRLF, PIC_TAKE},
        {SJIS_UCHU, PIC_UCHU},
        {SJIS_RENGA + "\r", PIC_RENGA},
        {SJIS_TAKE + CRLF + "garbage \x81\x40", PIC_TAKE},
    };
    for (const auto& c : cases) {
        SettingsHarness h;
        h.files.put(INI, c.file);
        h.start();
        EXPECT_EQ(h->display.background, c.code) << c.file;
        EXPECT_EQ(h.files.get(INI), c.file);
    }
}

// Lines that differ in any byte are unknown: the background stays unset (the
// empty-square picture surrounds the board), the file is left as it is, and
// the menu keeps the mark the window gave it ("畳").
TEST(SettingsFile, UnknownFirstLinesLeaveTheBackgroundUnset) {
    const std::string unknown[] = {
        SJIS_MIDORI + " " + CRLF,                                  // trailing blank
        SJIS_MIDORI + "\x81\x40" + CRLF,                           // trailing full-width blank
        " " + SJIS_MIDORI + CRLF,                                  // leading blank
        "\x94\x77\x8c\x69\x89\xe6\x81\x81\x97\xce" + CRLF,         // full-width "＝"
        "\x94\x77\x8c\x69\x89\xe6=\x82\xdd\x82\xc7\x82\xe8" + CRLF, // 背景画=みどり
        "\xe8\x83\x8c\xe6\x99\xaf\xe7\x94\xbb=\xe7\xb7\x91" + CRLF, // 背景画=緑 in UTF-8
        "HAIKEI=MIDORI" + CRLF,
        SJIS_MIDORI + "\n",                                        // line feed alone
        CRLF + SJIS_MIDORI + CRLF,                                 // empty first line
        "\r",
    };
    for (const std::string& file : unknown) {
        SettingsHarness h;
        h.files.put(INI, file);
        h.start();
        EXPECT_EQ(h->display.background, 0) << file;
        EXPECT_EQ(h.checkedBackgrounds(), std::vector<std::string>{"TATAMI"}) << file;
        EXPECT_EQ(h.files.get(INI), file);
        EXPECT_GT(tilesOf(h.canvas, Picture::KARA_MASU), 0);
        for (Picture tile : {Picture::HAIKEI_MIDORI, Picture::HAIKEI_TATAMI, Picture::HAIKEI_TAKE,
                             Picture::HAIKEI_UCHU, Picture::HAIKEI_RENGA})
            EXPECT_EQ(tilesOf(h.canvas, tile), 0) << file;
        EXPECT_TRUE(h.dialogs.shown.empty());
    }
}

TEST(SettingsFile, EmptyFileIsRepairedSilently) {
    SettingsHarness h;
    h.files.put(INI, "");
    h.start();
    EXPECT_EQ(h.files.get(INI), SJIS_MIDORI + CRLF);
    EXPECT_EQ(h->display.background, PIC_MIDORI);
    EXPECT_EQ(h.checkedBackgrounds(), std::vector<std::string>{"MIDORI"});
    EXPECT_TRUE(h.dialogs.shown.empty());
}

// A file that is there but cannot be read (a read error) or is over the 4 KB
// limit is never written over: the defaults hold, one box in the whole run
// names the file and why, start-up run again ("最初") writes nothing either,
// and only a changed option saves. A file of exactly 4 KB is read as usual.
TEST(SettingsFile, UnreadableOrOversizedFileIsKeptAndReported) {
    const std::string uchu = SJIS_UCHU + CRLF;
    const struct {
        const char* name;
        std::string file;
        bool unreadable;
        const char* why;   // the box's first line; nullptr: no box, the file is read
    } cases[] = {
        {"read error", uchu, true, "設定ファイルを読み込めません。"},
        {"over the limit", uchu + std::string(4097 - uchu.size(), 'x'), false, "設定ファイルが4096バイトを超えています。"},
        {"at the limit", uchu + std::string(4096 - uchu.size(), 'x'), false, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SettingsHarness h;
        h.files.put(INI, c.file);
        if (c.unreadable) h.files.unreadable.insert(INI);
        CountingFiles counting(h.files);
        h->io.files = &counting;
        h.start();
        h.start();
        EXPECT_EQ(counting.writes, 0);
        EXPECT_EQ(h.files.get(INI), c.file);
        if (!c.why) {
            EXPECT_EQ(h->display.background, PIC_UCHU);
            EXPECT_TRUE(h.dialogs.shown.empty());
            continue;
        }
        EXPECT_EQ(h->display.background, PIC_MIDORI);
        EXPECT_EQ(h.checkedBackgrounds(), std::vector<std::string>{"MIDORI"});
        ASSERT_EQ(h.dialogs.shown.size(), 1u);
        EXPECT_EQ(h.dialogs.shown[0].text.rfind(std::string(c.why) + "\r" + INI + "\r", 0), 0u)
            << h.dialogs.shown[0].text;
        EXPECT_EQ(h.dialogs.shown[0].title, "環境設定");
        h.files.unreadable.clear();
        h->TATAMI_Click();
        EXPECT_EQ(h.files.get(INI), SJIS_TATAMI + CRLF);
    }
}

// A folder that cannot be written: no file appears, the game plays on the
// green background and says once where it tried to write, however often the
// file is written afterwards.
TEST(SettingsFile, ReadOnlyFolderKeepsTheGreenBackground) {
    SettingsHarness h;
    h.files.readOnly = true;
    CountingFiles counting(h.files);
    h->io.files = &counting;
    h.start();
    EXPECT_FALSE(h.files.exists(INI));
    EXPECT_EQ(h->display.background, PIC_MIDORI);
    EXPECT_EQ(h.checkedBackgrounds(), std::vector<std::string>{"MIDORI"});
    EXPECT_GT(tilesOf(h.canvas, Picture::HAIKEI_MIDORI), 0);
    EXPECT_EQ(counting.writes, 1);
    h->TATAMI_Click();
    h->UCHU_Click();
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_NE(h.dialogs.shown[0].text.find(INI), std::string::npos) << h.dialogs.shown[0].text;
    EXPECT_EQ(h.dialogs.shown[0].icon, Icon::Warning);
    // A file already there is read as usual, and nothing is said.
    SettingsHarness g;
    g.files.put(INI, SJIS_UCHU + CRLF);
    g.files.readOnly = true;
    g.start();
    EXPECT_EQ(g->display.background, PIC_UCHU);
    EXPECT_TRUE(g.dialogs.shown.empty());
}

// The platform names the folder of the settings file; the core reads, creates
// and rewrites the file there and nowhere else.
TEST(SettingsFile, LivesInTheFolderThePlatformNames) {
    const std::string folder = "/home/player/.config/org.zelkora.Zelkora";
    for (const std::string& given : {folder, folder + "/"}) {
        SettingsHarness h;
        h->io.places.settingsFolder = given;
        h.start();
        EXPECT_EQ(h.files.get(folder + "/" + INI), SJIS_MIDORI + CRLF);
        h->TAKE_Click();
        EXPECT_EQ(h.files.get(folder + "/" + INI), SJIS_TAKE + CRLF);
        EXPECT_FALSE(h.files.exists(INI));
        // The box of an unwritable file names the full path.
        h.files.readOnly = true;
        h->UCHU_Click();
        ASSERT_EQ(h.dialogs.shown.size(), 1u);
        EXPECT_NE(h.dialogs.shown[0].text.find(folder + "/" + INI), std::string::npos);
    }
}

// The writer stores the first checked item in the order 緑, 竹, 畳, 宇宙, 煉瓦.
TEST(SettingsFile, WriterStoresTheFirstCheckedItem) {
    const struct {
        std::vector<const char*> checked;
        std::string file;
    } cases[] = {
        {{"MIDORI"}, SJIS_MIDORI + CRLF},
        {{"TATAMI"}, SJIS_TATAMI + CRLF},
        {{"TAKE"}, SJIS_TAKE + CRLF},
        {{"UCHU"}, SJIS_UCHU + CRLF},
        {{"RENGA"}, SJIS_RENGA + CRLF},
        {{"TATAMI", "TAKE"}, SJIS_TAKE + CRLF},
        {{"RENGA", "UCHU", "TATAMI"}, SJIS_TATAMI + CRLF},
        {{"RENGA", "MIDORI"}, SJIS_MIDORI + CRLF},
        {{}, ""},
    };
    for (const auto& c : cases) {
        Harness h;
        h.files.put(INI, "old");
        for (const char* item : c.checked) h.menu.checks[item] = true;
        h->書込_環境設定ファイル();
        EXPECT_TRUE(h.files.exists(INI));
        EXPECT_EQ(h.files.get(INI), c.file) << c.checked.size();
    }
}

// A failed write is tried once more with the green line; menu and screen both
// fall back to green. Nothing loops; one box says where the write failed.
TEST(SettingsFile, FailedWriteFallsBackToGreenOnce) {
    for (int failures : {1, -1}) {
        SettingsHarness h;
        h.start();
        CountingFiles counting(h.files);
        counting.failures = failures;
        h->io.files = &counting;
        h.canvas.clear();
        h->TATAMI_Click();
        EXPECT_EQ(counting.writes, 2);
        // Menu and screen agree on green: the choice could not be kept.
        EXPECT_EQ(h.checkedBackgrounds(), std::vector<std::string>{"MIDORI"});
        EXPECT_EQ(h->display.background, PIC_MIDORI);
        EXPECT_GT(tilesOf(h.canvas, Picture::HAIKEI_MIDORI), 0);
        EXPECT_EQ(tilesOf(h.canvas, Picture::HAIKEI_TATAMI), 0);
        EXPECT_EQ(h.files.get(INI), SJIS_MIDORI + CRLF);
        ASSERT_EQ(h.dialogs.shown.size(), 1u);
        EXPECT_EQ(h.dialogs.shown[0].title, "環境設定");
    }
}

TEST(SettingsFile, CheckMarksFollowTheCode) {
    Harness h;
    const struct {
        int code;
        std::vector<std::string> checked;
    } cases[] = {
        {PIC_MIDORI, {"MIDORI"}}, {PIC_TATAMI, {"TATAMI"}}, {PIC_TAKE, {"TAKE"}},
        {PIC_UCHU, {"UCHU"}},     {PIC_RENGA, {"RENGA"}},   {0, {}},
        {7, {}},                  {PIC_ZELKORA, {}},
    };
    for (const auto& c : cases) {
        for (const char* item : BACKGROUND_ITEMS) h.menu.checks[item] = true;
        h.menu.checks["BGM"] = true;
        h->チェック設定(c.code);
        std::vector<std::string> checked;
        for (const char* item : BACKGROUND_ITEMS)
            if (h.menu.isChecked(item)) checked.push_back(item);
        EXPECT_EQ(checked, c.checked) << c.code;
        EXPECT_TRUE(h.menu.isChecked("BGM")) << "only the background items change";
    }
}

}  // namespace
}  // namespace zelkora::testing
