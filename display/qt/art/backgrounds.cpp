// The five background tiles. Tiles are 34 by 41 but are laid every 33 pixels
// across (each overlaps its right neighbour by one) and every 41 down, so each
// pattern is periodic with exactly that period: everything is drawn nine times,
// shifted by the period, and the tile's last column repeats its first.
#include <cmath>
#include <tuple>
#include <utility>

#include <QPainterPath>
#include <QRadialGradient>

#include "display/qt/art/art.h"

namespace zelkora::art {
namespace {

constexpr double PERIOD_X = 33, PERIOD_Y = 41;
constexpr double TILE_W = 34, TILE_H = 41;

template <typename Draw>
void wrapped(QPainter& painter, Draw draw) {
    for (const double dx : {-PERIOD_X, 0.0, PERIOD_X})
        for (const double dy : {-PERIOD_Y, 0.0, PERIOD_Y}) {
            painter.save();
            painter.translate(dx, dy);
            draw();
            painter.restore();
        }
}

void base(QPainter& painter, const QColor& colour) { painter.fillRect(QRectF(0, 0, TILE_W, TILE_H), colour); }

// Green felt: short fibres of lighter and darker green in every direction.
void felt(QPainter& painter) {
    base(painter, QColor(20, 108, 40));
    wrapped(painter, [&] {
        Random random(11);
        for (int i = 0; i < 170; ++i) {
            const double x = random.between(0, PERIOD_X), y = random.between(0, PERIOD_Y);
            const double angle = random.between(0, 6.2832), length = random.between(1.2, 3.0);
            const bool light = random.next() % 2 == 0;
            painter.setPen(QPen(light ? QColor(70, 160, 80, 80) : QColor(6, 70, 22, 90), random.between(0.4, 0.8)));
            painter.drawLine(QPointF(x, y), QPointF(x + length * std::cos(angle), y + length * std::sin(angle)));
        }
    });
}

// Tatami: rows of woven rush across, with the binding threads running down.
void tatami(QPainter& painter) {
    base(painter, QColor(196, 190, 118));
    constexpr int ROWS = 12;
    constexpr double ROW_H = PERIOD_Y / ROWS;
    wrapped(painter, [&] {
        Random random(23);
        for (int row = 0; row < ROWS; ++row) {
            const double y = row * ROW_H;
            const int shade = static_cast<int>(random.between(-10, 10));
            painter.fillRect(QRectF(0, y, PERIOD_X, ROW_H), QColor(200 + shade, 192 + shade, 118 + shade / 2));
            for (int k = 0; k < 6; ++k) {   // rush stems
                const double sx = random.between(0, PERIOD_X), sy = y + random.between(0.6, ROW_H - 0.6);
                painter.setPen(QPen(QColor(160, 150, 80, 90), 0.4));
                painter.drawLine(QPointF(sx, sy), QPointF(sx + random.between(3, 8), sy));
            }
            painter.setPen(QPen(QColor(140, 130, 62, 150), 0.6));
            painter.drawLine(QPointF(0, y), QPointF(PERIOD_X, y));
        }
        painter.setPen(QPen(QColor(150, 140, 70, 70), 0.5));
        for (const double x : {8.25, 24.75}) painter.drawLine(QPointF(x, 0), QPointF(x, PERIOD_Y));
    });
}

// One bamboo stalk from top to bottom with a node at nodeY.
void stalk(QPainter& painter, double left, double width, double nodeY) {
    QLinearGradient skin(left, 0, left + width, 0);
    skin.setColorAt(0, QColor(52, 104, 36));
    skin.setColorAt(0.35, QColor(150, 196, 92));
    skin.setColorAt(0.55, QColor(124, 176, 74));
    skin.setColorAt(1, QColor(44, 92, 30));
    painter.fillRect(QRectF(left, 0, width, PERIOD_Y), skin);
    painter.fillRect(QRectF(left - 0.4, nodeY - 0.9, width + 0.8, 1.8), QColor(48, 92, 32));
    painter.fillRect(QRectF(left, nodeY + 0.9, width, 0.7), QColor(186, 214, 130, 160));
}

// Bamboo: two stalks per tile before a dark grove, a leaf or two between.
void bamboo(QPainter& painter) {
    base(painter, QColor(24, 52, 26));
    wrapped(painter, [&] {
        stalk(painter, 2.5, 10.5, 14);
        stalk(painter, 18.5, 9.0, 33);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(58, 112, 44));
        for (const auto& [x, y, angle] : {std::tuple{15.5, 6.0, 62.0}, std::tuple{29.5, 22.0, -58.0}}) {
            painter.save();
            painter.translate(x, y);
            painter.rotate(angle);
            QPainterPath leaf;
            leaf.moveTo(0, 0);
            leaf.quadTo(4.5, -2.2, 11, 0);
            leaf.quadTo(4.5, 2.2, 0, 0);
            painter.drawPath(leaf);
            painter.restore();
        }
    });
}

// Starry space: faint clouds and stars of different brightness and colour.
void space(QPainter& painter) {
    base(painter, QColor(6, 8, 28));
    wrapped(painter, [&] {
        Random random(37);
        painter.setPen(Qt::NoPen);
        for (const auto& [x, y, r, colour] : {std::tuple{8.0, 10.0, 14.0, QColor(90, 40, 130, 46)},
                                             std::tuple{26.0, 30.0, 16.0, QColor(30, 60, 150, 46)}}) {
            QRadialGradient cloud(QPointF(x, y), r);
            cloud.setColorAt(0, colour);
            cloud.setColorAt(1, QColor(colour.red(), colour.green(), colour.blue(), 0));
            painter.setBrush(cloud);
            painter.drawEllipse(QPointF(x, y), r, r);
        }
        const QColor tints[] = {QColor(255, 255, 255), QColor(190, 210, 255), QColor(255, 236, 190)};
        for (int i = 0; i < 24; ++i) {
            const double x = random.between(0, PERIOD_X), y = random.between(0, PERIOD_Y);
            QColor c = tints[random.next() % 3];
            c.setAlpha(static_cast<int>(random.between(120, 255)));
            painter.setBrush(c);
            const double r = random.between(0.3, 0.65);
            painter.drawEllipse(QPointF(x, y), r, r);
        }
        painter.setPen(QPen(QColor(255, 255, 255, 170), 0.45));
        for (const auto& [x, y] : {std::pair{23.5, 8.5}, std::pair{6.5, 31.5}}) {
            painter.drawLine(QPointF(x - 2.4, y), QPointF(x + 2.4, y));
            painter.drawLine(QPointF(x, y - 2.4), QPointF(x, y + 2.4));
            painter.setBrush(Qt::white);
            painter.drawEllipse(QPointF(x, y), 0.6, 0.6);
        }
    });
}

// Brick: four courses per tile in running bond, each brick its own red.
void brick(QPainter& painter) {
    base(painter, QColor(176, 166, 150));
    constexpr int COURSES = 4;
    constexpr double COURSE_H = PERIOD_Y / COURSES, JOINT = 1.1;
    wrapped(painter, [&] {
        Random random(41);
        for (int course = 0; course < COURSES; ++course) {
            const double x = (course % 2) * PERIOD_X / 2, y = course * COURSE_H;
            const QRectF face(x + JOINT / 2, y + JOINT / 2, PERIOD_X - JOINT, COURSE_H - JOINT);
            const int shade = static_cast<int>(random.between(-16, 16));
            painter.fillRect(face, QColor(158 + shade, 60 + shade / 2, 40 + shade / 3));
            painter.fillRect(QRectF(face.left(), face.top(), face.width(), 0.8), QColor(200, 110, 80, 90));
            painter.fillRect(QRectF(face.left(), face.bottom() - 0.8, face.width(), 0.8), QColor(80, 24, 14, 90));
            painter.setPen(Qt::NoPen);
            for (int k = 0; k < 8; ++k) {
                painter.setBrush(random.next() % 2 ? QColor(110, 36, 22, 90) : QColor(210, 120, 90, 70));
                painter.drawEllipse(QPointF(face.left() + random.between(1, face.width() - 1),
                                            face.top() + random.between(1, face.height() - 1)),
                                    0.5, 0.5);
            }
        }
    });
}

}  // namespace

void drawBackground(QPainter& painter, Picture tile) {
    switch (tile) {
    case Picture::HAIKEI_MIDORI: felt(painter); break;
    case Picture::HAIKEI_TATAMI: tatami(painter); break;
    case Picture::HAIKEI_TAKE: bamboo(painter); break;
    case Picture::HAIKEI_UCHU: space(painter); break;
    case Picture::HAIKEI_RENGA: brick(painter); break;
    default: break;
    }
}

}  // namespace zelkora::art
