// The review's marks: the mover's fall in evaluation decides "?" and "??", and
// on a position where the lower player wins at once (the upper rook must take
// his king) stepping the king out of its reach is marked a blunder while a
// quiet pawn move is not.
#include <gtest/gtest.h>

#include "game/sfen.h"
#include "review/review.h"

namespace zelkora {
namespace {

struct MarkCase {
    int before, after;
    bool upperMoved;
    Mark expected;
};

const MarkCase MARKS[] = {
    {0, -MISTAKE_DROP, false, Mark::None},          {0, -MISTAKE_DROP - 1, false, Mark::Mistake},
    {0, -BLUNDER_DROP - 1, false, Mark::Blunder},   {0, BLUNDER_DROP + 1, true, Mark::Blunder},
    {0, BLUNDER_DROP + 1, false, Mark::None},       {EVAL_CLAMP, -EVAL_CLAMP, true, Mark::None},
};

TEST(Review, FallOfTheMoverMarks) {
    for (const MarkCase& c : MARKS)
        EXPECT_EQ(markOf(c.before, c.after, c.upperMoved), c.expected) << c.before << " " << c.after;
}

// Upper king 9a (screen 1,1), upper rook on the lower king's column; lower to move.
constexpr const char* WON = "k3r4/9/9/9/4K4/9/P8/9/9 b - 1";

std::vector<ReviewedMove> reviewFrom(const char* sfen, const MoveRecord& move) {
    Position p;
    std::string error;
    EXPECT_TRUE(parseSfen(sfen, p, error)) << error;
    return reviewGame(p.board, p.hands, {move});
}

TEST(Review, KnownBlunderIsMarked) {
    const MoveRecord pawnStep{1, 7, 1, 6, 0, SITA_HU, SITA_HU};
    const MoveRecord kingAway{5, 5, 4, 5, 0, SITA_OU, SITA_OU};
    const auto quiet = reviewFrom(WON, pawnStep);
    const auto blunder = reviewFrom(WON, kingAway);
    ASSERT_EQ(quiet.size(), 1u);
    ASSERT_EQ(blunder.size(), 1u);
    EXPECT_EQ(quiet[0].before.lowerEval, EVAL_CLAMP) << "a forced win stands at the top";
    EXPECT_EQ(quiet[0].mark, Mark::None);
    EXPECT_EQ(blunder[0].mark, Mark::Blunder);
    EXPECT_EQ(std::string(markText(blunder[0].mark)), "??");
    EXPECT_TRUE(blunder[0].before.bestValid);
}

}  // namespace
}  // namespace zelkora
