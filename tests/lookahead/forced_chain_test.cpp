// The forced-capture look-ahead: the chains it finds on positions whose
// forced lines are known, and how the board shows the one under the mouse.
#include <gtest/gtest.h>

#include "computer/engine_bridge.h"
#include "lookahead/forced_chain.h"
#include "tests/game/human_turn_helpers.h"

namespace zelkora::testing {
namespace {

using lookahead::Outcome;

struct ChainCase {
    const char* name;
    const char* sfen;
    int fromX, fromY, toX, toY;
    bool mateRule;
    std::vector<std::pair<int, int>> squares;   // the target of each ply
    Outcome outcome;
};

void PrintTo(const ChainCase& c, std::ostream* os) { *os << c.name; }

class ForcedChain : public ::testing::TestWithParam<ChainCase> {};

TEST_P(ForcedChain, FollowsTheForcedRepliesToTheirEnd) {
    const ChainCase& c = GetParam();
    auto h = positionHarness(c.sfen);
    const engine::Position p = toEngine((*h)->board, (*h)->hands, false);
    const auto chains = lookahead::chainsOfPiece(p, c.fromX, c.fromY, 0, c.mateRule);
    const auto found = std::find_if(chains.begin(), chains.end(),
                                    [&](const lookahead::TargetChain& t) { return t.x == c.toX && t.y == c.toY; });
    ASSERT_NE(found, chains.end());
    std::vector<std::pair<int, int>> squares;
    for (const engine::Move& m : found->chain.plies) squares.emplace_back(engine::fileOf(m.to), engine::rowOf(m.to));
    EXPECT_EQ(squares, c.squares);
    EXPECT_EQ(found->chain.outcome, c.outcome);
}

INSTANTIATE_TEST_SUITE_P(
    KnownLines, ForcedChain,
    ::testing::Values(
        // Silver takes, the gold must take back, the lance must take the
        // gold; then the upper side may move as it likes.
        ChainCase{"RecapturesUntilAFreeChoice", "4k4/9/4g4/4p4/4S4/9/9/4L4/4K4 b -", 5, 5, 5, 4, false,
                  {{5, 4}, {5, 4}, {5, 4}}, Outcome::Open},
        // The gold takes back, the king must take it, the lance takes the king.
        ChainCase{"LureEndsWithTheOwnKingTaken", "4l3k/9/4g4/4p4/4SK3/9/9/9/9 b -", 5, 5, 5, 4, false,
                  {{5, 4}, {5, 4}, {5, 4}, {5, 4}}, Outcome::KingGivenUp},
        ChainCase{"TakingTheKingLoses", "4k4/4P4/9/9/9/9/9/9/4K4 b -", 5, 2, 5, 1, false, {{5, 1}}, Outcome::KingTaken},
        // Against the computer the mate ends the game at once; between two
        // players the king must take the gold and the silver takes the king.
        ChainCase{"MateAgainstTheComputer", "4k4/9/3SG4/9/9/9/9/9/4K4 b -", 5, 3, 5, 2, true, {{5, 2}}, Outcome::Mates},
        ChainCase{"SameMateBetweenTwoPlayers", "4k4/9/3SG4/9/9/9/9/9/4K4 b -", 5, 3, 5, 2, false,
                  {{5, 2}, {5, 2}, {5, 2}}, Outcome::KingTaken}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ForcedChainNone, QuietOpeningMovesStartNoChain) {
    auto h = positionHarness(INITIAL);
    const engine::Position p = toEngine((*h)->board, (*h)->hands, false);
    for (const auto& [x, y] : {std::pair{3, 7}, {2, 8}, {5, 9}})
        EXPECT_TRUE(lookahead::chainsOfPiece(p, x, y, 0, true).empty()) << x << "," << y;
}

// On the board: the target is outlined, the numbers and the result appear
// under the mouse and go when the mouse leaves; the game is untouched.
TEST(LookAheadOnBoard, NumbersTheChainUnderTheMouseAndTakesItOff) {
    auto h = twoHumans("4l3k/9/4g4/4p4/4SK3/9/9/9/9 b -");
    (*h)->SAKIYOMI_Click();
    click(*h, 5, 5);
    EXPECT_EQ(boardOutlines(h->canvas, COLOUR_LOOKAHEAD), (std::vector<std::pair<int, int>>{{5, 4}}));
    const std::string before = position(**h);
    h->clearLogs();
    (*h)->Form_MouseMove(1050 + 495 * 5 + 100, 100 + 615 * 4 + 100);
    std::vector<std::string> texts;
    for (const auto& t : h->canvas.texts()) texts.push_back(t.text);
    for (const char* shown : {"1", "2", "3", "4", "王を取らせて勝ち"})
        EXPECT_NE(std::find(texts.begin(), texts.end(), shown), texts.end()) << shown;
    h->clearLogs();
    (*h)->Form_MouseMove(1050 + 495 * 8 + 100, 100 + 615 * 8 + 100);
    EXPECT_TRUE(h->canvas.texts().empty());
    const std::vector<int> frames = h->canvas.outlinesOfCell(5, 4);
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(frames.back(), COLOUR_LOOKAHEAD) << "the target is marked again";
    const auto pictures = h->canvas.of(CanvasCall::Picture);
    EXPECT_TRUE(std::any_of(pictures.begin(), pictures.end(), [](const CanvasCall& c) {
        return c.x == 1050 + 495 * 5 && c.y == 100 + 615 * 4;
    })) << "the numbered square is drawn again";
    EXPECT_EQ(position(**h), before);
    EXPECT_EQ((*h)->sel.clickState, 1);
}

}  // namespace
}  // namespace zelkora::testing
