// Keeping the drawing steps that still show.
#include "display/qt/drawing_record.h"

#include <algorithm>
#include <cmath>

namespace zelkora {
namespace {

// Whole twips holding all of `area`.
QRect outer(const QRectF& area) {
    const int left = static_cast<int>(std::floor(area.left())), top = static_cast<int>(std::floor(area.top()));
    const int right = static_cast<int>(std::ceil(area.right())), bottom = static_cast<int>(std::ceil(area.bottom()));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

// Whole twips inside `area`.
QRect inner(const QRectF& area) {
    const int left = static_cast<int>(std::ceil(area.left())), top = static_cast<int>(std::ceil(area.top()));
    const int right = static_cast<int>(std::floor(area.right())), bottom = static_cast<int>(std::floor(area.bottom()));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

bool sameRectangle(const DrawingStep& a, const DrawingStep& b) {
    return std::min(a.x1, a.x2) == std::min(b.x1, b.x2) && std::max(a.x1, a.x2) == std::max(b.x1, b.x2) &&
           std::min(a.y1, a.y2) == std::min(b.y1, b.y2) && std::max(a.y1, a.y2) == std::max(b.y1, b.y2);
}

}  // namespace

void DrawingRecord::add(const DrawingStep& step, const QRectF& area) {
    switch (step.kind) {
    case DrawingStep::Kind::Fill: kept_.clear(); break;
    case DrawingStep::Kind::Picture: cover(inner(area)); break;
    case DrawingStep::Kind::Outline: replaceSameOutline(step); break;
    case DrawingStep::Kind::Text: break;
    }
    const QRect bounds = outer(area);
    kept_.push_back({step, bounds, QRegion(bounds)});
}

void DrawingRecord::cover(const QRect& opaque) {
    if (opaque.isEmpty()) return;
    for (Kept& k : kept_)
        if (k.step.kind != DrawingStep::Kind::Fill && k.bounds.intersects(opaque)) k.showing -= opaque;
    std::erase_if(kept_, [](const Kept& k) { return k.step.kind != DrawingStep::Kind::Fill && k.showing.isEmpty(); });
}

void DrawingRecord::replaceSameOutline(const DrawingStep& outline) {
    std::erase_if(kept_, [&](const Kept& k) { return k.step.kind == DrawingStep::Kind::Outline && sameRectangle(k.step, outline); });
}

}  // namespace zelkora
