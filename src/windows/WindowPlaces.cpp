#include "windows/WindowPlaces.h"

#include "windows/WindowFit.h"

#include <QEvent>
#include <QWidget>

#include <algorithm>

WindowPlaces::WindowPlaces(QObject* parent) : QObject(parent) {}

void WindowPlaces::setPlaces(const Geometries& places)
{
    m_places = places;
}

WindowPlaces::Geometries WindowPlaces::places() const
{
    Geometries places = m_places;
    for (const Kept& kept : m_kept) {
        if (kept.window && kept.window->isVisible())
            places.insert(kept.name, kept.window->saveGeometry());
    }
    return places;
}

void WindowPlaces::keep(QWidget* window, const QString& name)
{
    m_kept.removeIf([](const Kept& kept) { return !kept.window; });
    if (std::any_of(m_kept.cbegin(), m_kept.cend(),
                    [window](const Kept& kept) { return kept.window == window; }))
        return;
    WindowFit::Restore(window, m_places.value(name));
    m_kept.append({window, name});
    window->installEventFilter(this);
}

bool WindowPlaces::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Hide) {
        for (const Kept& kept : m_kept) {
            if (kept.window == watched)
                m_places.insert(kept.name, kept.window->saveGeometry());
        }
    }
    return QObject::eventFilter(watched, event);
}
