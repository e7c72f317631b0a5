// 読み上げ through a fake speech port: what is said (the computer's move,
// a refusal's reason, the end), in which language, and nothing while the
// option is off or no engine answers.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "game/spoken_news.h"
#include "tests/game/human_turn_helpers.h"

namespace zelkora::testing {
namespace {

struct FakeSpeech : Speech {
    bool engine = true;
    std::vector<std::pair<std::string, Language>> said;
    bool available() const override { return engine; }
    void say(const std::string& text, Language language) override { said.emplace_back(text, language); }
};

// A game against the computer at level 1 on `sfen`, the human (lower, 先手) to move.
struct SpokenGame {
    Harness h;
    FakeSpeech speech;
    SpokenNews spoken{*h};
    SpokenGame(const char* sfen, Language language, bool on, bool engine = true) {
        h.start();
        h->io.speech = &speech;
        h->io.news.push_back(&spoken);
        h->レベル_設定(1);
        h->SENTE_Click();
        h.setPosition(sfen);
        h->display.language = language;
        h->flags.speech = on;
        speech.engine = engine;
        h.clearLogs();
    }
};

TEST(SpokenNews, TheComputersMoveIsSaidButNotThePlayers) {
    for (const Language language : {Language::Japanese, Language::English}) {
        SpokenGame g(INITIAL, language, true);
        click(g.h, 3, 7);
        click(g.h, 3, 6);
        ASSERT_EQ(g.h->moves.count, 2);
        ASSERT_EQ(g.speech.said.size(), 1u);
        EXPECT_EQ(g.speech.said[0].first, g.h->指し手の文(g.h->moves.entry[2]));
        EXPECT_EQ(g.speech.said[0].first.rfind(language == Language::English ? "Gote " : "後手 ", 0), 0u);
        EXPECT_EQ(g.speech.said[0].second, language);
    }
}

TEST(SpokenNews, ARefusalAndTheEndAreSaidInTheLanguageChosen) {
    const struct {
        const char* name;
        const char* sfen;
        Language language;
        std::vector<std::pair<int, int>> clicks;
        std::string first;   // the first sentence said
    } cases[] = {
        {"refusal", "4k4/9/9/9/4p4/4P4/9/9/4K4 b - 1", Language::Japanese, {{5, 9}, {5, 8}},
         "取れる駒は取らなければなりません"},
        {"refusal in English", "4k4/9/9/9/4p4/4P4/9/9/4K4 b - 1", Language::English, {{5, 9}, {5, 8}},
         "A piece that can be taken must be taken"},
        {"the end", "4k4/4G4/9/9/9/9/9/9/4K4 b - 1", Language::English, {{5, 2}, {5, 1}}, "The computer wins"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SpokenGame g(c.sfen, c.language, true);
        for (const auto& [col, row] : c.clicks) click(g.h, col, row);
        ASSERT_FALSE(g.speech.said.empty());
        EXPECT_EQ(g.speech.said[0], std::pair(c.first, c.language));
    }
}

TEST(SpokenNews, SilentWhenOffOrWithoutAnEngine) {
    for (const bool engine : {true, false}) {
        SpokenGame g("4k4/9/9/9/4p4/4P4/9/9/4K4 b - 1", Language::Japanese, !engine, engine);
        click(g.h, 5, 9);
        click(g.h, 5, 8);
        EXPECT_EQ(g.h.dialogs.shown.size(), 1u);
        EXPECT_TRUE(g.speech.said.empty());
    }
}

}  // namespace
}  // namespace zelkora::testing
