// The application icon: a piece bearing 駒 standing on a corner of the board.
//
// The icon is a list of flat-coloured paths in a 256 by 256 frame; the
// PNG sizes paint the list with QPainter and the scalable icon writes the
// same paths as SVG, so both show one drawing. The glyph is turned into a path
// here, so the SVG needs no font.
#include <QPainterPath>
#include <QTextStream>

#include "display/qt/art/art.h"

namespace zelkora::art {
namespace {

constexpr double FRAME = 256;

struct IconLayer {
    QPainterPath path;
    QColor fill;          // Qt::transparent: not filled
    QColor stroke;        // Qt::transparent: not outlined
    double strokeWidth = 0;
};

QPainterPath rect(double x, double y, double w, double h, double radius) {
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), radius, radius);
    return path;
}

QPainterPath line(double x1, double y1, double x2, double y2) {
    QPainterPath path;
    path.moveTo(x1, y1);
    path.lineTo(x2, y2);
    return path;
}

// The five-sided piece, point up, as on the board's squares.
QPainterPath piece(double dx, double dy) {
    QPainterPath path;
    path.moveTo(128 + dx, 26 + dy);
    path.lineTo(196 + dx, 64 + dy);
    path.lineTo(214 + dx, 232 + dy);
    path.lineTo(42 + dx, 232 + dy);
    path.lineTo(60 + dx, 64 + dy);
    path.closeSubpath();
    return path;
}

// 駒 centred on the piece's face.
QPainterPath glyph() {
    QFont font(KANJI_FONT);
    font.setPixelSize(112);
    font.setBold(true);
    font.setHintingPreference(QFont::PreferNoHinting);
    QPainterPath path;
    path.addText(0, 0, font, QString::fromUtf8("駒"));
    const QRectF box = path.boundingRect();
    return path.translated(128 - box.center().x(), 152 - box.center().y());
}

std::vector<IconLayer> layers() {
    const QColor none = Qt::transparent;
    std::vector<IconLayer> out;
    out.push_back({rect(8, 8, 240, 240, 30), QColor(214, 166, 88), QColor(112, 70, 30), 6});
    for (double at : {88.0, 168.0}) {
        out.push_back({line(at, 11, at, 245), none, QColor(92, 58, 22), 4});
        out.push_back({line(11, at, 245, at), none, QColor(92, 58, 22), 4});
    }
    out.push_back({piece(7, 7), QColor(60, 34, 8, 120), none, 0});
    out.push_back({piece(0, 0), QColor(246, 220, 164), QColor(96, 60, 28), 6});
    out.push_back({glyph(), QColor(24, 18, 12), none, 0});
    return out;
}

QString svgColour(const QColor& colour) { return colour.name(QColor::HexRgb); }

// Path data; a subpath that ends where it began is closed with Z, so its
// outline is joined there as QPainter joins it.
QString svgPathData(const QPainterPath& path) {
    QString data;
    QTextStream out(&data);
    out.setRealNumberPrecision(2);
    out.setRealNumberNotation(QTextStream::FixedNotation);
    QPointF start, last;
    auto closeIfBack = [&] {
        if (!data.isEmpty() && last == start) out << 'Z';
    };
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            closeIfBack();
            start = last = QPointF(e.x, e.y);
            out << 'M' << e.x << ' ' << e.y;
        } else if (e.isLineTo()) {
            last = QPointF(e.x, e.y);
            out << 'L' << e.x << ' ' << e.y;
        } else if (e.isCurveTo()) {
            const QPainterPath::Element c2 = path.elementAt(i + 1), end = path.elementAt(i + 2);
            out << 'C' << e.x << ' ' << e.y << ' ' << c2.x << ' ' << c2.y << ' ' << end.x << ' ' << end.y;
            last = QPointF(end.x, end.y);
            i += 2;
        }
    }
    closeIfBack();
    return data;
}

}  // namespace

void drawIcon(QPainter& painter, int size) {
    painter.scale(size / FRAME, size / FRAME);
    for (const IconLayer& layer : layers()) {
        painter.setBrush(layer.fill.alpha() == 0 ? QBrush(Qt::NoBrush) : QBrush(layer.fill));
        painter.setPen(layer.stroke.alpha() == 0 ? QPen(Qt::NoPen)
                                                 : QPen(layer.stroke, layer.strokeWidth, Qt::SolidLine, Qt::RoundCap,
                                                        Qt::RoundJoin));
        painter.drawPath(layer.path);
    }
}

QString iconSvg() {
    QString svg;
    QTextStream out(&svg);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n";
    for (const IconLayer& layer : layers()) {
        const QString fill = layer.fill.alpha() == 0 ? QString("none") : svgColour(layer.fill);
        out << "  <path d=\"" << svgPathData(layer.path) << "\" fill=\"" << fill << "\"";
        if (layer.fill.alpha() != 0 && layer.fill.alpha() != 255) out << " fill-opacity=\"" << layer.fill.alphaF() << "\"";
        if (layer.stroke.alpha() != 0)
            out << " stroke=\"" << svgColour(layer.stroke) << "\" stroke-width=\"" << layer.strokeWidth
                << "\" stroke-linecap=\"round\" stroke-linejoin=\"round\"";
        out << "/>\n";
    }
    out << "</svg>\n";
    return svg;
}

}  // namespace zelkora::art
