// The game's news in words, with recording fakes: what every listener is told
// for a move (with check), a refusal and the end of a game, in both languages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/game/human_turn_helpers.h"

namespace zelkora::testing {
namespace {

struct RecordingNews : GameNews {
    std::vector<std::string> log;
    void gameStarted() override { log.push_back("start"); }
    void movePlayed(const MoveNews& m) override {
        log.push_back("move " + m.text + (m.byComputer ? " (computer)" : "") + (m.check ? " +" : ""));
    }
    void refused(const std::string& reason) override { log.push_back("refused " + reason); }
    void gameEnded(const std::string& result) override { log.push_back("end " + result); }
};

struct Case {
    const char* name;
    const char* sfen;
    std::vector<std::pair<int, int>> clicks;
    std::vector<std::string> ja, en;
};

const Case CASES[] = {
    {"a move", kStart, {{3, 7}, {3, 6}}, {"move 先手 ７六歩"}, {"move Sente P-7f"}},
    {"a check", "4k4/9/4G4/9/9/9/9/9/4K4 b - 1", {{5, 3}, {5, 2}}, {"move 先手 ５二金 王手 +"},
     {"move Sente G-5b Check +"}},
    {"a refusal", "4k4/9/9/9/4p4/4P4/9/9/4K4 b - 1", {{5, 9}, {5, 8}},
     {"refused 取れる駒は取らなければなりません"}, {"refused A piece that can be taken must be taken"}},
    {"the end", "4k4/4G4/9/9/9/9/9/9/4K4 b - 1", {{5, 2}, {5, 1}}, {"move 先手 ５一金", "end 後手の勝ちです"},
     {"move Sente Gx5a", "end Gote wins"}},
};

TEST(Announcements, MovesChecksRefusalsAndTheEndInBothLanguages) {
    for (const Case& c : CASES) {
        for (const Language language : {Language::Japanese, Language::English}) {
            SCOPED_TRACE(std::string(c.name) + (language == Language::English ? " (English)" : ""));
            auto h = twoHumans(c.sfen);
            (*h)->display.language = language;
            RecordingNews news;
            (*h)->io.news.push_back(&news);
            for (const auto& [col, row] : c.clicks) click(*h, col, row);
            EXPECT_EQ(news.log, language == Language::English ? c.en : c.ja);
        }
    }
}

TEST(Announcements, TheComputersReplyAndAStartAreTold) {
    Harness h;
    h.start();
    RecordingNews news;
    h->io.news.push_back(&news);
    h->レベル_設定(1);
    h->GOTE_Click();
    ASSERT_EQ(h->moves.count, 1);
    ASSERT_GE(news.log.size(), 2u);
    EXPECT_EQ(news.log[0], "start");
    // The computer moves first here: the upper side is 先手.
    EXPECT_EQ(news.log[1].rfind("move 先手 ", 0), 0u) << news.log[1];
    EXPECT_EQ(news.log[1].substr(news.log[1].size() - 11), " (computer)");
}

}  // namespace
}  // namespace zelkora::testing
