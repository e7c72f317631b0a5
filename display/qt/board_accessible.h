// The board as a screen reader sees it: the canvas widget's accessible
// interface (installed through QAccessible::installFactory) with one child
// for each of the 81 squares, one for each of the 14 stand cells, and a status
// child that announces what changed.
//
// Children, in order: the squares in the game's scan order (column 1..9
// outside, row 1..9 inside), the lower stand (column 11, rows 3..9), the
// upper stand (column -1, rows 1..7), then the status. A cell's name is asked
// of the board at every reading (BoardReading::cellName), so it is always the
// position on the board and in the language chosen. The cell under the
// keyboard cursor has the focus. An announcement sets the status child's name
// and sends a NameChanged event for it (Qt 6.4 has no announcement event);
// the cursor's move sends a Focus event for its cell.
#pragma once

#include <functional>
#include <string>
#include <utility>

#include <QString>

class QAccessibleEvent;

#include "game/ports.h"

namespace zelkora {

class CanvasWidget;

// What the accessible board reads from the game.
struct BoardReading {
    std::function<std::string(int c, int r)> cellName;
    std::function<std::string()> boardName;
};

namespace accessible_board {

constexpr int SQUARES = 81;
constexpr int STAND_CELLS = 14;
constexpr int STATUS = SQUARES + STAND_CELLS;   // index of the status child
constexpr int CHILDREN = STATUS + 1;

// The cell (c, r) of child `index` (below STATUS).
std::pair<int, int> cellOf(int index);
// The child index of cell (c, r); -1 for no cell.
int indexOf(int c, int r);

// Shows every event the board sends to `watch` as well, also those Qt drops
// because no assistive technology listens (offscreen, in tests); none by default.
void watchEvents(std::function<void(QAccessibleEvent*)> watch);

// Installs the factory once; later calls do nothing.
void install();

// Tells a screen reader the keyboard cursor stands on (c, r) now.
void focusMoved(CanvasWidget& canvas, int c, int r);
// Sets the status text and sends it as a NameChanged event.
void announce(CanvasWidget& canvas, const QString& text);

}  // namespace accessible_board

// Announces every move, refusal and end of the game on the board's status.
class BoardAnnouncer : public GameNews {
public:
    explicit BoardAnnouncer(CanvasWidget& canvas) : canvas_(canvas) {}
    void movePlayed(const MoveNews& move) override;
    void refused(const std::string& reason) override;
    void gameEnded(const std::string& result) override;

private:
    CanvasWidget& canvas_;
};

}  // namespace zelkora
