// The Window port over the main QWidget and its canvas.
#include "display/qt/qt_window.h"

#include <algorithm>
#include <utility>

#include <QScreen>
#include <QWidget>

#include "display/qt/canvas_widget.h"

namespace zelkora {

QtWindow::QtWindow(QWidget& window, CanvasWidget& canvas, std::function<void()> quit)
    : window_(window), canvas_(canvas), quit_(std::move(quit)) {}

std::int32_t QtWindow::handle() const { return static_cast<std::int32_t>(window_.winId()); }

// Centred on the available area; on a screen smaller than the window its
// top-left corner stays on the screen, with the menu bar.
void QtWindow::place(double width, double height) {
    canvas_.setSizeTwips(width, height);
    window_.adjustSize();
    const QScreen* screen = window_.screen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QSize size = window_.size();
    const int left = area.left() + std::max(0, (area.width() - size.width()) / 2);
    const int top = area.top() + std::max(0, (area.height() - size.height()) / 2);
    window_.move(left, top);
}

void QtWindow::setEnlargement(int percent) {
    const double zoom = percent / 100.0;
    if (zoom <= 0 || zoom == canvas_.enlargement()) return;
    canvas_.setEnlargement(zoom);
    if (window_.isMaximized() || window_.isFullScreen()) window_.showNormal();
    window_.resize(window_.sizeHint());
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
