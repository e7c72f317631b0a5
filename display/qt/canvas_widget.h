// The widget that shows the retained canvas and passes the player's input on.
//
// It owns the RetainedCanvas and never draws anything of its own: a paint event
// copies the image. Mouse presses become (button, x, y) with button 1 for the
// left and 2 for the right button and the position in twips; other buttons are
// ignored. The Escape key is passed on while the canvas itself has the focus;
// other keys are not used by the game.
#pragma once

#include <functional>

#include <QWidget>

#include "display/qt/retained_canvas.h"

namespace zelkora {

class CanvasWidget : public QWidget {
    Q_OBJECT
public:
    CanvasWidget(double widthTwips, double heightTwips, TwipsScale scale, QWidget* parent = nullptr);

    RetainedCanvas& canvas() { return canvas_; }
    const TwipsScale& scale() const { return canvas_.scale(); }

    // Sets the widget and its image to a size in twips.
    void setSizeTwips(double widthTwips, double heightTwips);

    std::function<void(int button, double x, double y)> onMouseDown;
    std::function<void()> onEscape;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    RetainedCanvas canvas_;
};

}  // namespace zelkora
