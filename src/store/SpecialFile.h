#pragma once

#include <QByteArrayView>
#include <QString>

// A file that is neither a regular file nor a folder (a device, a FIFO, a socket), written where
// it is: a new file renamed over it would take its place, so that a device became a file and a
// FIFO's reader got nothing.
class SpecialFile
{
public:
    // Whether `path`, its links followed, is such a file.
    static bool Is(const QString& path);

    explicit SpecialFile(const QString& path);
    ~SpecialFile();
    SpecialFile(const SpecialFile&) = delete;
    SpecialFile& operator=(const SpecialFile&) = delete;

    // False (see reason()) when it cannot be opened, also when a FIFO has no reader: waiting
    // for one could last for ever.
    bool open();
    bool write(QByteArrayView bytes);
    // Closes it and checks that the last bytes were taken.
    bool close();
    const QString& reason() const { return m_reason; }

private:
    bool fail(const QString& reason);

    QString m_path;
    int m_fd = -1;
    QString m_reason;
};
