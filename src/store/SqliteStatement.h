#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

// One statement run on the SQLite handle under a Qt connection, for reads that step through
// many rows: stepping here costs a fraction of what a QSqlQuery row costs. Values come out as
// the Qt driver gives them (whole numbers as qint64, real numbers as double, text as QString,
// blobs as QByteArray, NULL as a null QString), so what is made of them is the same either way.
// The statement is finalized when the object goes, which ends any read it holds open.
class SqliteStatement
{
public:
    // The handle of an open SQLite connection; nullptr for any other.
    static sqlite3* Handle(const QSqlDatabase& connection);

    SqliteStatement(sqlite3* handle, const char* sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    bool isValid() const { return m_statement != nullptr; }
    // A whole number or a real one, bound as the Qt driver binds it.
    void bind(int index, const QVariant& value);
    void bind(int index, qint64 value);
    // The next row; false at the end or on a failure (error() tells which).
    bool next();

    // Whether the column of the current row holds a whole or a real number.
    bool isNumber(int column) const;
    // Its number; only meaningful where isNumber().
    double number(int column) const;
    qint64 integer(int column) const;
    QVariant value(int column) const;

    // The last failure of the statement; empty while there is none.
    QString error() const { return m_error; }

private:
    void fail();

    sqlite3* m_handle;
    sqlite3_stmt* m_statement = nullptr;
    QString m_error;
};
