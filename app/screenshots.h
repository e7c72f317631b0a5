// Pictures of the window for the documentation and for looking at by eye:
// `zelkora --screenshots DIR` runs every scenario of the table offscreen and
// writes DIR/<name>.png.
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

#include <QString>

namespace zelkora {

class MainWindow;

struct ScreenshotScenario {
    const char* name;                          // file name without ".png"
    std::function<void(MainWindow&)> drive;    // brings the window into the pictured state
    bool atFirstBox = false;                   // taken when the first box appears, not at the end
};

std::span<const ScreenshotScenario> screenshotScenarios();

// Writes one PNG per scenario into `folder` (created if missing); answers 0 when
// every picture was written.
int runScreenshots(const QString& folder);

}  // namespace zelkora
