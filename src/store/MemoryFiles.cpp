#include "store/MemoryFiles.h"

#include "store/SafeFile.h"

bool MemoryFiles::writeAll(QString* error) const
{
    for (const File& file : m_files) {
        if (!SafeFile::Write(file.path, file.bytes, error))
            return false;
    }
    return true;
}

bool MemoryFiles::Write(MemoryFiles* memory, const QString& path, const QByteArray& bytes,
                        QString* error)
{
    if (!memory)
        return SafeFile::Write(path, bytes, error);
    memory->keep(path, bytes);
    return true;
}
