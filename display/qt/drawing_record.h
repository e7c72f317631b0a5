// What the retained canvas shows, kept as the drawing steps that made it, in
// twips, so that the picture can be drawn again at another scale (another
// enlargement, a resized window, a screen of another ratio) exactly as the game
// drew it, texts and highlights included, without asking the game.
//
// The record holds only steps that can still show. Each step keeps the part of
// its area, in twips, that no later opaque picture has covered; a step whose
// part is empty is dropped. A later outline of the same rectangle paints the
// same pixels and replaces an earlier one; a fill of the whole canvas replaces
// everything. Areas are conservative (a step's area holds every pixel it can
// paint at any scale from 1 up, a picture covers only its own rectangle), so a
// dropped step never showed. The record therefore stays about as long as the
// screen has things on it, however long the game.
#pragma once

#include <string>
#include <vector>

#include <QRectF>
#include <QRegion>

#include "game/ports.h"

namespace zelkora {

struct DrawingStep {
    enum class Kind { Fill, Picture, Outline, Text };
    Kind kind = Kind::Fill;
    int colour = 0;                       // Fill, Outline, Text
    Picture picture = Picture::Count;     // Picture
    PieceSet pieces = PieceSet::Traditional;   // Picture: the set it was drawn in
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;   // twips: top-left (Picture, Text), both corners (Outline)
    double points = 0;                    // Text
    bool bold = false;                    // Text
    std::string text;                     // Text (UTF-8)
};

class DrawingRecord {
public:
    // Adds a step that may paint inside `area` (twips). A Fill forgets every
    // earlier step; a Picture covers `area` for the earlier steps.
    void add(const DrawingStep& step, const QRectF& area);

    // Calls `f` with every kept step, oldest first.
    template <typename F>
    void forEach(F f) const {
        for (const Kept& k : kept_) f(k.step);
    }
    std::size_t size() const { return kept_.size(); }

private:
    struct Kept {
        DrawingStep step;
        QRect bounds;      // outer whole twips of the area
        QRegion showing;   // the part not yet covered
    };
    void cover(const QRect& opaque);
    void replaceSameOutline(const DrawingStep& outline);

    std::vector<Kept> kept_;
};

}  // namespace zelkora
