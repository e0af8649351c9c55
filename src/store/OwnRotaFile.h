#pragma once

#include "rota/OwnRota.h"

#include <QString>

#include <memory>
#include <optional>

// One rota file on disk: read whole and only when it is a small regular file (a FIFO or a device
// is never opened, so reading never waits), or written whole through SafeFile.
namespace OwnRotaFile {

// A rota file is a few lines; anything larger is refused unread.
inline constexpr qint64 LargestSize = 64 * 1024;
inline constexpr char Suffix[] = ".rota";

struct Loaded
{
    std::shared_ptr<const OwnRota> rota;
    QString error; // one line, "PATH:LINE: reason" or "PATH: reason"; set when there is no rota
    std::optional<QByteArray> bytes; // the file as it was read; none where it could not be
};

Loaded Load(const QString& path);
// Whether the file at `path` is no longer what `loaded` read from it (another program or
// another Kelvane changed, replaced or removed it since).
bool ChangedSince(const QString& path, const Loaded& loaded);
// Deletes the file. False, with one line in *error, when it failed.
bool Remove(const QString& path, QString* error = nullptr);
// Writes the rota's file, making its folder where there is none. False, with one line in
// *error, when it failed: then the file is as it was.
bool Save(const QString& path, const OwnRota& rota, QString* error = nullptr);

} // namespace OwnRotaFile
