#include "store/CalendarDatabase.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QUrl>
#include <QUuid>

using namespace Qt::StringLiterals;

namespace {

QString NoteColumns()
{
    QStringList columns;
    for (int k = 1; k <= 31; ++k)
        columns << u"\"Note%1\" TEXT DEFAULT 'Click'"_s.arg(k);
    for (int k = 1; k <= 31; ++k)
        columns << u"\"SecondNote%1\" TEXT DEFAULT 'Click'"_s.arg(k);
    for (int k = 1; k <= 31; ++k)
        columns << u"\"Highlight%1\" INTEGER DEFAULT 0"_s.arg(k);
    return columns.join(u", "_s);
}

// Each table has a key that is never reused, so an edit of a deleted record cannot land on a
// record added after it.
QStringList SchemaStatements()
{
    return {
        u"CREATE TABLE \"Vacation\" (\"ID\" INTEGER PRIMARY KEY AUTOINCREMENT, \"Year\" INTEGER, "
        u"\"Month\" INTEGER, \"Day\" INTEGER, "
        "\"Type\" TEXT, \"Color\" TEXT)"_s,
        u"CREATE INDEX \"Vacation by date\" ON \"Vacation\" (\"Year\", \"Month\", \"Day\")"_s,
        u"CREATE TABLE \"Monthly Notes\" (\"ID\" INTEGER PRIMARY KEY AUTOINCREMENT, "
        "\"Month\" TEXT, "_s +
            NoteColumns() + u")"_s,
        u"CREATE INDEX \"Monthly Notes by month\" ON \"Monthly Notes\" (\"Month\")"_s,
    };
}

// The fields every reader relies on; a table without them is not ours.
QStringList RequiredFields(const QString& table)
{
    if (table == u"Vacation"_s)
        return {u"Year"_s, u"Month"_s, u"Day"_s, u"Type"_s, u"Color"_s};
    QStringList fields{u"Month"_s};
    for (int k = 1; k <= 31; ++k)
        fields << u"Note%1"_s.arg(k) << u"SecondNote%1"_s.arg(k) << u"Highlight%1"_s.arg(k);
    return fields;
}

void SetError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

// SQLite would create a missing file on open, and a file can vanish between our existence
// test and the open: the URI form with mode=rw (or ro) never creates one.
QString OpenUri(const QString& path, bool readOnly)
{
    QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    url.setQuery(readOnly ? u"mode=ro"_s : u"mode=rw"_s);
    return url.toString(QUrl::FullyEncoded);
}

// A journal left beside the file by a commit cut short; SQLite rolls it back on the next
// connection that may write.
bool HasHotJournal(const QString& path)
{
    const QFileInfo journal(path + u"-journal"_s);
    return journal.isFile() && journal.size() > 0;
}

// Why a statement failed on a file that may well be a calendar database.
CalendarDatabase::Failure FailureOf(const QSqlError& sqlError, const QString& path)
{
    // SQLite's primary result codes (the low byte of an extended one).
    constexpr int Busy = 5;
    constexpr int Locked = 6;
    constexpr int ReadOnly = 8;
    const int code = sqlError.nativeErrorCode().toInt() & 0xff;
    if (code == Busy || code == Locked)
        return CalendarDatabase::Failure::Locked;
    if (code == ReadOnly && HasHotJournal(path))
        return CalendarDatabase::Failure::ReadOnlyDisk;
    return CalendarDatabase::Failure::NotCalendarDatabase;
}

CalendarDatabase::Failure OpenConnection(const QString& connectionName, const QString& path,
                                         bool readOnly, QString* error)
{
    using Failure = CalendarDatabase::Failure;
    const QFileInfo file(path);
    const QString shownPath = file.absoluteFilePath();
    if (!file.exists()) {
        SetError(error, u"The calendar database %1 does not exist."_s.arg(shownPath));
        return Failure::Missing;
    }
    // SQLite would open a FIFO or a device as readily as a file.
    if (!file.isFile()) {
        SetError(error, u"The calendar database %1 is not a regular file."_s.arg(shownPath));
        return Failure::NotRegularFile;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, connectionName);
    db.setDatabaseName(OpenUri(path, readOnly));
    db.setConnectOptions(u"QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=2000"_s);
    if (!db.open()) {
        SetError(error, u"The calendar database %1 cannot be opened: %2"_s.arg(
                            shownPath, db.lastError().text()));
        return Failure::CannotOpen;
    }
    // SQLite reads the file only on the first statement: that is where a file of another
    // kind shows up, and a lock or a journal that cannot be rolled back.
    QSqlQuery query(db);
    if (!query.exec(u"SELECT \"name\" FROM \"sqlite_master\" WHERE \"type\" = 'table'"_s)) {
        const Failure failure = FailureOf(query.lastError(), path);
        if (failure == Failure::Locked)
            SetError(error,
                     u"The calendar database %1 is locked by another program."_s.arg(shownPath));
        else if (failure == Failure::ReadOnlyDisk)
            SetError(error,
                     u"The calendar database %1 cannot be recovered on a read-only disk."_s.arg(
                         shownPath));
        else
            SetError(error, u"%1 is not a calendar database: %2"_s.arg(shownPath,
                                                                       query.lastError().text()));
        db.close();
        return failure;
    }
    QStringList tables;
    while (query.next())
        tables << query.value(0).toString();
    query.finish();
    for (const QString& table : {u"Vacation"_s, u"Monthly Notes"_s}) {
        if (!tables.contains(table)) {
            SetError(error, u"%1 is not a calendar database: it has no table \"%2\"."_s.arg(
                                shownPath, table));
            db.close();
            return Failure::NotCalendarDatabase;
        }
        const QSqlRecord record = db.record(table);
        // A set (the notes table has close to a hundred fields to look up); field names match
        // whatever their case, as in SQL.
        QSet<QString> fields;
        fields.reserve(record.count());
        for (int i = 0; i < record.count(); ++i)
            fields.insert(record.fieldName(i).toCaseFolded());
        for (const QString& field : RequiredFields(table)) {
            if (!fields.contains(field.toCaseFolded())) {
                SetError(error,
                         u"%1 is not a calendar database: table \"%2\" has no field \"%3\"."_s.arg(
                             shownPath, table, field));
                db.close();
                return Failure::NotCalendarDatabase;
            }
        }
    }
    return Failure::None;
}

} // namespace

QString CalendarDatabase::FileName()
{
    return u"Quenbrook.mdb"_s;
}

bool CalendarDatabase::IsWrongFile(Failure failure)
{
    return failure == Failure::Missing || failure == Failure::NotCalendarDatabase;
}

CalendarDatabase::CalendarDatabase()
    : m_connectionName(u"kelvane-calendar-"_s + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
}

CalendarDatabase::~CalendarDatabase()
{
    close();
}

bool CalendarDatabase::open(const QString& path, QString* error)
{
    close();
    m_failure = OpenConnection(m_connectionName, path, false, error);
    if (m_failure != Failure::None) {
        close();
        return false;
    }
    m_path = path;
    m_open = true;
    ++m_generation;
    return true;
}

void CalendarDatabase::close()
{
    if (QSqlDatabase::contains(m_connectionName)) {
        {
            QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_connectionName);
    }
    if (m_open)
        ++m_generation;
    m_open = false;
    m_path.clear();
}

bool CalendarDatabase::isOpen() const
{
    return m_open;
}

QString CalendarDatabase::path() const
{
    return m_path;
}

QSqlDatabase CalendarDatabase::connection() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

quint64 CalendarDatabase::generation() const
{
    return m_generation;
}

bool CalendarDatabase::IsUsable(const QString& path, QString* error, Failure* failure)
{
    const QString name = u"kelvane-check-"_s + QUuid::createUuid().toString(QUuid::WithoutBraces);
    // Read-only: looking at a file must never change it.
    const Failure found = OpenConnection(name, path, true, error);
    if (failure)
        *failure = found;
    {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return found == Failure::None;
}

bool CalendarDatabase::RecoverJournal(const QString& path)
{
    // A commit cut short leaves a journal beside the file, and SQLite rolls it back only on a
    // connection that may write: a read-only look at such a file fails though it is healthy.
    if (!QFileInfo(path).isFile() || !HasHotJournal(path))
        return false;
    const QString name = u"kelvane-recover-"_s + QUuid::createUuid().toString(QUuid::WithoutBraces);
    const bool recovered = OpenConnection(name, path, false, nullptr) == Failure::None;
    {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return recovered;
}

bool CalendarDatabase::CreateTemplate(const QString& path, QString* error)
{
    const QString shownPath = QFileInfo(path).absoluteFilePath();
    {
        // NewOnly: an existing file is never overwritten, even if it appears after a check.
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            SetError(error, QFileInfo::exists(path)
                                ? u"%1 already exists; it was left unchanged."_s.arg(shownPath)
                                : u"%1 cannot be created: %2"_s.arg(shownPath, file.errorString()));
            return false;
        }
    }
    const QString name = u"kelvane-create-"_s + QUuid::createUuid().toString(QUuid::WithoutBraces);
    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, name);
        db.setDatabaseName(OpenUri(path, false));
        db.setConnectOptions(u"QSQLITE_OPEN_URI"_s);
        if (!db.open()) {
            failure = db.lastError().text();
        } else {
            db.transaction();
            QSqlQuery query(db);
            for (const QString& statement : SchemaStatements()) {
                if (!query.exec(statement)) {
                    failure = query.lastError().text();
                    break;
                }
            }
            query.finish();
            if (failure.isEmpty() && !db.commit())
                failure = db.lastError().text();
            if (!failure.isEmpty())
                db.rollback();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    if (!failure.isEmpty()) {
        QFile::remove(path); // ours, created above: no half-made template is left behind
        SetError(error, u"%1 cannot be created: %2"_s.arg(shownPath, failure));
        return false;
    }
    return true;
}
