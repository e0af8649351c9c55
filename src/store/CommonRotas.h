#pragma once

#include "store/OwnRotaFolder.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The rota files of common rosters installed with the program ("share/kelvane/rotas" under its
// prefix), which the rota window offers as a start for a rota of one's own.
namespace CommonRotas {

// Where they are looked for, in order: beside the program's bin folder, so that a copy
// installed under another prefix than the one it was built for finds its own, then the folder
// it was built to be installed in.
QStringList Folders();
// The rota files of the first of `folders` that holds any, in the order of their file names;
// a file that is refused is left out.
QList<OwnRotaFolder::Entry> List(const QStringList& folders);
// Copies a listed rota file as it is, comments and all, into `userFolder` (made where there is
// none) under a name no file has yet ("four-on-four-off-2.rota"), writable by its owner. The
// new file's path, or nothing with one line in *error.
std::optional<QString> CopyInto(const QString& userFolder, const OwnRotaFolder::Entry& rota,
                                QString* error = nullptr);

} // namespace CommonRotas
