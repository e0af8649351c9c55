#include "windows/FocusMark.h"

#include <QApplication>
#include <QFocusFrame>
#include <QLineEdit>
#include <QScrollArea>
#include <QWidget>

FocusMark::FocusMark(QWidget* window) : QObject(window), m_window(window)
{
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { follow(now); });
}

void FocusMark::Install(QWidget* window)
{
    new FocusMark(window);
}

void FocusMark::follow(QWidget* now)
{
    // A text field shows its focus by its own frame and caret.
    const auto* field = qobject_cast<const QLineEdit*>(now);
    const bool marked = now && now->window() == m_window && !(field && !field->isReadOnly());
    if (!marked) {
        if (m_frame && (!now || now->window() == m_window))
            m_frame->setWidget(nullptr);
        return;
    }
    if (!m_frame)
        m_frame = new QFocusFrame(m_window);
    m_frame->setWidget(now);
    // However the focus got there (an access key, a message box sending it back), the control
    // is scrolled into view.
    for (QWidget* up = now->parentWidget(); up; up = up->parentWidget()) {
        if (auto* scroller = qobject_cast<QScrollArea*>(up)) {
            scroller->ensureWidgetVisible(now, 8, 8);
            break;
        }
    }
}
