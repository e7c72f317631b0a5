// A canvas that keeps what was drawn: every operation paints into an image that
// lives as long as the window; the widget that shows it only copies it out.
//
// Positions arrive in twips and become pixels through TwipsScale only. Pictures
// come from the embedded resources and are drawn at their own size (times the
// scale factor); outlines are one pixel wide (times the factor) and include the
// rows and columns of both corners; text is drawn in "IPAPMincho" on a
// transparent background, its pixel size derived from points at 96 dpi.
#pragma once

#include <array>
#include <functional>

#include <QFont>
#include <QImage>

#include "display/qt/twips.h"
#include "game/ports.h"

namespace zelkora {

class RetainedCanvas : public Canvas {
public:
    static constexpr const char* FONT_FAMILY = "IPAPMincho";

    RetainedCanvas(double widthTwips, double heightTwips, TwipsScale scale = TwipsScale());

    void drawPicture(Picture picture, double x, double y) override;
    void outline(double x1, double y1, double x2, double y2, int colour) override;
    void setFont(double points, bool bold, int colour) override;
    void drawText(double x, double y, const std::string& text) override;
    void refresh() override;

    // Paints the whole image in a palette colour.
    void fill(int colour);
    // Changes the size of the image; what was drawn stays where it was.
    void resize(double widthTwips, double heightTwips);

    const QImage& image() const { return image_; }
    const TwipsScale& scale() const { return scale_; }
    // The picture as embedded (a null image if the resource is missing).
    static const QImage& picture(Picture picture);

    // Told the pixel rectangle that changed, and asked to show the image at once.
    std::function<void(const QRect&)> onChanged;
    std::function<void()> onRefresh;

private:
    void changed(const QRect& rect);

    TwipsScale scale_;
    QImage image_;
    QFont font_;
    int textColour_ = 0;
};

}  // namespace zelkora
