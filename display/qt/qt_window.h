// The main window as the game sees it: its top in twips, its placement, its
// background colour and the end of the program.
//
// Placing the window moves it and sizes the canvas under the menu bar (the
// client area) to the given width and height. The background colour paints the
// whole canvas. Ending the program is left to the owner (a callback), which
// closes the window and leaves the event loop.
#pragma once

#include <functional>

#include "game/ports.h"

class QWidget;

namespace zelkora {

class CanvasWidget;

class QtWindow : public Window {
public:
    QtWindow(QWidget& window, CanvasWidget& canvas, std::function<void()> quit);

    std::int32_t handle() const override;
    double top() const override;
    void place(double left, double top, double width, double height) override;
    void setBackgroundColour(int colour) override;
    void quit() override;

private:
    QWidget& window_;
    CanvasWidget& canvas_;
    std::function<void()> quit_;
};

}  // namespace zelkora
