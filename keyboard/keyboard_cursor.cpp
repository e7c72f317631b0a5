// The cursor's moves and the keys that act where it stands.
#include "keyboard/keyboard_cursor.h"

#include <algorithm>

namespace zelkora {
namespace {

constexpr int LEFT = 1, RIGHT = 2;   // the mouse buttons the keys stand for
constexpr int LOWER_STAND = 11, UPPER_STAND = -1;
constexpr int LOWER_FIRST = 3, LOWER_LAST = 9, UPPER_FIRST = 1, UPPER_LAST = 7;

}  // namespace

bool KeyboardCursor::press(Key key) {
    // The first key of all only shows where the cursor stands, so nothing
    // happens on a cell the player could not see.
    if (!shown_ && key != Key::Escape) {
        show();
        return true;
    }
    switch (key) {
    case Key::Left: step(-1, 0); break;
    case Key::Right: step(1, 0); break;
    case Key::Up: step(0, -1); break;
    case Key::Down: step(0, 1); break;
    case Key::Tab: toggleStand(); break;
    case Key::Enter: game_.click(LEFT, c_, r_); break;
    case Key::ShiftEnter: game_.click(RIGHT, c_, r_); break;
    case Key::Escape:
        if (game_.selecting()) game_.cancelSelection();
        else game_.escape();
        // Quitting may have ended the game; nothing is drawn after it.
        return true;
    }
    // A click may have ended the program (a box answered "No"), or the
    // computer's reply may have moved the cursor already.
    if (shown_) show();
    return true;
}

void KeyboardCursor::step(int dc, int dr) {
    if (!onStand()) {
        c_ = std::clamp(c_ + dc, 1, 9);
        r_ = std::clamp(r_ + dr, 1, 9);
        return;
    }
    if (dc > 0 && c_ == UPPER_STAND) c_ = LOWER_STAND;
    if (dc < 0 && c_ == LOWER_STAND) c_ = UPPER_STAND;
    const bool lower = c_ == LOWER_STAND;
    r_ = std::clamp(r_ + dr, lower ? LOWER_FIRST : UPPER_FIRST, lower ? LOWER_LAST : UPPER_LAST);
}

void KeyboardCursor::toggleStand() {
    if (onStand()) {
        c_ = boardC_;
        r_ = boardR_;
        return;
    }
    boardC_ = c_;
    boardR_ = r_;
    // The pawn's cell first: the piece dropped most often.
    if (game_.upperToMove()) {
        c_ = UPPER_STAND;
        r_ = UPPER_LAST;
    } else {
        c_ = LOWER_STAND;
        r_ = LOWER_FIRST;
    }
}

void KeyboardCursor::placeOnBoard(int c, int r) {
    c_ = boardC_ = std::clamp(c, 1, 9);
    r_ = boardR_ = std::clamp(r, 1, 9);
    if (shown_) game_.showCursor(c_, r_);
}

void KeyboardCursor::hide() {
    if (!shown_) return;
    shown_ = false;
    game_.showCursor(0, 0);
}

void KeyboardCursor::show() {
    shown_ = true;
    game_.showCursor(c_, r_);
}

}  // namespace zelkora
