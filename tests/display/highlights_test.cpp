// Square highlights: reachable squares under movement guidance and the
// capturable squares of a refused move.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <tuple>

#include "tests/common/fakes.h"

namespace zelkora::testing {
namespace {

struct Outlined {
    int c, r, colour;
    bool operator==(const Outlined& o) const { return c == o.c && r == o.r && colour == o.colour; }
};

std::ostream& operator<<(std::ostream& os, const Outlined& o) {
    return os << "(" << o.c << "," << o.r << " colour " << o.colour << ")";
}

// Every outline drawn, as whole cells, in order.
std::vector<Outlined> outlines(const RecordingCanvas& canvas) {
    std::vector<Outlined> out;
    for (const auto& call : canvas.of(CanvasCall::Outline))
        out.push_back({static_cast<int>(std::lround((call.x - 1050) / 495)),
                       static_cast<int>(std::lround((call.y - 100) / 615)), call.colour});
    return out;
}

// A lower rook on (5, 5) between its own pawn (5, 3) and an upper pawn (3, 5).
const char* const kRookPosition = "k8/9/4P4/9/2p1R4/9/9/9/8K b - 1";

std::vector<Outlined> grid() {
    std::vector<Outlined> g;
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r) g.push_back({c, r, COLOUR_GREEN});
    return g;
}

TEST(MovableSquares, WithoutGuidanceOnlyTheGridIsReset) {
    auto h = positionHarness(kRookPosition);
    (*h)->flags.guidance = 0;
    (*h)->描画_移動可能桝色(5, 5, COLOUR_WHITE, SITA_SYA);
    EXPECT_EQ(outlines(h->canvas), grid());
}

TEST(MovableSquares, WithGuidanceOutlinesEveryLegalTargetInScanOrder) {
    auto h = positionHarness(kRookPosition);
    (*h)->flags.guidance = 1;
    (*h)->描画_移動可能桝色(5, 5, COLOUR_WHITE, SITA_SYA);
    std::vector<Outlined> expected = grid();
    // Blocked by its own pawn at (5, 3); stops on the upper pawn at (3, 5), which it may take.
    for (auto [c, r] : {std::pair{3, 5}, {4, 5}, {5, 4}, {5, 6}, {5, 7}, {5, 8}, {5, 9}, {6, 5}, {7, 5}, {8, 5}, {9, 5}})
        expected.push_back({c, r, COLOUR_WHITE});
    EXPECT_EQ(outlines(h->canvas), expected);
}

TEST(MovableSquares, HidingWithTheGridColourLeavesOnlyGreen) {
    auto h = positionHarness(kRookPosition);
    (*h)->flags.guidance = 1;
    (*h)->描画_移動可能桝色(5, 5, COLOUR_GREEN, SITA_SYA);
    for (const auto& o : outlines(h->canvas)) EXPECT_EQ(o.colour, COLOUR_GREEN) << o;
}

struct DropCase {
    const char* name;
    int handRow;     // screen row of the lower hand cell
    int piece;
    int firstRow;    // the first row on which a drop is legal
    int skippedColumn;   // a column barred by the two-pawn rule, 0 for none
};

class DropSquares : public ::testing::TestWithParam<DropCase> {};

TEST_P(DropSquares, AreTheEmptySquaresTheKindMayBeDroppedOn) {
    const DropCase& d = GetParam();
    auto h = positionHarness(kRookPosition);
    Form1& f = **h;
    f.flags.guidance = 1;
    f.調査_2歩フラグ設定();
    h->clearLogs();
    f.描画_移動可能桝色(LOWER_HAND_X, d.handRow, COLOUR_WHITE, d.piece);
    std::vector<Outlined> expected = grid();
    for (int c = 1; c <= 9; ++c)
        for (int r = d.firstRow; r <= 9; ++r)
            if (f.board.at(c, r) == EMPTY && c != d.skippedColumn) expected.push_back({c, r, COLOUR_WHITE});
    EXPECT_EQ(outlines(h->canvas), expected);
}

INSTANTIATE_TEST_SUITE_P(LowerHand, DropSquares,
                         ::testing::Values(DropCase{"gold", 7, SITA_KIN, 1, 0},
                                           DropCase{"knight", 5, SITA_KEI, 3, 0},
                                           DropCase{"pawn", 3, SITA_HU, 2, 5}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CapturableSquares, FollowTheMapOfThePlayerWhoseTagIsGiven) {
    Harness h;
    Form1& f = *h;
    f.lowerCapture.map[2][3] = 1;
    f.lowerCapture.map[7][7] = 1;
    f.upperCapture.map[4][4] = 1;
    f.upperCapture.map[9][1] = 1;

    struct Case { int lowerTag, upperTag, asked; std::vector<Outlined> expected; };
    const Case cases[] = {
        {SENTE, GOTE, SENTE, {{2, 3, COLOUR_WHITE}, {7, 7, COLOUR_WHITE}}},
        {SENTE, GOTE, GOTE, {{4, 4, COLOUR_WHITE}, {9, 1, COLOUR_WHITE}}},
        // Computer first: the lower player holds tag 7.
        {GOTE, SENTE, GOTE, {{2, 3, COLOUR_WHITE}, {7, 7, COLOUR_WHITE}}},
        {GOTE, SENTE, SENTE, {{4, 4, COLOUR_WHITE}, {9, 1, COLOUR_WHITE}}},
        {SENTE, GOTE, NOBODY, {}},
        {SENTE, GOTE, 8, {}},
    };
    for (const Case& c : cases) {
        h.clearLogs();
        f.turn.lowerTag = c.lowerTag;
        f.turn.upperTag = c.upperTag;
        f.描画_取可桝(c.asked);
        EXPECT_EQ(outlines(h.canvas), c.expected) << "lower " << c.lowerTag << " asked " << c.asked;
    }
}

}  // namespace
}  // namespace zelkora::testing
