// Form1 behind the keyboard cursor.
#include "keyboard/form_keyboard.h"

namespace zelkora {
namespace {

constexpr int ESCAPE = 27;

}  // namespace

FormKeyboard::FormKeyboard(Form1& form, ClickRoute click)
    : form_(form), click_(std::move(click)), cursor_(*this) {
    placeOnKing();
}

void FormKeyboard::placeOnKing() {
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            if (form_.board.at(c, r) == SITA_OU) {
                cursor_.placeOnBoard(c, r);
                if (onCursorMoved) onCursorMoved(c, r);
                return;
            }
}

// The middle of the cell, in twips, as a mouse click there would give it.
void FormKeyboard::click(int button, int c, int r) {
    const double x = form_.geo.cellX(c + 0.5), y = form_.geo.cellY(r + 0.5);
    if (click_) click_(button, x, y);
    else form_.Form_MouseDown(button, 0, x, y);
}

bool FormKeyboard::selecting() const { return form_.sel.clickState == 1; }

void FormKeyboard::cancelSelection() { form_.選択解除(); }

void FormKeyboard::escape() {
    if (!form_.display.ended) form_.Form_KeyPress(ESCAPE);
}

bool FormKeyboard::upperToMove() const {
    return form_.turn.sideToMove != NOBODY && form_.turn.sideToMove == form_.turn.upperTag;
}

void FormKeyboard::showCursor(int c, int r) {
    if (form_.display.ended) return;
    form_.描画_カーソル(c, r);
    if (onCursorMoved) onCursorMoved(c, r);
}

void FormKeyboard::gameStarted() { placeOnKing(); }

void FormKeyboard::movePlayed(const MoveNews& move) {
    if (!move.byComputer) return;
    cursor_.placeOnBoard(move.toX, move.toY);
    if (onCursorMoved) onCursorMoved(move.toX, move.toY);
}

}  // namespace zelkora
