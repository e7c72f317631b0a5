// Whose turn it is, in a game between two humans: "先手の番" or "後手の番"
// under the move number, drawn like it (shadow, then white 0.1 cell left and
// up). Against the computer the human is always to move when he can click,
// so nothing is shown there and the place is painted over.
#include "game/Form1.h"

namespace zelkora {

namespace {

constexpr double TURN_C = 13, TURN_R = 5;

}  // namespace

void Form1::描画_手番() {
    描画_絵(display.background, TURN_C, TURN_R);
    描画_絵(display.background, TURN_C + 1, TURN_R);
    // The English text reaches into the cell beyond, at the window's edge.
    if (display.language == Language::English) 描画_絵(display.background, TURN_C + 2, TURN_R);
    if (turn.gameMode != MODE_MAN) return;
    // A step suspends the game; the next click resumes it with the side whose
    // move comes next in the list, else with the lower player.
    int next = turn.sideToMove;
    if (next == NOBODY) {
        const int n = moves.count + 1;
        next = n <= MoveList::MAX && moves.entry[n].after >= 10 ? turn.upperTag : turn.lowerTag;
    }
    const std::string text = 文言(next == SENTE ? Text::SENTE_TO_MOVE : Text::GOTE_TO_MOVE);
    描画_数値(TURN_C + 0.2, TURN_R + 0.4, text, COLOUR_BLACK, 0, 12);
    描画_数値(TURN_C + 0.1, TURN_R + 0.3, text, COLOUR_WHITE, 0, 12);
}

}  // namespace zelkora
