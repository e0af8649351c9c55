#include "store/HolidayFolder.h"

#include "store/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace HolidayFolder {

namespace {

// A name in `folder` no file has yet, made of the source's: "bank-holidays.ics",
// "bank-holidays-2.ics". Characters a file name should not carry become "-".
QString freePath(const QDir& folder, const QString& source)
{
    QString stem = QFileInfo(source).fileName();
    const QString suffix = QLatin1String(HolidayFile::Suffix);
    if (stem.endsWith(suffix, Qt::CaseInsensitive))
        stem.chop(suffix.size());
    for (QChar& c : stem) {
        if (c.category() == QChar::Other_Control || c == u'/' || c == u'\\')
            c = u'-';
    }
    if (stem.isEmpty() || stem.startsWith(u'.'))
        stem.prepend(u"holidays"_s);
    QString path = folder.filePath(stem + suffix);
    for (int n = 2; QFileInfo::exists(path) || QFileInfo(path).isSymLink(); ++n)
        path = folder.filePath(u"%1-%2%3"_s.arg(stem).arg(n).arg(suffix));
    return path;
}

} // namespace

QString In(const QString& dataFolder)
{
    return QDir(dataFolder).filePath(u"holidays"_s);
}

Added CopyIn(const QString& folder, const QString& source)
{
    QByteArray bytes;
    Added added{{}, HolidayFile::Load(source, QTimeZone::systemTimeZone(), &bytes)};
    if (!added.loaded.calendar)
        return added;
    QString error;
    const QString path = freePath(QDir(folder), source);
    if (!QDir().mkpath(folder)) {
        added.loaded = {nullptr,
                        u"cannot make the folder %1"_s.arg(QDir::toNativeSeparators(folder))};
        return added;
    }
    if (!SafeFile::Write(path, bytes, &error)) {
        added.loaded = {nullptr, error};
        return added;
    }
    // Read again from the copy, so that a calendar named after its file is named as it will be
    // on the next start.
    added.loaded = HolidayFile::Load(path);
    if (added.loaded.calendar)
        added.path = path;
    else
        QFile::remove(path);
    return added;
}

} // namespace HolidayFolder
