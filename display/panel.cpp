// The record panel's controls as the core shows and hides them: the three
// lists (drives, folders, files) and the group of labelled fields with the
// "RETURN" button.
#include "game/Form1.h"

namespace zelkora {

void Form1::描画_可視(bool drives, bool folders, bool files) { io.panel->setListsVisible(drives, folders, files); }

// Mode 0 shows the fields for saving, the names typed last filled in; any
// other mode empties and hides them, remembering the names typed (the
// unfinished game keeps them).
void Form1::描画_棋譜_IO(int mode) {
    constexpr int FIRST_NAME_FIELD = 2;
    if (mode == 0) {
        for (int i = 0; i < 3; ++i)
            if (!typedNames[i].empty() && io.panel->text(FIRST_NAME_FIELD + i).empty())
                io.panel->setText(FIRST_NAME_FIELD + i, typedNames[i]);
        io.panel->setTextGroupVisible(true);
        return;
    }
    for (int i = 0; i < 3; ++i) {
        const std::string typed = io.panel->text(FIRST_NAME_FIELD + i);
        if (!typed.empty()) typedNames[i] = typed;
    }
    io.panel->clearTexts();
    io.panel->setTextGroupVisible(false);
}

}  // namespace zelkora
