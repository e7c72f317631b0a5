// The keyboard cursor's mark: three rings inside the cell, a bright blue band
// framed in black on both sides, so it shows on the light squares, on the
// dark stands and over any piece, and it is never mistaken for the red of a
// selection or the white of reachable squares. The rings sit inside the
// cell's own outline, which keeps telling what the game marks there. Widths
// are reference pixels: the mark grows with the enlargement.
#include "game/Form1.h"

namespace zelkora {
namespace {

constexpr double PIXEL = 15;   // twips of one reference pixel
constexpr int BAND = 3;        // the blue band's width in reference pixels

}  // namespace

void Form1::描画_カーソル(int c, int r) {
    if (c == 0) {
        io.canvas->setMark({});
        return;
    }
    const double x1 = geo.cellX(c), y1 = geo.cellY(r), x2 = geo.cellX(c + 1), y2 = geo.cellY(r + 1);
    auto inset = [&](double pixels, int colour, int width) {
        const double d = pixels * PIXEL;
        return Canvas::Ring{x1 + d, y1 + d, x2 - d, y2 - d, colour, width};
    };
    io.canvas->setMark({inset(1, COLOUR_BLACK, 1), inset(2, COLOUR_CURSOR, BAND), inset(2 + BAND, COLOUR_BLACK, 1)});
}

}  // namespace zelkora
