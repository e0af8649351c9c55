#pragma once

#include <QSqlDatabase>
#include <QString>

// One connection to one calendar database file (SQLite, named "Quenbrook.mdb").
class CalendarDatabase
{
public:
    static QString FileName(); // "Quenbrook.mdb"

    // What kept a file from opening. Missing and NotCalendarDatabase say the path names no
    // calendar database (the caller's wrong argument); the others that it could not be used
    // as things stand.
    enum class Failure
    {
        None,
        Missing,
        NotCalendarDatabase,
        NotRegularFile, // a FIFO, a folder, a device or a socket: never opened
        Locked,         // another program holds a lock longer than the busy wait
        ReadOnlyDisk,   // the journal of an interrupted commit cannot be rolled back
        CannotOpen
    };
    static bool IsWrongFile(Failure failure);

    CalendarDatabase();  // unique connection name per instance
    ~CalendarDatabase(); // closes and removes its connection
    CalendarDatabase(const CalendarDatabase&) = delete;
    CalendarDatabase& operator=(const CalendarDatabase&) = delete;

    // Opens an existing file; never creates one. Fails (false + one-line *error, and
    // failure() tells why) when the file is missing, is not an SQLite database, lacks either
    // table, or cannot be used now.
    bool open(const QString& path, QString* error = nullptr);
    Failure failure() const { return m_failure; }
    void close();
    bool isOpen() const;
    QString path() const;
    QSqlDatabase connection() const;

    // Writes a new, empty calendar database (schema only) at `path`; refuses to overwrite.
    static bool CreateTemplate(const QString& path, QString* error = nullptr);

    // True when `path` is an existing file that opens as a calendar database.
    static bool IsUsable(const QString& path, QString* error = nullptr, Failure* failure = nullptr);
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
    Failure m_failure = Failure::None;
    quint64 m_generation = 0;
};
