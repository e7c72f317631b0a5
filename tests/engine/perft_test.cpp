// Perft of the search core on fixed positions, checked against the same count
// built on the game's own procedures (tests/engine/reference.h).
#include <gtest/gtest.h>

#include "computer/engine_bridge.h"
#include "engine/movegen.h"
#include "game/sfen.h"
#include "tests/engine/reference.h"

namespace zelkora::testing {
namespace {

struct PerftCase {
    const char* name;
    const char* sfen;
    int depth;
};

// The initial position (both sides to move), a middle game with pieces in hand
// and compulsory captures, and an endgame where checks and mates occur.
const PerftCase CASES[] = {
    {"initial, lower to move", "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b -", 3},
    {"initial, upper to move", "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w -", 3},
    {"middle game", "ln1g1g1nl/1r1s1k1b1/p1pppp1pp/1p4p2/9/2P3P2/PP1PPP1PP/1B1S1K1R1/LN1G1GSNL b Sp", 3},
    {"endgame", "4k4/9/3G1g3/9/4P4/2b6/9/9/6K2 w RSNrsnp", 2},
};

TEST(Perft, CoreCountsEqualTheGamesOwnMoveProcedures) {
    for (const PerftCase& c : CASES) {
        zelkora::Position parsed;
        std::string error;
        ASSERT_TRUE(parseSfen(c.sfen, parsed, error)) << c.name << ": " << error;
        Reference ref;
        loadPosition(ref.form(), parsed);
        engine::Position p = toEngine(parsed.board, parsed.hands, !parsed.lowerToMove);
        for (int depth = 1; depth <= c.depth; ++depth) {
            const std::uint64_t core = engine::perft(p, depth);
            EXPECT_EQ(core, ref.perft(depth)) << c.name << " depth " << depth;
            EXPECT_GT(core, 0u) << c.name;
        }
    }
}

}  // namespace
}  // namespace zelkora::testing
