#pragma once

#include <QSqlDatabase>
#include <QString>

// One connection to one calendar database file (SQLite, named "Quenbrook.mdb").
class CalendarDatabase
{
public:
    static QString FileName(); // "Quenbrook.mdb"

    CalendarDatabase();  // unique connection name per instance
    ~CalendarDatabase(); // closes and removes its connection
    CalendarDatabase(const CalendarDatabase&) = delete;
    CalendarDatabase& operator=(const CalendarDatabase&) = delete;

    // Opens an existing file; never creates one. Fails (false + one-line *error) when the
    // file is missing, is not an SQLite database, or lacks either table.
    bool open(const QString& path, QString* error = nullptr);
    void close();
    bool isOpen() const;
    QString path() const;
    QSqlDatabase connection() const;

    // Writes a new, empty calendar database (schema only) at `path`; refuses to overwrite.
    static bool CreateTemplate(const QString& path, QString* error = nullptr);

    // True when `path` is an existing file that opens as a calendar database.
    static bool IsUsable(const QString& path, QString* error = nullptr);
    // Rolls back the journal an interrupted commit left beside `path`, by opening it for
    // writing once; true when the file then opens as a calendar database. Without such a
    // journal the file is not touched.
    static bool RecoverJournal(const QString& path);

    // Changes on every open and close, so that prepared statements know to prepare again.
    quint64 generation() const;

private:
    QString m_connectionName;
    QString m_path;
    bool m_open = false;
    quint64 m_generation = 0;
};
