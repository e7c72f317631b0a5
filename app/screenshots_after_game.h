// Screenshot scenarios after the game: the review window on a real game with
// a mistake chosen beside the main board showing it, the results window, and
// the question that offers the unfinished game.
#pragma once

#include <vector>

#include "app/screenshots.h"

namespace zelkora {

// `rows` with the after-the-game pictures added at the end.
std::vector<ScreenshotScenario> withAfterGamePictures(std::vector<ScreenshotScenario> rows);

}  // namespace zelkora
