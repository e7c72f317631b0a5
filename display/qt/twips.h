// The one place where twips become pixels and pixels twips.
//
// The game addresses the window in twips: 15 twips make one pixel at the
// reference scale (96 dots per inch). A scale factor above 1 enlarges the whole
// window (a later high-density screen); everything the window layer sizes or
// positions goes through here, so that change touches this file only.
#pragma once

#include <cmath>

namespace zelkora {

class TwipsScale {
public:
    static constexpr double TWIPS_PER_PIXEL = 15;
    static constexpr double POINTS_PER_INCH = 72;
    static constexpr double PIXELS_PER_INCH = 96;

    explicit TwipsScale(int factor = 1) : factor_(factor < 1 ? 1 : factor) {}

    int factor() const { return factor_; }

    // A position or length in twips, as whole device pixels (nearest).
    int toPixels(double twips) const { return static_cast<int>(std::lround(twips * factor_ / TWIPS_PER_PIXEL)); }

    // A device pixel position, in twips.
    double toTwips(double pixels) const { return pixels * TWIPS_PER_PIXEL / factor_; }

    // A length given in pixels at the reference scale, as device pixels.
    int scaled(int referencePixels) const { return referencePixels * factor_; }

    // The pixel size of a font of the given points (independent of the screen's
    // own resolution, so text renders alike everywhere, offscreen included).
    int fontPixels(double points) const {
        return static_cast<int>(std::lround(points * PIXELS_PER_INCH / POINTS_PER_INCH * factor_));
    }

private:
    int factor_;
};

}  // namespace zelkora
