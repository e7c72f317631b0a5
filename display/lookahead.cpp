// The forced-capture look-ahead (先読み) on screen: the option, the marks on
// the selected piece's targets, and the numbered chain of the target under
// the mouse with the end of the game it reaches.
//
// The chains come from the search core's move generator on a copy of the
// position (lookahead/forced_chain.h); nothing here changes the game. Numbers
// are drawn over the pieces, so taking them off draws those squares again;
// the result text stands under the board on the background, where nothing
// else is drawn.
#include <iterator>
#include <string>

#include "computer/engine_bridge.h"
#include "game/Form1.h"
#include "lookahead/forced_chain.h"

namespace zelkora {
namespace {

// The result text: its cell and the background cells it may cover.
constexpr double RESULT_C = 1, RESULT_R = 11.1;
constexpr int RESULT_FIRST_C = 0, RESULT_LAST_C = 11, RESULT_ROW = 11;

// Numbers of one square: two in a row, the first row along the top edge,
// the second along the bottom, more across the middle, so the piece shows.
constexpr int NUMBERS_PER_ROW = 2;
constexpr double NUMBER_STEP_C = 0.5, NUMBER_SIZE = 10, SHADOW = 0.04;
constexpr double NUMBER_ROWS[] = {0.0, 0.62, 0.31, 0.15, 0.46};
constexpr int PLAYER_NUMBER_COLOUR = COLOUR_SELECTED;   // the player's own moves
constexpr int REPLY_NUMBER_COLOUR = 9;                  // bright blue: the forced replies

Text resultText(lookahead::Outcome outcome) {
    switch (outcome) {
    case lookahead::Outcome::KingGivenUp: return Text::LOOKAHEAD_WIN;
    case lookahead::Outcome::KingTaken: return Text::LOOKAHEAD_LOSE;
    case lookahead::Outcome::Mates: return Text::LOOKAHEAD_MATE;
    default: return Text::Count;
    }
}

// The hand kind of a selected hand cell, 0 for a board square.
int dropKind(const Selection& sel) {
    if (sel.srcX == LOWER_HAND_X) return sel.srcY - 2;
    if (sel.srcX == UPPER_HAND_X) return 8 - sel.srcY;
    return 0;
}

int cellOf(double twips, double origin, double size) {
    const double cell = (twips - origin) / size;
    return cell >= 1 && cell < 10 ? static_cast<int>(cell) : 0;
}

}  // namespace

void Form1::SAKIYOMI_Click() {
    const bool on = !io.menu->isChecked("SAKIYOMI");
    io.menu->setChecked("SAKIYOMI", on);
    lookahead.on = on;
    if (!on) {
        先読み消去();
        lookahead.targets.clear();
        描画_将棋盤桝();
    }
}

void Form1::先読み_調査() {
    lookahead.targets.clear();
    if (!lookahead.on || sel.clickState != 1 || turn.sideToMove == NOBODY) return;
    const bool upper = turn.sideToMove == turn.upperTag;
    const engine::Position p = toEngine(board, hands, upper);
    const int kind = dropKind(sel);
    const int x = kind == 0 ? sel.srcX : 0, y = kind == 0 ? sel.srcY : 0;
    for (const auto& [tx, ty, chain] : lookahead::chainsOfPiece(p, x, y, kind, turn.gameMode == MODE_COM)) {
        ChainOnBoard shown{tx, ty, {}, resultText(chain.outcome)};
        for (const engine::Move& m : chain.plies) shown.steps.emplace_back(engine::fileOf(m.to), engine::rowOf(m.to));
        lookahead.targets.push_back(std::move(shown));
        描画_桝輪郭(COLOUR_LOOKAHEAD, tx, ty);
    }
}

void Form1::描画_手順番号(const std::vector<std::pair<int, int>>& steps) {
    int onSquare[10][10] = {};
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const auto [x, y] = steps[i];
        const int j = onSquare[x][y]++;
        const double c = x + 0.06 + NUMBER_STEP_C * (j % NUMBERS_PER_ROW);
        const double r = y + 0.02 + NUMBER_ROWS[(j / NUMBERS_PER_ROW) % std::size(NUMBER_ROWS)];
        const std::string number = std::to_string(i + 1);
        io.canvas->setFont(NUMBER_SIZE, true, COLOUR_WHITE);
        io.canvas->drawText(geo.cellX(c + SHADOW), geo.cellY(r) + geo.cellWidth * SHADOW, number);
        io.canvas->setFont(NUMBER_SIZE, true, i % 2 == 0 ? PLAYER_NUMBER_COLOUR : REPLY_NUMBER_COLOUR);
        io.canvas->drawText(geo.cellX(c), geo.cellY(r), number);
    }
}

void Form1::Form_MouseMove(double x, double y) {
    if (lookahead.targets.empty()) return;
    const int col = cellOf(x, geo.left, geo.cellWidth), row = cellOf(y, geo.top, geo.cellHeight);
    if (col == lookahead.hoverX && row == lookahead.hoverY) return;
    先読み消去();
    for (const ChainOnBoard& chain : lookahead.targets) {
        if (chain.x != col || chain.y != row) continue;
        lookahead.hoverX = col;
        lookahead.hoverY = row;
        描画_手順番号(chain.steps);
        lookahead.numbered = chain.steps;
        if (chain.result != Text::Count) {
            描画_数値(RESULT_C + 0.1, RESULT_R + 0.1, 文言(chain.result), COLOUR_BLACK, 0, 12);
            描画_数値(RESULT_C, RESULT_R, 文言(chain.result), COLOUR_WHITE, 0, 12);
            lookahead.resultShown = true;
        }
    }
}

void Form1::先読み消去() {
    lookahead.hoverX = lookahead.hoverY = 0;
    if (lookahead.numbered.empty() && !lookahead.resultShown) return;
    for (const auto& [x, y] : lookahead.numbered) {
        描画_絵(board.at(x, y), x, y);
        描画_桝輪郭(COLOUR_GREEN, x, y);
    }
    lookahead.numbered.clear();
    if (lookahead.resultShown)
        for (int c = RESULT_FIRST_C; c <= RESULT_LAST_C; ++c) 描画_絵(display.background, c, RESULT_ROW);
    lookahead.resultShown = false;
    // The selection as the click left it: reach, source and the marked targets.
    if (sel.clickState != 1 || lookahead.targets.empty()) return;
    描画_移動可能桝色(sel.srcX, sel.srcY, display.highlightColour, sel.piece);
    描画_桝輪郭(COLOUR_SELECTED, sel.srcX, sel.srcY);
    for (const ChainOnBoard& chain : lookahead.targets) 描画_桝輪郭(COLOUR_LOOKAHEAD, chain.x, chain.y);
}

void Form1::ASOBIKATA_Click() {
    if (io.window) io.window->showHowToPlay();
}

}  // namespace zelkora
