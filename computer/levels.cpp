// The computer's level: the six "COM対局ﾚﾍﾞﾙ" commands and the level display.
//
// Levels 1 to 3 decide how many stages of 盤評価 run; LEVEL4 to LEVEL6 hand
// the choice to the search core, each with a larger budget (LEVEL6, the
// strongest, makes the player wait a few seconds). The menu keeps
// exactly one check mark on the level in force; the level is drawn left of the
// board's top row only during a game against the computer (display/status.cpp).
#include <string>

#include "computer/engine_bridge.h"
#include "game/Form1.h"

namespace zelkora {

namespace {

// Erases the level display, then sets the level and keeps it in the
// settings file for the next start-up.
void chooseLevel(Form1& f, int n) {
    f.描画_絵(f.display.background, -2, 0);
    f.描画_絵(f.display.background, -1, 0);
    f.描画_絵(f.display.background, 0, 0);
    f.レベル_設定(n);
    f.書込_環境設定ファイル();
}

}  // namespace

void Form1::LEVEL1_Click() { chooseLevel(*this, 1); }
void Form1::LEVEL2_Click() { chooseLevel(*this, 2); }
void Form1::LEVEL3_Click() { chooseLevel(*this, 3); }
void Form1::LEVEL4_Click() { chooseLevel(*this, 4); }
void Form1::LEVEL5_Click() { chooseLevel(*this, 5); }
void Form1::LEVEL6_Click() { chooseLevel(*this, 6); }

void Form1::レベル_設定(int n) {
    for (int item = 1; item <= TOP_LEVEL; ++item) io.menu->setChecked("LEVEL" + std::to_string(item), false);
    if (n >= 1 && n <= TOP_LEVEL) {
        io.menu->setChecked("LEVEL" + std::to_string(n), true);
        flags.level = n;
    }
    if (turn.gameMode == MODE_COM) 描画_レベル(flags.level);
}

}  // namespace zelkora
