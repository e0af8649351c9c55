#pragma once

#include <QIODevice>
#include <QString>

// Standard output as a device for the command line: every write goes to the descriptor whole
// (again after a signal or a short write), and the first that fails is kept, worded as
// coreutils word it ("No space left on device", "Broken pipe"). Nothing is written after
// that. A standard output that was closed at start fails its first write as "Bad file
// descriptor".
class StandardOutput final : public QIODevice
{
public:
    explicit StandardOutput(bool closed);

    // Why a write failed; empty while none has.
    const QString& failure() const { return m_failure; }

protected:
    qint64 readData(char* data, qint64 size) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    bool m_closed;
    QString m_failure;
};
