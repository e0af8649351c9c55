#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM, SIGHUP and SIGINT, turned into a Qt signal delivered by the event loop. A signal
// handler may do next to nothing, so it only writes the signal's number into a pipe; the
// loop reads it there. While an object lives, the first of those signals no longer ends the
// process at once; a second one does, as does any after the object's destruction.
class TerminationSignals final : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void received(int signalNumber);

private:
    void readPipe();

    QSocketNotifier* m_notifier = nullptr;
};
