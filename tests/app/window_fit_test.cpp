// The client area fitted to the room a screen leaves: the chosen enlargement
// when it fits, else the largest size of the board's proportions that does,
// never smaller than 100%.
#include <gtest/gtest.h>

#include "display/qt/window_fit.h"

namespace zelkora {
namespace {

TEST(WindowFit, TheEnlargementOrTheLargestOfTheBoardsProportionsThatFits) {
    const QSize reference(600, 533);
    const struct {
        double enlargement;
        QSize room, fitted;
    } cases[] = {
        {2.0, {1920, 1200}, {1200, 1066}},   // fits whole
        {1.5, {900, 800}, {900, 800}},       // exactly
        {2.0, {1920, 900}, {1013, 900}},     // too tall: the height decides
        {2.0, {900, 1200}, {900, 799}},      // too wide: the width decides
        {1.5, {1280, 700}, {787, 700}},
        {2.0, {500, 400}, {600, 533}},       // never below 100%
        {1.0, {500, 400}, {600, 533}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fittedClientSize(reference, c.enlargement, c.room), c.fitted)
            << c.enlargement << " in " << c.room.width() << "x" << c.room.height();
}

}  // namespace
}  // namespace zelkora
