// The record panel's controls as the core shows and hides them: the three
// lists (drives, folders, files) and the group of labelled fields with the
// "RETURN" button.
#include "game/Form1.h"

namespace zelkora {

void Form1::描画_可視(bool drives, bool folders, bool files) { io.panel->setListsVisible(drives, folders, files); }

// Mode 0 shows the fields for saving; any other mode empties and hides them.
void Form1::描画_棋譜_IO(int mode) {
    if (mode == 0) {
        io.panel->setTextGroupVisible(true);
        return;
    }
    io.panel->clearTexts();
    io.panel->setTextGroupVisible(false);
}

}  // namespace zelkora
