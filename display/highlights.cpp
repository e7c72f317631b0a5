// Square highlights on the board: the squares a selected piece can reach and
// the enemy pieces that must be captured.
//
// Both only draw outlines over the board grid; neither changes game state.
// Reachable squares are shown only while movement guidance (移動指導) is on, but
// the grid is reset either way, so calling with the grid colour hides them.
#include "game/Form1.h"

namespace zelkora {

void Form1::描画_移動可能桝色(int fx, int fy, int colour, int piece) {
    描画_将棋盤桝();
    if (flags.guidance != 1) return;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (移動チェック(fx, fy, x, y, piece) == YES) 描画_桝輪郭(colour, x, y);
}

void Form1::描画_取可桝(int tag) {
    const CaptureData* data = nullptr;
    if (tag == turn.lowerTag) data = &lowerCapture;
    else if (tag == turn.upperTag) data = &upperCapture;
    if (!data) return;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (data->map[x][y] == 1) 描画_桝輪郭(COLOUR_WHITE, x, y);
}

}  // namespace zelkora
