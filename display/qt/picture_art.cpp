// Drawing the pictures from the vector art, and keeping them.
#include "display/qt/picture_art.h"

#include <array>

#include <QPainter>
#include <QString>

#include "display/pictures.h"
#include "display/qt/art/art.h"

// The pictures live in a static library; their resource initialiser must be
// named once so the linker keeps it. Q_INIT_RESOURCE only works outside a
// namespace.
static void initPictureResources() { Q_INIT_RESOURCE(pictures); }

namespace zelkora {
namespace {

bool isBackgroundTile(Picture p) {
    return p == Picture::HAIKEI_MIDORI || p == Picture::HAIKEI_TATAMI || p == Picture::HAIKEI_TAKE ||
           p == Picture::HAIKEI_UCHU || p == Picture::HAIKEI_RENGA;
}

}  // namespace

bool isPiecePicture(Picture picture) {
    return picture >= Picture::SITA_HU0 && picture <= Picture::UE_OU;
}

QImage renderPicture(Picture picture, QSize size, PieceSet set) {
    const PictureEntry& entry = pictureEntry(picture);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    const double sx = double(size.width()) / entry.width, sy = double(size.height()) / entry.height;
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    painter.scale(sx, sy);
    painter.setClipRect(QRectF(0, 0, entry.width, entry.height));
    if (picture == Picture::KARA_MASU) {
        art::drawEmptySquare(painter);
    } else if (picture == Picture::ZELKORA) {
        art::drawTitle(painter);
    } else if (isBackgroundTile(picture)) {
        art::drawBackground(painter, picture);
        // The tile's last reference column lies on the next tile's first, so it
        // repeats the first exactly, as in the embedded tiles.
        const int last = static_cast<int>(std::lround((entry.width - 1) * sx));
        const QImage first = image.copy(0, 0, size.width() - last, size.height());
        painter.resetTransform();
        painter.setClipping(false);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPoint(last, 0), first);
    } else {
        art::drawPieceSquare(painter, picture, set);
    }
    painter.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

const QImage& PictureCache::embedded(Picture picture) {
    static const std::array<QImage, static_cast<std::size_t>(Picture::Count)> images = [] {
        initPictureResources();
        std::array<QImage, static_cast<std::size_t>(Picture::Count)> loaded;
        for (const auto& entry : pictureTable())
            loaded[static_cast<std::size_t>(entry.picture)] =
                QImage(QStringLiteral(":/pictures/") + QString::fromUtf8(entry.resource));
        return loaded;
    }();
    return images.at(static_cast<std::size_t>(picture));
}

const QImage& PictureCache::at(Picture picture, QSize size, PieceSet set) {
    if (!isPiecePicture(picture)) set = PieceSet::Traditional;
    const PictureEntry& entry = pictureEntry(picture);
    const QImage& own = embedded(picture);
    if (set == PieceSet::Traditional && size == QSize(entry.width, entry.height) && !own.isNull()) return own;
    const auto key = std::make_tuple(static_cast<int>(picture), static_cast<int>(set), size.width(), size.height());
    auto it = drawn_.find(key);
    if (it == drawn_.end()) it = drawn_.emplace(key, renderPicture(picture, size, set)).first;
    return it->second;
}

}  // namespace zelkora
