// The window's place on a real screen with a window manager: placed once with
// its whole frame (title bar and buttons) on the screen, and not moved by a
// restart of the position ("最初", loading a record). Runs under the xcb
// platform only (tests/app/under_window_manager.sh starts Xvfb and openbox);
// without a window manager there is no frame to check. The frame is read from
// the X server itself (xwininfo, xprop), not from Qt, whose idea of the frame
// may lag behind.
#include <cmath>
#include <cstdio>
#include <fstream>
#include <optional>

#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>

#include "display/qt/canvas_widget.h"
#include "tests/app/app_fixture.h"

namespace zelkora::testing {
namespace {

QString run(const QString& program, const QStringList& arguments) {
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(10000)) return {};
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

// The frame around the client window `id` on the screen, once the window
// manager has put it there.
std::optional<QRect> frameOnScreen(WId id) {
    const QString window = QString::number(id);
    const auto extents = QRegularExpression(R"(= (\d+), (\d+), (\d+), (\d+))")
                             .match(run("xprop", {"-id", window, "_NET_FRAME_EXTENTS"}));
    const QString info = run("xwininfo", {"-id", window});
    const auto x = QRegularExpression(R"(Absolute upper-left X:\s+(-?\d+))").match(info);
    const auto y = QRegularExpression(R"(Absolute upper-left Y:\s+(-?\d+))").match(info);
    const auto w = QRegularExpression(R"(Width:\s+(\d+))").match(info);
    const auto h = QRegularExpression(R"(Height:\s+(\d+))").match(info);
    if (!extents.hasMatch() || !x.hasMatch() || !y.hasMatch() || !w.hasMatch() || !h.hasMatch()) return std::nullopt;
    const QRect client(x.captured(1).toInt(), y.captured(1).toInt(), w.captured(1).toInt(), h.captured(1).toInt());
    return client.adjusted(-extents.captured(1).toInt(), -extents.captured(3).toInt(), extents.captured(2).toInt(),
                           extents.captured(4).toInt());
}

TEST_F(WindowTest, UnderAWindowManagerTheFrameIsOnScreenAndStays) {
    if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "needs a real X server and window manager";
    MainWindow& w = open();
    // Generous limits: on a busy machine the window manager may take seconds.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w, 20000));
    std::optional<QRect> frame;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (frame = frameOnScreen(w.winId())).has_value(); }, 20000))
        << "the window manager did not frame the window";
    const QRect screen = w.screen()->geometry();
    EXPECT_TRUE(screen.contains(*frame)) << "frame at " << frame->x() << "," << frame->y() << ", " << frame->width()
                                         << "x" << frame->height();

    std::ofstream(folder().toStdString() + "/r.棋譜") << "g\r\nu\r\nl\r\n 3736 -10 -10   0\r\n";
    w.menuAction("CANCEL")->trigger();
    w.form().File1_Click("r.棋譜");
    ASSERT_EQ(w.form().flags.recordMode, 1);
    QTest::qWait(500);
    EXPECT_EQ(frameOnScreen(w.winId()), frame);
}

// After a restart the window has the chosen enlargement's size, or, where
// that with its frame is larger than the screen's available area, the largest
// size of the board's proportions that fits; the choice itself is kept. The
// script runs this on screens of several sizes (ZELKORA_SCREEN).
TEST_F(WindowTest, UnderAWindowManagerARestartKeepsTheEnlargementOrTheLargestThatFits) {
    if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "needs a real X server and window manager";
    for (const int percent : {200, 150, 100}) {
        SCOPED_TRACE(percent);
        open().menuAction("BAIRITU_" + std::to_string(percent))->trigger();
        MainWindow& w = restart();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w, 20000));
        std::optional<QRect> frame;
        ASSERT_TRUE(QTest::qWaitFor([&] { return (frame = frameOnScreen(w.winId())).has_value(); }, 20000));
        QTest::qWait(500);   // a fit to the real frame, if any, has landed
        frame = frameOnScreen(w.winId());
        const QRect area = w.screen()->availableGeometry();
        const QSize canvas = w.canvasWidget().size();
        const QSize natural(int(std::ceil(6.0 * percent)), int(std::ceil(5.33 * percent - 1e-9)));
        std::printf("[ screen %dx%d, %d%%: window %dx%d, frame %dx%d at %d,%d, canvas %dx%d ]\n", area.width(),
                    area.height(), percent, w.width(), w.height(), frame->width(), frame->height(), frame->x(),
                    frame->y(), canvas.width(), canvas.height());
        EXPECT_TRUE(area.contains(*frame));
        EXPECT_TRUE(w.menuAction("BAIRITU_" + std::to_string(percent))->isChecked());
        if (canvas != natural) {
            // Smaller only because the screen is: the frame touches it, the
            // board keeps its proportions.
            EXPECT_TRUE(frame->height() >= area.height() - 2 || frame->width() >= area.width() - 2);
            EXPECT_LT(canvas.width(), natural.width());
            EXPECT_NEAR(canvas.width() * 533.0 / 600, canvas.height(), 1.5);
        }
    }
}

}  // namespace
}  // namespace zelkora::testing
