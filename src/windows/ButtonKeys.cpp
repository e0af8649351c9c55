#include "windows/ButtonKeys.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPushButton>
#include <QShortcutEvent>
#include <QWidget>

namespace {

// Moves the focus to `button` as a click on it would; false when the field that was left
// refused its value and took the focus back.
bool focusReached(QAbstractButton* button)
{
    if (button->focusPolicy() == Qt::NoFocus || button->hasFocus())
        return true;
    button->setFocus(Qt::ShortcutFocusReason);
    // The window's own focus child: while a message box is closing the window is not active.
    return button->window()->focusWidget() == button;
}

} // namespace

ButtonKeys::ButtonKeys(QObject* parent) : QObject(parent) {}

void ButtonKeys::Install(QWidget* window)
{
    auto* keys = new ButtonKeys(window);
    const QList<QAbstractButton*> buttons = window->findChildren<QAbstractButton*>();
    for (QAbstractButton* button : buttons)
        button->installEventFilter(keys);
}

bool ButtonKeys::eventFilter(QObject* watched, QEvent* event)
{
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (!button || !button->isEnabled())
        return false;
    if (event->type() == QEvent::Shortcut) {
        const auto* shortcut = static_cast<QShortcutEvent*>(event);
        // Two controls sharing a letter: the button only takes the focus, as usual.
        if (shortcut->isAmbiguous())
            return false;
        if (focusReached(button) && button->isEnabled() && button->isVisible())
            button->click();
        return true;
    }
    if (event->type() == QEvent::KeyPress && qobject_cast<QPushButton*>(button)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            modifiers == Qt::NoModifier) {
            button->click();
            return true;
        }
    }
    return false;
}
