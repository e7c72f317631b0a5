// Board squares: the wood, and the five-sided pieces standing on it.
//
// A piece is drawn in its own frame, point up, resting on the square's lower
// edge; smaller kinds are scaled down about that resting point, as real sets
// are. The upper side's pieces use the same frame turned by 180 degrees about
// the square's centre. Promoted pieces carry their promoted name in red. The
// beginners' set adds the movement marks (moves.cpp) in the character's colour.
#include <cmath>
#include <stdexcept>

#include <QPainterPath>

#include "display/qt/art/art.h"

namespace zelkora::art {
namespace {

constexpr double W = 33, H = 41;

struct PieceArt {
    Picture picture;
    const char* glyph;
    bool promoted;
    bool upper;
    double size;   // relative to the king
};

constexpr double PAWN = 0.84, LANCE = 0.88, KNIGHT = 0.90, SILVER = 0.93, GOLD = 0.93, MAJOR = 0.97, KING = 1.0;

const PieceArt PIECES[] = {
    {Picture::SITA_HU0, "歩", false, false, PAWN},    {Picture::SITA_HU1, "と", true, false, PAWN},
    {Picture::SITA_KYOU0, "香", false, false, LANCE}, {Picture::SITA_KYOU1, "杏", true, false, LANCE},
    {Picture::SITA_KEI0, "桂", false, false, KNIGHT}, {Picture::SITA_KEI1, "圭", true, false, KNIGHT},
    {Picture::SITA_GIN0, "銀", false, false, SILVER}, {Picture::SITA_GIN1, "全", true, false, SILVER},
    {Picture::SITA_KIN, "金", false, false, GOLD},
    {Picture::SITA_KAKU0, "角", false, false, MAJOR}, {Picture::SITA_KAKU1, "馬", true, false, MAJOR},
    {Picture::SITA_SYA0, "飛", false, false, MAJOR},  {Picture::SITA_SYA1, "龍", true, false, MAJOR},
    {Picture::SITA_OU, "玉", false, false, KING},
    {Picture::UE_HU0, "歩", false, true, PAWN},       {Picture::UE_HU1, "と", true, true, PAWN},
    {Picture::UE_KYOU0, "香", false, true, LANCE},    {Picture::UE_KYOU1, "杏", true, true, LANCE},
    {Picture::UE_KEI0, "桂", false, true, KNIGHT},    {Picture::UE_KEI1, "圭", true, true, KNIGHT},
    {Picture::UE_GIN0, "銀", false, true, SILVER},    {Picture::UE_GIN1, "全", true, true, SILVER},
    {Picture::UE_KIN, "金", false, true, GOLD},
    {Picture::UE_KAKU0, "角", false, true, MAJOR},    {Picture::UE_KAKU1, "馬", true, true, MAJOR},
    {Picture::UE_SYA0, "飛", false, true, MAJOR},     {Picture::UE_SYA1, "龍", true, true, MAJOR},
    {Picture::UE_OU, "王", false, true, KING},
};

const PieceArt& pieceArt(Picture picture) {
    for (const auto& p : PIECES)
        if (p.picture == picture) return p;
    throw std::invalid_argument("not a piece picture");
}

// The outline of a king-sized piece, point up, resting on y = 38.
QPainterPath pieceOutline() {
    QPainterPath path;
    path.moveTo(16.5, 2.5);
    path.lineTo(26.8, 8.8);
    path.lineTo(29.2, 38.0);
    path.lineTo(3.8, 38.0);
    path.lineTo(6.2, 8.8);
    path.closeSubpath();
    return path;
}

// Where a piece's own frame lands on the square.
QTransform frameOf(const PieceArt& art) {
    QTransform t;
    if (art.upper) {
        t.translate(W / 2, H / 2);
        t.rotate(180);
        t.translate(-W / 2, -H / 2);
    }
    t.translate(16.5, 38.0);
    t.scale(art.size, art.size);
    t.translate(-16.5, -38.0);
    return t;
}

QFont kanjiFont(int pixels) {
    QFont font(KANJI_FONT);
    font.setPixelSize(pixels);
    font.setBold(true);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

}  // namespace

QTransform pieceFrame(Picture piece) { return frameOf(pieceArt(piece)); }

void drawEmptySquare(QPainter& painter) {
    painter.fillRect(QRectF(0, 0, W, H), QColor(222, 180, 106));
    // Grain running down the square, waving gently; faint so the board reads as
    // one surface.
    Random random(7);
    for (int i = 0; i < 10; ++i) {
        const double x = 1.2 + i * 3.4 + random.between(-0.7, 0.7);
        const double phase = random.between(0, 6.28);
        QPainterPath grain;
        grain.moveTo(x + 0.8 * std::sin(phase), -1);
        for (double y = 1; y <= H + 1; y += 2) grain.lineTo(x + 0.8 * std::sin(y / 7.0 + phase), y);
        const bool dark = random.next() % 3 != 0;
        painter.setPen(QPen(dark ? QColor(176, 128, 62, 90) : QColor(244, 214, 150, 110), random.between(0.35, 0.8)));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(grain);
    }
}

void drawPieceSquare(QPainter& painter, Picture piece, PieceSet set) {
    const PieceArt& art = pieceArt(piece);
    drawEmptySquare(painter);

    const QTransform frame = frameOf(art);
    const QPainterPath body = frame.map(pieceOutline());

    // A soft shadow down and to the right, whichever way the piece points.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(70, 40, 10, 110));
    painter.drawPath(body.translated(0.9, 0.9));

    QLinearGradient wood(0, 2, 0, 39);
    wood.setColorAt(0, QColor(250, 228, 178));
    wood.setColorAt(1, QColor(228, 190, 122));
    painter.setBrush(wood);
    painter.setPen(QPen(QColor(96, 60, 28), 0.8));
    painter.drawPath(body);

    painter.save();
    painter.setTransform(frame, true);
    const QColor ink = art.promoted ? QColor(196, 24, 24) : QColor(24, 18, 12);
    painter.setPen(ink);
    const QString glyph = QString::fromUtf8(art.glyph);
    if (set == PieceSet::Beginners) {
        // A smaller character in the middle leaves room for the marks round it.
        painter.setFont(kanjiFont(14));
        painter.drawText(QRectF(3.8, 15.5, 25.4, 15.0), Qt::AlignCenter, glyph);
        drawMoveMarks(painter, piece, ink);
    } else {
        painter.setFont(kanjiFont(19));
        painter.drawText(QRectF(3.8, 10.5, 25.4, 27.0), Qt::AlignCenter, glyph);
    }
    painter.restore();
}

}  // namespace zelkora::art
