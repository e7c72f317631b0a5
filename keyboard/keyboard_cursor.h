// The keyboard's cursor over the board and the two piece stands, and what
// each key does where it stands. Qt-free: the window turns its key events
// into Key, and the game is reached through the small interface KeyboardGame.
//
// The cursor stands on a cell of the game's grid: a board square (1..9, 1..9),
// a cell of the lower stand (column 11, rows 3..9) or of the upper stand
// (column -1, rows 1..7). The arrows move it within the board or the stand and
// stop at the edge; Left and Right on a stand go to the other stand (the upper
// one is drawn left of the board). Tab goes from the board to the stand of the
// player to move and back to the square it left. Enter and Space are a left
// click on the cell, Shift+Enter a right click (promote where possible, as the
// right button does), so every refusal and box is the mouse's own. Escape
// drops a selection; with nothing selected it is the game's Escape (quit).
// The first key only shows the cursor where it stands; a mouse click hides it.
#pragma once

namespace zelkora {

enum class Key { Left, Right, Up, Down, Tab, Enter, ShiftEnter, Escape };

// What the cursor needs of the game.
class KeyboardGame {
public:
    virtual ~KeyboardGame() = default;
    // A click with `button` (1 left, 2 right) in the middle of cell (c, r).
    virtual void click(int button, int c, int r) = 0;
    virtual bool selecting() const = 0;      // a piece is selected
    virtual void cancelSelection() = 0;
    virtual void escape() = 0;               // the game's own Escape
    virtual bool upperToMove() const = 0;
    // Shows the cursor on (c, r); c = 0 hides it.
    virtual void showCursor(int c, int r) = 0;
};

class KeyboardCursor {
public:
    explicit KeyboardCursor(KeyboardGame& game) : game_(game) {}

    // Handles one key; answers false for a key the cursor does not use.
    bool press(Key key);
    // Puts the cursor on board square (c, r) (the player's king, the
    // computer's last move); shown at once if the cursor is already shown.
    void placeOnBoard(int c, int r);
    // Takes the mark off until the next key (the mouse is in use).
    void hide();

    int column() const { return c_; }
    int row() const { return r_; }
    bool onStand() const { return c_ < 1 || c_ > 9; }
    bool shown() const { return shown_; }

private:
    void step(int dc, int dr);
    void toggleStand();
    void show();

    KeyboardGame& game_;
    int c_ = 5, r_ = 9;               // where the cursor stands
    int boardC_ = 5, boardR_ = 9;     // the square left for a stand
    bool shown_ = false;
};

}  // namespace zelkora
