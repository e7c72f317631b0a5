// The search-core levels in the computer's turn: the core's move is played
// and recorded as any other computer move, the thinking runs inside the half
// second, a higher level searches further, and a game's seed draws among
// near-best moves where ヒント does not.
#include <gtest/gtest.h>

#include <set>

#include "computer/engine_bridge.h"
#include "engine/search.h"
#include "tests/common/fakes.h"

namespace zelkora::testing {
namespace {

// A middle game the search settles (a forced win) within a few thousand nodes,
// so the half-second cap can never cut the turn's search short, however busy
// the machine running the test.
constexpr const char* kMiddle = "1nb3snl/2s1g1g2/4p2pp/2pk2p2/l4p3/4P1P2/2+bP1P1PP/3R4L/4GK1N1 w R3Pg2snl3p 1";

// The core's own answer for the position with the level's budget.
MoveRecord coreChoice(const char* sfen, int level) {
    auto h = positionHarness(sfen);
    engine::Position p = toEngine((*h)->board, (*h)->hands, true);
    engine::SearchLimits limits = searchLimits(level);
    limits.seconds = 1e9;
    engine::Searcher searcher;
    const engine::SearchResult r = searcher.search(p, limits);
    EXPECT_TRUE(r.valid);
    EXPECT_LT(r.nodes, 20000u);
    return toRecord(p, r.best);
}

// A position that a level settles within its budget plays the same at every
// level, so one level shows the turn; the budgets are compared below.
TEST(SearchLevels, TheComputersTurnPlaysTheCoresMoveWithinTheHalfSecond) {
    const int level = FIRST_SEARCH_LEVEL;
    Harness h;
    h.start();
    h.setPosition(kMiddle);
    Form1& f = *h;
    f.turn.gameMode = MODE_COM;
    f.turn.lowerTag = GOTE;
    f.turn.upperTag = SENTE;
    f.turn.sideToMove = SENTE;
    f.flags.level = level;
    f.com_ban();

    ASSERT_EQ(f.moves.count, 1);
    const MoveRecord& r = f.moves.entry[1];
    const MoveRecord want = coreChoice(kMiddle, level);
    EXPECT_EQ(std::vector<int>({r.fromX, r.fromY, r.toX, r.toY, r.before, r.after}),
              std::vector<int>({want.fromX, want.fromY, want.toX, want.toY, want.before, want.after}));
    EXPECT_EQ(f.board.at(r.toX, r.toY), r.after);
    EXPECT_EQ(f.turn.sideToMove, f.turn.lowerTag);
    // The half second runs on the timer beside the search, not after it.
    EXPECT_EQ(h.worker.waits, std::vector<double>({0.5}));
}

// From the opening (the bench's first position) no level settles the result, so each
// searches to its budget: LEVEL5 must visit more nodes than LEVEL4 and
// complete at least as deep an iteration.
TEST(SearchLevels, LevelFiveSearchesFurtherThanLevelFour) {
    engine::SearchResult results[2];
    for (int level : {4, 5}) {
        auto h = positionHarness(std::string(BENCH_POSITIONS[0]) + " 1");
        engine::Position p = toEngine((*h)->board, (*h)->hands, true);
        engine::SearchLimits limits = searchLimits(level);
        limits.seconds = limits.wallSeconds = 1e9;
        engine::Searcher searcher;
        results[level - 4] = searcher.search(p, limits);
        EXPECT_LT(results[level - 4].score, engine::WIN_BOUND) << level;
    }
    EXPECT_GT(results[1].nodes, 2 * results[0].nodes);
    EXPECT_GE(results[1].depth, results[0].depth);
}

TEST(SearchLevels, GamesDrawAmongNearBestMovesAndTheHintDoesNot) {
    // The opening: many moves score alike. Each level's draw for move 0 of
    // eight seeds; the hint's search (best only) ignores the seed.
    for (int level : {4, 5, 6}) {
        std::set<std::uint32_t> drawn, hinted;
        for (std::uint64_t seed = 1; seed <= 8; ++seed)
            for (bool bestOnly : {false, true}) {
                engine::Position p = engine::initialPosition(engine::UPPER);
                engine::SearchLimits limits = gameSearchLimits(level, seed, 0, bestOnly);
                limits.nodes = 20000;
                limits.seconds = 1e9;
                engine::Searcher searcher;
                (bestOnly ? hinted : drawn).insert(searcher.search(p, limits).best.pack());
            }
        EXPECT_GE(drawn.size(), 2u) << level;
        EXPECT_EQ(hinted.size(), 1u) << level;
    }
}

TEST(SearchLevels, TheBridgeRecordsDropsAndCapturesAsTheGameDoes) {
    // The upper silver must take the lower gold; the lower side drops a pawn.
    auto h = positionHarness("4k4/9/9/9/4s4/3GP4/9/9/4K4 w P 1");
    engine::Position p = toEngine((*h)->board, (*h)->hands, true);
    engine::MoveList list;
    engine::generate(p, list, false);
    ASSERT_EQ(list.n, 1);
    const MoveRecord take = toRecord(p, list.m[0]);
    EXPECT_EQ(std::vector<int>({take.fromX, take.fromY, take.toX, take.toY, take.captured, take.before, take.after}),
              std::vector<int>({5, 5, 4, 6, SITA_KIN, UE_GIN, UE_GIN}));
    p.setSide(engine::LOWER);
    const MoveRecord drop = toRecord(p, engine::Move{0, static_cast<std::uint8_t>(engine::square(1, 5)), 1, 0});
    EXPECT_EQ(std::vector<int>({drop.fromX, drop.fromY, drop.toX, drop.toY, drop.before, drop.after}),
              std::vector<int>({LOWER_HAND_X, 1, 1, 5, SITA_HU, SITA_HU}));
}

}  // namespace
}  // namespace zelkora::testing
