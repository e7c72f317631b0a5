// The game's side of the results: each game against the computer is reported
// when it ends, and the menu item "成績" opens the results window.
#include "game/Form1.h"

namespace zelkora {

void Form1::成績_記録(bool won) {
    if (!io.results) return;
    io.results->record(GameResult{flags.level, flags.handicapGrade, won, help.matta, help.hint});
    help = HelpUsed{};
}

void Form1::SEISEKI_Click() {
    描画_可視(false, false, false);
    描画_棋譜_IO(1);
    if (io.results) io.results->show();
}

}  // namespace zelkora
