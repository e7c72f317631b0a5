// Shift_JIS (code page 932) conversion used by the record and settings files.
#include <gtest/gtest.h>

#include "game/sjis.h"

namespace zelkora {
namespace {

TEST(ShiftJis, KnownBytesBothWays) {
    // 背景画=緑 in CP932.
    const std::string sjis = "\x94\x77\x8C\x69\x89\xE6=\x97\xCE";
    EXPECT_EQ(toShiftJis("背景画=緑"), sjis);
    EXPECT_EQ(fromShiftJis(sjis), "背景画=緑");
    // Half-width katakana stay one byte each.
    EXPECT_EQ(toShiftJis("ﾊﾝﾃﾞｨ"), "\xCA\xDD\xC3\xDE\xA8");
}

TEST(ShiftJis, WindowsCharactersRoundTrip) {
    for (const std::string s : {"～", "－", "①", "C:\\棋譜\\a", "対 局 名：", "飛成"})
        EXPECT_EQ(fromShiftJis(toShiftJis(s)), s) << s;
    EXPECT_EQ(toShiftJis("\\"), "\\");
}

TEST(ShiftJis, InvalidInputNeverFails) {
    EXPECT_EQ(fromShiftJis("a\x81"), "a\xEF\xBF\xBD");
    EXPECT_EQ(fromShiftJis("\xFF" "b"), "\xEF\xBF\xBD" "b");
    EXPECT_EQ(toShiftJis("x\xF0\x9F\x98\x80y"), "x?y");   // an emoji has no CP932 code
}

}  // namespace
}  // namespace zelkora
