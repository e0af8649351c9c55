#pragma once

#include "store/CalendarDatabase.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QTest>
#include <QVariant>

// Small helpers shared by the calendar database tests: files in a temporary folder and
// direct statements that bypass the classes under test.
namespace CalendarFixture {

inline QString MakeDatabase(const QString& folder)
{
    const QString path = QDir(folder).filePath(CalendarDatabase::FileName());
    QString error;
    if (!CalendarDatabase::CreateTemplate(path, &error))
        qWarning("%s", qPrintable(error));
    return path;
}

inline void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
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
                        const QString& color = QStringLiteral("255, 255, 100"))
{
    return Exec(path,
                QStringLiteral("INSERT INTO \"Vacation\" (\"Year\", \"Month\", \"Day\", \"Type\", "
                               "\"Color\") VALUES (?, ?, ?, ?, ?)"),
                {year, month, day, type, color});
}

} // namespace CalendarFixture
