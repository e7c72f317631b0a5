// The core given any position, even one no game reaches (a knight on its last
// rows, a pawn on its last row): every piece of both sides on every square of
// the edge rows and columns. Moves, the evaluation and a short search stay on
// the board; built with the sanitizers, no read or write leaves the arrays.
#include <gtest/gtest.h>

#include "engine/evaluate.h"
#include "engine/movegen.h"
#include "engine/search.h"

namespace zelkora::testing {
namespace {

using engine::square;

bool onBoard(int sq) {
    const int x = engine::fileOf(sq), y = engine::rowOf(sq);
    return x >= 1 && x <= 9 && y >= 1 && y <= 9;
}

bool allOnBoard(const engine::MoveList& list) {
    for (int i = 0; i < list.n; ++i) {
        const engine::Move& m = list.m[i];
        if (!onBoard(m.to) || (!m.isDrop() && !onBoard(m.from))) return false;
    }
    return true;
}

TEST(BoardEdge, EveryPieceOnEveryEdgeSquareMovesOnlyOnTheBoard) {
    static const int codes[] = {10, 11, 20, 21, 30, 31, 100, 101, 110, 800, 801, 900, 901};
    engine::Searcher searcher;
    engine::SearchLimits limits;
    limits.nodes = 200;
    limits.seconds = 1e9;
    int cases = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            if (!(y <= 2 || y >= 8 || x == 1 || x == 9)) continue;
            for (int code : codes)
                for (int sign : {1, -1})
                    for (int side : {engine::LOWER, engine::UPPER}) {
                        engine::Position p;
                        p.put(3, 5, engine::KING);
                        p.put(7, 5, -engine::KING);
                        p.put(x, y, sign * code);
                        p.setSide(side);
                        engine::MoveList list;
                        for (bool expand : {false, true}) {
                            engine::generate(p, list, expand);
                            ASSERT_TRUE(allOnBoard(list)) << x << "," << y << " " << sign * code << " " << side;
                        }
                        engine::evaluate(p);
                        const engine::SearchResult r = searcher.search(p, limits);
                        ASSERT_TRUE(!r.valid || onBoard(r.best.to)) << x << "," << y << " " << sign * code;
                        ++cases;
                    }
        }
    EXPECT_EQ(cases, 46 * 13 * 4);
}

}  // namespace
}  // namespace zelkora::testing
