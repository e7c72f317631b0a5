// The Window port over the main QWidget and its canvas.
#include "display/qt/qt_window.h"

#include <algorithm>
#include <utility>

#include <QScreen>
#include <QTimer>
#include <QWidget>

#include "display/qt/canvas_widget.h"

namespace zelkora {

namespace {

constexpr int FRAME_WATCH_MS = 50;
constexpr int FRAME_WATCH_TICKS = 200;  // ten seconds of the window shown

}  // namespace

QtWindow::QtWindow(QWidget& window, CanvasWidget& canvas, std::function<void()> quit)
    : window_(window), canvas_(canvas), quit_(std::move(quit)) {}

QtWindow::~QtWindow() {
    if (frameWatch_) frameWatch_->stop();
}

std::int32_t QtWindow::handle() const { return static_cast<std::int32_t>(window_.winId()); }

// The corner that keeps the frame inside the screen's available area. A top-
// level widget's position is that of its frame.
QPoint QtWindow::onScreen(QPoint corner) const {
    const QScreen* screen = window_.screen();
    if (!screen) return corner;
    const QRect area = screen->availableGeometry();
    const QSize frame = window_.frameGeometry().size();
    corner.setX(std::max(area.left(), std::min(corner.x(), area.right() + 1 - frame.width())));
    corner.setY(std::max(area.top(), std::min(corner.y(), area.bottom() + 1 - frame.height())));
    return corner;
}

void QtWindow::place(double left, double top, double width, double height) {
    const TwipsScale& s = canvas_.scale();
    canvas_.setSizeTwips(width, height);
    window_.adjustSize();
    window_.move(onScreen(QPoint(s.toPixels(left), s.toPixels(top))));
    if (window_.isVisible() || frameWatch_) return;
    framelessTicks_ = 0;
    frameWatch_ = new QTimer(&window_);
    frameWatch_->setInterval(FRAME_WATCH_MS);
    QObject::connect(frameWatch_, &QTimer::timeout, frameWatch_, [this] { keepFrameOnScreen(); });
    frameWatch_->start();
}

// Once the window manager has framed the shown window, a frame that sticks
// out of the screen (a title bar above it) is moved in, once.
void QtWindow::keepFrameOnScreen() {
    if (!window_.isVisible()) return;
    const QRect frame = window_.frameGeometry();
    const bool framed = frame != window_.geometry();
    if (framed) {
        const QPoint corner = onScreen(frame.topLeft());
        if (corner != frame.topLeft()) window_.move(corner);
    }
    if (framed || ++framelessTicks_ >= FRAME_WATCH_TICKS) frameWatch_->stop();
}

void QtWindow::setBackgroundColour(int colour) { canvas_.canvas().fill(colour); }

void QtWindow::quit() {
    if (quit_) quit_();
}

}  // namespace zelkora
