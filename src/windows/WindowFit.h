#pragma once

#include <QByteArray>
#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

// Where a window opens: inside the screen's available area, frame included, at most as large
// as that area; centred on it (and `raise` pixels higher where there is room) the first time,
// and where it was last closed after that.
namespace WindowFit {

// The window's client rectangle for a client of size `wanted` whose frame adds `frame`.
QRect Place(QSize wanted, const QRect& available, const QMargins& frame, int raise = 0);

// The client rectangle `client` moved, and made smaller where it must, until it lies inside
// `available` with its frame; never smaller than `least`. A window that is larger than the
// area even so keeps the top-left corner of its frame, the title bar, inside it.
QRect Inside(const QRect& client, const QRect& available, const QMargins& frame,
             QSize least = QSize(1, 1));

// The frame a window manager is likely to add: taken from a visible window when there is
// one, else a generous guess for a title bar and borders.
QMargins LikelyFrame(const QWidget* window);

// Sizes and moves `window` (not yet shown, or shown) by Place on the screen it will open on.
void Apply(QWidget* window, QSize wanted, int raise = 0);

// Puts `window` (not yet shown) back where QWidget::saveGeometry() found it, kept inside the
// screen that is there now, and at least at its smallest size. False, and the window left as
// it was, when `saved` is not a saved geometry a real window could have had (cut short, turned
// inside out, far off, or with a frame no window manager draws).
bool Restore(QWidget* window, const QByteArray& saved);

} // namespace WindowFit
