// The main window as the game sees it: its placement, its background colour
// and the end of the program.
//
// Placing the window sizes the canvas under the menu bar (the client area) to
// the given width and height and puts the window's frame at the given corner,
// moved as little as needed to keep the whole frame (title bar and buttons) on
// the screen's available area. A window manager adds the frame only after the
// window is shown, and Qt learns its size only then: until the frame is known
// (at most ten seconds after showing), the frame is brought onto the screen
// once if it lies outside. After that the window is never moved by the game.
// The background colour paints the whole canvas. Ending the program is left to
// the owner (a callback), which closes the window and leaves the event loop.
#pragma once

#include <functional>

#include <QPoint>

#include "game/ports.h"

class QTimer;
class QWidget;

namespace zelkora {

class CanvasWidget;

class QtWindow : public Window {
public:
    QtWindow(QWidget& window, CanvasWidget& canvas, std::function<void()> quit);
    ~QtWindow() override;

    std::int32_t handle() const override;
    void place(double left, double top, double width, double height) override;
    void setBackgroundColour(int colour) override;
    void quit() override;

private:
    QPoint onScreen(QPoint corner) const;
    void keepFrameOnScreen();

    QWidget& window_;
    CanvasWidget& canvas_;
    std::function<void()> quit_;
    QTimer* frameWatch_ = nullptr;   // runs until the frame is known
    int framelessTicks_ = 0;
};

}  // namespace zelkora
