// The review window on a loaded record: "検討" is refused with no game, every
// move gets its point, the marked moves are listed, and clicking a row steps
// the main board to the position that move was played in with the best move
// outlined as a hint. The searches run on a worker that answers at once.
#include <fstream>

#include <QAction>
#include <QLineSeries>
#include <QProgressBar>
#include <QPushButton>
#include <QScatterSeries>
#include <QTableWidget>
#include <QTest>

#include "display/qt/review_window.h"
#include "game/sfen.h"
#include "records/record_format.h"
#include "review/review_run.h"
#include "tests/app/app_fixture.h"

namespace zelkora::testing {
namespace {

// Eight moves of a game between LEVEL1 and LEVEL2; the 7th and the 8th throw
// the game away (each lets the other side's king be taken by force).
const char* const MOVES[] = {" 9998 -20 -20   0", " 1112  20  20   0", " 9796 -10 -10   0", " 1314  10  10   0",
                             " 9897 -20 -20   0", " 1213  20  20   0", " 9695 -10 -10   0", " 1415  10  10   0"};

using ReviewWindowTest = WindowTest;

TEST_F(ReviewWindowTest, PointsAppearAndARowStepsTheBoard) {
    FakeWorker worker;
    MainWindow w(&dialogs, nullptr, &worker);
    w.show();
    w.menuAction("KENTOU")->trigger();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "検討する棋譜がありません");
    EXPECT_EQ(w.reviewWindow(), nullptr);

    std::ofstream(folder().toStdString() + "/g.棋譜", std::ios::binary)
        << "\x91\xce\x8b\xc7\r\n\x8c\xe3\x8e\xe8\r\n\x90\xe6\x8e\xe8\r\n";
    for (const char* line : MOVES) std::ofstream(folder().toStdString() + "/g.棋譜", std::ios::app) << line << "\r\n";
    w.menuAction("KIFU_READ")->trigger();
    Form1& f = w.form();
    f.File1_Click("g.棋譜");
    ASSERT_EQ(f.moves.replay, 8);
    const ReviewSource source = f.検討_棋譜();
    w.menuAction("KENTOU")->trigger();

    ReviewWindow* review = w.reviewWindow();
    ASSERT_NE(review, nullptr);
    EXPECT_EQ(review->evaluations()->count(), 8);
    EXPECT_EQ(review->progressBar()->value(), 9);
    EXPECT_FALSE(review->cancelButton()->isEnabled());
    QTableWidget* list = review->markList();
    ASSERT_GE(list->rowCount(), 2);
    EXPECT_EQ(review->marks(Mark::Blunder)->count() + review->marks(Mark::Mistake)->count(), list->rowCount());
    EXPECT_EQ(list->item(0, 0)->text(), "7");

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0, 1)).center());
    const std::vector<GamePosition> positions = gamePositions(source.board, source.hands, source.moves);
    EXPECT_EQ(f.moves.count, 6);
    EXPECT_EQ(f.moves.replay, 8) << "the record stays whole";
    EXPECT_EQ(formatSfen(f.board, f.hands, true, 0), formatSfen(positions[6].board, positions[6].hands, true, 0));
    const std::optional<ReviewedMove> seventh = review->run()->reviewed(7);
    ASSERT_TRUE(seventh && seventh->before.bestValid);
    EXPECT_TRUE(f.display.hintShown);
    EXPECT_EQ(formatMoveLine(f.display.hint), formatMoveLine(seventh->before.best));
}

}  // namespace
}  // namespace zelkora::testing
