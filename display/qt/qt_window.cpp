// The Window port over the main QWidget and its canvas.
#include "display/qt/qt_window.h"

#include <algorithm>
#include <utility>

#include <QScreen>
#include <QWidget>
#include <QWindow>

#include "display/qt/canvas_widget.h"
#include "display/qt/window_fit.h"

namespace zelkora {

// How long after a fit the window is kept on the screen (see settling_).
constexpr int SETTLING_MS = 3000;

QtWindow::QtWindow(QWidget& window, CanvasWidget& canvas, std::function<void()> quit)
    : window_(window), canvas_(canvas), quit_(std::move(quit)) {}

std::int32_t QtWindow::handle() const { return static_cast<std::int32_t>(window_.winId()); }

// The window with its frame centred on the available area; on a screen
// smaller than the window its top-left corner stays on the screen, with the
// menu bar. Before the window is shown Qt does not know the frame, and the
// position given is the client's.
void QtWindow::place(double width, double height) {
    canvas_.setSizeTwips(width, height);
    fit();
    const QScreen* screen = window_.screen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QMargins frame = frameMargins();
    const QSize size = window_.size().grownBy(frame);
    const int left = area.left() + frame.left() + std::max(0, (area.width() - size.width()) / 2);
    const int top = area.top() + frame.top() + std::max(0, (area.height() - size.height()) / 2);
    window_.move(left, top);
}

void QtWindow::setEnlargement(int percent) {
    const double zoom = percent / 100.0;
    if (zoom <= 0 || zoom == canvas_.enlargement()) return;
    canvas_.setEnlargement(zoom);
    if (window_.isMaximized() || window_.isFullScreen()) window_.showNormal();
    fit();
}

void QtWindow::frameChanged() {
    if (window_.isMaximized() || window_.isFullScreen()) return;
    if (frameMargins() != fittedFrame_ && window_.size() == fittedSize_) fit();
    if (!settling_.hasExpired()) keepFrameOnScreen();
}

// The frame the window manager added, or a fit, may have pushed the window's
// lower or right edge past the screen: the window moves back in, its frame's
// top-left corner kept where it can be.
void QtWindow::keepFrameOnScreen() {
    const QScreen* screen = window_.screen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QRect outer = window_.geometry().marginsAdded(frameMargins());
    const int top = std::max(area.top(), std::min(outer.top(), area.bottom() + 1 - outer.height()));
    const int left = std::max(area.left(), std::min(outer.left(), area.right() + 1 - outer.width()));
    if (top != outer.top() || left != outer.left()) window_.move(left, top);
}

// The window's size: the menu bar and the client area at the enlargement, or
// the largest client area of its proportions that fits the screen.
void QtWindow::fit() {
    const QSize bars = window_.sizeHint() - canvas_.sizeHint();
    QSize client = canvas_.naturalSize();
    if (const QScreen* screen = window_.screen()) {
        const QSize room = screen->availableGeometry().size().shrunkBy(frameMargins()) - bars;
        client = fittedClientSize(canvas_.referenceSize(), canvas_.enlargement(), room);
    }
    fittedFrame_ = frameMargins();
    fittedSize_ = client + bars;
    settling_.setRemainingTime(SETTLING_MS);
    // Not adjustSize(): it would keep a window that was never shown within two
    // thirds of the screen.
    window_.resize(fittedSize_);
}

// The window manager's frame once Qt knows it; before the window is shown, the
// frame most window managers draw.
QMargins QtWindow::frameMargins() const {
    const QWindow* handle = window_.windowHandle();
    if (handle && window_.isVisible()) {
        const QMargins frame = handle->frameMargins();
        if (!frame.isNull()) return frame;
    }
    return ASSUMED_FRAME;
}

void QtWindow::setBackgroundColour(int colour) { canvas_.canvas().fill(colour); }

void QtWindow::setLanguage(Language language) {
    if (onLanguage) onLanguage(language);
}

void QtWindow::openLessons() {
    if (onLessons) onLessons();
}

void QtWindow::showHowToPlay() {
    if (onHowToPlay) onHowToPlay();
}

void QtWindow::quit() {
    if (quit_) quit_();
}

}  // namespace zelkora
