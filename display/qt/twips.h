// The one place where twips become pixels and pixels twips.
//
// The game addresses the window in twips: 15 twips make one reference pixel
// (96 dots per inch, the window at 100%). Three numbers map that onto the
// screen:
//  - the zoom, logical pixels per reference pixel: the enlargement the player
//    chose, or what fits the board into a window resized by hand;
//  - the ratio, device pixels per logical pixel: the screen's own density
//    (1, 1.25, 1.5, 2, ...), fractional ratios included;
//  - the offset in device pixels of the client area's top-left corner inside
//    the canvas, which centres the board in a larger window.
// Drawing happens in device pixels (zoom times ratio per reference pixel), so
// edges fall on the screen's own pixels; widgets are placed in logical pixels.
// At zoom 1, ratio 1 and no offset every position is the twips divided by 15,
// to the nearest pixel, as the window has always been drawn.
#pragma once

#include <algorithm>
#include <cmath>

namespace zelkora {

class TwipsScale {
public:
    static constexpr double TWIPS_PER_PIXEL = 15;
    static constexpr double POINTS_PER_INCH = 72;
    static constexpr double PIXELS_PER_INCH = 96;

    TwipsScale() = default;
    TwipsScale(double zoom, double ratio, int offsetX = 0, int offsetY = 0)
        : zoom_(zoom > 0 ? zoom : 1), ratio_(ratio > 0 ? ratio : 1), offsetX_(offsetX), offsetY_(offsetY) {}

    double zoom() const { return zoom_; }
    double ratio() const { return ratio_; }
    int offsetX() const { return offsetX_; }
    int offsetY() const { return offsetY_; }
    // Device pixels per reference pixel.
    double factor() const { return zoom_ * ratio_; }

    // ---- Twips to device pixels (drawing) ----

    // A length in twips, as whole device pixels (nearest).
    int toPixels(double twips) const { return static_cast<int>(std::lround(twips * factor() / TWIPS_PER_PIXEL)); }
    // A position in twips from the client area's top-left, as a device pixel.
    int x(double twips) const { return offsetX_ + toPixels(twips); }
    int y(double twips) const { return offsetY_ + toPixels(twips); }
    // A length given in reference pixels, as device pixels (nearest).
    int scaled(double referencePixels) const { return static_cast<int>(std::lround(referencePixels * factor())); }
    // The width of a one-pixel line: one reference pixel, never thinner than a device pixel.
    int lineWidth() const { return std::max(1, scaled(1)); }
    // The pixel size of a font of the given points: its real size on this
    // screen, independent of the screen's reported dots per inch so that text
    // renders alike everywhere, offscreen included.
    int fontPixels(double points) const {
        return static_cast<int>(std::lround(points * PIXELS_PER_INCH / POINTS_PER_INCH * factor()));
    }

    // ---- Pixels to twips (the mouse) ----

    // A device pixel of the canvas (its top-left corner), in twips.
    double xToTwips(double devicePixel) const { return (devicePixel - offsetX_) * TWIPS_PER_PIXEL / factor(); }
    double yToTwips(double devicePixel) const { return (devicePixel - offsetY_) * TWIPS_PER_PIXEL / factor(); }
    // A point of the widget in logical pixels, as the twips of the device pixel under it.
    double logicalXToTwips(double logical) const { return xToTwips(devicePixelUnder(logical)); }
    double logicalYToTwips(double logical) const { return yToTwips(devicePixelUnder(logical)); }

    // ---- Twips to logical pixels (widgets and pointer positions) ----

    // A length in twips as whole logical pixels.
    int toLogicalPixels(double twips) const {
        return static_cast<int>(std::lround(twips * zoom_ / TWIPS_PER_PIXEL));
    }
    // A position in twips as a logical point: the middle of its device pixel,
    // which lies inside that pixel whatever the ratio.
    double logicalX(double twips) const { return (x(twips) + 0.5) / ratio_; }
    double logicalY(double twips) const { return (y(twips) + 0.5) / ratio_; }
    // The same as whole logical pixels (widget geometry).
    int logicalLeft(double twips) const { return static_cast<int>(std::lround(x(twips) / ratio_)); }
    int logicalTop(double twips) const { return static_cast<int>(std::lround(y(twips) / ratio_)); }

    bool operator==(const TwipsScale&) const = default;

private:
    int devicePixelUnder(double logical) const { return static_cast<int>(std::floor(logical * ratio_ + 1e-9)); }

    double zoom_ = 1;
    double ratio_ = 1;
    int offsetX_ = 0;
    int offsetY_ = 0;
};

}  // namespace zelkora
