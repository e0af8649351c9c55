#include "store/RecordSource.h"

#include "store/CalendarDatabase.h"
#include "store/WholeCharacters.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

void SetError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

QString Quoted(const QString& identifier)
{
    QString quoted = identifier;
    quoted.replace(u'"', u"\"\""_s);
    return u'"' + quoted + u'"';
}

QString ErrorText(const QSqlError& error)
{
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return text.simplified();
}

// A column default as SQLite reports it: 'Click', 0, NULL.
QVariant DefaultValue(const QString& literal)
{
    const QString text = literal.trimmed();
    if (text.isEmpty() || text.compare(u"NULL"_s, Qt::CaseInsensitive) == 0)
        return {};
    if (text.size() >= 2 && text.startsWith(u'\'') && text.endsWith(u'\'')) {
        QString value = text.mid(1, text.size() - 2);
        value.replace(u"''"_s, u"'"_s);
        return value;
    }
    bool ok = false;
    const qlonglong whole = text.toLongLong(&ok);
    if (ok)
        return whole;
    const double real = text.toDouble(&ok);
    if (ok)
        return real;
    return text;
}

bool NumericType(const QString& declared)
{
    const QString type = declared.toUpper();
    return type.contains(u"INT"_s) || type.contains(u"REAL"_s) || type.contains(u"NUM"_s) ||
           type.contains(u"FLOA"_s) || type.contains(u"DOUB"_s) || type.contains(u"BOOL"_s);
}

// The form in which two values count as the same: a control's text "3" equals a stored 3, a
// ticked box equals a stored 1, an empty text equals null.
QString Comparable(const QVariant& value)
{
    if (value.isNull() || !value.isValid())
        return {};
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? u"1"_s : u"0"_s;
    case QMetaType::Double:
    case QMetaType::Float: {
        const double number = value.toDouble();
        if (std::isfinite(number) && number == std::trunc(number) && std::fabs(number) < 1e15)
            return QString::number(static_cast<qint64>(number));
        return QString::number(number, 'g', 17);
    }
    default:
        return value.toString();
    }
}

} // namespace

RecordSource::RecordSource() = default;

RecordSource::~RecordSource() = default;

bool RecordSource::setDatabaseName(const QString& path, QString* error)
{
    replaceRows({});
    m_columns.clear();
    m_setColumns.clear();
    m_database.reset();
    m_databaseName.clear();
    if (path.isEmpty()) {
        showCurrent();
        return true;
    }
    auto database = std::make_unique<CalendarDatabase>();
    if (!database->open(path, error)) {
        showCurrent();
        return false;
    }
    m_database = std::move(database);
    m_databaseName = path;
    return true;
}

QString RecordSource::databaseName() const
{
    return m_databaseName;
}

bool RecordSource::hasDatabase() const
{
    return m_database && m_database->isOpen();
}

void RecordSource::setSelection(const QString& table, const QString& where,
                                const QVariantList& values, const QString& orderBy)
{
    if (table != m_table)
        m_columns.clear();
    m_table = table;
    m_where = where;
    m_values = values;
    m_orderBy = orderBy;
}

bool RecordSource::requireDatabase(QString* error) const
{
    if (hasDatabase())
        return true;
    SetError(error, u"No calendar database is attached."_s);
    return false;
}

QString RecordSource::failure(const QString& what, const QString& reason) const
{
    return u"%1 in %2 failed: %3"_s.arg(what, QFileInfo(m_databaseName).absoluteFilePath(), reason);
}

bool RecordSource::loadColumns(QString* error)
{
    if (!m_columns.isEmpty())
        return true;
    if (m_table.isEmpty()) {
        SetError(error, u"No table is selected."_s);
        return false;
    }
    QSqlQuery query(m_database->connection());
    if (!query.exec(u"PRAGMA table_info(%1)"_s.arg(Quoted(m_table)))) {
        SetError(error, failure(u"Reading the fields of \"%1\""_s.arg(m_table),
                                ErrorText(query.lastError())));
        return false;
    }
    QList<Column> columns;
    QList<int> primaryKey;
    while (query.next()) {
        Column column;
        column.name = query.value(1).toString();
        column.numeric = NumericType(query.value(2).toString());
        column.defaultValue = DefaultValue(query.value(4).toString());
        if (query.value(5).toInt() > 0 &&
            query.value(2).toString().trimmed().compare(u"INTEGER"_s, Qt::CaseInsensitive) == 0)
            primaryKey.append(static_cast<int>(columns.size()));
        columns.append(column);
    }
    if (columns.isEmpty()) {
        SetError(error, failure(u"Reading \"%1\""_s.arg(m_table), u"there is no such table."_s));
        return false;
    }
    m_columns = columns;
    // An INTEGER PRIMARY KEY AUTOINCREMENT column is the rowid, and SQLite never hands out a
    // rowid twice there. Without one a deleted record's rowid can come back on the next insert,
    // so records are then also matched on their values as first read.
    m_keyColumn = -1;
    if (primaryKey.size() == 1) {
        query.prepare(u"SELECT \"sql\" FROM \"sqlite_master\" WHERE \"type\" = 'table' AND "
                      "\"name\" = ?"_s);
        query.addBindValue(m_table);
        if (query.exec() && query.next() &&
            query.value(0).toString().contains(u"AUTOINCREMENT"_s, Qt::CaseInsensitive))
            m_keyColumn = primaryKey.first();
    }
    return true;
}

// " AND" conditions that hold only while the record still has the values it was read with;
// none where the table's key identifies the record for good.
QString RecordSource::unchangedCondition(const Row& row, QVariantList& values) const
{
    if (m_keyColumn >= 0)
        return {};
    QString condition;
    for (int i = 0; i < m_columns.size(); ++i) {
        if (!m_identity.isEmpty() && !m_identity.contains(m_columns[i].name, Qt::CaseInsensitive))
            continue;
        condition += u" AND "_s + Quoted(m_columns[i].name) + u" IS ?"_s;
        values.append(row.values.value(i));
    }
    return condition;
}

void RecordSource::setIdentity(const QStringList& fields)
{
    m_identity = fields;
}

// The record was deleted (or, without a key, changed) by someone else since it was read. What
// the controls hold is kept as a new record, so it is neither lost nor written over another.
void RecordSource::keepAsNewRecord()
{
    const Row stale = m_rows.at(m_current);
    m_newRow = Row{};
    for (int i = 0; i < m_columns.size(); ++i) {
        const bool bound =
            std::any_of(m_bindings.cbegin(), m_bindings.cend(),
                        [&](const Binding& b) { return b.read && columnOf(b.field) == i; });
        if (bound || i == m_keyColumn) {
            m_newRow.values.append(m_columns[i].defaultValue);
        } else {
            m_newRow.values.append(stale.values.value(i));
            if (!m_setColumns.contains(i))
                m_setColumns.append(i);
        }
    }
    removeRow(m_current);
    if (m_current >= m_rows.size())
        m_current = static_cast<int>(m_rows.size()) - 1;
    m_adding = true;
    tell(Change::CurrentMoved);
}

QString RecordSource::GoneText()
{
    return u"it was changed or deleted by another program after it was read. What was typed "
           "is kept as a new record and is stored as one the next time."_s;
}

int RecordSource::columnOf(const QString& field) const
{
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].name.compare(field, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

bool RecordSource::hasCurrent() const
{
    return m_adding || (m_current >= 0 && m_current < m_rows.size());
}

RecordSource::Row* RecordSource::buffer()
{
    if (m_adding)
        return &m_newRow;
    return hasCurrent() ? &m_rows[m_current] : nullptr;
}

const RecordSource::Row* RecordSource::buffer() const
{
    if (m_adding)
        return &m_newRow;
    return hasCurrent() ? &m_rows[m_current] : nullptr;
}

bool RecordSource::isChanged() const
{
    const Row* row = buffer();
    if (!row)
        return false;
    if (!m_setColumns.isEmpty())
        return true;
    for (const Binding& binding : m_bindings) {
        const int column = columnOf(binding.field);
        if (column >= 0 && binding.read &&
            Comparable(binding.read()) != Comparable(row->values.value(column)))
            return true;
    }
    return false;
}

bool RecordSource::writeBound(QString* error)
{
    if (!hasCurrent())
        return true;
    if (!isChanged()) {
        // A new record nobody filled in is dropped rather than stored empty.
        m_adding = false;
        return true;
    }
    return storeCurrent(error);
}

bool RecordSource::readRow(qint64 rowId, Row& row, QString* error)
{
    QSqlQuery query(m_database->connection());
    query.setForwardOnly(true);
    query.prepare(u"SELECT * FROM %1 WHERE rowid = ?"_s.arg(Quoted(m_table)));
    query.addBindValue(rowId);
    if (!query.exec() || !query.next()) {
        SetError(error, failure(u"Reading the stored record"_s,
                                query.lastError().isValid() ? ErrorText(query.lastError())
                                                            : u"the record no longer exists."_s));
        return false;
    }
    row.rowId = rowId;
    row.values.clear();
    for (int i = 0; i < m_columns.size(); ++i)
        row.values.append(query.value(i));
    return true;
}

bool RecordSource::storeCurrent(QString* error)
{
    if (!requireDatabase(error))
        return false;
    Row* row = buffer();
    if (!row) {
        SetError(error, u"There is no current record."_s);
        return false;
    }
    // The values as they will be stored: the buffer, with the bound controls on top.
    QVariantList values = row->values;
    QList<int> written = m_setColumns;
    for (const Binding& binding : m_bindings) {
        const int column = columnOf(binding.field);
        if (column < 0 || !binding.read)
            continue;
        values[column] = binding.read();
        // Only what differs from the record as it was read is written back, so a second
        // copy of the program editing other fields of the same record loses nothing.
        const bool differs = Comparable(values[column]) != Comparable(row->values.value(column));
        if ((m_adding || differs) && !written.contains(column))
            written.append(column);
    }
    for (int i = 0; i < values.size(); ++i) {
        QVariant& value = values[i];
        if (value.typeId() == QMetaType::Bool)
            value = value.toBool() ? 1 : 0;
        else if (m_columns[i].numeric && value.typeId() == QMetaType::QString &&
                 value.toString().trimmed().isEmpty())
            value = QVariant(); // an empty numeric field is a missing value
        else if (value.typeId() == QMetaType::QString)
            value = WholeCharacters::Mended(value.toString()); // always valid UTF-8 on disk
    }

    QSqlQuery query(m_database->connection());
    if (m_adding) {
        QStringList names;
        QStringList marks;
        for (const Column& column : std::as_const(m_columns)) {
            names << Quoted(column.name);
            marks << u"?"_s;
        }
        query.prepare(u"INSERT INTO %1 (%2) VALUES (%3)"_s.arg(Quoted(m_table), names.join(u", "_s),
                                                               marks.join(u", "_s)));
        for (const QVariant& value : std::as_const(values))
            query.addBindValue(value);
        if (!query.exec()) {
            SetError(error, failure(u"Storing the new record"_s, ErrorText(query.lastError())));
            return false;
        }
        Row stored;
        const qint64 rowId = query.lastInsertId().toLongLong();
        if (!readRow(rowId, stored, nullptr)) {
            stored.rowId = rowId;
            stored.values = values;
        }
        const int added = static_cast<int>(m_rows.size());
        tell(Change::AboutToAdd, added);
        m_rows.append(stored);
        tell(Change::Added, added);
        m_current = added;
        m_adding = false;
        tell(Change::CurrentMoved);
    } else {
        if (written.isEmpty())
            return true;
        QStringList assignments;
        for (int column : std::as_const(written))
            assignments << Quoted(m_columns[column].name) + u" = ?"_s;
        QVariantList matching{row->rowId};
        const QString unchanged = unchangedCondition(*row, matching);
        query.prepare(u"UPDATE %1 SET %2 WHERE rowid = ?%3"_s.arg(
            Quoted(m_table), assignments.join(u", "_s), unchanged));
        for (int column : std::as_const(written))
            query.addBindValue(values[column]);
        for (const QVariant& value : std::as_const(matching))
            query.addBindValue(value);
        if (!query.exec()) {
            SetError(error, failure(u"Storing the record"_s, ErrorText(query.lastError())));
            return false;
        }
        if (query.numRowsAffected() != 1) {
            keepAsNewRecord();
            SetError(error, failure(u"Storing the record"_s, GoneText()));
            return false;
        }
        Row stored;
        if (readRow(row->rowId, stored, nullptr)) {
            *row = stored;
        } else {
            for (int column : std::as_const(written))
                row->values[column] = values[column];
        }
        tell(Change::RowChanged, m_current);
    }
    m_setColumns.clear();
    return true;
}

bool RecordSource::select(QString* error)
{
    if (!loadColumns(error))
        return false;
    QString statement = u"SELECT rowid, * FROM "_s + Quoted(m_table);
    if (!m_where.isEmpty())
        statement += u" WHERE "_s + m_where;
    // rowid last: records that tie keep the order in which they were stored.
    statement +=
        u" ORDER BY "_s + (m_orderBy.isEmpty() ? QString() : m_orderBy + u", "_s) + u"rowid"_s;
    QSqlQuery query(m_database->connection());
    query.setForwardOnly(true);
    if (!query.prepare(statement)) {
        SetError(error, failure(u"Reading \"%1\""_s.arg(m_table), ErrorText(query.lastError())));
        return false;
    }
    for (const QVariant& value : std::as_const(m_values))
        query.addBindValue(value);
    if (!query.exec()) {
        SetError(error, failure(u"Reading \"%1\""_s.arg(m_table), ErrorText(query.lastError())));
        return false;
    }
    QList<Row> rows;
    while (query.next()) {
        Row row;
        row.rowId = query.value(0).toLongLong();
        for (int i = 0; i < m_columns.size(); ++i)
            row.values.append(query.value(i + 1));
        rows.append(row);
    }
    if (query.lastError().isValid()) {
        SetError(error, failure(u"Reading \"%1\""_s.arg(m_table), ErrorText(query.lastError())));
        return false;
    }
    replaceRows(rows);
    m_setColumns.clear();
    return true;
}

bool RecordSource::refresh(QString* error)
{
    if (!requireDatabase(error) || !writeBound(error))
        return false;
    if (!select(error))
        return false;
    showCurrent();
    return true;
}

bool RecordSource::isBOF() const
{
    return !hasCurrent();
}

bool RecordSource::isEOF() const
{
    return !hasCurrent();
}

int RecordSource::recordCount() const
{
    return static_cast<int>(m_rows.size());
}

int RecordSource::currentIndex() const
{
    return (m_adding || !hasCurrent()) ? -1 : m_current;
}

bool RecordSource::moveTo(int index, QString* error)
{
    if (!requireDatabase(error))
        return false;
    if (index < 0 || index >= m_rows.size()) {
        SetError(error, u"There is no record at position %1."_s.arg(index));
        return false;
    }
    if (!writeBound(error))
        return false;
    m_current = index;
    m_adding = false;
    m_setColumns.clear();
    showCurrent();
    return true;
}

bool RecordSource::addNew(QString* error)
{
    if (!requireDatabase(error) || !loadColumns(error) || !writeBound(error))
        return false;
    m_newRow = Row{};
    for (const Column& column : std::as_const(m_columns))
        m_newRow.values.append(column.defaultValue);
    m_adding = true;
    m_setColumns.clear();
    showCurrent();
    return true;
}

bool RecordSource::isNewRecord() const
{
    return m_adding;
}

bool RecordSource::hasPendingEdits() const
{
    return isChanged();
}

bool RecordSource::writeNow(QString* error)
{
    return storeCurrent(error);
}

bool RecordSource::deleteCurrent(QString* error)
{
    if (!requireDatabase(error))
        return false;
    if (m_adding) {
        // Not stored yet: deleting it just abandons it.
        m_adding = false;
        m_setColumns.clear();
        if (m_current >= m_rows.size())
            m_current = static_cast<int>(m_rows.size()) - 1;
        showCurrent();
        return true;
    }
    if (!hasCurrent()) {
        SetError(error, u"There is no current record."_s);
        return false;
    }
    QSqlQuery query(m_database->connection());
    QVariantList matching{m_rows[m_current].rowId};
    const QString unchanged = unchangedCondition(m_rows[m_current], matching);
    query.prepare(u"DELETE FROM %1 WHERE rowid = ?%2"_s.arg(Quoted(m_table), unchanged));
    for (const QVariant& value : std::as_const(matching))
        query.addBindValue(value);
    if (!query.exec()) {
        SetError(error, failure(u"Deleting the record"_s, ErrorText(query.lastError())));
        return false;
    }
    // No row affected: the record is gone already, or (without a key) was changed by someone
    // else and is left alone; the next reload shows the table as it is.
    removeRow(m_current);
    if (m_current >= m_rows.size())
        m_current = static_cast<int>(m_rows.size()) - 1;
    m_setColumns.clear();
    showCurrent();
    return true;
}

bool RecordSource::close(QString* error)
{
    if (!hasDatabase())
        return true;
    if (!writeBound(error))
        return false;
    replaceRows({});
    m_setColumns.clear();
    m_database.reset();
    m_databaseName.clear();
    return true;
}

QVariant RecordSource::value(const QString& field) const
{
    const Row* row = buffer();
    if (!row)
        return {};
    for (const Binding& binding : m_bindings) {
        if (binding.read && binding.field.compare(field, Qt::CaseInsensitive) == 0)
            return binding.read();
    }
    return row->values.value(columnOf(field));
}

void RecordSource::setValue(const QString& field, const QVariant& value)
{
    Row* row = buffer();
    const int column = columnOf(field);
    if (!row || column < 0)
        return;
    row->values[column] = value;
    if (!m_setColumns.contains(column))
        m_setColumns.append(column);
    if (!m_adding)
        tell(Change::RowChanged, m_current);
    // A copy: a control's change handler may bind or unbind while we go through them.
    const QList<Binding> bindings = m_bindings;
    for (const Binding& binding : bindings) {
        if (binding.show && binding.field.compare(field, Qt::CaseInsensitive) == 0)
            binding.show(value);
    }
}

void RecordSource::bind(const QString& field, std::function<QVariant()> read,
                        std::function<void(const QVariant&)> show)
{
    m_bindings.append(Binding{field, std::move(read), std::move(show)});
    const Binding& binding = m_bindings.constLast();
    if (const Row* row = buffer(); row && binding.show)
        binding.show(row->values.value(columnOf(field)));
}

void RecordSource::unbindAll()
{
    m_bindings.clear();
}

QStringList RecordSource::fieldNames() const
{
    QStringList names;
    for (const Column& column : m_columns)
        names << column.name;
    return names;
}

QVariant RecordSource::rowValue(int row, const QString& field) const
{
    if (row < 0 || row >= m_rows.size())
        return {};
    return m_rows[row].values.value(columnOf(field));
}

void RecordSource::setWatcher(std::function<void(Change, int)> watcher)
{
    m_watcher = std::move(watcher);
}

void RecordSource::tell(Change change, int row) const
{
    if (m_watcher)
        m_watcher(change, row);
}

void RecordSource::removeRow(int row)
{
    tell(Change::AboutToRemove, row);
    m_rows.removeAt(row);
    tell(Change::Removed, row);
}

// The first record becomes current, or none.
void RecordSource::replaceRows(const QList<Row>& rows)
{
    tell(Change::AboutToReload);
    m_rows = rows;
    m_current = m_rows.isEmpty() ? -1 : 0;
    m_adding = false;
    tell(Change::Reloaded);
}

void RecordSource::showCurrent()
{
    const QList<Binding> bindings = m_bindings;
    for (const Binding& binding : bindings) {
        const Row* row = buffer();
        if (binding.show)
            binding.show(row ? row->values.value(columnOf(binding.field)) : QVariant());
    }
    tell(Change::CurrentMoved);
}
