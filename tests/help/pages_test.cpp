// The pages of "遊び方": both languages on every page, and every diagram a
// position that could arise in a game, its marks on cells the game draws.
#include <gtest/gtest.h>

#include "engine/movegen.h"
#include "game/sfen.h"
#include "help/pages.h"

namespace zelkora {
namespace {

bool onGrid(const help::Mark& m) {
    const bool board = m.x >= 1 && m.x <= 9 && m.y >= 1 && m.y <= 9;
    const bool lowerStand = m.x == LOWER_HAND_X && m.y >= 3 && m.y <= 9;
    const bool upperStand = m.x == UPPER_HAND_X && m.y >= 1 && m.y <= 7;
    return board || lowerStand || upperStand;
}

// What the rules never let stand on a board: a missing or second king, a
// piece that could not move again, two unpromoted pawns of a side in a file.
std::string ruleBroken(const Position& p) {
    int kings[2] = {0, 0};
    for (int x = 1; x <= 9; ++x) {
        int pawns[2] = {0, 0};
        for (int y = 1; y <= 9; ++y) {
            const int code = p.board.at(x, y);
            if (code == 0) continue;
            const int side = code > 0 ? 1 : 0;
            if (code == (side ? UE_OU : SITA_OU)) ++kings[side];
            if (code == (side ? UE_HU : SITA_HU)) ++pawns[side];
            if (engine::mustPromote(code, engine::square(x, y))) return "a piece that cannot move";
        }
        if (pawns[0] > 1 || pawns[1] > 1) return "two pawns in a file";
    }
    if (kings[0] != 1 || kings[1] != 1) return "not one king per side";
    return "";
}

TEST(HelpPages, EveryPageHasItsTextInBothLanguages) {
    ASSERT_GE(help::pages().size(), 10u);
    for (const help::Page& page : help::pages()) {
        SCOPED_TRACE(page.titleJa);
        for (Language language : {Language::Japanese, Language::English}) {
            EXPECT_FALSE(help::title(page, language).empty());
            EXPECT_GT(help::text(page, language).size(), 40u);
        }
        EXPECT_NE(help::text(page, Language::Japanese), help::text(page, Language::English));
        EXPECT_EQ(page.box == Text::Count, page.boxTitle == Text::Count) << "a box needs its text and its title";
    }
}

TEST(HelpPages, EveryDiagramIsALegalPositionWithMarksOnTheGrid) {
    for (const help::Page& page : help::pages()) {
        SCOPED_TRACE(page.titleJa);
        Position p;
        std::string error;
        ASSERT_TRUE(parseSfen(page.sfen, p, error)) << error;
        EXPECT_TRUE(withinOneSet(p, error)) << error;
        EXPECT_EQ(ruleBroken(p), "");
        for (const help::Mark& mark : page.marks) EXPECT_TRUE(onGrid(mark)) << mark.x << "," << mark.y;
    }
}

}  // namespace
}  // namespace zelkora
