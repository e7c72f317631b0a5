// The Window port over the main QWidget and its canvas.
#include "display/qt/qt_window.h"

#include <utility>

#include <QWidget>

#include "display/qt/canvas_widget.h"

namespace zelkora {

QtWindow::QtWindow(QWidget& window, CanvasWidget& canvas, std::function<void()> quit)
    : window_(window), canvas_(canvas), quit_(std::move(quit)) {}

std::int32_t QtWindow::handle() const { return static_cast<std::int32_t>(window_.winId()); }

// The desktop is measured at the reference scale, whatever the enlargement.
double QtWindow::top() const { return TwipsScale().yToTwips(window_.pos().y()); }

void QtWindow::place(double left, double top, double width, double height) {
    const TwipsScale desktop;
    window_.move(desktop.toPixels(left), desktop.toPixels(top));
    const RetainedCanvas& client = canvas_.canvas();
    const bool resized = width != client.widthTwips() || height != client.heightTwips();
    canvas_.setSizeTwips(width, height);
    if (resized) window_.resize(window_.sizeHint());
}

void QtWindow::setEnlargement(int percent) {
    const double zoom = percent / 100.0;
    if (zoom <= 0 || zoom == canvas_.enlargement()) return;
    canvas_.setEnlargement(zoom);
    if (window_.isMaximized() || window_.isFullScreen()) window_.showNormal();
    window_.resize(window_.sizeHint());
}

void QtWindow::setBackgroundColour(int colour) { canvas_.canvas().fill(colour); }

void QtWindow::quit() {
    if (quit_) quit_();
}

}  // namespace zelkora
