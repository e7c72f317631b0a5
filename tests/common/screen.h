// What a player sees on the recording canvas: the texts still on screen after
// a run of drawing calls, and the picture standing on a cell. A picture covers
// the texts whose top-left corner lies inside it, as on the real canvas.
#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "tests/common/fakes.h"

namespace zelkora::testing {

struct ScreenText {
    double x, y;
    std::string text;
    int colour;
    bool operator<(const ScreenText& o) const {
        return std::tie(x, y, text, colour) < std::tie(o.x, o.y, o.text, o.colour);
    }
    bool operator==(const ScreenText& o) const = default;
};

// Size in twips of a picture (15 twips to the pixel).
inline void pictureSize(Picture p, double& w, double& h) {
    if (p == Picture::ZELKORA) { w = 118 * 15; h = 59 * 15; return; }
    const bool background = p >= Picture::HAIKEI_MIDORI && p <= Picture::HAIKEI_RENGA;
    w = (background ? 34 : 33) * 15;
    h = 41 * 15;
}

// The texts on screen after the first `upTo` calls (all calls by default), sorted.
inline std::vector<ScreenText> textsOnScreen(const RecordingCanvas& canvas, std::size_t upTo = SIZE_MAX) {
    std::vector<ScreenText> on;
    const std::size_t end = std::min(upTo, canvas.calls.size());
    for (std::size_t i = 0; i < end; ++i) {
        const CanvasCall& c = canvas.calls[i];
        if (c.kind == CanvasCall::Text) on.push_back({c.x, c.y, c.text, c.colour});
        if (c.kind != CanvasCall::Picture) continue;
        double w, h;
        pictureSize(c.picture, w, h);
        std::erase_if(on, [&](const ScreenText& t) { return t.x >= c.x && t.x < c.x + w && t.y >= c.y && t.y < c.y + h; });
    }
    std::sort(on.begin(), on.end());
    return on;
}

inline bool textOnScreen(const std::vector<ScreenText>& on, const std::string& text) {
    return std::any_of(on.begin(), on.end(), [&](const ScreenText& t) { return t.text == text; });
}

// The last picture drawn exactly on cell (c, r) within the first `upTo` calls.
inline std::optional<Picture> pictureOnCell(const RecordingCanvas& canvas, int c, int r, std::size_t upTo = SIZE_MAX) {
    std::optional<Picture> found;
    const std::size_t end = std::min(upTo, canvas.calls.size());
    for (std::size_t i = 0; i < end; ++i) {
        const CanvasCall& call = canvas.calls[i];
        if (call.kind == CanvasCall::Picture && call.x == 1050 + 495.0 * c && call.y == 100 + 615.0 * r)
            found = call.picture;
    }
    return found;
}

// A Dialogs that notes, for every box, how many canvas calls were made before
// it and whether the canvas was refreshed after the last drawing, then answers
// like ScriptedDialogs (OK / Yes unless told otherwise).
class SnapshotDialogs : public Dialogs {
public:
    explicit SnapshotDialogs(const RecordingCanvas& canvas) : canvas_(canvas) {}
    struct Seen {
        std::string text;
        std::size_t calls;
        bool refreshed;   // nothing was drawn after the last refresh
    };
    std::vector<Seen> seen;
    std::vector<Answer> answers;
    Answer message(const std::string& text, const std::string&, Buttons buttons, Icon) override {
        const auto& calls = canvas_.calls;
        const bool refreshed = !calls.empty() && calls.back().kind == CanvasCall::Refresh;
        seen.push_back({text, calls.size(), refreshed});
        if (!answers.empty()) {
            const Answer a = answers.front();
            answers.erase(answers.begin());
            return a;
        }
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }

private:
    const RecordingCanvas& canvas_;
};

}  // namespace zelkora::testing
