// Helpers shared by the click-handler tests: a started two-human game on an
// SFEN position, clicks in the middle of a cell, and readers of the fakes' logs.
#pragma once

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "tests/common/fakes.h"

namespace zelkora::testing {

// A harness after start-up with a two-human game on the given position.
inline std::unique_ptr<Harness> twoHumans(const std::string& sfen, int guidance = 0) {
    auto h = std::make_unique<Harness>();
    h->start();
    (*h)->turn.gameMode = MODE_MAN;
    h->setPosition(sfen);
    (*h)->flags.guidance = guidance;
    (*h)->display.highlightColour = guidance ? COLOUR_WHITE : COLOUR_GREEN;
    h->clearLogs();
    return h;
}

inline void click(Harness& h, int c, int r, int button = LEFT_BUTTON) {
    h->Form_MouseDown(button, 0, 1050 + 495 * c + 247, 100 + 615 * r + 307);
}

inline std::string played(Harness&, std::int32_t buffer) { return "dsPlay(" + std::to_string(buffer) + ")"; }

inline int count(const std::vector<std::string>& log, const std::string& entry) {
    return static_cast<int>(std::count(log.begin(), log.end(), entry));
}

// Outlines in a given colour on board cells, as (c, r) pairs in drawing order.
inline std::vector<std::pair<int, int>> boardOutlines(const RecordingCanvas& canvas, int colour) {
    std::vector<std::pair<int, int>> out;
    for (const auto& call : canvas.of(CanvasCall::Outline)) {
        const int c = static_cast<int>(std::lround((call.x - 1050) / 495));
        const int r = static_cast<int>(std::lround((call.y - 100) / 615));
        if (call.colour == colour && c >= 1 && c <= 9 && r >= 1 && r <= 9) out.push_back({c, r});
    }
    return out;
}

inline const char* const kStart = "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1";

}  // namespace zelkora::testing
