// The game's pictures at whatever size the screen needs.
//
// At their own size (a 100% window on a screen of ratio 1) the pictures are the
// embedded PNG files, so that window looks exactly as it always has. At any
// other size they are drawn afresh from the same vector art the picture
// generator draws them with (display/qt/art), at that size in device
// pixels: edges and the pieces' characters are as sharp as the screen allows,
// never an enlarged small bitmap. The beginners' pieces are always drawn from
// the art (only the traditional set is embedded); the other pictures are the
// same in both sets. A drawn picture is kept for later calls; the canvas
// forgets them when its scale changes.
#pragma once

#include <map>
#include <tuple>

#include <QImage>
#include <QSize>

#include "game/ports.h"

namespace zelkora {

// Whether the picture is a piece on its square (the pictures a set changes).
bool isPiecePicture(Picture picture);

// The picture drawn from the vector art at `size` device pixels (opaque).
QImage renderPicture(Picture picture, QSize size, PieceSet set = PieceSet::Traditional);

class PictureCache {
public:
    // The picture as embedded (a null image if the resource is missing).
    static const QImage& embedded(Picture picture);

    // The picture at `size` device pixels in the given set: the embedded one
    // at its own size for the traditional set, otherwise drawn from the art
    // (once per set and size).
    const QImage& at(Picture picture, QSize size, PieceSet set = PieceSet::Traditional);

    void clear() { drawn_.clear(); }
    std::size_t drawnCount() const { return drawn_.size(); }

private:
    std::map<std::tuple<int, int, int, int>, QImage> drawn_;   // picture, set, width, height
};

}  // namespace zelkora
