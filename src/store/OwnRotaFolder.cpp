#include "store/OwnRotaFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace OwnRotaFolder {

QString Standard()
{
    return In(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString In(const QString& dataFolder)
{
    return QDir(dataFolder).filePath(u"rotas"_s);
}

QList<Entry> List(const QString& folder)
{
    const QDir dir(folder);
    const QStringList names =
        dir.entryList({u"*"_s + QLatin1String(OwnRotaFile::Suffix)}, QDir::Files, QDir::Name);
    QList<Entry> entries;
    for (const QString& name : names) {
        const QString path = dir.filePath(name);
        entries.append({path, OwnRotaFile::Load(path)});
    }
    return entries;
}

QString NewFilePath(const QString& folder, const QString& rotaName)
{
    static const QRegularExpression others(u"[^a-z0-9]+"_s);
    QString stem = rotaName.toLower().replace(others, u"-"_s);
    while (stem.startsWith(u'-'))
        stem.remove(0, 1);
    while (stem.endsWith(u'-'))
        stem.chop(1);
    if (stem.isEmpty())
        stem = u"rota"_s;
    const QDir dir(folder);
    const QString suffix = QLatin1String(OwnRotaFile::Suffix);
    QString path = dir.filePath(stem + suffix);
    for (int n = 2; QFileInfo::exists(path) || QFileInfo(path).isSymLink(); ++n)
        path = dir.filePath(u"%1-%2%3"_s.arg(stem).arg(n).arg(suffix));
    return path;
}

} // namespace OwnRotaFolder
