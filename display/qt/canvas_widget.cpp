// Showing the retained image and forwarding mouse presses and Escape.
#include "display/qt/canvas_widget.h"

#include <cmath>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "game/codes.h"

namespace zelkora {

CanvasWidget::CanvasWidget(double widthTwips, double heightTwips, TwipsScale scale, QWidget* parent)
    : QWidget(parent), canvas_(widthTwips, heightTwips, scale) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(canvas_.image().size());
    canvas_.onChanged = [this](const QRect& rect) { update(rect); };
    canvas_.onRefresh = [this] { repaint(); };
}

void CanvasWidget::setSizeTwips(double widthTwips, double heightTwips) {
    canvas_.resize(widthTwips, heightTwips);
    setFixedSize(canvas_.image().size());
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), canvas_.image(), event->rect());
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
    int button = 0;
    if (event->button() == Qt::LeftButton) button = LEFT_BUTTON;
    else if (event->button() == Qt::RightButton) button = RIGHT_BUTTON;
    if (button == 0 || !onMouseDown) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPointF p = event->position();
    onMouseDown(button, scale().toTwips(std::floor(p.x())), scale().toTwips(std::floor(p.y())));
}

// A key a child control (a field of the record panel) leaves unused comes here
// too; Escape counts only when the canvas itself has the focus.
void CanvasWidget::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && onEscape && window()->focusWidget() == this) {
        onEscape();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace zelkora
