// The computer's level: the three "COM対局ﾚﾍﾞﾙ" commands and the level display.
//
// The level (1..3) only decides how many stages of 盤評価 run. The menu keeps
// exactly one check mark on the level in force; the level is drawn left of the
// board's top row only during a game against the computer (display/status.cpp).
#include <string>

#include "game/Form1.h"

namespace zelkora {

namespace {

// Erases the level display, then sets the level.
void chooseLevel(Form1& f, int n) {
    f.描画_絵(f.display.background, -2, 0);
    f.描画_絵(f.display.background, -1, 0);
    f.描画_絵(f.display.background, 0, 0);
    f.レベル_設定(n);
}

}  // namespace

void Form1::LEVEL1_Click() { chooseLevel(*this, 1); }
void Form1::LEVEL2_Click() { chooseLevel(*this, 2); }
void Form1::LEVEL3_Click() { chooseLevel(*this, 3); }

void Form1::レベル_設定(int n) {
    for (int item = 1; item <= 3; ++item) io.menu->setChecked("LEVEL" + std::to_string(item), false);
    if (n >= 1 && n <= 3) {
        io.menu->setChecked("LEVEL" + std::to_string(n), true);
        flags.level = n;
    }
    if (turn.gameMode == MODE_COM) 描画_レベル(flags.level);
}

}  // namespace zelkora
