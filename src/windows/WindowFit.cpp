#include "windows/WindowFit.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace WindowFit {

QRect Place(QSize wanted, const QRect& available, const QMargins& frame, int raise)
{
    const int roomWidth = std::max(1, available.width() - frame.left() - frame.right());
    const int roomHeight = std::max(1, available.height() - frame.top() - frame.bottom());
    const QSize size(std::clamp(wanted.width(), 1, roomWidth),
                     std::clamp(wanted.height(), 1, roomHeight));
    const int outerWidth = size.width() + frame.left() + frame.right();
    const int outerHeight = size.height() + frame.top() + frame.bottom();
    // Centred; a window that fills the area sits at its top-left corner.
    const int left = available.left() + std::max(0, (available.width() - outerWidth) / 2);
    const int top = available.top() + std::max(0, (available.height() - outerHeight) / 2 - raise);
    return {QPoint(left + frame.left(), top + frame.top()), size};
}

QMargins LikelyFrame(const QWidget* window)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QWidget* shown : windows) {
        if (shown == window || !shown->isVisible() || shown->isMinimized())
            continue;
        const QRect outer = shown->frameGeometry();
        const QRect inner = shown->geometry();
        const QMargins margins(inner.left() - outer.left(), inner.top() - outer.top(),
                               outer.right() - inner.right(), outer.bottom() - inner.bottom());
        if (margins.top() > 0)
            return margins;
    }
    // No decorated window to go by: room for a title bar and thin borders.
    return {4, 32, 4, 4};
}

void Apply(QWidget* window, QSize wanted, int raise)
{
    const QWidget* parent = window->parentWidget();
    const QScreen* screen = parent ? parent->screen() : window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QMargins frame =
        window->isVisible() && window->frameGeometry() != window->geometry()
            ? QMargins(window->geometry().left() - window->frameGeometry().left(),
                       window->geometry().top() - window->frameGeometry().top(),
                       window->frameGeometry().right() - window->geometry().right(),
                       window->frameGeometry().bottom() - window->geometry().bottom())
            : LikelyFrame(window);
    const QRect placed = Place(wanted, screen->availableGeometry(), frame, raise);
    window->resize(placed.size());
    // move() places the frame's corner on a top-level window.
    window->move(placed.topLeft() - QPoint(frame.left(), frame.top()));
}

} // namespace WindowFit
