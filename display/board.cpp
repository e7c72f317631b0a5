// Board rendering: pictures and outlines on the grid of cells, the board, the
// two hand stands, the background and the whole-screen redraw.
//
// Cell (c, r) has its top-left corner at geo.cellX(c), geo.cellY(r) twips; c
// and r may be negative or fractional. The canvas keeps what is drawn, so each
// procedure paints exactly the cells it names and nothing else. Background
// tiles are one pixel wider than a cell; whoever paints one next to a square
// redraws that square's outline afterwards.
#include "display/pictures.h"
#include "game/Form1.h"

namespace zelkora {
namespace {

// Roles of the palette colours used here.
constexpr int OUTLINE_COLOUR = COLOUR_GREEN;      // outline of every repainted cell
constexpr int GRID_COLOUR = COLOUR_GREEN;         // the board's grid
constexpr int HAND_COUNT_COLOUR = COLOUR_SELECTED;
constexpr int SHADOW_COLOUR = COLOUR_BLACK;
constexpr double HAND_COUNT_SIZE = 14;

// The area the background covers, in cells; the board inside it is spared.
constexpr int BACKGROUND_FIRST_C = -3, BACKGROUND_LAST_C = 28;
constexpr int BACKGROUND_FIRST_R = -2, BACKGROUND_LAST_R = 17;

}  // namespace

void Form1::描画_絵(int code, double c, double r) {
    const auto picture = pictureForCode(code);
    if (!picture) return;
    io.canvas->drawPicture(*picture, geo.cellX(c), geo.cellY(r));
}

void Form1::描画_桝輪郭(int colour, double c, double r) {
    io.canvas->outline(geo.cellX(c), geo.cellY(r), geo.cellX(c + 1), geo.cellY(r + 1), colour);
}

void Form1::描画_盤() {
    for (int c = 1; c <= BOARD_SIZE; ++c)
        for (int r = 1; r <= BOARD_SIZE; ++r) {
            描画_絵(board.at(c, r), c, r);
            描画_桝輪郭(OUTLINE_COLOUR, c, r);
        }
}

void Form1::描画_将棋盤桝() {
    for (int c = 1; c <= BOARD_SIZE; ++c)
        for (int r = 1; r <= BOARD_SIZE; ++r) 描画_桝輪郭(GRID_COLOUR, c, r);
}

void Form1::描画_桝1列目() {
    for (int r = 1; r <= BOARD_SIZE; ++r) 描画_桝輪郭(OUTLINE_COLOUR, 1, r);
}

// Lower stand: column 11, pawn at row 3 down to rook at row 9; counts in column 12.
void Form1::描画_自持盤() {
    for (int k = 1; k <= 7; ++k) {
        const int r = k + 2;
        描画_絵(EMPTY, LOWER_HAND_X, r);
        描画_絵(display.background, LOWER_HAND_X + 1, r);
        描画_桝輪郭(OUTLINE_COLOUR, LOWER_HAND_X, r);
        const int count = hands.lower[k];
        if (count > 0) {
            描画_絵(-kindCode(k), LOWER_HAND_X, r);
            描画_桝輪郭(OUTLINE_COLOUR, LOWER_HAND_X, r);
            描画_数値(12.1, r + 0.3, count, SHADOW_COLOUR, 0, HAND_COUNT_SIZE);
            描画_数値(12, r + 0.2, count, HAND_COUNT_COLOUR, 0, HAND_COUNT_SIZE);
        }
    }
}

// Upper stand: column -1, rook at row 1 down to pawn at row 7; counts in column 0.
void Form1::描画_敵持盤() {
    for (int r = 1; r <= 7; ++r) {
        const int k = 8 - r;
        描画_絵(EMPTY, UPPER_HAND_X, r);
        描画_絵(display.background, UPPER_HAND_X + 1, r);
        描画_桝輪郭(OUTLINE_COLOUR, UPPER_HAND_X, r);
        const int count = hands.upper[k];
        if (count > 0) {
            描画_絵(kindCode(k), UPPER_HAND_X, r);
            描画_桝輪郭(OUTLINE_COLOUR, UPPER_HAND_X, r);
            描画_数値(0.1, r + 0.3, count, SHADOW_COLOUR, 0, HAND_COUNT_SIZE);
            描画_数値(0, r + 0.2, count, HAND_COUNT_COLOUR, 0, HAND_COUNT_SIZE);
        }
    }
}

void Form1::描画_背景(int code) {
    for (int c = BACKGROUND_FIRST_C; c <= BACKGROUND_LAST_C; ++c)
        for (int r = BACKGROUND_FIRST_R; r <= BACKGROUND_LAST_R; ++r)
            if (c < 1 || c > BOARD_SIZE || r < 1 || r > BOARD_SIZE) 描画_絵(code, c, r);
}

void Form1::画面_再描画() {
    // The background covers every status text.
    display.shown = ShownTexts{};
    描画_背景(display.background);
    描画_桝_数値();
    描画_自持盤();
    描画_敵持盤();
    描画_盤();
    if (turn.gameMode == MODE_COM) 描画_レベル(flags.level);
    // Everything was painted over: a hint is gone; whose turn it is is written
    // again between two humans.
    display.hintShown = false;
    if (turn.gameMode == MODE_MAN) 描画_手番();
    描画_絵(PIC_ZELKORA, 11.2, 0);
}

}  // namespace zelkora
