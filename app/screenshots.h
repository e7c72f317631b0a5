// Pictures of the window for the documentation and for looking at by eye:
// `zelkora --screenshots DIR` runs every scenario of the table offscreen and
// writes DIR/<name>.png, the start-up among them at 100%, 150% and 200% and
// on a screen of device pixel ratio 2.
//
// Each scenario gets a freshly created window (start-up already run) in the
// working-folder layout, so the player's own settings are never touched; its
// message boxes are answered at once (OK, or Yes) and reported on stderr. Its
// function drives the window (menu actions, clicks, Form1 procedures); the
// grab of the whole window, menu bar included, is taken afterwards, or for a
// scenario that ends in boxes, when the first box appears.
#pragma once

#include <functional>
#include <span>
#include <vector>

#include <QImage>
#include <QString>

#include "game/texts.h"

namespace zelkora {

class MainWindow;

struct ScreenshotScenario {
    const char* name;                          // file name without ".png"
    std::function<void(MainWindow&)> drive;    // brings the window into the pictured state
    bool atFirstBox = false;                   // taken when the first box appears, not at the end
    bool howToPlay = false;                    // the window of "遊び方" is taken, not the main window
    std::function<QImage(MainWindow&)> picture;   // when set, the picture taken instead of the window
};

std::span<const ScreenshotScenario> screenshotScenarios();

// A Yes/No box with `text` and `title` drawn inside the window, in its
// language and enlargement (a modal box is a window of its own that a grab
// leaves out).
void showBoxInWindow(MainWindow& w, Text text, Text title);

// `rows` and after them the pictures of the keyboard cursor
// (app/screenshot_keyboard.cpp).
std::vector<ScreenshotScenario> withKeyboardPictures(std::vector<ScreenshotScenario> rows);

// Writes one PNG per scenario into `folder` (created if missing), then the
// start-up picture at a device pixel ratio of 2 ("startup-ratio2.png", taken
// by a second run of the program with `ratioTwo`, which writes only that);
// answers 0 when every picture was written.
int runScreenshots(const QString& folder, bool ratioTwo = false);

}  // namespace zelkora
