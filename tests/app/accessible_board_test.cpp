// The board through Qt's accessibility interface, offscreen: the children of
// the canvas and their names after a few moves in both languages, the focus
// on the keyboard cursor's cell, and the status's NameChanged events.
#include <vector>

#include <QAccessible>
#include <QTest>

#include "display/qt/board_accessible.h"
#include "display/qt/canvas_widget.h"
#include "tests/app/app_fixture.h"

namespace zelkora::testing {
namespace {

struct Event {
    QAccessible::Event type;
    QAccessibleInterface* target;
};
std::vector<Event> events;

void record(QAccessibleEvent* event) { events.push_back({event->type(), event->accessibleInterface()}); }

class AccessibleBoard : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        // Offscreen no assistive technology listens and Qt drops the events;
        // the board shows them to the test before it hands them to Qt.
        accessible_board::watchEvents(record);
        events.clear();
    }
    void TearDown() override {
        accessible_board::watchEvents(nullptr);
        WindowTest::TearDown();
    }
    void click(MainWindow& w, int c, int r) {
        QTest::mouseClick(&w.canvasWidget(), Qt::LeftButton, {}, w.pixelOf(1050 + 495 * c + 247, 100 + 615 * r + 307));
    }
    static QString name(QAccessibleInterface* board, int c, int r) {
        return board->child(accessible_board::indexOf(c, r))->text(QAccessible::Name);
    }
};

TEST_F(AccessibleBoard, SquaresAndStandsAreNamedAfterTheMoves) {
    MainWindow& w = open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    w.menuAction("START")->trigger();
    for (const auto& [c, r] : {std::pair{3, 7}, {3, 6}, {7, 3}, {7, 4}}) click(w, c, r);
    ASSERT_EQ(w.form().moves.count, 2);

    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&w.canvasWidget());
    ASSERT_NE(board, nullptr);
    ASSERT_EQ(board->childCount(), 81 + 14 + 1);
    EXPECT_EQ(board->text(QAccessible::Name), "将棋盤");
    const struct {
        int c, r;
        const char* ja;
        const char* en;
    } cells[] = {
        {3, 6, "７六 先手の歩", "7f: Sente pawn"},
        {3, 7, "７七 空き", "7g: empty"},
        {7, 4, "３四 後手の歩", "3d: Gote pawn"},
        {5, 9, "５九 先手の王", "5i: Sente king"},
        {8, 8, "２八 先手の飛", "2h: Sente rook"},
        {11, 3, "先手の駒台 歩 なし", "Sente's stand: no pawn"},
        {-1, 1, "後手の駒台 飛 なし", "Gote's stand: no rook"},
    };
    for (const auto& cell : cells) EXPECT_EQ(name(board, cell.c, cell.r), QString::fromUtf8(cell.ja));
    // Every cell has a name of its own.
    QSet<QString> names;
    for (int i = 0; i < accessible_board::STATUS; ++i) names.insert(board->child(i)->text(QAccessible::Name));
    EXPECT_EQ(names.size(), accessible_board::STATUS);
    w.form().言語_設定(Language::English);
    for (const auto& cell : cells) EXPECT_EQ(name(board, cell.c, cell.r), QString::fromUtf8(cell.en));
    w.form().言語_設定(Language::Japanese);
}

TEST_F(AccessibleBoard, FocusFollowsTheCursorAndMovesAreAnnounced) {
    MainWindow& w = open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    w.menuAction("START")->trigger();
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&w.canvasWidget());
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->focusChild(), board->child(accessible_board::indexOf(5, 9)));
    events.clear();
    QTest::keyClick(&w.canvasWidget(), Qt::Key_Up);   // shows the cursor on the king
    QTest::keyClick(&w.canvasWidget(), Qt::Key_Left);
    QAccessibleInterface* square = board->child(accessible_board::indexOf(4, 9));
    EXPECT_EQ(board->focusChild(), square);
    EXPECT_TRUE(square->state().focused);
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back().type, QAccessible::Focus);
    EXPECT_EQ(events.back().target, square);

    events.clear();
    click(w, 3, 7);
    click(w, 3, 6);
    QAccessibleInterface* status = board->child(accessible_board::STATUS);
    EXPECT_EQ(status->text(QAccessible::Name), "先手 ７六歩");
    int announcements = 0;
    for (const Event& e : events) announcements += e.type == QAccessible::NameChanged && e.target == status;
    EXPECT_EQ(announcements, 1);
}

}  // namespace
}  // namespace zelkora::testing
