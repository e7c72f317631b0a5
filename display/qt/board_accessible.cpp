// The accessible interfaces of the board, its cells and its status.
#include "display/qt/board_accessible.h"

#include <vector>

#include <QAccessibleWidget>

#include "display/qt/canvas_widget.h"
#include "game/Form1.h"

namespace zelkora {
namespace accessible_board {

std::pair<int, int> cellOf(int index) {
    if (index < SQUARES) return {index / 9 + 1, index % 9 + 1};
    const int stand = index - SQUARES;
    if (stand < 7) return {11, stand + 3};
    return {-1, stand - 7 + 1};
}

int indexOf(int c, int r) {
    if (c >= 1 && c <= 9 && r >= 1 && r <= 9) return (c - 1) * 9 + (r - 1);
    if (c == 11 && r >= 3 && r <= 9) return SQUARES + r - 3;
    if (c == -1 && r >= 1 && r <= 7) return SQUARES + 7 + r - 1;
    return -1;
}

}  // namespace accessible_board

namespace {

using namespace accessible_board;

QString fromUtf8(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

class BoardInterface;

// One cell of the board or the stands, or the status (index STATUS).
class ChildInterface : public QAccessibleInterface {
public:
    ChildInterface(BoardInterface& board, int index) : board_(board), index_(index) {}
    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return index_ == STATUS ? QAccessible::StatusBar : QAccessible::Cell; }
    QAccessible::State state() const override;

private:
    BoardInterface& board_;
    int index_;
};

class BoardInterface : public QAccessibleWidget {
public:
    explicit BoardInterface(CanvasWidget* canvas) : QAccessibleWidget(canvas, QAccessible::Grouping) {
        for (int i = 0; i < CHILDREN; ++i) {
            children_.push_back(new ChildInterface(*this, i));
            ids_.push_back(QAccessible::registerAccessibleInterface(children_.back()));
        }
    }
    ~BoardInterface() override {
        for (QAccessible::Id id : ids_) QAccessible::deleteAccessibleInterface(id);
    }
    CanvasWidget* canvas() const { return static_cast<CanvasWidget*>(widget()); }

    int childCount() const override { return CHILDREN; }
    QAccessibleInterface* child(int index) const override {
        return index >= 0 && index < CHILDREN ? children_[static_cast<std::size_t>(index)] : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < CHILDREN; ++i)
            if (children_[static_cast<std::size_t>(i)] == child) return i;
        return -1;
    }
    QAccessibleInterface* focusChild() const override {
        const auto [c, r] = canvas()->cursorCell();
        const int index = indexOf(c, r);
        return index >= 0 ? child(index) : nullptr;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < STATUS; ++i)
            if (children_[static_cast<std::size_t>(i)]->rect().contains(x, y)) return child(i);
        return nullptr;
    }
    QString text(QAccessible::Text t) const override {
        const BoardReading& reading = canvas()->reading();
        if (t == QAccessible::Name && reading.boardName) return fromUtf8(reading.boardName());
        return QAccessibleWidget::text(t);
    }

private:
    std::vector<ChildInterface*> children_;
    std::vector<QAccessible::Id> ids_;
};

QAccessibleInterface* ChildInterface::parent() const { return &board_; }

QString ChildInterface::text(QAccessible::Text t) const {
    if (t != QAccessible::Name) return {};
    if (index_ == STATUS) return board_.canvas()->statusText();
    const BoardReading& reading = board_.canvas()->reading();
    if (!reading.cellName) return {};
    const auto [c, r] = cellOf(index_);
    return fromUtf8(reading.cellName(c, r));
}

// The cell's place on the screen, from its corners in twips.
QRect ChildInterface::rect() const {
    CanvasWidget* canvas = board_.canvas();
    if (index_ == STATUS) return QRect(canvas->mapToGlobal(QPoint(0, 0)), canvas->size());
    const auto [c, r] = cellOf(index_);
    const TwipsScale& s = canvas->scale();
    const Geometry grid;
    const QPoint topLeft(s.logicalLeft(grid.cellX(c)), s.logicalTop(grid.cellY(r)));
    const QPoint bottomRight(s.logicalLeft(grid.cellX(c + 1)), s.logicalTop(grid.cellY(r + 1)));
    return QRect(canvas->mapToGlobal(topLeft), canvas->mapToGlobal(bottomRight - QPoint(1, 1)));
}

QAccessible::State ChildInterface::state() const {
    QAccessible::State state;
    if (index_ == STATUS) return state;
    state.focusable = true;
    const auto [c, r] = cellOf(index_);
    state.focused = board_.canvas()->cursorCell() == std::pair(c, r) && board_.canvas()->hasFocus();
    return state;
}

QAccessibleInterface* factory(const QString&, QObject* object) {
    if (auto* canvas = qobject_cast<CanvasWidget*>(object)) return new BoardInterface(canvas);
    return nullptr;
}

}  // namespace

namespace accessible_board {

namespace {

std::function<void(QAccessibleEvent*)> watcher;

// Qt passes an event on only while an assistive technology listens.
void send(QAccessibleEvent& event) {
    if (watcher) watcher(&event);
    QAccessible::updateAccessibility(&event);
}

}  // namespace

void watchEvents(std::function<void(QAccessibleEvent*)> watch) { watcher = std::move(watch); }

void install() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(factory);
}

void focusMoved(CanvasWidget& canvas, int c, int r) {
    canvas.setCursorCell(c, r);
    const int index = indexOf(c, r);
    if (index < 0) return;
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&canvas);
    if (!board) return;
    QAccessibleEvent event(board->child(index), QAccessible::Focus);
    send(event);
}

void announce(CanvasWidget& canvas, const QString& text) {
    canvas.setStatusText(text);
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&canvas);
    if (!board) return;
    QAccessibleEvent event(board->child(STATUS), QAccessible::NameChanged);
    send(event);
}

}  // namespace accessible_board

void BoardAnnouncer::movePlayed(const MoveNews& move) { accessible_board::announce(canvas_, fromUtf8(move.text)); }
void BoardAnnouncer::refused(const std::string& reason) { accessible_board::announce(canvas_, fromUtf8(reason)); }
void BoardAnnouncer::gameEnded(const std::string& result) { accessible_board::announce(canvas_, fromUtf8(result)); }

}  // namespace zelkora
