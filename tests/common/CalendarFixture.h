#pragma once

#include "store/CalendarDatabase.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <QVariant>

using namespace Qt::StringLiterals;

// Small helpers shared by the tests that read or write files: calendar databases in a
// temporary folder and direct statements that bypass the classes under test.
namespace CalendarFixture {

inline QString MakeDatabase(const QString& folder)
{
    const QString path = QDir(folder).filePath(CalendarDatabase::FileName());
    QString error;
    if (!CalendarDatabase::CreateTemplate(path, &error))
        qWarning("%s", qPrintable(error));
    return path;
}

// What pdfinfo says of a PDF file (title, pages, page size); empty when it could not run.
inline QByteArray PdfInfo(const QString& path)
{
    QProcess info;
    info.start(u"pdfinfo"_s, {path});
    if (!info.waitForFinished(30000))
        return {};
    return info.readAllStandardOutput();
}

inline void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

inline QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QString ReadText(const QString& path)
{
    return QString::fromUtf8(ReadFile(path));
}

inline QByteArray Fingerprint(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// Runs one statement with bound values on its own connection.
inline bool Exec(const QString& path, const QString& statement, const QVariantList& values = {})
{
    CalendarDatabase db;
    if (!db.open(path))
        return false;
    QSqlQuery query(db.connection());
    query.prepare(statement);
    for (const QVariant& value : values)
        query.addBindValue(value);
    const bool ok = query.exec();
    if (!ok)
        qWarning("%s", qPrintable(query.lastError().text()));
    return ok;
}

inline QVariant Scalar(const QString& path, const QString& statement,
                       const QVariantList& values = {})
{
    CalendarDatabase db;
    if (!db.open(path))
        return {};
    QSqlQuery query(db.connection());
    query.prepare(statement);
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec() || !query.next())
        return {};
    return query.value(0);
}

inline bool AddVacation(const QString& path, const QVariant& year, const QVariant& month,
                        const QVariant& day, const QString& type,
                        const QString& color = u"255, 255, 100"_s)
{
    return Exec(path,
                u"INSERT INTO \"Vacation\" (\"Year\", \"Month\", \"Day\", \"Type\", "
                "\"Color\") VALUES (?, ?, ?, ?, ?)"_s,
                {year, month, day, type, color});
}

// The file and its journal as a kill in the middle of a large commit leaves them: the
// transaction has spilled into the file, and nobody holds a lock any more.
inline void LeaveHotJournal(const QString& path)
{
    const QString aside = path + u".aside"_s;
    {
        CalendarDatabase db;
        QVERIFY(db.open(path));
        QSqlQuery query(db.connection());
        QVERIFY(query.exec(u"PRAGMA cache_size = 2"_s));
        QVERIFY(query.exec(u"BEGIN"_s));
        QVERIFY(query.prepare(u"INSERT INTO \"Vacation\" (\"Year\", \"Type\") VALUES (2024, ?)"_s));
        for (int i = 0; i < 400; ++i) {
            query.addBindValue(QString(200, u'x'));
            QVERIFY(query.exec());
        }
        QVERIFY(QFile::copy(path, aside));
        QVERIFY(QFile::copy(path + u"-journal"_s, aside + u"-journal"_s));
        QVERIFY(query.exec(u"ROLLBACK"_s));
    }
    for (const QString& suffix : {QString(), u"-journal"_s}) {
        QFile::remove(path + suffix);
        QVERIFY(QFile::rename(aside + suffix, path + suffix));
    }
}

// A calendar database as older copies (and other programs) made it: the fields alone, no key
// column, so SQLite may hand a deleted record's rowid to the next new one.
inline QString MakeUnkeyedDatabase(const QString& folder)
{
    const QString path = QDir(folder).filePath(CalendarDatabase::FileName());
    QFile::remove(path);
    QString notes = u"\"Month\" TEXT"_s;
    for (const char* field : {"Note", "SecondNote", "Highlight"}) {
        for (int k = 1; k <= 31; ++k)
            notes += u", \"%1%2\" %3"_s.arg(QLatin1String(field))
                         .arg(k)
                         .arg(QLatin1String(field[0] == 'H' ? "INTEGER DEFAULT 0"
                                                            : "TEXT DEFAULT 'Click'"));
    }
    const QString name = u"fixture-unkeyed"_s;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, name);
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery query(db);
            query.exec(u"CREATE TABLE \"Vacation\" (\"Year\" INTEGER, \"Month\" "
                       "INTEGER, \"Day\" INTEGER, \"Type\" TEXT, \"Color\" TEXT)"_s);
            query.exec(u"CREATE TABLE \"Monthly Notes\" ("_s + notes + u')');
        }
    }
    QSqlDatabase::removeDatabase(name);
    return path;
}

// A template database in a temporary folder; reset() makes it afresh.
struct DatabaseFolder
{
    QTemporaryDir dir;
    QString path = MakeDatabase(dir.path());

    void reset()
    {
        // A test may have left the file read-only.
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        QFile::remove(path);
        path = MakeDatabase(dir.path());
    }
};

} // namespace CalendarFixture
