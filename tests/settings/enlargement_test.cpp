// The enlargement "表示倍率" in the settings file and the options menu: a
// second line only when the window is enlarged, the first line's rules as
// they were, and the menu's marks and the window following the choice.
#include <gtest/gtest.h>

#include "tests/settings/settings_test_support.h"

namespace zelkora::testing {
namespace {

// 表示倍率=150 and =200 in code page 932 (表 ends in the byte 0x5C).
const std::string SJIS_150 = "\x95\x5c\x8e\xa6\x94\x7b\x97\xa6=150";
const std::string SJIS_200 = "\x95\x5c\x8e\xa6\x94\x7b\x97\xa6=200";
const char* const ENLARGEMENT_ITEMS[] = {"BAIRITU_100", "BAIRITU_150", "BAIRITU_200"};

std::vector<std::string> checkedEnlargements(const Harness& h) {
    std::vector<std::string> out;
    for (const char* item : ENLARGEMENT_ITEMS)
        if (h.menu.isChecked(item)) out.push_back(item);
    return out;
}

struct ReadCase {
    const char* name;
    std::string file;
    int background;   // picture code, 0 unset
    int percent;
};

// What start-up makes of a file; the file itself is never rewritten.
const ReadCase READS[] = {
    {"OneLine", SJIS_TAKE + CRLF, PIC_TAKE, 100},
    {"Enlarged150", SJIS_TAKE + CRLF + SJIS_150 + CRLF, PIC_TAKE, 150},
    {"Enlarged200WithoutLineEnd", SJIS_UCHU + CRLF + SJIS_200, PIC_UCHU, 200},
    {"SecondLineAfterLoneCarriageReturn", SJIS_RENGA + "\r" + SJIS_150 + CRLF, PIC_RENGA, 150},
    {"UnknownSecondLine", SJIS_TAKE + CRLF + "\x95\x5c\x8e\xa6\x94\x7b\x97\xa6=175" + CRLF, PIC_TAKE, 100},
    {"EnlargementOnTheFirstLineIsNoBackground", SJIS_150 + CRLF, 0, 100},
    {"UnknownFirstLineKeepsItsRule", "x" + CRLF + SJIS_200 + CRLF, 0, 200},
};

class EnlargementRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(EnlargementRead, StartUpTakesTheSecondLine) {
    const ReadCase& c = GetParam();
    SettingsHarness h;
    h.files.put(INI, c.file);
    h.start();
    EXPECT_EQ(h->display.background, c.background);
    EXPECT_EQ(h->display.enlargement, c.percent);
    ASSERT_FALSE(h.window.enlargements.empty());
    EXPECT_EQ(h.window.enlargements.back(), c.percent);
    EXPECT_EQ(checkedEnlargements(h), std::vector<std::string>{"BAIRITU_" + std::to_string(c.percent)});
    EXPECT_EQ(h.files.get(INI), c.file);
}

INSTANTIATE_TEST_SUITE_P(Files, EnlargementRead, ::testing::ValuesIn(READS),
                         [](const auto& info) { return std::string(info.param.name); });

struct ChoiceCase {
    void (Form1::*click)();
    int percent;
    std::string file;   // after the choice, on the green background
};

TEST(Enlargement, ChoosingWritesASecondLineOnlyWhenEnlarged) {
    const ChoiceCase choices[] = {
        {&Form1::BAIRITU_150_Click, 150, SJIS_MIDORI + CRLF + SJIS_150 + CRLF},
        {&Form1::BAIRITU_200_Click, 200, SJIS_MIDORI + CRLF + SJIS_200 + CRLF},
        {&Form1::BAIRITU_100_Click, 100, SJIS_MIDORI + CRLF},
    };
    SettingsHarness h;
    h.start();
    for (const auto& c : choices) {
        SCOPED_TRACE(c.percent);
        ((*h).*c.click)();
        EXPECT_EQ(h.files.get(INI), c.file);
        EXPECT_EQ(h->display.enlargement, c.percent);
        EXPECT_EQ(h.window.enlargements.back(), c.percent);
        EXPECT_EQ(checkedEnlargements(h), std::vector<std::string>{"BAIRITU_" + std::to_string(c.percent)});
    }
}

TEST(Enlargement, ABackgroundChosenLaterKeepsTheEnlargementLine) {
    SettingsHarness h;
    h.start();
    h->BAIRITU_150_Click();
    h->TAKE_Click();
    EXPECT_EQ(h.files.get(INI), SJIS_TAKE + CRLF + SJIS_150 + CRLF);
    // The next start-up reads both back.
    SettingsHarness next;
    next.files.put(INI, h.files.get(INI));
    next.start();
    EXPECT_EQ(next->display.background, PIC_TAKE);
    EXPECT_EQ(next->display.enlargement, 150);
}

TEST(Enlargement, ChoosingTheCheckedItemAgainOnlyRewritesTheFile) {
    SettingsHarness h;
    h.start();
    h->BAIRITU_200_Click();
    const std::size_t told = h.window.enlargements.size();
    h.files.put(INI, "");
    h->BAIRITU_200_Click();
    EXPECT_EQ(h.window.enlargements.size(), told);
    EXPECT_EQ(h.files.get(INI), SJIS_MIDORI + CRLF + SJIS_200 + CRLF);
}

TEST(Enlargement, AMissingFileIsRecreatedWithOneLineAtNormalSize) {
    SettingsHarness h;
    h.start();
    EXPECT_EQ(h.files.get(INI), SJIS_MIDORI + CRLF);
    EXPECT_EQ(h->display.enlargement, 100);
    EXPECT_EQ(checkedEnlargements(h), std::vector<std::string>{"BAIRITU_100"});
}

}  // namespace
}  // namespace zelkora::testing
