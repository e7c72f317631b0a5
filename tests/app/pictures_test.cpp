// The embedded pictures themselves: every one distinct, background tiles that
// repeat without a seam, and pieces that stand out from the bare wood.
#include <cstdlib>

#include <QImage>

#include <gtest/gtest.h>

#include "display/pictures.h"
#include "display/qt/retained_canvas.h"
#include "game/codes.h"

namespace zelkora {
namespace {

TEST(EmbeddedPictures, NoTwoPicturesAreAlike) {
    const auto table = pictureTable();
    for (std::size_t i = 0; i < table.size(); ++i)
        for (std::size_t j = i + 1; j < table.size(); ++j)
            EXPECT_NE(RetainedCanvas::picture(table[i].picture), RetainedCanvas::picture(table[j].picture))
                << table[i].resource << " and " << table[j].resource;
}

TEST(EmbeddedPictures, BackgroundTilesRepeatTheirFirstColumnInTheOverlap) {
    // Tiles are laid every 33 pixels; the 34th column lies on the next tile's
    // first and shows where a tile has no right neighbour (beside the board).
    for (const Picture tile : {Picture::HAIKEI_MIDORI, Picture::HAIKEI_TATAMI, Picture::HAIKEI_TAKE,
                               Picture::HAIKEI_UCHU, Picture::HAIKEI_RENGA}) {
        const QImage& image = RetainedCanvas::picture(tile);
        ASSERT_EQ(image.width(), 34) << pictureEntry(tile).resource;
        for (int y = 0; y < image.height(); ++y)
            ASSERT_EQ(image.pixel(33, y), image.pixel(0, y)) << pictureEntry(tile).resource << " row " << y;
    }
}

// Pixels that differ clearly from the same pixel of the empty square.
int pixelsOffTheWood(const QImage& piece, const QImage& wood) {
    int count = 0;
    for (int x = 0; x < wood.width(); ++x)
        for (int y = 0; y < wood.height(); ++y) {
            const QColor a = piece.pixelColor(x, y), b = wood.pixelColor(x, y);
            if (std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) > 60) ++count;
        }
    return count;
}

TEST(EmbeddedPictures, PiecesStandOutFromTheWoodAndUpperPiecesPointDown) {
    const QImage& wood = RetainedCanvas::picture(Picture::KARA_MASU);
    for (const auto& entry : pictureTable()) {
        if (entry.code == 0 || (entry.code >= PIC_ZELKORA && entry.code <= PIC_RENGA)) continue;
        SCOPED_TRACE(entry.resource);
        const QImage& piece = RetainedCanvas::picture(entry.picture);
        EXPECT_GT(pixelsOffTheWood(piece, wood), 60) << "too little ink to read";
        // A piece's point is at the far end from its owner: the first row of ink
        // off the wood lies near the top for the lower side, near the bottom for
        // the upper side, and the point is narrower than the base.
        int top = -1, bottom = -1;
        for (int y = 0; y < piece.height(); ++y)
            for (int x = 0; x < piece.width(); ++x)
                if (piece.pixelColor(x, y) != wood.pixelColor(x, y)) {
                    if (top < 0) top = y;
                    bottom = y;
                }
        ASSERT_GE(top, 0);
        auto width = [&](int y) {
            int n = 0;
            for (int x = 0; x < piece.width(); ++x) n += piece.pixelColor(x, y) != wood.pixelColor(x, y);
            return n;
        };
        const bool upper = entry.code > 0;
        const int pointRow = upper ? bottom - 2 : top + 2, baseRow = upper ? top + 2 : bottom - 2;
        EXPECT_LT(width(pointRow), width(baseRow));
    }
}

}  // namespace
}  // namespace zelkora
