// Showing the retained image, fitting the client area into the widget, and
// forwarding mouse presses and Escape.
#include "display/qt/canvas_widget.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "game/codes.h"

namespace zelkora {

CanvasWidget::CanvasWidget(double widthTwips, double heightTwips, TwipsScale scale, QWidget* parent)
    : QWidget(parent), canvas_(widthTwips, heightTwips, scale), enlargement_(scale.zoom()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumSize(referenceSize());
    resize(naturalSize());
    canvas_.onChanged = [this](const QRect& rect) {
        const double ratio = canvas_.scale().ratio();
        update(QRectF(rect.x() / ratio, rect.y() / ratio, rect.width() / ratio, rect.height() / ratio).toAlignedRect());
    };
    canvas_.onRefresh = [this] { repaint(); };
}

QSize CanvasWidget::referenceSize() const {
    const TwipsScale reference;
    return QSize(reference.toPixels(canvas_.widthTwips()), reference.toPixels(canvas_.heightTwips()));
}

QSize CanvasWidget::naturalSize() const {
    const QSize r = referenceSize();
    // Whole pixels that hold the enlarged client area (a hair of rounding spared).
    auto hold = [this](int pixels) { return static_cast<int>(std::ceil(pixels * enlargement_ - 1e-6)); };
    return QSize(hold(r.width()), hold(r.height()));
}

void CanvasWidget::setSizeTwips(double widthTwips, double heightTwips) {
    if (widthTwips == canvas_.widthTwips() && heightTwips == canvas_.heightTwips()) return;
    canvas_.resize(widthTwips, heightTwips);
    setMinimumSize(referenceSize());
    updateGeometry();
    updateScale();
}

void CanvasWidget::setEnlargement(double zoom) {
    enlargement_ = zoom > 0 ? zoom : 1;
    updateGeometry();
}

void CanvasWidget::updateScale() {
    const double ratio = devicePixelRatioF();
    const QSize reference = referenceSize();
    const QSize pixels(static_cast<int>(std::lround(width() * ratio)), static_cast<int>(std::lround(height() * ratio)));
    const double zoom = std::max(1.0, std::min(double(width()) / reference.width(), double(height()) / reference.height()));
    const TwipsScale unplaced(zoom, ratio);
    const int offsetX = std::max(0, (pixels.width() - unplaced.toPixels(canvas_.widthTwips())) / 2);
    const int offsetY = std::max(0, (pixels.height() - unplaced.toPixels(canvas_.heightTwips())) / 2);
    const TwipsScale scale(zoom, ratio, offsetX, offsetY);
    if (scale == canvas_.scale() && pixels == canvas_.image().size()) return;
    canvas_.setScale(scale, pixels);
    update();
    if (onScaleChanged) onScaleChanged(scale);
}

bool CanvasWidget::event(QEvent* event) {
    // A move to a screen of another ratio; the paint event checks again.
    if (event->type() == QEvent::ScreenChangeInternal) updateScale();
    // Tab would move the focus away before keyPressEvent sees it.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Tab && onKey &&
        !panelShown()) {
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    }
    return QWidget::event(event);
}

void CanvasWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    updateScale();
}

void CanvasWidget::paintEvent(QPaintEvent*) {
    if (devicePixelRatioF() != canvas_.scale().ratio()) updateScale();
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), canvas_.image());
    if (!canvas_.mark().empty()) {
        painter.scale(1 / canvas_.scale().ratio(), 1 / canvas_.scale().ratio());
        canvas_.paintMark(painter);
    }
}

bool CanvasWidget::panelShown() const {
    for (const QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isVisible() && child->focusPolicy() != Qt::NoFocus) return true;
    return false;
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
    onMouseDown(button, scale().logicalXToTwips(p.x()), scale().logicalYToTwips(p.y()));
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event) {
    if (!onMouseMove) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    const QPointF p = event->position();
    onMouseMove(scale().logicalXToTwips(p.x()), scale().logicalYToTwips(p.y()));
}

// A key a child control (a field of the record panel) leaves unused comes here
// too; Escape counts only when the canvas itself has the focus.
void CanvasWidget::keyPressEvent(QKeyEvent* event) {
    const bool own = window()->focusWidget() == this;
    if (event->key() == Qt::Key_Escape && onEscape && !onKey && own) {
        onEscape();
        return;
    }
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    std::optional<Key> key;
    switch (event->key()) {
    case Qt::Key_Left: key = Key::Left; break;
    case Qt::Key_Right: key = Key::Right; break;
    case Qt::Key_Up: key = Key::Up; break;
    case Qt::Key_Down: key = Key::Down; break;
    case Qt::Key_Tab: key = Key::Tab; break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: key = shift ? Key::ShiftEnter : Key::Enter; break;
    case Qt::Key_Escape: key = Key::Escape; break;
    default: break;
    }
    if (key && onKey && own) {
        onKey(*key);
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace zelkora
