// The keyboard shortcuts of the menu "局面" on the real window.
#include <QAction>
#include <QTest>

#include "display/qt/canvas_widget.h"
#include "tests/app/app_fixture.h"

namespace zelkora::testing {
namespace {

TEST_F(WindowTest, CtrlZTakesTheLastMoveBack) {
    MainWindow& w = open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    w.menuAction("START")->trigger();
    for (const auto& [c, r] : {std::pair{3, 7}, {3, 6}})
        QTest::mouseClick(&w.canvasWidget(), Qt::LeftButton, {}, w.pixelOf(1050 + 495 * c + 247, 100 + 615 * r + 307));
    ASSERT_EQ(w.form().moves.count, 1);
    QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w.form().moves.count, 0);
    EXPECT_EQ(w.form().board.at(3, 7), SITA_HU);
    EXPECT_EQ(w.form().turn.sideToMove, SENTE);
}

}  // namespace
}  // namespace zelkora::testing
