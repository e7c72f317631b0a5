// The window's place on a real screen with a window manager: placed once with
// its whole frame (title bar and buttons) on the screen, and not moved by a
// restart of the position ("最初", loading a record). Runs under the xcb
// platform only (tests/app/under_window_manager.sh starts Xvfb and openbox);
// without a window manager there is no frame to check.
#include <fstream>

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include "tests/app/app_fixture.h"

namespace zelkora::testing {
namespace {

TEST_F(WindowTest, UnderAWindowManagerTheFrameIsOnScreenAndStays) {
    if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "needs a real X server and window manager";
    MainWindow& w = open();
    // Generous limits: on a busy machine the window manager may take seconds.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w, 20000));
    // The window manager frames the window: the title bar lies above the client.
    if (!QTest::qWaitFor([&] { return w.frameGeometry().top() < w.geometry().top(); }, 20000))
        GTEST_SKIP() << "the window manager did not frame the window";
    const QRect screen = w.screen()->availableGeometry();
    const bool whole = QTest::qWaitFor([&] { return screen.contains(w.frameGeometry()); }, 3000);
    const QRect frame = w.frameGeometry();
    ASSERT_TRUE(whole) << "frame at " << frame.x() << "," << frame.y() << ", " << frame.width() << "x" << frame.height();

    std::ofstream(folder().toStdString() + "/r.棋譜") << "g\r\nu\r\nl\r\n 3736 -10 -10   0\r\n";
    w.menuAction("CANCEL")->trigger();
    w.form().File1_Click("r.棋譜");
    ASSERT_EQ(w.form().flags.recordMode, 1);
    QTest::qWait(300);
    EXPECT_EQ(w.frameGeometry(), frame);
}

}  // namespace
}  // namespace zelkora::testing
