// The retained canvas in pixels: outlines on exact pixels with both corners,
// pictures at their own size, transparent text, and the widget showing what
// was drawn.
#include <QFontInfo>
#include <QTest>

#include <gtest/gtest.h>

#include "display/palette.h"
#include "display/pictures.h"
#include "display/qt/canvas_widget.h"
#include "display/qt/retained_canvas.h"
#include "tests/app/app_fixture.h"

namespace zelkora::testing {
namespace {

QRgb rgbOf(int colour) {
    const Rgb c = paletteColour(colour);
    return qRgb(c.red, c.green, c.blue);
}

constexpr int BLACK = 0, LIGHT_RED = 12, LIGHT_MAGENTA = 13, BLUE = 1;

// Checks that exactly the rectangle (left, top)-(right, bottom), corners
// included, is outlined in `colour` on a canvas filled with black.
void expectOutline(const QImage& image, int left, int top, int right, int bottom, int colour) {
    for (int x = left - 1; x <= right + 1; ++x)
        for (int y = top - 1; y <= bottom + 1; ++y) {
            const bool inside = x >= left && x <= right && y >= top && y <= bottom;
            const bool edge = inside && (x == left || x == right || y == top || y == bottom);
            ASSERT_EQ(image.pixel(x, y), rgbOf(edge ? colour : BLACK)) << "pixel " << x << "," << y;
        }
}

struct OutlineCase {
    double c, r;
    int left, top, right, bottom;   // pixels
};

TEST(RetainedCanvas, CellOutlineLandsOnExactPixelsWithBothCorners) {
    // Cell (c, r) spans 1050 + 495c .. 1050 + 495(c + 1) twips across and
    // 100 + 615r .. 100 + 615(r + 1) down; 15 twips to the pixel, nearest.
    const OutlineCase cases[] = {
        {1, 1, 103, 48, 136, 89},
        {5, 5, 235, 212, 268, 253},
        {9, 9, 367, 376, 400, 417},
        {-1, 7, 37, 294, 70, 335},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(::testing::Message() << "cell " << k.c << "," << k.r);
        RetainedCanvas canvas(9000, 8000);
        canvas.fill(BLACK);
        canvas.outline(1050 + 495 * k.c, 100 + 615 * k.r, 1050 + 495 * (k.c + 1), 100 + 615 * (k.r + 1), LIGHT_RED);
        expectOutline(canvas.image(), k.left, k.top, k.right, k.bottom, LIGHT_RED);
    }
}

TEST(RetainedCanvas, OutlineWithCornersGivenBackwardsIsTheSame) {
    RetainedCanvas canvas(9000, 8000);
    canvas.fill(BLACK);
    canvas.outline(2040, 1330, 1545, 715, LIGHT_RED);
    expectOutline(canvas.image(), 103, 48, 136, 89, LIGHT_RED);
}

TEST(RetainedCanvas, EveryPictureIsDrawnAtItsOwnSize) {
    for (const auto& entry : pictureTable()) {
        SCOPED_TRACE(entry.resource);
        const QImage& picture = RetainedCanvas::picture(entry.picture);
        ASSERT_FALSE(picture.isNull()) << "resource missing";
        ASSERT_EQ(picture.size(), QSize(entry.width, entry.height));
        RetainedCanvas canvas(9000, 8000);
        canvas.fill(LIGHT_MAGENTA);
        canvas.drawPicture(entry.picture, 3000, 3000);   // pixel (200, 200)
        const QImage& image = canvas.image();
        for (int x = 0; x < entry.width; ++x)
            for (int y = 0; y < entry.height; ++y)
                ASSERT_EQ(image.pixel(200 + x, 200 + y), picture.pixel(x, y) | 0xFF000000u) << x << "," << y;
        const QRgb magenta = rgbOf(LIGHT_MAGENTA);
        for (int x = 199; x <= 200 + entry.width; ++x) {
            EXPECT_EQ(image.pixel(x, 199), magenta) << x;
            EXPECT_EQ(image.pixel(x, 200 + entry.height), magenta) << x;
        }
        for (int y = 199; y <= 200 + entry.height; ++y) {
            EXPECT_EQ(image.pixel(199, y), magenta) << y;
            EXPECT_EQ(image.pixel(200 + entry.width, y), magenta) << y;
        }
    }
}

TEST(RetainedCanvas, PictureAtAFractionalCellGoesToTheNearestPixel) {
    RetainedCanvas canvas(9000, 8000);
    canvas.fill(LIGHT_MAGENTA);
    canvas.drawPicture(Picture::ZELKORA, 1050 + 495 * 11.2, 100);   // 439.6, 6.67 pixels
    const QImage& title = RetainedCanvas::picture(Picture::ZELKORA);
    EXPECT_EQ(canvas.image().pixel(440, 7), title.pixel(0, 0) | 0xFF000000u);
    EXPECT_EQ(canvas.image().pixel(440 + 117, 7 + 58), title.pixel(117, 58) | 0xFF000000u);
    EXPECT_EQ(canvas.image().pixel(439, 7), rgbOf(LIGHT_MAGENTA));
}

// The smallest rectangle holding every pixel that differs from `background`.
QRect inkOf(const QImage& image, QRgb background) {
    QRect ink;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixel(x, y) != background) ink |= QRect(x, y, 1, 1);
    return ink;
}

TEST(RetainedCanvas, TextIsTransparentInTheGamesFontAndSizedByPoints) {
    EXPECT_EQ(QFontInfo(QFont(RetainedCanvas::FONT_FAMILY)).family(), RetainedCanvas::FONT_FAMILY)
        << "the Japanese font is not installed";
    QRect inks[2];
    const double points[2] = {14, 28};
    for (int i = 0; i < 2; ++i) {
        RetainedCanvas canvas(9000, 8000);
        canvas.fill(BLUE);
        canvas.setFont(points[i], false, 15);
        canvas.drawText(1500, 1500, "王");   // top-left at pixel (100, 100)
        const QImage& image = canvas.image();
        inks[i] = inkOf(image, rgbOf(BLUE));
        ASSERT_FALSE(inks[i].isEmpty());
        EXPECT_TRUE(QRect(100, 100, 60, 60).contains(inks[i])) << "text far from its place";
        EXPECT_EQ(image.pixel(100, 100), rgbOf(BLUE)) << "background not transparent";
        bool white = false;
        for (int x = inks[i].left(); x <= inks[i].right(); ++x)
            for (int y = inks[i].top(); y <= inks[i].bottom(); ++y) white |= image.pixel(x, y) == rgbOf(15);
        EXPECT_TRUE(white) << "no pixel in the text's colour";
    }
    // Twice the points, twice the height (19 and 37 pixels of font at 96 dpi).
    const double ratio = double(inks[1].height()) / inks[0].height();
    EXPECT_GT(ratio, 1.7);
    EXPECT_LT(ratio, 2.3);
    EXPECT_GE(inks[0].height(), 12);
    EXPECT_LE(inks[0].height(), 19);
}

TEST(RetainedCanvas, ResizingKeepsWhatWasDrawn) {
    RetainedCanvas canvas(3000, 3000);
    canvas.fill(BLACK);
    canvas.outline(1545, 715, 2040, 1330, LIGHT_RED);
    canvas.resize(9000, 8000);
    EXPECT_EQ(canvas.image().size(), QSize(600, 533));
    expectOutline(canvas.image(), 103, 48, 136, 89, LIGHT_RED);
}

TEST(CanvasWidget, MousePressesArriveInTwipsWithTheGamesButtonNumbers) {
    CanvasWidget widget(9000, 8000, TwipsScale());
    struct Press { int button; double x, y; };
    std::vector<Press> presses;
    widget.onMouseDown = [&](int button, double x, double y) { presses.push_back({button, x, y}); };
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    QTest::mouseClick(&widget, Qt::LeftButton, {}, QPoint(103, 48));
    QTest::mouseClick(&widget, Qt::RightButton, {}, QPoint(599, 0));
    QTest::mouseClick(&widget, Qt::MiddleButton, {}, QPoint(10, 10));
    ASSERT_EQ(presses.size(), 2u);
    EXPECT_EQ(presses[0].button, 1);
    EXPECT_DOUBLE_EQ(presses[0].x, 1545);
    EXPECT_DOUBLE_EQ(presses[0].y, 720);
    EXPECT_EQ(presses[1].button, 2);
    EXPECT_DOUBLE_EQ(presses[1].x, 8985);
    EXPECT_DOUBLE_EQ(presses[1].y, 0);
}

TEST_F(WindowTest, TheWidgetShowsWhatTheGameDrew) {
    MainWindow& w = open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.form().描画_桝輪郭(LIGHT_RED, 5, 5);
    const QImage shown = w.canvasWidget().grab().toImage();
    ASSERT_EQ(shown.size(), QSize(600, 533));
    for (const auto& [x, y] : {std::pair{235, 212}, std::pair{268, 212}, std::pair{235, 253}, std::pair{268, 253}})
        EXPECT_EQ(shown.pixel(x, y), rgbOf(LIGHT_RED)) << x << "," << y;
    EXPECT_NE(shown.pixel(236, 213), rgbOf(LIGHT_RED));
    // Start-up drew the title at cell (11.2, 0) and the initial position.
    EXPECT_EQ(shown.pixel(440, 7), RetainedCanvas::picture(Picture::ZELKORA).pixel(0, 0) | 0xFF000000u);
    const QImage& king = RetainedCanvas::picture(Picture::SITA_OU);
    const int kx = 70 + 33 * 5, ky = 7 + 41 * 9;   // cell (5, 9)
    EXPECT_EQ(shown.pixel(kx + 16, ky + 25), king.pixel(16, 25) | 0xFF000000u);
}

}  // namespace
}  // namespace zelkora::testing
