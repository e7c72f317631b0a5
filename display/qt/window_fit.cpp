// The client area made to fit the screen, keeping the board's proportions.
#include "display/qt/window_fit.h"

#include <algorithm>
#include <cmath>

namespace zelkora {

QSize fittedClientSize(QSize reference, double enlargement, QSize room) {
    // Whole pixels that hold the enlarged area (a hair of rounding spared).
    auto hold = [](int pixels, double zoom) { return static_cast<int>(std::ceil(pixels * zoom - 1e-6)); };
    const QSize natural(hold(reference.width(), enlargement), hold(reference.height(), enlargement));
    if (natural.width() <= room.width() && natural.height() <= room.height()) return natural;
    const double zoom = std::max(1.0, std::min({enlargement, double(room.width()) / reference.width(),
                                                double(room.height()) / reference.height()}));
    return QSize(static_cast<int>(std::floor(reference.width() * zoom + 1e-6)),
                 static_cast<int>(std::floor(reference.height() * zoom + 1e-6)));
}

}  // namespace zelkora
