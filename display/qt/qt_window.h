// The main window as the game sees it: its placement, its background colour,
// its enlargement and the end of the program.
//
// Placing the window sizes the canvas under the menu bar (the client area) and
// puts the window in the middle of the screen's available area. The window
// manager adds its frame (title bar, buttons) around the client area only
// after the window is shown, and Qt does not always learn that frame's size,
// so until the window is shown a usual frame is assumed (window_fit.h). The
// window takes the natural size of its client area at the enlargement (a
// maximised window returns to normal first), unless that is larger than the
// screen's available area with the frame and the menu bar: then the largest
// size of the board's proportions that fits; the enlargement chosen stays the
// game's. Never Qt's own first size, which keeps a new window within two
// thirds of the screen. Once the window manager's real frame is known, a window
// that still has the size it was given is fitted again to that frame and kept
// on the screen. The background colour paints the whole canvas.
// Ending the program is left to the owner (a callback), which closes the
// window and leaves the event loop.
#pragma once

#include <functional>

#include <QDeadlineTimer>
#include <QMargins>
#include <QSize>

#include "game/ports.h"

class QWidget;

namespace zelkora {

class CanvasWidget;

class QtWindow : public Window {
public:
    QtWindow(QWidget& window, CanvasWidget& canvas, std::function<void()> quit);

    std::int32_t handle() const override;
    void place(double width, double height) override;
    void setBackgroundColour(int colour) override;
    void setEnlargement(int percent) override;
    void setLanguage(Language language) override;
    void quit() override;
    void openLessons() override;
    void showHowToPlay() override;

    // The owner calls this when the window moved or was resized, or its
    // frame may have changed (the window manager framed it).
    void frameChanged();

    // Told when the game chooses a language; the owner turns its texts.
    std::function<void(Language)> onLanguage;
    // Told when the game asks for the list of lessons.
    std::function<void()> onLessons;
    // Told when the game asks for the pages on how to play; the owner opens them.
    std::function<void()> onHowToPlay;

private:
    void fit();
    void keepFrameOnScreen();
    QMargins frameMargins() const;

    QWidget& window_;
    CanvasWidget& canvas_;
    std::function<void()> quit_;
    QMargins fittedFrame_;   // the frame and the size of the last fit
    QSize fittedSize_;
    // Set by each fit: until it expires, every move or resize the window
    // system reports is checked against the screen: its replies to a fit arrive one by one, and Qt's
    // idea of the frame can lag behind them.
    QDeadlineTimer settling_;
};

}  // namespace zelkora
