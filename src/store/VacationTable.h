#pragma once

#include "store/EntryLookup.h"

#include <QList>
#include <QMap>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <memory>
#include <optional>

class CalendarDatabase;

// One record of the Vacation table.
struct VacationRecord
{
    qint64 rowId = -1;
    QVariant Year, Month, Day; // numbers, or null
    QString Type, Color;
};

// Statements on `Vacation`, every value a bound parameter; the leading-number conversion of
// the year text is done before binding.
class VacationTable final : public EntryLookup
{
public:
    explicit VacationTable(CalendarDatabase& database);
    ~VacationTable() override;

    // First record of that date (prepared once, reused for every day of a page).
    std::optional<VacationEntry> lookUp(const QString& yearText, int month, int day) override;
    // One read for a whole page instead of one query per day; same first-record rule.
    std::optional<QHash<int, VacationEntry>>
    entriesOfMonths(const QString& yearText, int firstMonth, int lastMonth) override;
    // The year's records by Month, Day.
    QList<VacationRecord> yearList(const QString& yearText, QString* error = nullptr);
    // How many records each year holds, by year; records without a whole-number year are left
    // out.
    QMap<qint64, int> entriesPerYear(QString* error = nullptr);
    // Deletes blank records: Month < 1 and Month IS NULL.
    bool cleanUp(QString* error = nullptr);
    // The last failure of lookUp (it has no error argument); empty after a success.
    QString lastError() const;

    // The statement parts of the year list, for a RecordSource:
    static QString TableName();     // "Vacation"
    static QString YearListWhere(); // "Year = ?"
    static QVariantList YearListValues(const QString& yearText);
    static QString YearListOrder(); // "Month, Day"

    // The year text as the statements compare it: its leading number.
    static QVariant YearValue(const QString& yearText);

private:
    CalendarDatabase& m_database;
    std::unique_ptr<QSqlQuery> m_lookUp;
    quint64 m_preparedFor = 0;
    QString m_lastError;
};
