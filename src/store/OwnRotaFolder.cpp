#include "store/OwnRotaFolder.h"

#include "store/NativeName.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <dirent.h>
#include <memory>
#include <sys/stat.h>

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
    // Read with the system's own calls: Qt leaves out a name that is not UTF-8.
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(NativeName::Encode(folder).constData()),
                                                  ::closedir);
    if (!dir)
        return {};
    const QByteArray suffix = OwnRotaFile::Suffix;
    QList<QByteArray> names;
    while (const dirent* entry = ::readdir(dir.get())) {
        const QByteArray name = entry->d_name;
        if (name.size() > suffix.size() && name.endsWith(suffix))
            names.append(name);
    }
    std::sort(names.begin(), names.end());
    QList<Entry> entries;
    for (const QByteArray& name : std::as_const(names)) {
        const QString path = QDir(folder).filePath(NativeName::Decode(name));
        // Regular files only, as they are or through a link.
        struct stat status = {};
        if (::stat(NativeName::Encode(path).constData(), &status) != 0 || !S_ISREG(status.st_mode))
            continue;
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
