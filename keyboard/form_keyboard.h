// The keyboard cursor wired to Form1: keys reach the game through the same
// click handler as the mouse, the cursor is drawn by Form1::描画_カーソル, and
// the game's news place it: on the player's king when a game starts, on the
// target of the computer's move when it replies.
//
// Register it as a listener of the game's news (Ports::news) to be placed.
// `click` defaults to Form1::Form_MouseDown; the window passes its own route
// of mouse presses (a lesson on the board checks clicks first).
#pragma once

#include <functional>

#include "game/Form1.h"
#include "keyboard/keyboard_cursor.h"

namespace zelkora {

class FormKeyboard : public KeyboardGame, public GameNews {
public:
    using ClickRoute = std::function<void(int button, double x, double y)>;
    explicit FormKeyboard(Form1& form, ClickRoute click = {});

    KeyboardCursor& cursor() { return cursor_; }
    // Puts the cursor on the lower player's king (where it starts).
    void placeOnKing();
    // Told where the cursor stands after it was drawn or placed (c = 0: hidden).
    std::function<void(int c, int r)> onCursorMoved;

    // KeyboardGame
    void click(int button, int c, int r) override;
    bool selecting() const override;
    void cancelSelection() override;
    void escape() override;
    bool upperToMove() const override;
    void showCursor(int c, int r) override;

    // GameNews
    void gameStarted() override;
    void movePlayed(const MoveNews& move) override;

private:
    Form1& form_;
    ClickRoute click_;
    KeyboardCursor cursor_;
};

}  // namespace zelkora
