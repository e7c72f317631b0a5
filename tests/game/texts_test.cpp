// The table of texts (game/texts.h): every text in both languages with the
// same places, English free of Japanese, and the places filled in.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "game/texts.h"
#include "tests/common/japanese.h"

namespace zelkora::testing {
namespace {

// Captions that name the choice in both languages and stay as they are.
const std::set<Text> BILINGUAL = {Text::MENU_GENGO, Text::MENU_NIHONGO, Text::MENU_KOMA};

std::multiset<std::string> placesOf(const std::string& text) {
    std::multiset<std::string> places;
    for (std::size_t i = 0; i + 2 < text.size(); ++i)
        if (text[i] == '{' && text[i + 2] == '}') places.insert(text.substr(i, 3));
    return places;
}

TEST(TextTable, EveryTextHasBothLanguagesAndTheSamePlaces) {
    ASSERT_EQ(textTable().size(), static_cast<std::size_t>(Text::Count));
    for (const TextEntry& e : textTable()) {
        SCOPED_TRACE(e.ja);
        EXPECT_FALSE(std::string(e.ja).empty());
        EXPECT_FALSE(std::string(e.en).empty());
        EXPECT_EQ(placesOf(e.ja), placesOf(e.en));
        if (!BILINGUAL.count(e.id)) EXPECT_FALSE(holdsJapanese(e.en));
    }
    EXPECT_EQ(textIn(Language::English, Text::ENTRY_MISMATCH, {"7"}), "Move 7 of the record does not fit the board");
    EXPECT_EQ(textIn(Language::Japanese, Text::RECORD_TOO_LONG, {"500", "501"}),
              "棋譜ﾌｧｲﾙが500手を超えています\r501手目からは読み込みません");
}

}  // namespace
}  // namespace zelkora::testing
