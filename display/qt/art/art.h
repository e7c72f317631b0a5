// The drawing of our own pictures: board squares with pieces, background tiles
// and the title. Every function paints in the picture's own coordinates at
// scale 1 (33 by 41 for a square, 34 by 41 for a tile, 118 by 59 for the
// title) on a painter that the caller has scaled, so any scale gives the same
// picture, only sharper. Nothing random: the same build draws the same pixels.
#pragma once

#include <QPainter>
#include <QString>

#include "game/ports.h"

namespace zelkora::art {

// The empty wood square.
void drawEmptySquare(QPainter& painter);
// A piece on the wood square; the upper side's pieces are turned by 180 degrees.
// The beginners' set shows a smaller character with the piece's movement marks.
void drawPieceSquare(QPainter& painter, Picture piece, PieceSet set = PieceSet::Traditional);
// Where a piece's own frame (a king-sized piece pointing up, resting on the
// square's lower edge) lands on the square.
QTransform pieceFrame(Picture piece);

// ---- The beginners' movement marks, in a piece's own frame ----

// The dot of a move by (dx, dy) squares, dy < 0 forward: one of the eight
// neighbours, or a knight's jump (dx = -1 or 1, dy = -2).
QPointF moveMark(int dx, int dy);
// A point on the sliding line of direction (dx, dy) beyond the step's dot.
QPointF slideMark(int dx, int dy);
// Dots and lines of every move of the piece's kind, in `ink`.
void drawMoveMarks(QPainter& painter, Picture piece, const QColor& ink);
// A background tile that repeats every 33 pixels across and 41 down.
void drawBackground(QPainter& painter, Picture tile);
void drawTitle(QPainter& painter);
// The application icon, a size by size square; and the same drawing as SVG.
void drawIcon(QPainter& painter, int size);
QString iconSvg();

// The fonts the pictures use.
inline constexpr const char* KANJI_FONT = "IPAMincho";
inline constexpr const char* TITLE_FONT = "IPAPMincho";

// A small deterministic random source (xorshift).
class Random {
public:
    explicit Random(unsigned seed) : state_(seed ? seed : 1) {}
    unsigned next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    // A number in [low, high).
    double between(double low, double high) { return low + (high - low) * (next() % 100000) / 100000.0; }

private:
    unsigned state_;
};

}  // namespace zelkora::art
