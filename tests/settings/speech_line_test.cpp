// "読み上げ" in "Zelkora.ini": a line only while speech is on, read back at
// the next start with the mark in the menu.
#include <gtest/gtest.h>

#include "tests/settings/settings_test_support.h"

namespace zelkora::testing {
namespace {

const std::string SJIS_SPEECH_ON = "\x93\xc7\x82\xdd\x8f\xe3\x82\xb0=\x93\xfc";   // 読み上げ=入

TEST(SpeechLine, WrittenOnlyWhileOnAndReadAtTheNextStart) {
    SettingsHarness h;
    h.start();
    h->YOMIAGE_Click();
    EXPECT_TRUE(h->flags.speech);
    EXPECT_EQ(h.files.get(INI), SJIS_MIDORI + CRLF + SJIS_SPEECH_ON + CRLF);

    SettingsHarness next;
    next.files.put(INI, h.files.get(INI));
    next.start();
    EXPECT_TRUE(next->flags.speech);
    EXPECT_TRUE(next.menu.isChecked("YOMIAGE"));

    next->YOMIAGE_Click();
    EXPECT_FALSE(next->flags.speech);
    EXPECT_FALSE(next.menu.isChecked("YOMIAGE"));
    EXPECT_EQ(next.files.get(INI), SJIS_MIDORI + CRLF);
}

}  // namespace
}  // namespace zelkora::testing
