// Two humans play a short game on the real window: the menu starts it, every
// move is two mouse clicks at pixel positions, the boxes are answered by the
// scripted dialogs, and the screen follows the moves until a king is taken.
#include <QAction>
#include <QImage>
#include <QTest>

#include "display/qt/canvas_widget.h"
#include "tests/app/app_fixture.h"

namespace zelkora::testing {
namespace {

// The pixel in the middle of grid cell (c, r).
QPoint cellCentre(MainWindow& w, int c, int r) { return w.pixelOf(1050 + 495 * c + 247, 100 + 615 * r + 307); }

void clickCell(MainWindow& w, int c, int r, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(&w.canvasWidget(), button, {}, cellCentre(w, c, r));
}

// What the screen shows in cell (c, r), outline included.
QImage cellImage(MainWindow& w, int c, int r) {
    const QPoint topLeft = w.pixelOf(1050 + 495 * c, 100 + 615 * r);
    const QPoint bottomRight = w.pixelOf(1050 + 495 * (c + 1), 100 + 615 * (r + 1));
    return w.canvas().image().copy(QRect(topLeft, bottomRight));
}

TEST_F(WindowTest, TwoHumansPlayUntilTheLowerKingIsTaken) {
    MainWindow& w = open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    dialogs.shown.clear();

    w.menuAction("START")->trigger();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "先手の番です");
    dialogs.shown.clear();

    const QImage pawnBefore = cellImage(w, 4, 7);
    const QImage emptyBefore = cellImage(w, 4, 6);

    // The lower king walks up the board while the upper side moves quietly,
    // until the king stands next to the upper pawn on (3, 3), which must take it.
    const int moves[][4] = {{4, 7, 4, 6}, {9, 3, 9, 4}, {5, 9, 4, 8}, {1, 3, 1, 4}, {4, 8, 4, 7}, {9, 4, 9, 5},
                            {4, 7, 3, 6}, {1, 4, 1, 5}, {3, 6, 3, 5}, {2, 2, 3, 2}, {3, 5, 3, 4}, {3, 3, 3, 4}};
    int n = 0;
    for (const auto& m : moves) {
        SCOPED_TRACE(++n);
        ASSERT_TRUE(dialogs.shown.empty()) << dialogs.shown[0].text;
        const int piece = w.form().board.at(m[0], m[1]);
        clickCell(w, m[0], m[1]);
        clickCell(w, m[2], m[3]);
        if (n == 1) {
            // The screen shows the pawn one square further on and its old square empty.
            EXPECT_EQ(cellImage(w, 4, 6), pawnBefore);
            EXPECT_EQ(cellImage(w, 4, 7), emptyBefore);
        }
        if (n < 12) {
            ASSERT_EQ(w.form().moves.count, n);
            EXPECT_EQ(w.form().board.at(m[2], m[3]), piece);
            EXPECT_EQ(w.form().moves.moveNumber, n);
        }
    }

    // Played to lose: the first player, whose king was taken, wins; "Yes" to
    // continue returns to the initial position with no game running.
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].text, "先手の勝ちです");
    EXPECT_EQ(dialogs.shown[0].title, "終了");
    EXPECT_EQ(dialogs.shown[1].text, "続けますか？");
    EXPECT_FALSE(w.hasEnded());
    EXPECT_EQ(w.form().turn.sideToMove, NOBODY);
    EXPECT_EQ(cellImage(w, 4, 7), pawnBefore);
    EXPECT_EQ(cellImage(w, 4, 6), emptyBefore);

    // A click now only says that no game runs.
    dialogs.shown.clear();
    clickCell(w, 5, 7);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "「対局」で始めて下さい");
}

TEST_F(WindowTest, RightClickPromotesAndALeftClickIsRefusedWhereAPawnMustPromote) {
    MainWindow& w = open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.menuAction("START")->trigger();
    Form1& f = w.form();
    // A lower pawn one step from the far row, nothing to capture.
    f.board = Board{};
    f.board.at(3, 2) = SITA_HU;
    f.board.at(9, 1) = UE_OU;
    f.board.at(9, 9) = SITA_OU;
    dialogs.shown.clear();

    clickCell(w, 3, 2);
    clickCell(w, 3, 1, Qt::LeftButton);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "マウスの右をクリックして下さい");
    EXPECT_EQ(f.board.at(3, 2), SITA_HU);

    clickCell(w, 3, 1, Qt::RightButton);
    EXPECT_EQ(f.board.at(3, 1), SITA_TO);
    EXPECT_EQ(f.turn.sideToMove, GOTE);
}

}  // namespace
}  // namespace zelkora::testing
