// Search sanity: it takes a win the rules give at once, its claims of a won or
// lost game within two plies agree with a brute-force look at the move tree,
// and the same position with the same budget always gives the same answer.
#include <gtest/gtest.h>

#include <atomic>
#include <random>

#include "computer/engine_bridge.h"
#include "engine/evaluate.h"
#include "engine/movegen.h"
#include "engine/search.h"
#include "game/sfen.h"

namespace zelkora::testing {
namespace {

using engine::Position;

Position fromSfen(const char* sfen) {
    zelkora::Position parsed;
    std::string error;
    EXPECT_TRUE(parseSfen(sfen, parsed, error)) << error;
    return toEngine(parsed.board, parsed.hands, !parsed.lowerToMove);
}

// Kings in the corners: a knight's attack is looked for two rows behind the
// square, which from an edge row lies beyond the board's border.
TEST(Attacked, KnightsAtTheEdgeRows) {
    struct Case { const char* sfen; int x, y, by; bool expected; };
    const Case cases[] = {
        {"k8/9/9/9/9/9/9/9/8K w -", 1, 1, engine::LOWER, false},
        {"k8/9/1N7/9/9/9/9/9/8K w -", 1, 1, engine::LOWER, true},
        {"8k/9/9/9/9/9/9/9/K8 w -", 1, 9, engine::UPPER, false},
        {"8k/9/9/9/9/9/1n7/9/K8 w -", 1, 9, engine::UPPER, true},
        {"8k/9/9/9/9/9/9/9/K8 w -", 9, 1, engine::LOWER, false},
        {"k8/9/9/9/9/9/9/9/8K w -", 9, 9, engine::UPPER, false},
    };
    for (const Case& c : cases) {
        const Position p = fromSfen(c.sfen);
        EXPECT_EQ(engine::attacked(p, engine::square(c.x, c.y), c.by), c.expected) << c.sfen;
    }
}

engine::SearchLimits budget(std::uint64_t nodes) {
    engine::SearchLimits limits;
    limits.nodes = nodes;
    limits.seconds = 1e9;   // no clock: the results must not depend on the machine
    return limits;
}

// Does the side to move have a move after which the game ends in its favour,
// at once or with every reply of the opponent (or the opponent has none)?
bool winsInTwoPlies(Position& p) {
    const int me = p.side;
    engine::MoveList mine;
    engine::generate(p, mine, true);
    for (int i = 0; i < mine.n; ++i) {
        engine::Undo u;
        p.make(mine.m[i], u);
        engine::Result r = engine::resultAfter(p, u);
        bool win = r != engine::NO_RESULT && (r == engine::UPPER_WINS) == (me == engine::UPPER);
        if (r == engine::NO_RESULT) {
            engine::MoveList replies;
            engine::generate(p, replies, true);
            win = true;   // a side without a move loses
            for (int j = 0; j < replies.n && win; ++j) {
                engine::Undo v;
                p.make(replies.m[j], v);
                const engine::Result r2 = engine::resultAfter(p, v);
                win = r2 != engine::NO_RESULT && (r2 == engine::UPPER_WINS) == (me == engine::UPPER);
                p.unmake(v);
            }
        }
        p.unmake(u);
        if (win) return true;
    }
    return false;
}

TEST(Search, StepsItsKingOntoTheOnlySquareTheOpponentReaches) {
    // The upper king on (5, 1); the lower pawn on (5, 3) reaches only (5, 2).
    Position p = fromSfen("4k4/9/4P4/9/9/9/9/9/4K4 w -");
    engine::Searcher searcher;
    const engine::SearchResult r = searcher.search(p, budget(20000));
    ASSERT_TRUE(r.valid);
    EXPECT_EQ(r.best.from, engine::square(5, 1));
    EXPECT_EQ(r.best.to, engine::square(5, 2));
    EXPECT_GT(r.score, engine::WIN_BOUND);
}

TEST(Search, WinsWithinTwoPliesAgreeWithTheMoveTree) {
    std::mt19937 rng(11);
    static const int kinds[] = {10, 20, 30, 100, 110, 800, 900, 11, 801, 901};
    engine::Searcher searcher;
    int wins = 0;
    for (int n = 0; n < 300; ++n) {
        Position p;
        p.put(1 + int(rng() % 9), 1 + int(rng() % 4), 950);
        p.put(1 + int(rng() % 9), 6 + int(rng() % 4), -950);
        for (int i = 0; i < 8; ++i) {
            const int x = 1 + int(rng() % 9), y = 2 + int(rng() % 7);
            if (p.at(x, y) == 0) p.put(x, y, kinds[rng() % 10] * (rng() % 2 ? 1 : -1));
        }
        p.setHand(engine::UPPER, 1 + int(rng() % 7), int(rng() % 2));
        p.setSide(int(rng() % 2));
        const bool brute = winsInTwoPlies(p);
        const engine::SearchResult r = searcher.search(p, budget(3000));
        if (!r.valid) continue;
        EXPECT_EQ(brute, r.score >= engine::WIN - 2) << n;
        if (brute) ++wins;
    }
    EXPECT_GT(wins, 20);
}

TEST(Search, TheBudgetBoundsTheCaptureChainsToo) {
    // One ply deep, the compulsory captures that follow each of the four moves
    // make a tree of about 9,000 nodes; a budget of 100 stops it within.
    Position p = fromSfen("9/6k2/1sR1p4/1SGlLG+B1+p/GL+b+R4+r/BnG1bPN+RL/+RN1+B+PSR+b1/9/6K2 w -");
    engine::Searcher searcher;
    engine::SearchLimits limits = budget(100000000);
    limits.maxDepth = 1;
    EXPECT_GT(searcher.search(p, limits).nodes, 5000u);
    for (std::uint64_t nodes : {1u, 100u, 1000u}) {
        const engine::SearchResult r = searcher.search(p, budget(nodes));
        EXPECT_TRUE(r.valid);
        EXPECT_LE(r.nodes, nodes + 1) << nodes;
    }
}

// The search pinned: its node count and moves on the benchmark's positions
// (`make bench` reports the same signature). A change to how the search
// explores (PVS re-search, table bounds, mate scores, the budget) changes them;
// a deliberate change to the search records the new values here.
TEST(Search, SignatureOfTheBenchPositions) {
    const SearchSignature s = searchSignature();
    EXPECT_EQ(s.nodes, 507565u);
    EXPECT_EQ(s.hash, 15593476726949918063u);
}

TEST(Search, TheCapsAndTheStopFlagEndASearchWithAMove) {
    // Each limit alone, against a budget far beyond it: the CPU-time cap, the
    // wall clock, and the flag another thread sets. Clocks are read every
    // 1,024 nodes.
    std::atomic<bool> stop{true};
    const struct {
        const char* name;
        double cpu, wall;
        const std::atomic<bool>* flag;
    } cases[] = {{"cpu", 0, 1e9, nullptr}, {"wall", 1e9, 1e-9, nullptr}, {"flag", 1e9, 1e9, &stop}};
    for (const auto& c : cases) {
        Position p = engine::initialPosition(engine::UPPER);
        engine::SearchLimits limits = budget(100000000);
        limits.seconds = c.cpu;
        limits.wallSeconds = c.wall;
        limits.stop = c.flag;
        engine::Searcher searcher;
        const engine::SearchResult r = searcher.search(p, limits);
        EXPECT_TRUE(r.valid && r.stoppedByClock) << c.name;
        EXPECT_LE(r.nodes, 1100u) << c.name;
    }
}

TEST(Search, TheSameBudgetGivesTheSameMoveWhateverCameBefore) {
    // A search in between, shorter or with a larger table, must not matter:
    // the part of the table in use, the killers and the history start afresh.
    const char* sfen = "ln1g1g1nl/1r1s1k1b1/p1pppp1pp/1p4p2/9/2P3P2/PP1PPP1PP/1B1S1K1R1/LN1G1GSNL w Sp";
    Position p = fromSfen(sfen);
    const auto wide = [](std::uint64_t nodes) {
        engine::SearchLimits limits = budget(nodes);
        limits.tableBits = 21;
        limits.partialIterations = true;
        return limits;
    };
    for (const engine::SearchLimits& limits : {budget(50000), wide(60000)}) {
        for (const engine::SearchLimits& between : {budget(7000), wide(9000)}) {
            engine::Searcher first, second;
            const engine::SearchResult a = first.search(p, limits);
            second.search(p, between);
            const engine::SearchResult b = second.search(p, limits);
            EXPECT_EQ(a.best, b.best);
            EXPECT_EQ(a.score, b.score);
            EXPECT_EQ(a.nodes, b.nodes);
            EXPECT_GE(a.depth, 2);
        }
    }
    EXPECT_EQ(p.key, p.computeKey());
}

TEST(Search, ACutShortIterationCountsOnlyOnceItHasSearchedTheLastBest) {
    // The budget runs out a few nodes into the next iteration: its first move,
    // the last best, is not finished, so the completed iteration's move stands.
    Position p = engine::initialPosition(engine::UPPER);
    engine::Searcher searcher;
    for (int depth = 2; depth <= 4; ++depth) {
        engine::SearchLimits complete = budget(100000000);
        complete.maxDepth = depth;
        const engine::SearchResult done = searcher.search(p, complete);
        engine::SearchLimits cut = budget(done.nodes + 20);
        cut.partialIterations = true;
        const engine::SearchResult r = searcher.search(p, cut);
        EXPECT_EQ(r.depth, depth);
        EXPECT_EQ(r.best, done.best) << depth;
        EXPECT_EQ(r.score, done.score) << depth;
        EXPECT_GE(r.nodes, done.nodes + 20) << "the whole budget is spent";
    }
}

}  // namespace
}  // namespace zelkora::testing
