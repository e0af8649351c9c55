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

// A saved place as QWidget::saveGeometry() writes it (from its third version on): the frame's
// rectangle, the normal one, the screen and its states, and the client's rectangle last.
struct SavedPlace
{
    QRect outer;
    QRect inner;
};

// Coordinates and sizes no screen comes near: a place beyond them was not written by Qt, and
// would overflow the sums made with it.
constexpr int FarthestCoordinate = 1 << 20;
constexpr int LargestSize = 1 << 16;
// The widest a window manager's border or title bar is believed to be.
constexpr int WidestFrame = 256;

bool near(int coordinate)
{
    return -FarthestCoordinate <= coordinate && coordinate <= FarthestCoordinate;
}

bool plausible(const QRect& rect)
{
    return rect.isValid() && near(rect.left()) && near(rect.top()) && near(rect.right()) &&
           near(rect.bottom()) && rect.width() <= LargestSize && rect.height() <= LargestSize;
}

// The place in `saved` when it is whole and could be a real window's: nothing for bytes cut
// short, rectangles turned inside out or far off, a client outside its frame or a frame
// wider than any window manager draws.
std::optional<SavedPlace> savedPlace(const QByteArray& saved)
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
    if (magic != Magic || major != 3)
        return std::nullopt;
    stream >> inner;
    if (stream.status() != QDataStream::Ok || screen < 0 || !plausible(outer) ||
        !plausible(normal) || !plausible(inner) || !outer.contains(inner))
        return std::nullopt;
    const QMargins frame = frameAround(outer, inner);
    if (std::max({frame.left(), frame.top(), frame.right(), frame.bottom()}) > WidestFrame)
        return std::nullopt;
    return SavedPlace{outer, inner};
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

QRect Inside(const QRect& client, const QRect& available, const QMargins& frame, QSize least)
{
    const QSize size = fitted(client.size(), available, frame).expandedTo(least);
    // A window larger than the area keeps its frame's top-left corner, the title bar, inside.
    const int leftmost = available.left() + frame.left();
    const int rightmost = available.left() + available.width() - frame.right() - size.width();
    const int topmost = available.top() + frame.top();
    const int bottommost = available.top() + available.height() - frame.bottom() - size.height();
    return {QPoint(std::clamp(client.left(), leftmost, std::max(leftmost, rightmost)),
                   std::clamp(client.top(), topmost, std::max(topmost, bottommost))),
            size};
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
    const std::optional<SavedPlace> place = savedPlace(saved);
    if (!place || !window->restoreGeometry(saved))
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
        const QMargins frame = frameAround(place->outer, place->inner);
        const QRect kept = Inside(restored, screen->availableGeometry(),
                                  frame.top() > 0 ? frame : frameOf(window), window->minimumSize());
        // Qt puts the client where it was; only a place that is no longer inside moves.
        if (kept != restored)
            window->setGeometry(kept);
    }
    return true;
}

} // namespace WindowFit
