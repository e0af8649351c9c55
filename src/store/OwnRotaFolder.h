#pragma once

#include "store/OwnRotaFile.h"

#include <QList>
#include <QString>

// The user's rotas: the rota files of one folder, by default "rotas" in the per-user data
// folder (QStandardPaths::AppDataLocation, beside the working copy of the calendar database).
namespace OwnRotaFolder {

struct Entry
{
    QString path;
    OwnRotaFile::Loaded loaded; // the rota, or why the file was refused
};

QString Standard();
// The folder "rotas" in `dataFolder`, the folder of the working copy of the calendar database.
QString In(const QString& dataFolder);
// Every "*.rota" file of the folder, in the order of the file names; a file that is refused is
// listed with its error. Nothing for a folder that is not there.
QList<Entry> List(const QString& folder);
// A path in the folder for a new rota of that name that no file has yet: the name in lower
// case, letters and digits kept, everything else one "-" ("four-on-four-off.rota"), with
// "-2", "-3" ... where it is taken.
QString NewFilePath(const QString& folder, const QString& rotaName);

} // namespace OwnRotaFolder
