// A canvas that keeps what was drawn: every operation paints into an image that
// lives as long as the window; the widget that shows it only copies it out.
//
// The image has the size of the window's canvas in device pixels and carries
// the screen's device pixel ratio. Positions arrive in twips and become device
// pixels through TwipsScale only. Pictures are drawn at the size they cover in
// device pixels (PictureCache); outlines are one reference pixel wide and
// include the rows and columns of both corners; text is drawn in "IPAPMincho"
// on a transparent background at its real pixel size.
//
// Every step is also kept (DrawingRecord), so a change of scale draws the
// whole picture again at the new resolution; a piece keeps the set it was
// drawn in, whatever set is chosen since. Where the image is larger than
// the client area (a window enlarged out of proportion), the client area sits
// at the scale's offset and the rest shows the last background tile drawn,
// continuing the game's grid of cells, or the last fill colour before any.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include <QFont>
#include <QImage>

#include "display/qt/drawing_record.h"
#include "display/qt/picture_art.h"
#include "display/qt/twips.h"
#include "game/ports.h"

class QPainter;

namespace zelkora {

class RetainedCanvas : public Canvas {
public:
    static constexpr const char* FONT_FAMILY = "IPAPMincho";

    // A client area of the given size in twips; the image is exactly that size at `scale`.
    RetainedCanvas(double widthTwips, double heightTwips, TwipsScale scale = TwipsScale());

    void drawPicture(Picture picture, double x, double y) override;
    void outline(double x1, double y1, double x2, double y2, int colour) override;
    void setFont(double points, bool bold, int colour) override;
    void drawText(double x, double y, const std::string& text) override;
    void refresh() override;
    void setPieceSet(PieceSet set) override;
    // The mark is kept apart from the image: the widget paints it on top.
    void setMark(const std::vector<Ring>& rings) override;
    const std::vector<Ring>& mark() const { return mark_; }
    // Paints the mark with a painter on device pixels of the image.
    void paintMark(QPainter& painter) const;

    // Paints the whole image in a palette colour.
    void fill(int colour);
    // Changes the client area's size; the image follows at the current scale
    // and what was drawn stays where it was.
    void resize(double widthTwips, double heightTwips);
    // Makes the image `pixels` device pixels at `scale` and draws everything
    // that shows again at that resolution.
    void setScale(const TwipsScale& scale, QSize pixels);

    double widthTwips() const { return widthTwips_; }
    double heightTwips() const { return heightTwips_; }
    const QImage& image() const { return image_; }
    const TwipsScale& scale() const { return scale_; }
    // The client area inside the image, in device pixels.
    QRect clientRect() const;
    // How many drawing steps are kept for drawing again.
    std::size_t keptSteps() const { return record_.size(); }
    // The picture as embedded (a null image if the resource is missing).
    static const QImage& picture(Picture picture) { return PictureCache::embedded(picture); }

    // Told the device pixel rectangle that changed, and asked to show the image at once.
    std::function<void(const QRect&)> onChanged;
    std::function<void()> onRefresh;

private:
    void add(const DrawingStep& step, const QRectF& area);
    void paint(const DrawingStep& step);
    void paintPicture(QPainter& painter, Picture picture, double x, double y, PieceSet set = PieceSet::Traditional);
    void paintOutline(QPainter& painter, const DrawingStep& step);
    void paintText(QPainter& painter, const DrawingStep& step);
    void paintMargins();
    void redraw();
    QFont fontFor(double points, bool bold) const;
    void changed(const QRect& rect);

    PieceSet pieceSet_ = PieceSet::Traditional;   // the set of the pieces drawn next
    double widthTwips_, heightTwips_;
    TwipsScale scale_;
    QImage image_;
    PictureCache pictures_;
    DrawingRecord record_;
    // The font of the following texts.
    double points_ = 9;
    bool bold_ = false;
    int textColour_ = 0;
    // What the margins show.
    int fillColour_ = 0;
    std::optional<Picture> marginTile_;
    std::vector<Ring> mark_;
};

}  // namespace zelkora
