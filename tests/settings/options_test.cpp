// The options menu: the five background commands, movement guidance and the
// version box.
#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "tests/settings/settings_test_support.h"

namespace zelkora::testing {
namespace {

struct BackgroundCommand {
    const char* item;
    void (Form1::*click)();
    int code;
    Picture tile;
    std::string line;
};

class BackgroundMenu : public ::testing::TestWithParam<BackgroundCommand> {};

// Board squares (cells 1..9 x 1..9) on which a picture was drawn.
std::set<std::pair<int, int>> boardCellsDrawn(const RecordingCanvas& canvas) {
    std::set<std::pair<int, int>> cells;
    for (const auto& call : canvas.of(CanvasCall::Picture))
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                if (call.x == 1050 + 495.0 * c && call.y == 100 + 615.0 * r) cells.insert({c, r});
    return cells;
}

int tilesOf(const RecordingCanvas& canvas, Picture picture) {
    int n = 0;
    for (const auto& call : canvas.of(CanvasCall::Picture)) n += call.picture == picture;
    return n;
}

TEST_P(BackgroundMenu, ChoosingRewritesTheFileAndRedraws) {
    const BackgroundCommand& command = GetParam();
    SettingsHarness h;
    h.files.put(INI, SJIS_UCHU + CRLF);
    h.start();
    h.clearLogs();

    ((*h).*command.click)();
    EXPECT_EQ(h.files.get(INI), command.line + CRLF);
    EXPECT_EQ(h.checkedBackgrounds(), std::vector<std::string>{command.item});
    EXPECT_EQ(h->display.background, command.code);
    // The whole screen: background tiles of the new picture only, and every square.
    EXPECT_GT(tilesOf(h.canvas, command.tile), 0);
    if (command.tile != Picture::HAIKEI_UCHU) {
        EXPECT_EQ(tilesOf(h.canvas, Picture::HAIKEI_UCHU), 0);
    }
    EXPECT_EQ(boardCellsDrawn(h.canvas).size(), 81u);

    // Chosen again: the file is written and the screen redrawn all the same.
    h.files.files.erase(INI);
    h.clearLogs();
    ((*h).*command.click)();
    EXPECT_EQ(h.files.get(INI), command.line + CRLF);
    EXPECT_EQ(h.checkedBackgrounds(), std::vector<std::string>{command.item});
    EXPECT_GT(tilesOf(h.canvas, command.tile), 0);
    EXPECT_EQ(boardCellsDrawn(h.canvas).size(), 81u);
    EXPECT_TRUE(h.dialogs.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Items, BackgroundMenu,
    ::testing::Values(
        BackgroundCommand{"MIDORI", &Form1::MIDORI_Click, PIC_MIDORI, Picture::HAIKEI_MIDORI, SJIS_MIDORI},
        BackgroundCommand{"TATAMI", &Form1::TATAMI_Click, PIC_TATAMI, Picture::HAIKEI_TATAMI, SJIS_TATAMI},
        BackgroundCommand{"TAKE", &Form1::TAKE_Click, PIC_TAKE, Picture::HAIKEI_TAKE, SJIS_TAKE},
        BackgroundCommand{"UCHU", &Form1::UCHU_Click, PIC_UCHU, Picture::HAIKEI_UCHU, SJIS_UCHU},
        BackgroundCommand{"RENGA", &Form1::RENGA_Click, PIC_RENGA, Picture::HAIKEI_RENGA, SJIS_RENGA}),
    [](const auto& info) { return std::string(info.param.item); });

// After an unknown settings line the background is unset and "畳" still
// carries the window's mark: choosing "畳" then writes the file but, the item
// being checked already, leaves the background code unset.
TEST(BackgroundMenu, AlreadyCheckedItemKeepsTheBackgroundCode) {
    SettingsHarness h;
    h.files.put(INI, "unknown" + CRLF);
    h.start();
    ASSERT_EQ(h->display.background, 0);
    h->TATAMI_Click();
    EXPECT_EQ(h.files.get(INI), SJIS_TATAMI + CRLF);
    EXPECT_EQ(h->display.background, 0);
    h->TAKE_Click();
    EXPECT_EQ(h->display.background, PIC_TAKE);
    EXPECT_EQ(h.files.get(INI), SJIS_TAKE + CRLF);
}

// Outlines drawn on a cell of the game grid since the logs were cleared.
std::vector<int> outlines(const Harness& h, int c, int r) { return h.canvas.outlinesOfCell(c, r); }

TEST(MovementGuidance, OffOnOffClearsEveryOutlineWhenSwitchedOff) {
    SettingsHarness h;
    h.start();
    ASSERT_FALSE(h.menu.isChecked("SIDOU"));
    h.clearLogs();

    h->SIDOU_Click();
    EXPECT_TRUE(h.menu.isChecked("SIDOU"));
    EXPECT_EQ(h->flags.guidance, 1);
    EXPECT_EQ(h->display.highlightColour, COLOUR_WHITE);
    EXPECT_TRUE(h.canvas.of(CanvasCall::Outline).empty()) << "switching on draws nothing";

    h->SIDOU_Click();
    EXPECT_FALSE(h.menu.isChecked("SIDOU"));
    EXPECT_EQ(h->flags.guidance, 0);
    EXPECT_EQ(h->display.highlightColour, COLOUR_GREEN);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) EXPECT_EQ(outlines(h, x, y), std::vector<int>{COLOUR_GREEN}) << x << "," << y;
    for (int r = 1; r <= 7; ++r) EXPECT_EQ(outlines(h, -1, r), std::vector<int>{COLOUR_GREEN}) << "upper stand " << r;
    for (int r = 3; r <= 9; ++r) EXPECT_EQ(outlines(h, 11, r), std::vector<int>{COLOUR_GREEN}) << "lower stand " << r;
    EXPECT_EQ(h.canvas.of(CanvasCall::Outline).size(), 81u + 7u + 7u);
    EXPECT_TRUE(h.canvas.of(CanvasCall::Picture).empty()) << "only outlines are repainted";
}

TEST(VersionBox, PlaysTheOtherSoundThenShowsNameAndVersion) {
    Harness h;
    h.start();
    h.clearLogs();
    SoundCheckingDialogs dialogs(h.sound);
    h->io.dialogs = &dialogs;
    h->VER_Click();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.soundBefore[0], std::vector<std::string>{"dsPlay(2)"});   // その他 is buffer 2
    EXPECT_EQ(h.sound.log, std::vector<std::string>{"dsPlay(2)"});
    const Message& box = dialogs.shown[0];
    EXPECT_EQ(box.buttons, Buttons::Ok);
    EXPECT_EQ(box.icon, Icon::None);
    EXPECT_FALSE(box.title.empty());
    EXPECT_NE(box.text.find("Zelkora"), std::string::npos);
    EXPECT_TRUE(std::regex_search(box.text, std::regex("[0-9]+\\.[0-9]+\\.[0-9]+"))) << box.text;
}

}  // namespace
}  // namespace zelkora::testing
