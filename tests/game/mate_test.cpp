// Mate tests: 詰めかCOM for the upper king and 詰めかMAN for the lower king,
// with king escapes, captures of the checker, interpositions and drops; the
// question whether an upper piece still reaches the lower king; the escape count.
// Every test also checks that the trials put the board back.
#include <gtest/gtest.h>

#include "tests/common/fakes.h"

namespace zelkora::testing {
namespace {

struct MateCase {
    const char* name;
    const char* sfen;
    int expected;
};

std::ostream& operator<<(std::ostream& os, const MateCase& c) { return os << c.name; }

void expectUnchanged(const Form1& f, const Position& p) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) ASSERT_EQ(f.board.at(x, y), p.board.at(x, y)) << x << "," << y;
    for (int k = 1; k <= 7; ++k) {
        ASSERT_EQ(f.hands.lower[k], p.hands.lower[k]);
        ASSERT_EQ(f.hands.upper[k], p.hands.upper[k]);
    }
}

Position parsed(const char* sfen) {
    Position p;
    std::string error;
    EXPECT_TRUE(parseSfen(sfen, p, error)) << error;
    return p;
}

// The upper king in the top-left corner unless said otherwise.
const MateCase kUpperKing[] = {
    {"NotInCheckIsNeverMate", "kl7/lp7/9/9/9/9/9/9/4K4 b - 1", NO},
    {"ProtectedGoldMates", "k8/G8/P8/9/9/9/9/9/4K4 b - 1", YES},
    {"KingTakesAnUnprotectedChecker", "k8/G8/9/9/9/9/9/9/4K4 b - 1", NO},
    {"RookTakesTheProtectedChecker", "k8/G7r/P8/9/9/9/9/9/4K4 b - 1", NO},
    {"FreeNeighbourSquare", "k8/9/L8/9/9/9/9/9/4K4 b - 1", NO},
    {"OwnPiecesBlockTheEscapes", "kl7/1p7/9/9/9/9/9/9/L3K4 b - 1", YES},
    {"SilverInterposes", "kl7/1s7/9/9/9/9/9/9/L3K4 b - 1", NO},
    {"APieceInHandDoesNotParryByItself", "kl7/1p7/9/9/9/9/9/9/L3K4 b g 1", YES},
    {"OnlyPawnsInHandChangeNothing", "kl7/1p7/9/9/9/9/9/9/L3K4 b 3p 1", YES},
    {"DoubleCheckCannotBeBlockedOnce", "kl7/1s7/1N7/9/9/9/9/9/L3K4 b - 1", YES},
    {"AttackedOnlyByTheLowerKingWithNothingInHand", "k8/1K7/1P7/9/9/9/9/9/9 b - 1", YES},
    {"AttackedOnlyByTheLowerKingWithAPieceInHand", "k8/1K7/1P7/9/9/9/9/9/9 b p 1", NO},
};

// The lower king in the bottom-right corner unless said otherwise.
const MateCase kLowerKing[] = {
    {"NotInCheckIsNeverMate", "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1", NO},
    {"OwnPiecesBlockTheEscapes", "4k3l/9/9/9/9/9/9/7P1/7LK b - 1", YES},
    {"SilverInterposes", "4k3l/9/9/9/9/9/9/7S1/7LK b - 1", NO},
    {"RookTakesTheChecker", "4kR2l/9/9/9/9/9/9/7P1/7LK b - 1", NO},
    {"FreeNeighbourSquare", "4k3l/9/9/9/9/9/9/9/7LK b - 1", NO},
    {"APieceInHandDoesNotParryByItself", "4k3l/9/9/9/9/9/9/7P1/7LK b G 1", YES},
    {"GoldGuardedByAKnight", "4k4/9/9/9/9/7n1/9/8g/8K b - 1", YES},
    {"KingTakesTheUnguardedGold", "4k4/9/9/9/9/9/9/8g/8K b - 1", NO},
    {"AttackedOnlyByTheUpperKingWithNothingInHand", "9/9/9/9/9/9/7p1/7k1/8K b - 1", YES},
    {"AttackedOnlyByTheUpperKingWithAPieceInHand", "9/9/9/9/9/9/7p1/7k1/8K b P 1", NO},
};

class UpperKingMate : public ::testing::TestWithParam<MateCase> {};
class LowerKingMate : public ::testing::TestWithParam<MateCase> {};

TEST_P(UpperKingMate, 詰めかCOM) {
    const MateCase& c = GetParam();
    auto h = positionHarness(c.sfen);
    Form1& f = **h;
    f.勢力調査();
    EXPECT_EQ(f.詰めかCOM(), c.expected);
    expectUnchanged(f, parsed(c.sfen));
}

TEST_P(LowerKingMate, 詰めかMAN) {
    const MateCase& c = GetParam();
    auto h = positionHarness(c.sfen);
    Form1& f = **h;
    f.勢力調査();
    EXPECT_EQ(f.詰めかMAN(), c.expected);
    expectUnchanged(f, parsed(c.sfen));
}

INSTANTIATE_TEST_SUITE_P(Positions, UpperKingMate, ::testing::ValuesIn(kUpperKing),
                         [](const auto& info) { return std::string(info.param.name); });
INSTANTIATE_TEST_SUITE_P(Positions, LowerKingMate, ::testing::ValuesIn(kLowerKing),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MateTests, ReadTheMapTheLastSurveyLeft) {
    // The lower king is mated, but the map still describes the start position.
    auto h = positionHarness("lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1");
    Form1& f = **h;
    f.勢力調査();
    h->setPosition("4k3l/9/9/9/9/9/9/7P1/7LK b - 1");
    EXPECT_EQ(f.詰めかMAN(), NO);
    f.勢力調査();
    EXPECT_EQ(f.詰めかMAN(), YES);
}

TEST(UpperPieceReachesTheLowerKing, FollowsTheMoveRules) {
    const MateCase cases[] = {
        {"RookOnAnOpenFile", "4k3r/9/9/9/9/9/9/9/8K b - 1", YES},
        {"RookBlocked", "4k3r/9/9/9/9/9/9/8P/8K b - 1", NO},
        {"LowerRookDoesNotCount", "4k3R/9/9/9/9/9/9/9/8K b - 1", NO},
        {"UpperKingNextToIt", "9/9/9/9/9/9/9/7k1/8K b - 1", YES},
        {"KnightJump", "4k4/9/9/9/9/9/7n1/9/8K b - 1", YES},
        {"PawnBehindCannotMoveBack", "4k4/9/9/9/9/9/9/9/7pK b - 1", NO},
        {"NothingNear", "4k4/9/9/9/9/9/9/9/8K b - 1", NO},
    };
    for (const MateCase& c : cases) {
        auto h = positionHarness(c.sfen);
        Form1& f = **h;
        f.勢力調査();
        EXPECT_EQ(f.詰めかMAN_COM移動(), c.expected) << c.name;
    }
}

TEST(EscapeSquares, CountsEmptyNeighboursTheUpperSideDoesNotReach) {
    const MateCase cases[] = {
        {"StartPosition", "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1", 3},
        {"CornerWithARookOnRow8", "4k4/9/9/9/9/9/9/r8/8K b - 1", 1},
        {"OccupiedNeighboursDoNotCount", "8k/9/9/3pP4/4K4/9/9/9/9 b - 1", 5},
        {"OpenBoard", "8k/9/9/9/4K4/9/9/9/9 b - 1", 8},
        {"SurroundedByUpperReach", "4k4/9/9/9/4K4/9/9/9/4r4 w - 1", 6},
    };
    for (const MateCase& c : cases) {
        auto h = positionHarness(c.sfen);
        Form1& f = **h;
        f.勢力調査();
        EXPECT_EQ(f.調査_自王逃道(), c.expected) << c.name;
    }
}

}  // namespace
}  // namespace zelkora::testing
