// Counting the results: wins, losses and streaks per level and grade, help
// counted apart; and the game reports each finished game against the computer
// (never one between two humans) with the help it used.
#include <gtest/gtest.h>

#include "results/results_table.h"
#include "tests/common/fakes.h"

namespace zelkora::testing {
namespace {

struct CountCase {
    const char* name;
    std::vector<GameResult> games;   // all at level 3, grade 0 unless given
    ResultCounts expected;
};

GameResult win(bool matta = false, bool hint = false) { return {3, 0, true, matta, hint}; }
GameResult loss() { return {3, 0, false, false, false}; }

const CountCase CASES[] = {
    {"StreakRunsAndBreaks", {win(), win(), loss(), win()}, {4, 3, 1, 1, 2, 0, 0}},
    {"BestStreakKept", {win(), win(), win(), loss(), loss()}, {5, 3, 2, 0, 3, 0, 0}},
    {"HelpCountedApart", {win(true), win(false, true), win(true, true), loss()}, {4, 3, 1, 0, 3, 2, 2}},
    {"OtherRowsApart", {{5, 0, true}, {3, -2, true}, loss()}, {1, 0, 1, 0, 0, 0, 0}},
};

class Counting : public ::testing::TestWithParam<CountCase> {};

TEST_P(Counting, RowOfLevelThreeGradeZero) {
    ResultsTable table;
    for (const GameResult& g : GetParam().games) countGame(table, g);
    EXPECT_EQ((table[ResultKey{3, 0}]), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Results, Counting, ::testing::ValuesIn(CASES),
                         [](const auto& info) { return std::string(info.param.name); });

class RecordingResults : public Results {
public:
    std::vector<GameResult> games;
    void record(const GameResult& game) override { games.push_back(game); }
    void show() override {}
};

TEST(Results, GameReportsItsEndWithLevelGradeAndHelp) {
    Harness h;
    RecordingResults results;
    h->io.results = &results;
    h.start();
    h->LEVEL2_Click();
    h->LEBEL_DOWN_Click();
    h->SENTE_Click();
    h->HINT_Click();
    h->終了("あなた");
    h->SENTE_Click();
    h->終了("コンピュータ");
    h->START_Click();
    h->終了("先手");
    ASSERT_EQ(results.games.size(), 2u) << "a game between two humans is not counted";
    EXPECT_EQ(results.games[0].level, 2);
    EXPECT_EQ(results.games[0].grade, -1);
    EXPECT_TRUE(results.games[0].won);
    EXPECT_TRUE(results.games[0].hint);
    EXPECT_FALSE(results.games[1].won);
    EXPECT_FALSE(results.games[1].hint) << "help is cleared for the next game";
}

}  // namespace
}  // namespace zelkora::testing
