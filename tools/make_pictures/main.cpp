// make_pictures FOLDER [SCALE]: draws every picture of the picture table at the
// given whole-number scale (1 unless said), writes FOLDER/<resource> for each
// and FOLDER/pictures.qrc listing them.
// make_pictures --icons FOLDER: writes the application icon as
// FOLDER/icon-<size>.png for each size of the hicolor theme and FOLDER/icon.svg.
// Needs the IPA Mincho fonts.
#include <cstdio>
#include <cstdlib>
#include <string>

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

#include "display/pictures.h"
#include "display/qt/art/art.h"

namespace {

using zelkora::Picture;
using zelkora::PictureEntry;

QImage render(const PictureEntry& entry, int scale) {
    QImage image(entry.width * scale, entry.height * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    painter.scale(scale, scale);
    painter.setClipRect(QRectF(0, 0, entry.width, entry.height));
    switch (entry.picture) {
    case Picture::KARA_MASU: zelkora::art::drawEmptySquare(painter); break;
    case Picture::ZELKORA: zelkora::art::drawTitle(painter); break;
    case Picture::HAIKEI_MIDORI:
    case Picture::HAIKEI_TATAMI:
    case Picture::HAIKEI_TAKE:
    case Picture::HAIKEI_UCHU:
    case Picture::HAIKEI_RENGA:
        zelkora::art::drawBackground(painter, entry.picture);
        // The column beyond the period repeats the first exactly (the pattern
        // already does, up to rounding of overlapping strokes).
        painter.resetTransform();
        painter.setClipping(false);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPoint((entry.width - 1) * scale, 0), image.copy(0, 0, scale, entry.height * scale));
        break;
    default: zelkora::art::drawPieceSquare(painter, entry.picture); break;
    }
    painter.end();
    // Every picture is opaque: it replaces what the cell showed.
    return image.convertToFormat(QImage::Format_RGB32);
}

bool writeQrc(const QDir& folder) {
    QFile file(folder.filePath("pictures.qrc"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    QTextStream out(&file);
    out << "<RCC>\n  <qresource prefix=\"/pictures\">\n";
    for (const auto& entry : zelkora::pictureTable()) out << "    <file>" << entry.resource << "</file>\n";
    out << "  </qresource>\n</RCC>\n";
    return out.status() == QTextStream::Ok;
}

// The sizes of the icon's pictures (packaging/CMakeLists.txt installs them).
constexpr int ICON_SIZES[] = {16, 22, 24, 32, 48, 64, 128, 256};

int writeIcons(const QDir& folder) {
    for (int size : ICON_SIZES) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        zelkora::art::drawIcon(painter, size);
        painter.end();
        const QString path = folder.filePath(QString("icon-%1.png").arg(size));
        if (!image.convertToFormat(QImage::Format_ARGB32).save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    QFile svg(folder.filePath("icon.svg"));
    if (!svg.open(QIODevice::WriteOnly | QIODevice::Truncate) || svg.write(zelkora::art::iconSvg().toUtf8()) < 0) {
        std::fprintf(stderr, "cannot write icon.svg\n");
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: make_pictures FOLDER [SCALE]\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const bool icons = std::string(argv[1]) == "--icons";
    if (icons && argc != 3) {
        std::fprintf(stderr, "usage: make_pictures --icons FOLDER\n");
        return 2;
    }
    const int scale = argc == 3 && !icons ? std::atoi(argv[2]) : 1;
    if (scale < 1) {
        std::fprintf(stderr, "the scale is a whole number from 1\n");
        return 2;
    }
    for (const char* family : {zelkora::art::KANJI_FONT, zelkora::art::TITLE_FONT})
        if (!QFontDatabase::families().contains(QString::fromUtf8(family))) {
            std::fprintf(stderr, "font %s is missing (Debian: fonts-ipafont-mincho)\n", family);
            return 1;
        }
    const QDir folder(QString::fromLocal8Bit(argv[icons ? 2 : 1]));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder.path()));
        return 1;
    }
    if (icons) return writeIcons(folder);
    for (const auto& entry : zelkora::pictureTable()) {
        const QString path = folder.filePath(QString::fromUtf8(entry.resource));
        if (!render(entry, scale).save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    if (!writeQrc(folder)) {
        std::fprintf(stderr, "cannot write pictures.qrc\n");
        return 1;
    }
    return 0;
}
