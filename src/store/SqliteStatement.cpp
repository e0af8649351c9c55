#include "store/SqliteStatement.h"

#include <QByteArray>
#include <QSqlDriver>

#include <sqlite3.h>

using namespace Qt::StringLiterals;

sqlite3* SqliteStatement::Handle(const QSqlDatabase& connection)
{
    if (!connection.isOpen() || !connection.driver())
        return nullptr;
    const QVariant handle = connection.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}

SqliteStatement::SqliteStatement(sqlite3* handle, const char* sql) : m_handle(handle)
{
    if (!m_handle) {
        m_error = u"The calendar database is not open."_s;
        return;
    }
    if (sqlite3_prepare_v2(m_handle, sql, -1, &m_statement, nullptr) != SQLITE_OK) {
        fail();
        sqlite3_finalize(m_statement);
        m_statement = nullptr;
    }
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(m_statement);
}

void SqliteStatement::fail()
{
    m_error = QString::fromUtf8(sqlite3_errmsg(m_handle));
}

void SqliteStatement::bind(int index, const QVariant& value)
{
    if (value.typeId() == QMetaType::Double)
        sqlite3_bind_double(m_statement, index, value.toDouble());
    else
        bind(index, value.toLongLong());
}

void SqliteStatement::bind(int index, qint64 value)
{
    sqlite3_bind_int64(m_statement, index, value);
}

bool SqliteStatement::next()
{
    if (!m_statement)
        return false;
    const int status = sqlite3_step(m_statement);
    if (status == SQLITE_ROW)
        return true;
    if (status != SQLITE_DONE)
        fail();
    return false;
}

bool SqliteStatement::isNumber(int column) const
{
    const int type = sqlite3_column_type(m_statement, column);
    return type == SQLITE_INTEGER || type == SQLITE_FLOAT;
}

double SqliteStatement::number(int column) const
{
    return sqlite3_column_double(m_statement, column);
}

qint64 SqliteStatement::integer(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

QVariant SqliteStatement::value(int column) const
{
    switch (sqlite3_column_type(m_statement, column)) {
    case SQLITE_INTEGER:
        return QVariant(static_cast<qint64>(sqlite3_column_int64(m_statement, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_statement, column));
    case SQLITE_NULL:
        return QVariant(QMetaType::fromType<QString>());
    case SQLITE_BLOB: {
        const void* bytes = sqlite3_column_blob(m_statement, column);
        return QVariant(
            QByteArray(static_cast<const char*>(bytes), sqlite3_column_bytes(m_statement, column)));
    }
    default: {
        const void* text = sqlite3_column_text16(m_statement, column);
        return QVariant(
            QString(static_cast<const QChar*>(text),
                    sqlite3_column_bytes16(m_statement, column) / static_cast<int>(sizeof(QChar))));
    }
    }
}
