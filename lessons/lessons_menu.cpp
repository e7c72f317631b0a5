// The menu item "入門": the window shows the list of lessons.
#include "game/Form1.h"

namespace zelkora {

void Form1::NYUMON_Click() {
    描画_可視(false, false, false);
    描画_棋譜_IO(1);
    io.window->openLessons();
}

}  // namespace zelkora
