// The retained canvas: drawing into a QImage in device pixels, and drawing it
// all again when the scale changes.
#include "display/qt/retained_canvas.h"

#include <cmath>
#include <utility>

#include <QFontMetrics>
#include <QPainter>
#include <QString>

#include "display/palette.h"
#include "display/pictures.h"
#include "game/Form1.h"

namespace zelkora {
namespace {

QColor qColour(int index) {
    const Rgb rgb = paletteColour(index);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

constexpr double DEFAULT_POINTS = 9;   // the form's font
// Room beyond an outline's corners for its line, up to one and a half
// reference pixels wide at any scale.
constexpr double LINE_REACH_TWIPS = 30;
// Room around a text's ink for the same text drawn at another scale (font
// sizes rounded to whole pixels, glyphs hinted otherwise): one and a half
// reference pixels.
constexpr double TEXT_REACH_TWIPS = 23;

bool isBackgroundTile(Picture p) {
    return p == Picture::HAIKEI_MIDORI || p == Picture::HAIKEI_TATAMI || p == Picture::HAIKEI_TAKE ||
           p == Picture::HAIKEI_UCHU || p == Picture::HAIKEI_RENGA;
}

QRectF pictureArea(Picture picture, double x, double y) {
    const PictureEntry& entry = pictureEntry(picture);
    return QRectF(x, y, entry.width * TwipsScale::TWIPS_PER_PIXEL, entry.height * TwipsScale::TWIPS_PER_PIXEL);
}

// A painter on the image's pixels themselves, whatever its device pixel ratio.
class DevicePainter {
public:
    DevicePainter(QImage& image, const QRect& clip)
        : view_(image.bits(), image.width(), image.height(), image.bytesPerLine(), image.format()), painter_(&view_) {
        if (clip != view_.rect()) painter_.setClipRect(clip);
    }
    QPainter& operator*() { return painter_; }

private:
    QImage view_;
    QPainter painter_;
};

}  // namespace

RetainedCanvas::RetainedCanvas(double widthTwips, double heightTwips, TwipsScale scale)
    : widthTwips_(widthTwips), heightTwips_(heightTwips), scale_(scale) {
    image_ = QImage(scale.toPixels(widthTwips), scale.toPixels(heightTwips), QImage::Format_RGB32);
    image_.setDevicePixelRatio(scale.ratio());
    image_.fill(Qt::black);
    setFont(DEFAULT_POINTS, false, 0);
}

QRect RetainedCanvas::clientRect() const {
    return QRect(QPoint(scale_.x(0), scale_.y(0)), QPoint(scale_.x(widthTwips_) - 1, scale_.y(heightTwips_) - 1));
}

// ---- The canvas port: each step is kept, then painted ----

void RetainedCanvas::drawPicture(Picture which, double x, double y) {
    if (which == Picture::Count || picture(which).isNull()) return;
    DrawingStep step;
    step.kind = DrawingStep::Kind::Picture;
    step.picture = which;
    step.pieces = pieceSet_;
    step.x1 = x;
    step.y1 = y;
    add(step, pictureArea(which, x, y));
}

void RetainedCanvas::outline(double x1, double y1, double x2, double y2, int colour) {
    DrawingStep step;
    step.kind = DrawingStep::Kind::Outline;
    step.colour = colour;
    step.x1 = x1;
    step.y1 = y1;
    step.x2 = x2;
    step.y2 = y2;
    const QRectF corners = QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized();
    add(step, corners.adjusted(-1, -1, LINE_REACH_TWIPS, LINE_REACH_TWIPS));
}

void RetainedCanvas::setFont(double points, bool bold, int colour) {
    points_ = points;
    bold_ = bold;
    textColour_ = colour;
}

void RetainedCanvas::drawText(double x, double y, const std::string& text) {
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (s.isEmpty()) return;
    DrawingStep step;
    step.kind = DrawingStep::Kind::Text;
    step.colour = textColour_;
    step.x1 = x;
    step.y1 = y;
    step.points = points_;
    step.bold = bold_;
    step.text = text;
    // The ink of the text as drawn at the current scale, in twips.
    const QFontMetrics metrics(fontFor(points_, bold_));
    const QRect ink = metrics.boundingRect(s).translated(0, metrics.ascent());
    const double twipsPerPixel = TwipsScale::TWIPS_PER_PIXEL / scale_.factor();
    const QRectF area(x + ink.x() * twipsPerPixel, y + ink.y() * twipsPerPixel, ink.width() * twipsPerPixel,
                      ink.height() * twipsPerPixel);
    add(step, area.adjusted(-TEXT_REACH_TWIPS, -TEXT_REACH_TWIPS, TEXT_REACH_TWIPS, TEXT_REACH_TWIPS));
}

void RetainedCanvas::refresh() {
    if (onRefresh) onRefresh();
}

void RetainedCanvas::fill(int colour) {
    DrawingStep step;
    step.kind = DrawingStep::Kind::Fill;
    step.colour = colour;
    add(step, QRectF());
}

void RetainedCanvas::add(const DrawingStep& step, const QRectF& area) {
    record_.add(step, area);
    const std::optional<Picture> tileBefore = marginTile_;
    paint(step);
    if (marginTile_ != tileBefore && marginTile_) paintMargins();
}

// ---- Size and scale ----

void RetainedCanvas::resize(double widthTwips, double heightTwips) {
    widthTwips_ = widthTwips;
    heightTwips_ = heightTwips;
    setScale(scale_, QSize(scale_.toPixels(widthTwips), scale_.toPixels(heightTwips)));
}

void RetainedCanvas::setScale(const TwipsScale& scale, QSize pixels) {
    if (scale == scale_ && pixels == image_.size()) return;
    if (!(scale.factor() == scale_.factor())) pictures_.clear();
    scale_ = scale;
    image_ = QImage(pixels, QImage::Format_RGB32);
    image_.setDevicePixelRatio(scale.ratio());
    redraw();
}

void RetainedCanvas::redraw() {
    image_.fill(Qt::black);
    marginTile_.reset();
    record_.forEach([this](const DrawingStep& step) { paint(step); });
    paintMargins();
    changed(image_.rect());
}

// ---- Painting one step at the current scale ----

QFont RetainedCanvas::fontFor(double points, bool bold) const {
    QFont font(FONT_FAMILY);
    font.setPixelSize(scale_.fontPixels(points));
    font.setBold(bold);
    // Enlarged text is hinted lightly at its real size (the usual setting of
    // the desktop), also where Qt would leave text of a scaled screen unhinted,
    // so a picture at a given resolution is the same whatever gave it that
    // resolution. At the reference scale the desktop's own setting holds.
    if (scale_.factor() != 1) font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

void RetainedCanvas::paint(const DrawingStep& step) {
    if (step.kind == DrawingStep::Kind::Fill) {
        image_.fill(qColour(step.colour));
        fillColour_ = step.colour;
        marginTile_.reset();
        changed(image_.rect());
        return;
    }
    DevicePainter painter(image_, clientRect());
    switch (step.kind) {
    case DrawingStep::Kind::Picture:
        paintPicture(*painter, step.picture, step.x1, step.y1, step.pieces);
        if (isBackgroundTile(step.picture)) marginTile_ = step.picture;
        break;
    case DrawingStep::Kind::Outline: paintOutline(*painter, step); break;
    case DrawingStep::Kind::Text: paintText(*painter, step); break;
    case DrawingStep::Kind::Fill: break;
    }
}

void RetainedCanvas::paintPicture(QPainter& painter, Picture picture, double x, double y, PieceSet set) {
    const QRectF area = pictureArea(picture, x, y);
    const QRect target(QPoint(scale_.x(area.left()), scale_.y(area.top())),
                       QPoint(scale_.x(area.right()) - 1, scale_.y(area.bottom()) - 1));
    painter.drawImage(target.topLeft(), pictures_.at(picture, target.size(), set));
    changed(target);
}

void RetainedCanvas::paintOutline(QPainter& painter, const DrawingStep& step) {
    int left = scale_.x(step.x1), top = scale_.y(step.y1);
    int right = scale_.x(step.x2), bottom = scale_.y(step.y2);
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    const int t = scale_.lineWidth();
    const int width = right - left + t, height = bottom - top + t;
    const QColor c = qColour(step.colour);
    painter.fillRect(left, top, width, t, c);
    painter.fillRect(left, bottom, width, t, c);
    painter.fillRect(left, top, t, height, c);
    painter.fillRect(right, top, t, height, c);
    changed(QRect(left, top, width, height));
}

void RetainedCanvas::paintText(QPainter& painter, const DrawingStep& step) {
    const QString s = QString::fromUtf8(step.text.data(), static_cast<qsizetype>(step.text.size()));
    const QFont font = fontFor(step.points, step.bold);
    const QFontMetrics metrics(font);
    const QPoint topLeft(scale_.x(step.x1), scale_.y(step.y1));
    painter.setFont(font);
    painter.setPen(qColour(step.colour));
    painter.drawText(topLeft + QPoint(0, metrics.ascent()), s);
    changed(QRect(topLeft, QSize(metrics.horizontalAdvance(s) + metrics.maxWidth(), metrics.height())));
}

// The margins continue the grid of background tiles the game lays around the
// board, so a tile beside the client area meets the game's own seamlessly.
void RetainedCanvas::paintMargins() {
    const QRect client = clientRect();
    if (client.contains(image_.rect())) return;
    const QRegion margins = QRegion(image_.rect()) - QRegion(client);
    QImage view(image_.bits(), image_.width(), image_.height(), image_.bytesPerLine(), image_.format());
    QPainter painter(&view);
    painter.setClipRegion(margins);
    painter.fillRect(image_.rect(), qColour(fillColour_));
    if (marginTile_) {
        const Geometry grid;
        auto cellOf = [](double twips, double origin, double size) { return std::floor((twips - origin) / size); };
        const int firstC = static_cast<int>(cellOf(scale_.xToTwips(0), grid.left, grid.cellWidth)) - 1;
        const int lastC = static_cast<int>(cellOf(scale_.xToTwips(image_.width()), grid.left, grid.cellWidth)) + 1;
        const int firstR = static_cast<int>(cellOf(scale_.yToTwips(0), grid.top, grid.cellHeight)) - 1;
        const int lastR = static_cast<int>(cellOf(scale_.yToTwips(image_.height()), grid.top, grid.cellHeight)) + 1;
        for (int c = firstC; c <= lastC; ++c)
            for (int r = firstR; r <= lastR; ++r) paintPicture(painter, *marginTile_, grid.cellX(c), grid.cellY(r));
    }
    changed(image_.rect());
}

void RetainedCanvas::changed(const QRect& rect) {
    if (onChanged) onChanged(rect.intersected(image_.rect()));
}

namespace {

// The device pixels a ring covers: its outer rectangle, right and bottom edges excluded.
QRect ringArea(const TwipsScale& scale, const Canvas::Ring& ring) {
    return QRect(QPoint(scale.x(std::min(ring.x1, ring.x2)), scale.y(std::min(ring.y1, ring.y2))),
                 QPoint(scale.x(std::max(ring.x1, ring.x2)) - 1, scale.y(std::max(ring.y1, ring.y2)) - 1));
}

}  // namespace

void RetainedCanvas::setMark(const std::vector<Ring>& rings) {
    for (const Ring& ring : mark_) changed(ringArea(scale_, ring));
    mark_ = rings;
    for (const Ring& ring : mark_) changed(ringArea(scale_, ring));
}

void RetainedCanvas::paintMark(QPainter& painter) const {
    for (const Ring& ring : mark_) {
        const QRect area = ringArea(scale_, ring);
        const int w = std::max(1, scale_.lineWidth() * ring.width);
        const QColor c = qColour(ring.colour);
        painter.fillRect(area.left(), area.top(), area.width(), w, c);
        painter.fillRect(area.left(), area.bottom() - w + 1, area.width(), w, c);
        painter.fillRect(area.left(), area.top(), w, area.height(), c);
        painter.fillRect(area.right() - w + 1, area.top(), w, area.height(), c);
    }
}

// Pieces drawn from now on take the set's pictures; what is already on the
// image stays as it was drawn.
void RetainedCanvas::setPieceSet(PieceSet set) { pieceSet_ = set; }

}  // namespace zelkora
