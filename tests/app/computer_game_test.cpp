// A game against the computer on the real window: "先手", then a few human
// moves made by mouse clicks, each answered by the computer before the click
// returns. The boxes are answered by the scripted dialogs; the computer's
// search and half-second wait run on a fake worker that answers at once, so
// the test does not sleep.
#include <QAction>
#include <QImage>
#include <QTest>

#include "display/qt/canvas_widget.h"
#include "display/qt/retained_canvas.h"
#include "tests/app/app_fixture.h"

namespace zelkora::testing {
namespace {

QPoint cellCentre(MainWindow& w, int c, int r) { return w.pixelOf(1050 + 495 * c + 247, 100 + 615 * r + 307); }

QImage cellImage(MainWindow& w, int c, int r) {
    const QPoint topLeft = w.pixelOf(1050 + 495 * c, 100 + 615 * r);
    const QPoint bottomRight = w.pixelOf(1050 + 495 * (c + 1), 100 + 615 * (r + 1));
    return w.canvas().image().copy(QRect(topLeft, bottomRight));
}

// The human's first legal board move in scan order that obeys compulsory
// capture and needs no promotion (a left click plays it unpromoted).
bool humanMove(Form1& f, int move[4]) {
    f.調査_取可桝(f.turn.lowerTag);
    const bool mustCapture = f.lowerCapture.count > 0;
    for (int fx = 1; fx <= 9; ++fx)
        for (int fy = 1; fy <= 9; ++fy) {
            const int piece = f.board.at(fx, fy);
            if (!isLower(piece) || piece == SITA_OU) continue;
            for (int tx = 1; tx <= 9; ++tx)
                for (int ty = 1; ty <= 9; ++ty) {
                    if (f.移動チェック(fx, fy, tx, ty, piece) != YES) continue;
                    if (mustCapture && (tx != f.lowerCapture.bestX || ty != f.lowerCapture.bestY)) continue;
                    if (f.移動後チェック(ty, piece) == NO) continue;
                    move[0] = fx, move[1] = fy, move[2] = tx, move[3] = ty;
                    return true;
                }
        }
    return false;
}

TEST_F(WindowTest, TheComputerAnswersEveryHumanMove) {
    FakeWorker worker;
    MainWindow w(&dialogs, nullptr, &worker);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    Form1& f = w.form();
    dialogs.shown.clear();

    w.menuAction("SENTE")->trigger();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "あなたの番です");
    EXPECT_EQ(f.turn.gameMode, MODE_COM);

    for (int turn = 1; turn <= 4; ++turn) {
        SCOPED_TRACE(turn);
        dialogs.shown.clear();
        int m[4];
        ASSERT_TRUE(humanMove(f, m));
        const std::size_t waits = worker.waits.size();
        QTest::mouseClick(&w.canvasWidget(), Qt::LeftButton, {}, cellCentre(w, m[0], m[1]));
        QTest::mouseClick(&w.canvasWidget(), Qt::LeftButton, {}, cellCentre(w, m[2], m[3]));

        // The human's move and the computer's reply are both on the board and in the list.
        ASSERT_EQ(f.moves.count, 2 * turn);
        const MoveRecord& human = f.moves.entry[2 * turn - 1];
        EXPECT_EQ(std::vector<int>({human.fromX, human.fromY, human.toX, human.toY}),
                  std::vector<int>({m[0], m[1], m[2], m[3]}));
        const MoveRecord& reply = f.moves.entry[2 * turn];
        EXPECT_TRUE(isUpper(reply.before));
        EXPECT_EQ(f.board.at(reply.toX, reply.toY), reply.after);
        EXPECT_EQ(f.moves.moveNumber, 2 * turn);
        EXPECT_EQ(f.turn.sideToMove, f.turn.lowerTag);
        // The computer waited its half second before it moved.
        EXPECT_EQ(worker.waits.size(), waits + 1);
        // Its target square carries the white outline on the screen.
        const QImage target = cellImage(w, reply.toX, reply.toY);
        EXPECT_EQ(target.pixelColor(0, target.height() / 2), QColor(255, 255, 255));
        for (const Message& shown : dialogs.shown) EXPECT_EQ(shown.text, "   ** 王手 **");
    }
}

}  // namespace
}  // namespace zelkora::testing
