// Western notation of the game's moves (display/western_notation.h).
#include <gtest/gtest.h>

#include "display/western_notation.h"

namespace zelkora::testing {
namespace {

TEST(WesternNotation, MovesCapturesDropsAndPromotions) {
    const struct {
        MoveRecord move;
        const char* text;
    } cases[] = {
        {{3, 7, 3, 6, 0, -10, -10}, "P-7f"},
        {{8, 8, 7, 3, 10, -800, -801}, "Bx3c+"},
        {{11, 5, 5, 5, 0, -100, -100}, "S*5e"},
        {{-1, 3, 5, 5, 0, 100, 100}, "S*5e"},
        {{8, 2, 8, 8, -800, 901, 901}, "+Rx2h"},
        {{2, 1, 3, 3, 0, 30, 30}, "N-7c"},
        {{5, 9, 5, 8, 0, -950, -950}, "K-5h"},
    };
    for (const auto& c : cases) EXPECT_EQ(westernMove(c.move), c.text);
}

}  // namespace
}  // namespace zelkora::testing
