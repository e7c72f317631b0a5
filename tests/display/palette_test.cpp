// The sixteen palette colours, each checked against the value a player expects
// from its name (not recomputed from the bit rule).
#include <set>
#include <tuple>

#include <gtest/gtest.h>

#include "display/palette.h"

namespace zelkora {
namespace {

struct Named {
    int index;
    const char* name;
    Rgb rgb;
};

const Named NAMED[] = {
    {0, "black", {0, 0, 0}},          {1, "blue", {0, 0, 128}},
    {2, "green", {0, 128, 0}},        {3, "cyan", {0, 128, 128}},
    {4, "red", {128, 0, 0}},          {5, "magenta", {128, 0, 128}},
    {6, "brown", {128, 128, 0}},      {7, "light grey", {192, 192, 192}},
    {8, "grey", {128, 128, 128}},     {9, "light blue", {0, 0, 255}},
    {10, "light green", {0, 255, 0}}, {11, "light cyan", {0, 255, 255}},
    {12, "light red", {255, 0, 0}},   {13, "light magenta", {255, 0, 255}},
    {14, "yellow", {255, 255, 0}},    {15, "white", {255, 255, 255}},
};

TEST(Palette, EveryIndexHasItsNamedColour) {
    for (const auto& n : NAMED) {
        const Rgb got = paletteColour(n.index);
        EXPECT_EQ(got, n.rgb) << n.index << " " << n.name << ": got " << int(got.red) << "," << int(got.green)
                              << "," << int(got.blue);
    }
}

TEST(Palette, SixteenDistinctColours) {
    std::set<std::tuple<int, int, int>> seen;
    for (int i = 0; i < PALETTE_SIZE; ++i) {
        const Rgb c = paletteColour(i);
        seen.insert({c.red, c.green, c.blue});
    }
    EXPECT_EQ(seen.size(), 16u);
}

TEST(Palette, OnlyTheLowestFourBitsOfAnIndexCount) {
    for (const int index : {16, 18, 31, 255, -1, -14})
        EXPECT_EQ(paletteColour(index), paletteColour(index & 15)) << index;
}

}  // namespace
}  // namespace zelkora
