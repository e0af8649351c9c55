#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>

#include <memory>

class SpecialFile;

// Writes a file whole or not at all. The bytes go to a new file beside the target, which takes
// the target's place only when every write and the final flush succeeded; on any failure the
// old file (or no file) stays as it was. Every file the program writes goes through here.
// A target that is a device, a FIFO or a socket (its links followed) is written in place
// instead, every write and the close checked, and never replaced: what reached it stays there.
class SafeFile
{
public:
    explicit SafeFile(const QString& path);
    // Anything not committed is thrown away.
    ~SafeFile();
    SafeFile(const SafeFile&) = delete;
    SafeFile& operator=(const SafeFile&) = delete;

    // Starts the new file; false (see error()) when it cannot be created.
    bool open();
    bool write(const QByteArray& bytes);
    // Flushes what is left, checks that everything reached the disk, and puts the file in
    // place. False (see error()) when anything failed, then nothing was replaced.
    bool commit();
    // One line: "cannot write PATH: reason"; empty while nothing failed.
    const QString& error() const { return m_error; }

    // The whole file in one go; false, with one line in *error, when it failed.
    static bool Write(const QString& path, const QByteArray& bytes, QString* error = nullptr);

    // For tests: the nth write from now (counting every file's writes, from 1), or the next
    // final flush, fails as on a full disk.
    static void FailWrite(int nth);
    static void FailFlush();
    static void FailNothing();

private:
    bool isOpen() const;
    bool writeChunk(const char* bytes, qsizetype size);
    bool flushed();
    void fail(const QString& reason);

    QSaveFile m_file;
    std::unique_ptr<SpecialFile> m_special;
    QString m_error;
};
