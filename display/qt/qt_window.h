// The main window as the game sees it: its placement, its background colour,
// its enlargement and the end of the program.
//
// Placing the window sizes the canvas under the menu bar (the client area) and
// puts the window in the middle of the screen's available area. The window
// manager adds its frame (title bar, buttons) around the client area only
// after the window is shown, and Qt does not always learn that frame's size,
// so the place is chosen without it: centred, the frame has room on every side
// of any screen larger than the window. The background colour paints the whole
// canvas. A new enlargement gives the window the natural size of its client
// area at that enlargement (a maximised window returns to normal first).
// Ending the program is left to the owner (a callback), which closes the
// window and leaves the event loop.
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
    void place(double width, double height) override;
    void setBackgroundColour(int colour) override;
    void setEnlargement(int percent) override;
    void setLanguage(Language language) override;
    void quit() override;
    void openLessons() override;
    void showHowToPlay() override;

    // Told when the game chooses a language; the owner turns its texts.
    std::function<void(Language)> onLanguage;
    // Told when the game asks for the list of lessons.
    std::function<void()> onLessons;
    // Told when the game asks for the pages on how to play; the owner opens them.
    std::function<void()> onHowToPlay;

private:
    QWidget& window_;
    CanvasWidget& canvas_;
    std::function<void()> quit_;
};

}  // namespace zelkora
