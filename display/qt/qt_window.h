// The main window as the game sees it: its top in twips, its placement, its
// background colour, its enlargement and the end of the program.
//
// Placing the window moves it (positions on the desktop are never enlarged)
// and sets the client area under the menu bar to the given width and height.
// The background colour paints the whole canvas. A new enlargement gives the
// window the natural size of its client area at that enlargement (a maximised
// window returns to normal first). Ending the program is left to the owner (a
// callback), which closes the window and leaves the event loop.
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
    void setEnlargement(int percent) override;
    void quit() override;

private:
    QWidget& window_;
    CanvasWidget& canvas_;
    std::function<void()> quit_;
};

}  // namespace zelkora
