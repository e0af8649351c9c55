#pragma once

#include <QObject>

#include <functional>

class MessageBoxPrompter;

// Ends the run at a termination signal or at the end of the desktop session, as File > Exit
// does but without asking anything. A question or input box that is open is taken back first
// with the answer that does least, so that the window it was asked for goes on as it would
// without it, and any other modal window is closed; the windows are closed (and deleted) only
// once every box and modal window has returned, from the application's own event loop.
class SessionEnd final : public QObject
{
    Q_OBJECT

public:
    // `end` closes the windows without asking (frmCalendar::endSession). Made before the
    // application's event loop runs.
    SessionEnd(MessageBoxPrompter& prompter, std::function<void()> end, QObject* parent = nullptr);

    // Ends the run as soon as nothing modal is open; then quits the application.
    void request();

private:
    MessageBoxPrompter& m_prompter;
    std::function<void()> m_end;
    int m_loopLevel; // the application's own event loop
    bool m_ending = false;
};
