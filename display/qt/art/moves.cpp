// The movement marks of the beginners' pieces: where each kind can go, drawn
// around its character like a small movement diagram.
//
// A dot stands for one step in its direction; a line from beside the
// character out across the piece's edge onto the wood stands for sliding any
// distance that way. The knight's two dots sit higher and closer together than
// the forward diagonal dots: two squares ahead, one across. Everything is in
// the frame of a king-sized piece pointing up (forward is up), so the upper
// side's pieces, turned by 180 degrees, point their marks toward the lower side.
#include <cstdlib>
#include <stdexcept>

#include <QPainterPath>

#include "display/qt/art/art.h"

namespace zelkora::art {
namespace {

constexpr double W = 33;
// At 100% the smallest piece (the pawn, 0.84 of a king) still shows a dot
// and a line at least 3 pixels across.
constexpr double DOT_RADIUS = 2.45, LINE_WIDTH = 3.6;

// One direction on the left half or straight ahead or back (dx <= 0); the
// right half is its mirror image.
struct Ray {
    int dx, dy;        // squares; dy < 0 is forward
    QPointF step;      // the dot of one step
    QPointF from, to;  // the sliding line, from beside the character outward
    QPointF beyond;    // a point on the line past the dot, clear of the outline
};

const Ray RAYS[] = {
    {0, -1, {16.5, 10.0}, {16.5, 15.0}, {16.5, 1.0}, {16.5, 5.5}},
    {0, 1, {16.5, 33.2}, {16.5, 31.0}, {16.5, 40.2}, {16.5, 37.2}},
    {-1, 0, {7.4, 23.0}, {9.4, 23.0}, {1.0, 23.0}, {2.6, 23.0}},
    {-1, -1, {8.6, 13.4}, {10.6, 15.6}, {2.2, 6.4}, {3.9, 8.2}},
    {-1, 1, {8.4, 33.0}, {10.4, 30.6}, {2.6, 39.6}, {5.6, 36.2}},
};

// The knight's dot on the left; the right one is its mirror image.
constexpr QPointF KNIGHT_LEFT{12.8, 6.8};

QPointF mirrored(QPointF p) { return {W - p.x(), p.y()}; }

const Ray& rayOf(int dx, int dy) {
    for (const Ray& ray : RAYS)
        if (ray.dx == -std::abs(dx) && ray.dy == dy) return ray;
    throw std::invalid_argument("not a direction");
}

QPointF onSide(int dx, QPointF left) { return dx > 0 ? mirrored(left) : left; }

// The eight directions as bits, in the order of this table.
constexpr int DIRECTIONS[8][2] = {{0, -1}, {-1, -1}, {1, -1}, {-1, 0}, {1, 0}, {0, 1}, {-1, 1}, {1, 1}};
constexpr unsigned F = 1, FL = 2, FR = 4, L = 8, R = 16, B = 32, BL = 64, BR = 128;
constexpr unsigned ORTHOGONAL = F | L | R | B, DIAGONAL = FL | FR | BL | BR;
constexpr unsigned GOLD_STEPS = F | FL | FR | L | R | B;

struct KindMoves {
    Picture lower;
    unsigned steps, slides;
    bool knight;
};

const KindMoves KINDS[] = {
    {Picture::SITA_HU0, F, 0, false},
    {Picture::SITA_KYOU0, 0, F, false},
    {Picture::SITA_KEI0, 0, 0, true},
    {Picture::SITA_GIN0, F | FL | FR | BL | BR, 0, false},
    {Picture::SITA_KIN, GOLD_STEPS, 0, false},
    {Picture::SITA_HU1, GOLD_STEPS, 0, false},
    {Picture::SITA_KYOU1, GOLD_STEPS, 0, false},
    {Picture::SITA_KEI1, GOLD_STEPS, 0, false},
    {Picture::SITA_GIN1, GOLD_STEPS, 0, false},
    {Picture::SITA_KAKU0, 0, DIAGONAL, false},
    {Picture::SITA_KAKU1, ORTHOGONAL, DIAGONAL, false},
    {Picture::SITA_SYA0, 0, ORTHOGONAL, false},
    {Picture::SITA_SYA1, DIAGONAL, ORTHOGONAL, false},
    {Picture::SITA_OU, ORTHOGONAL | DIAGONAL, 0, false},
};

const KindMoves& movesOf(Picture piece) {
    int p = static_cast<int>(piece);
    if (p >= static_cast<int>(Picture::UE_HU0) && p <= static_cast<int>(Picture::UE_OU))
        p += static_cast<int>(Picture::SITA_HU0) - static_cast<int>(Picture::UE_HU0);
    for (const KindMoves& kind : KINDS)
        if (static_cast<int>(kind.lower) == p) return kind;
    throw std::invalid_argument("not a piece picture");
}

}  // namespace

QPointF moveMark(int dx, int dy) {
    if (dy == -2 && std::abs(dx) == 1) return onSide(dx, KNIGHT_LEFT);
    return onSide(dx, rayOf(dx, dy).step);
}

QPointF slideMark(int dx, int dy) { return onSide(dx, rayOf(dx, dy).beyond); }

void drawMoveMarks(QPainter& painter, Picture piece, const QColor& ink) {
    const KindMoves& moves = movesOf(piece);
    painter.save();
    painter.setPen(QPen(ink, LINE_WIDTH, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < 8; ++i) {
        if (!(moves.slides & (1u << i))) continue;
        const int dx = DIRECTIONS[i][0], dy = DIRECTIONS[i][1];
        const Ray& ray = rayOf(dx, dy);
        painter.drawLine(onSide(dx, ray.from), onSide(dx, ray.to));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    auto dot = [&](QPointF at) { painter.drawEllipse(at, DOT_RADIUS, DOT_RADIUS); };
    for (int i = 0; i < 8; ++i)
        if (moves.steps & (1u << i)) dot(moveMark(DIRECTIONS[i][0], DIRECTIONS[i][1]));
    if (moves.knight) {
        dot(moveMark(-1, -2));
        dot(moveMark(1, -2));
    }
    painter.restore();
}

}  // namespace zelkora::art
