#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// Reads a small file of the program's own (its settings) whole, and only when it is a regular
// file or a link to one. Anything else (a FIFO, a folder, a device, a socket) is never opened:
// opening a FIFO waits for a writer, reading a device may never end.
namespace RegularFile {

struct Contents
{
    enum class State
    {
        Missing,   // nothing there (also a link to nothing): there is nothing to lose
        Read,      // `bytes` hold the whole file
        Unreadable // the file is there but was not read whole, for `reason`
    };
    State state = State::Missing;
    QByteArray bytes;
    QString reason; // "not a regular file", "larger than 1 MiB", "Permission denied", ...
};

// A file of more than `largest` bytes is not read.
Contents Read(const QString& path, qint64 largest);

// For tests: the next read of a file that is there fails as for a file the user may not read
// (which a test running as root cannot make).
void FailNextRead();

} // namespace RegularFile
