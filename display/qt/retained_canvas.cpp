// The retained canvas: drawing into a QImage in device pixels.
#include "display/qt/retained_canvas.h"

#include <utility>

#include <QFontMetrics>
#include <QPainter>
#include <QString>

#include "display/palette.h"
#include "display/pictures.h"

// The pictures live in a static library; their resource initialiser must be
// named once so the linker keeps it. Q_INIT_RESOURCE only works outside a
// namespace.
static void initPictureResources() { Q_INIT_RESOURCE(pictures); }

namespace zelkora {
namespace {

QColor qColour(int index) {
    const Rgb rgb = paletteColour(index);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

constexpr double DEFAULT_POINTS = 9;   // the form's font

}  // namespace

RetainedCanvas::RetainedCanvas(double widthTwips, double heightTwips, TwipsScale scale)
    : scale_(scale),
      image_(scale.toPixels(widthTwips), scale.toPixels(heightTwips), QImage::Format_RGB32) {
    image_.fill(Qt::black);
    font_ = QFont(FONT_FAMILY);
    setFont(DEFAULT_POINTS, false, 0);
}

const QImage& RetainedCanvas::picture(Picture picture) {
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

void RetainedCanvas::drawPicture(Picture which, double x, double y) {
    if (which == Picture::Count) return;
    const QImage& source = picture(which);
    if (source.isNull()) return;
    const PictureEntry& entry = pictureEntry(which);
    const QRect target(scale_.toPixels(x), scale_.toPixels(y), scale_.scaled(entry.width), scale_.scaled(entry.height));
    QPainter painter(&image_);
    painter.drawImage(target, source);
    changed(target);
}

void RetainedCanvas::outline(double x1, double y1, double x2, double y2, int colour) {
    int left = scale_.toPixels(x1), top = scale_.toPixels(y1);
    int right = scale_.toPixels(x2), bottom = scale_.toPixels(y2);
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    const int t = scale_.factor();   // line thickness
    const int width = right - left + t, height = bottom - top + t;
    const QColor c = qColour(colour);
    QPainter painter(&image_);
    painter.fillRect(left, top, width, t, c);
    painter.fillRect(left, bottom, width, t, c);
    painter.fillRect(left, top, t, height, c);
    painter.fillRect(right, top, t, height, c);
    changed(QRect(left, top, width, height));
}

void RetainedCanvas::setFont(double points, bool bold, int colour) {
    font_.setPixelSize(scale_.fontPixels(points));
    font_.setBold(bold);
    textColour_ = colour;
}

void RetainedCanvas::drawText(double x, double y, const std::string& text) {
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (s.isEmpty()) return;
    const QFontMetrics metrics(font_);
    const QPoint topLeft(scale_.toPixels(x), scale_.toPixels(y));
    QPainter painter(&image_);
    painter.setFont(font_);
    painter.setPen(qColour(textColour_));
    painter.drawText(topLeft + QPoint(0, metrics.ascent()), s);
    changed(QRect(topLeft, QSize(metrics.horizontalAdvance(s) + metrics.maxWidth(), metrics.height())));
}

void RetainedCanvas::refresh() {
    if (onRefresh) onRefresh();
}

void RetainedCanvas::fill(int colour) {
    image_.fill(qColour(colour));
    changed(image_.rect());
}

void RetainedCanvas::resize(double widthTwips, double heightTwips) {
    const QSize size(scale_.toPixels(widthTwips), scale_.toPixels(heightTwips));
    if (size == image_.size()) return;
    QImage larger(size, QImage::Format_RGB32);
    larger.fill(image_.isNull() ? QColor(Qt::black) : QColor(image_.pixel(0, 0)));
    QPainter(&larger).drawImage(0, 0, image_);
    image_ = larger;
    changed(image_.rect());
}

void RetainedCanvas::changed(const QRect& rect) {
    if (onChanged) onChanged(rect.intersected(image_.rect()));
}

}  // namespace zelkora
