// The retained canvas drawn again: a change of scale gives exactly the picture
// drawn at that scale from the start, and the kept steps do not grow with the
// length of a game.
#include <QImage>

#include <gtest/gtest.h>

#include "display/qt/retained_canvas.h"

namespace zelkora {
namespace {

// A small scene of every kind of step but the fill: tiles, pieces, outlines
// and text, drawn the way the game redraws cells; with
// `coveredText` a text that the square and the king then paint over.
void drawScene(RetainedCanvas& canvas, bool coveredText = true) {
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 3; ++r) canvas.drawPicture(Picture::HAIKEI_TAKE, 1050 + 495 * c, 100 + 615 * r);
    canvas.setFont(12, true, 15);
    if (coveredText) canvas.drawText(1050 + 495 * 1.1, 100 + 615 * 1.2, "王");
    canvas.drawPicture(Picture::KARA_MASU, 1050 + 495, 100 + 615);
    canvas.drawPicture(Picture::SITA_OU, 1050 + 495 * 2, 100 + 615);
    canvas.outline(1050 + 495, 100 + 615, 1050 + 495 * 2, 100 + 615 * 2, 12);
    canvas.drawText(1050 + 495 * 0.3, 100 + 615 * 2.5, "７六歩");
    canvas.drawPicture(Picture::UE_KIN, 1050 + 495 * 0.4, 100 + 615 * 0.3);   // across four tiles
}

struct ScaleCase {
    double zoom, ratio;
    int offsetX, offsetY;
};

TEST(Redraw, AChangeOfScaleGivesThePictureDrawnThereFromTheStart) {
    const ScaleCase cases[] = {{1, 2, 0, 0}, {1.5, 1, 0, 0}, {1.5, 1.25, 7, 3}, {2, 1.5, 0, 11}, {1, 1, 0, 0}};
    for (const auto& k : cases) {
        SCOPED_TRACE(::testing::Message() << k.zoom << " x " << k.ratio);
        const TwipsScale scale(k.zoom, k.ratio, k.offsetX, k.offsetY);
        const QSize pixels(scale.toPixels(4000) + 2 * k.offsetX, scale.toPixels(2600) + 2 * k.offsetY);

        RetainedCanvas fresh(4000, 2600);
        fresh.setScale(scale, pixels);
        fresh.fill(2);
        drawScene(fresh);

        RetainedCanvas moved(4000, 2600, TwipsScale(1.5, 1.25));
        moved.fill(2);
        drawScene(moved);
        moved.setScale(scale, pixels);

        ASSERT_EQ(moved.image().size(), pixels);
        EXPECT_EQ(moved.image().devicePixelRatio(), k.ratio);
        int differing = 0;
        QPoint first(-1, -1);
        for (int x = 0; x < pixels.width(); ++x)
            for (int y = 0; y < pixels.height(); ++y)
                if (moved.image().pixel(x, y) != fresh.image().pixel(x, y) && differing++ == 0) first = QPoint(x, y);
        EXPECT_EQ(differing, 0) << "first at " << first.x() << "," << first.y();
    }
}

TEST(Redraw, StepsThatCanNoLongerShowAreNotKept) {
    RetainedCanvas canvas(4000, 2600), withoutText(4000, 2600);
    canvas.fill(2);
    drawScene(canvas);
    withoutText.fill(2);
    drawScene(withoutText, false);
    EXPECT_EQ(canvas.keptSteps(), withoutText.keptSteps()) << "a text painted over is still kept";
    // A game goes on: the same cells are drawn again and again.
    const std::size_t once = canvas.keptSteps();
    for (int i = 0; i < 50; ++i) drawScene(canvas);
    EXPECT_EQ(canvas.keptSteps(), once);
    canvas.fill(3);
    EXPECT_EQ(canvas.keptSteps(), 1u);
}

}  // namespace
}  // namespace zelkora
