#include "store/VacationTable.h"

#include "rota/NumberText.h"
#include "store/CalendarDatabase.h"
#include "store/FirstEntriesOfYear.h"

#include <QSqlError>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

void SetError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

QVariant NumberOrNull(const QVariant& value)
{
    return value.isNull() ? QVariant() : value;
}

} // namespace

VacationTable::VacationTable(CalendarDatabase& database) : m_database(database) {}

VacationTable::~VacationTable() = default;

QString VacationTable::TableName()
{
    return u"Vacation"_s;
}

QString VacationTable::YearListWhere()
{
    return u"Year = ?"_s;
}

QVariant VacationTable::YearValue(const QString& yearText)
{
    const double value = NumberText::Val(yearText);
    // Whole years are bound as integers so the comparison is exact.
    if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e15)
        return QVariant(static_cast<qint64>(value));
    return QVariant(value);
}

QVariantList VacationTable::YearListValues(const QString& yearText)
{
    return {YearValue(yearText)};
}

QString VacationTable::YearListOrder()
{
    return u"Month, Day"_s;
}

QString VacationTable::lastError() const
{
    return m_lastError;
}

std::optional<VacationEntry> VacationTable::lookUp(const QString& yearText, int month, int day)
{
    m_lastError.clear();
    if (!m_database.isOpen()) {
        m_lastError = u"No calendar database is open."_s;
        return std::nullopt;
    }
    // A page asks for every day of the year: prepare once per open connection.
    if (!m_lookUp || m_preparedFor != m_database.generation()) {
        m_lookUp = std::make_unique<QSqlQuery>(m_database.connection());
        m_lookUp->setForwardOnly(true);
        if (!m_lookUp->prepare(u"SELECT \"Type\", \"Color\" FROM \"Vacation\" WHERE \"Year\" = ? "
                               "AND \"Month\" = ? AND \"Day\" = ? ORDER BY rowid LIMIT 1"_s)) {
            m_lastError = m_lookUp->lastError().text();
            m_lookUp.reset();
            return std::nullopt;
        }
        m_preparedFor = m_database.generation();
    }
    m_lookUp->bindValue(0, YearValue(yearText));
    m_lookUp->bindValue(1, month);
    m_lookUp->bindValue(2, day);
    if (!m_lookUp->exec()) {
        m_lastError = m_lookUp->lastError().text();
        return std::nullopt;
    }
    std::optional<VacationEntry> entry;
    if (m_lookUp->next())
        entry = VacationEntry{m_lookUp->value(0).toString(), m_lookUp->value(1).toString()};
    // Release the read lock at once: the entry window writes through another connection.
    m_lookUp->finish();
    return entry;
}

std::optional<QHash<int, VacationEntry>>
VacationTable::entriesOfMonths(const QString& yearText, int firstMonth, int lastMonth)
{
    m_lastError.clear();
    if (!m_database.isOpen()) {
        m_lastError = u"No calendar database is open."_s;
        return std::nullopt;
    }
    return FirstEntriesOfYear::Read(m_database.connection(), YearValue(yearText), firstMonth,
                                    lastMonth, &m_lastError);
}

QList<VacationRecord> VacationTable::yearList(const QString& yearText, QString* error)
{
    QList<VacationRecord> records;
    if (!m_database.isOpen()) {
        SetError(error, u"No calendar database is open."_s);
        return records;
    }
    QSqlQuery query(m_database.connection());
    query.setForwardOnly(true);
    query.prepare(u"SELECT rowid, \"Year\", \"Month\", \"Day\", \"Type\", \"Color\" FROM "
                  "\"Vacation\" WHERE \"Year\" = ? ORDER BY \"Month\", \"Day\", rowid"_s);
    query.addBindValue(YearValue(yearText));
    if (!query.exec()) {
        SetError(error, query.lastError().text());
        return records;
    }
    while (query.next()) {
        VacationRecord record;
        record.rowId = query.value(0).toLongLong();
        record.Year = NumberOrNull(query.value(1));
        record.Month = NumberOrNull(query.value(2));
        record.Day = NumberOrNull(query.value(3));
        record.Type = query.value(4).toString();
        record.Color = query.value(5).toString();
        records.append(record);
    }
    return records;
}

QMap<qint64, int> VacationTable::entriesPerYear(QString* error)
{
    QMap<qint64, int> counts;
    if (!m_database.isOpen()) {
        SetError(error, u"No calendar database is open."_s);
        return counts;
    }
    QSqlQuery query(m_database.connection());
    query.setForwardOnly(true);
    if (!query.exec(u"SELECT \"Year\", count(*) FROM \"Vacation\" WHERE typeof(\"Year\") = "
                    "'integer' GROUP BY \"Year\""_s)) {
        SetError(error, query.lastError().text());
        return counts;
    }
    while (query.next())
        counts.insert(query.value(0).toLongLong(), query.value(1).toInt());
    return counts;
}

bool VacationTable::cleanUp(QString* error)
{
    if (!m_database.isOpen()) {
        SetError(error, u"No calendar database is open."_s);
        return false;
    }
    QSqlQuery query(m_database.connection());
    // A blank month that was stored as empty text counts as missing too.
    if (!query.exec(u"DELETE FROM \"Vacation\" WHERE \"Month\" < 1 OR \"Month\" IS NULL "
                    "OR (typeof(\"Month\") = 'text' AND trim(\"Month\") = '')"_s)) {
        SetError(error, u"Blank entries could not be removed: %1"_s.arg(query.lastError().text()));
        return false;
    }
    return true;
}
