// The title: "Zelkora" in gold on a lacquered plaque with a gold frame. The
// plaque fills the whole picture, so it shows the same over every background.
#include <QPainterPath>

#include "display/qt/art/art.h"

namespace zelkora::art {

void drawTitle(QPainter& painter) {
    constexpr double W = 118, H = 59;
    QLinearGradient lacquer(0, 0, 0, H);
    lacquer.setColorAt(0, QColor(92, 34, 16));
    lacquer.setColorAt(1, QColor(40, 12, 6));
    painter.fillRect(QRectF(0, 0, W, H), lacquer);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(214, 170, 72), 2.0));
    painter.drawRect(QRectF(1.5, 1.5, W - 3, H - 3));
    painter.setPen(QPen(QColor(214, 170, 72, 170), 0.6));
    painter.drawRect(QRectF(4.5, 4.5, W - 9, H - 9));

    QFont font(TITLE_FONT);
    font.setPixelSize(31);
    font.setHintingPreference(QFont::PreferNoHinting);
    QPainterPath text;
    text.addText(0, 0, font, QStringLiteral("Zelkora"));
    const QRectF box = text.boundingRect();
    text.translate(W / 2 - box.center().x(), H / 2 - box.center().y());

    QLinearGradient gold(0, H / 2 - box.height() / 2, 0, H / 2 + box.height() / 2);
    gold.setColorAt(0, QColor(255, 236, 150));
    gold.setColorAt(0.55, QColor(230, 180, 70));
    gold.setColorAt(1, QColor(170, 110, 30));
    painter.setPen(QPen(QColor(40, 16, 4), 1.4));
    painter.drawPath(text.translated(0.8, 0.8));
    painter.setPen(QPen(QColor(120, 70, 20), 0.6));
    painter.setBrush(gold);
    painter.drawPath(text);
}

}  // namespace zelkora::art
