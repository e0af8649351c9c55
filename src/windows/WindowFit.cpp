#include "windows/WindowFit.h"

#include <QApplication>
#include <QDataStream>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <optional>

namespace WindowFit {

namespace {

// A client of size `wanted` made no larger than the area leaves room for inside the frame.
QSize fitted(QSize wanted, const QRect& available, const QMargins& frame)
{
    const int roomWidth = std::max(1, available.width() - frame.left() - frame.right());
    const int roomHeight = std::max(1, available.height() - frame.top() - frame.bottom());
    return {std::clamp(wanted.width(), 1, roomWidth), std::clamp(wanted.height(), 1, roomHeight)};
}

// What a frame `outer` adds around the client `inner`.
QMargins frameAround(const QRect& outer, const QRect& inner)
{
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

// The screen `window` opens on: its owner's, else its own, else the primary one.
QScreen* openingScreen(const QWidget* window)
{
    const QWidget* parent = window->parentWidget();
    QScreen* screen = parent ? parent->screen() : window->screen();
    return screen ? screen : QGuiApplication::primaryScreen();
}

// The frame of a shown window as it is, else the likely one.
QMargins frameOf(const QWidget* window)
{
    if (!window->isVisible() || window->frameGeometry() == window->geometry())
        return LikelyFrame(window);
    return frameAround(window->frameGeometry(), window->geometry());
}

// The frame the window had when `saved` was taken: QWidget::saveGeometry() writes the frame's
// rectangle first and, from its third version on, the client's last.
std::optional<QMargins> savedFrame(const QByteArray& saved)
{
    constexpr quint32 Magic = 0x1D9D0CB;
    QDataStream stream(saved);
    stream.setVersion(QDataStream::Qt_4_0);
    quint32 magic = 0;
    quint16 major = 0, minor = 0;
    QRect outer, normal, inner;
    qint32 screen = 0, screenWidth = 0;
    quint8 maximized = 0, fullScreen = 0;
    stream >> magic >> major >> minor >> outer >> normal >> screen >> maximized >> fullScreen >>
        screenWidth;
    if (magic != Magic || major < 3)
        return std::nullopt;
    stream >> inner;
    if (stream.status() != QDataStream::Ok || !outer.contains(inner))
        return std::nullopt;
    return frameAround(outer, inner);
}

// Sizes and moves a top-level window to the client rectangle `client`.
void setClient(QWidget* window, const QRect& client, const QMargins& frame)
{
    window->resize(client.size());
    // move() places the frame's corner on a top-level window.
    window->move(client.topLeft() - QPoint(frame.left(), frame.top()));
}

} // namespace

QRect Place(QSize wanted, const QRect& available, const QMargins& frame, int raise)
{
    const QSize size = fitted(wanted, available, frame);
    const int outerWidth = size.width() + frame.left() + frame.right();
    const int outerHeight = size.height() + frame.top() + frame.bottom();
    // Centred; a window that fills the area sits at its top-left corner.
    const int left = available.left() + std::max(0, (available.width() - outerWidth) / 2);
    const int top = available.top() + std::max(0, (available.height() - outerHeight) / 2 - raise);
    return {QPoint(left + frame.left(), top + frame.top()), size};
}

QRect Inside(const QRect& client, const QRect& available, const QMargins& frame)
{
    const QSize size = fitted(client.size(), available, frame);
    const int left =
        std::clamp(client.left(), available.left() + frame.left(),
                   available.left() + available.width() - frame.right() - size.width());
    const int top =
        std::clamp(client.top(), available.top() + frame.top(),
                   available.top() + available.height() - frame.bottom() - size.height());
    return {QPoint(left, top), size};
}

QMargins LikelyFrame(const QWidget* window)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QWidget* shown : windows) {
        if (shown == window || !shown->isVisible() || shown->isMinimized())
            continue;
        const QMargins margins = frameAround(shown->frameGeometry(), shown->geometry());
        if (margins.top() > 0)
            return margins;
    }
    // No decorated window to go by: room for a title bar and thin borders.
    return {4, 32, 4, 4};
}

void Apply(QWidget* window, QSize wanted, int raise)
{
    const QScreen* screen = openingScreen(window);
    if (!screen)
        return;
    const QMargins frame = frameOf(window);
    setClient(window, Place(wanted, screen->availableGeometry(), frame, raise), frame);
}

bool Restore(QWidget* window, const QByteArray& saved)
{
    if (saved.isEmpty() || !window->restoreGeometry(saved))
        return false;
    // A maximised window fills whichever screen it opens on.
    if (window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return true;
    // The screen the place lies on if it is still there, else the one the window would open
    // on: a place on a larger screen, or on one that has gone, comes back inside this one.
    const QRect restored = window->geometry();
    const QScreen* screen = QGuiApplication::screenAt(restored.center());
    if (!screen)
        screen = openingScreen(window);
    if (screen) {
        // The frame it had then, where the window manager gave it one, is the best guess.
        const std::optional<QMargins> frame = savedFrame(saved);
        const QRect kept = Inside(restored, screen->availableGeometry(),
                                  frame && frame->top() > 0 ? *frame : frameOf(window));
        // Qt puts the client where it was; only a place that is no longer inside moves.
        if (kept != restored)
            window->setGeometry(kept);
    }
    return true;
}

} // namespace WindowFit
