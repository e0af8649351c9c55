#pragma once

#include "rota/OwnRota.h"

#include <QString>

#include <memory>

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
};

Loaded Load(const QString& path);
// Writes the rota's file, making its folder where there is none. False, with one line in
// *error, when it failed: then the file is as it was.
bool Save(const QString& path, const OwnRota& rota, QString* error = nullptr);

} // namespace OwnRotaFile
