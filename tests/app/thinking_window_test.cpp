// The window while the computer thinks, on the window's real worker: the
// search is held on its thread until the test lets it go, so what the window
// does meanwhile does not depend on how fast the machine is.
#include <atomic>
#include <thread>

#include <QAction>
#include <QSemaphore>
#include <QTest>

#include "display/qt/canvas_widget.h"
#include "display/qt/qt_worker.h"
#include "tests/app/app_fixture.h"

namespace zelkora::testing {
namespace {

// The window's worker with a gate before every job.
class GatedWorker : public Worker {
public:
    QSemaphore gate;   // before `real`, which waits for its jobs when destroyed
    QtWorker real;
    std::atomic<bool> offThread{false};   // the last job ran off the test's thread

    void run(std::function<void()> job, std::function<void()> done) override {
        const std::thread::id window = std::this_thread::get_id();
        real.run(
            [this, window, job = std::move(job)] {
                offThread = std::this_thread::get_id() != window;
                // A worker that ran jobs on the window's thread would block
                // here; the gate gives up, and the test fails on offThread.
                gate.tryAcquire(1, 5000);
                job();
            },
            std::move(done));
    }
    void after(double seconds, std::function<void()> done) override { real.after(seconds, std::move(done)); }
};

class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

void clickCell(MainWindow& w, int c, int r) {
    QTest::mouseClick(&w.canvasWidget(), Qt::LeftButton, {}, w.pixelOf(1050 + 495 * c + 247, 100 + 615 * r + 307));
}

// A shown window on the gated worker after "先手" at LEVEL5 and the human's
// first move (the pawn in front of the bishop): the computer is thinking.
struct ThinkingWindow {
    GatedWorker worker;
    MainWindow w;
    Form1& f;
    explicit ThinkingWindow(Dialogs* dialogs) : w(dialogs, nullptr, &worker), f(w.form()) {
        w.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
        w.menuAction("LEVEL5")->trigger();
        w.menuAction("SENTE")->trigger();
        clickCell(w, 3, 7);
        clickCell(w, 3, 6);
    }
};

TEST_F(WindowTest, WhileTheComputerThinksTheWindowRepaintsAndIgnoresTheBoard) {
    ThinkingWindow t(&dialogs);
    auto& [worker, w, f] = t;
    ASSERT_EQ(f.moves.count, 1);
    ASSERT_TRUE(f.thinking.active);
    EXPECT_FALSE(w.menuAction("MATTA")->isEnabled());
    EXPECT_FALSE(w.menuAction("LEVEL")->isEnabled());
    EXPECT_TRUE(w.menuAction("OWARI")->isEnabled());

    PaintCounter counter;
    w.canvasWidget().installEventFilter(&counter);
    w.resize(w.width() + 200, w.height() + 150);
    QTRY_VERIFY(counter.paints > 0);
    EXPECT_EQ(w.canvas().image().size(), w.canvasWidget().size() * w.canvasWidget().devicePixelRatioF());
    clickCell(w, 2, 7);
    EXPECT_EQ(f.sel.clickState, 0);
    EXPECT_EQ(f.moves.count, 1);

    worker.gate.release();
    QTRY_VERIFY_WITH_TIMEOUT(!f.thinking.active, 20000);
    EXPECT_TRUE(worker.offThread);
    EXPECT_EQ(f.moves.count, 2);
    EXPECT_TRUE(w.menuAction("MATTA")->isEnabled());
}

TEST_F(WindowTest, ClosingWhileTheComputerThinksEndsWithoutItsMove) {
    ThinkingWindow t(&dialogs);
    auto& [worker, w, f] = t;
    const auto stop = f.thinking.stop;
    w.close();
    EXPECT_TRUE(w.hasEnded());
    EXPECT_TRUE(stop->load());
    worker.gate.release();
    QTRY_VERIFY_WITH_TIMEOUT(worker.real.idle(), 20000);
    EXPECT_EQ(f.moves.count, 1);
}

}  // namespace
}  // namespace zelkora::testing
