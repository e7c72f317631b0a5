// Compulsory capture: a player who can capture must capture, and among pieces
// of different strength he must take the strongest.
//
// 調査_取可桝 rebuilds the influence map and fills one player's capture data:
// the map of enemy pieces his side reaches, how often the capturable code
// changed in scan order (0 nothing, 1 one code only, 2 or more several codes)
// and the square of the strongest one. Strength is the piece code itself: the
// lower player prefers higher codes, the upper player lower (more negative)
// ones; on ties the first square in scan order (x outside, y inside) wins. The
// strongest square is left alone when nothing is capturable.
#include "game/Form1.h"

namespace zelkora {

void Form1::調査_取可桝(int tag) {
    勢力調査();
    if (tag == turn.lowerTag) {
        CaptureData& c = lowerCapture;
        c.count = 0;
        int best = 0;
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) {
                const int code = board.at(x, y);
                if (isUpper(code) && inf.lower_influence[x][y] > 0) {
                    c.map[x][y] = 1;
                    if (code != best) ++c.count;
                    if (code > best) {
                        best = code;
                        c.bestX = x;
                        c.bestY = y;
                    }
                } else {
                    c.map[x][y] = 0;
                }
            }
    }
    if (tag == turn.upperTag) {
        CaptureData& c = upperCapture;
        c.count = 0;
        int best = 0;
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) {
                const int code = board.at(x, y);
                if (isLower(code) && inf.upper_influence[x][y] > 0) {
                    c.map[x][y] = 1;
                    if (code != best) ++c.count;
                    if (code < best) {
                        best = code;
                        c.bestX = x;
                        c.bestY = y;
                    }
                } else {
                    c.map[x][y] = 0;
                }
            }
    }
}

bool Form1::compulsoryCaptureRefuses(int tag, int fx, int tx, int ty) {
    const CaptureData* c = nullptr;
    if (tag == turn.lowerTag) c = &lowerCapture;
    else if (tag == turn.upperTag) c = &upperCapture;
    if (c == nullptr || c->count == 0) return false;

    // A drop never captures; its empty target is never on the capture map.
    const bool drop = fx == LOWER_HAND_X || fx == UPPER_HAND_X;
    const bool onBoard = tx >= 1 && tx <= 9 && ty >= 1 && ty <= 9;
    Text message = Text::Count;
    if (drop || !onBoard || c->map[tx][ty] == 0) message = Text::MUST_CAPTURE;
    else if (c->count >= 2 && (tx != c->bestX || ty != c->bestY)) message = Text::MUST_TAKE_STRONGEST;
    if (message == Text::Count) return false;

    描画_取可桝(tag);
    playSound(sounds.refusal);
    通知_禁止(message);
    io.dialogs->message(文言(message), 文言(Text::TITLE_RULE), Buttons::Ok);
    return true;
}

}  // namespace zelkora
