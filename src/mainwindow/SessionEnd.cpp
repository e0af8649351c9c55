#include "mainwindow/SessionEnd.h"

#include "mainwindow/MessageBoxPrompter.h"
#include "windows/UnattendedClose.h"

#include <QApplication>
#include <QDialog>
#include <QThread>
#include <QTimer>

SessionEnd::SessionEnd(MessageBoxPrompter& prompter, std::function<void()> end, QObject* parent)
    : QObject(parent), m_prompter(prompter), m_end(std::move(end)),
      m_loopLevel(QThread::currentThread()->loopLevel() + 1)
{
}

void SessionEnd::request()
{
    if (m_ending)
        return;
    m_prompter.withdrawAll();
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    // A modal window closes as it does unattended where it can, else as its Cancel does.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        if (auto* unattended = dynamic_cast<UnattendedClose*>(modal))
            unattended->closeUnattended();
        else if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
    }
    // A window deleted from inside a box's loop would take the box, which lives on the stack
    // of that loop, with it: the windows are closed only from the application's own loop.
    if (QThread::currentThread()->loopLevel() > m_loopLevel) {
        QTimer::singleShot(0, this, &SessionEnd::request);
        return;
    }
    m_ending = true;
    m_end();
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}
