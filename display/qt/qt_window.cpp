// The Window port over the main QWidget and its canvas.
#include "display/qt/qt_window.h"

#include <utility>

#include <QWidget>

#include "display/qt/canvas_widget.h"

namespace zelkora {

QtWindow::QtWindow(QWidget& window, CanvasWidget& canvas, std::function<void()> quit)
    : window_(window), canvas_(canvas), quit_(std::move(quit)) {}

std::int32_t QtWindow::handle() const { return static_cast<std::int32_t>(window_.winId()); }

double QtWindow::top() const { return canvas_.scale().toTwips(window_.pos().y()); }

void QtWindow::place(double left, double top, double width, double height) {
    const TwipsScale& s = canvas_.scale();
    window_.move(s.toPixels(left), s.toPixels(top));
    canvas_.setSizeTwips(width, height);
    window_.adjustSize();
}

void QtWindow::setBackgroundColour(int colour) { canvas_.canvas().fill(colour); }

void QtWindow::quit() {
    if (quit_) quit_();
}

}  // namespace zelkora
