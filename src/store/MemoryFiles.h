#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// Finished files kept in memory, in the order they were finished, instead of being written.
// Several threads that draw a batch side by side each keep theirs here; one thread then puts
// them in place in order, so that the first that cannot be written ends the batch, as if the
// files had been drawn one by one.
class MemoryFiles
{
public:
    struct File
    {
        QString path;
        QByteArray bytes;
    };

    void keep(const QString& path, const QByteArray& bytes) { m_files.push_back({path, bytes}); }
    const std::vector<File>& files() const { return m_files; }

    // Writes every file through SafeFile, in order; false, with one line in *error, at the
    // first that fails (the files after it are not written).
    bool writeAll(QString* error) const;

    // Writes `bytes` to `path`: into `memory` when given, otherwise to the disk.
    static bool Write(MemoryFiles* memory, const QString& path, const QByteArray& bytes,
                      QString* error);

private:
    std::vector<File> m_files;
};
