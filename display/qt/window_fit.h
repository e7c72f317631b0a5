// The size of the client area that fits a screen.
//
// The window opens (and changes enlargement) at the size of its client area
// at the chosen enlargement. When that window, with the menu bar and the
// window manager's frame around it, is larger than the screen's available
// area, the client area gets the largest size of the board's proportions that
// fits instead; the chosen enlargement itself is kept (menu mark, settings
// file), so a larger screen shows it whole again. The client area is never
// smaller than at 100%, whatever the screen.
#pragma once

#include <QMargins>
#include <QSize>

namespace zelkora {

// `reference` is the client area at 100% and `enlargement` the chosen one
// (1.5 for 150%), `room` the available area less the frame and the menu bar,
// all in logical pixels.
QSize fittedClientSize(QSize reference, double enlargement, QSize room);

// The frame of a window manager (borders and title bar) assumed around a
// window that was not shown yet: Qt learns the real one only after showing.
// A little more than common title bars, so the guess errs on the side of a
// window that fits.
inline constexpr QMargins ASSUMED_FRAME{8, 40, 8, 8};

}  // namespace zelkora
