#pragma once

#include "store/EntryLookup.h"

#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>

#include <optional>

struct sqlite3;

// The first record, in the order they were stored, of every date of some months of one year of
// the Vacation table, read inside SQLite. With the index on the dates it is one seek per date;
// without one the year's records are stepped through once, in stored order, up to the point
// where every date of those months has its entry.
class FirstEntriesOfYear
{
public:
    // Months firstMonth..lastMonth (within 1..12), keyed by EntryLookup::DateKey; `year` is
    // bound as it is (a whole or a real number). nullopt and *error when the file cannot be
    // read.
    static std::optional<QHash<int, VacationEntry>> Read(const QSqlDatabase& connection,
                                                         const QVariant& year, int firstMonth,
                                                         int lastMonth, QString* error = nullptr);

    // The date key a record's Month and Day stand for. Only a whole month 1..12 and day
    // 1..31, as numbers or as text that reads as one, is a date: anything else would land
    // on another day's key.
    static std::optional<int> DateKeyOf(const QVariant& month, const QVariant& day);

    // Whether the file answers a look-up of one date through an index on the year, month
    // and day (the template's "Vacation by date"), rather than by reading the whole table.
    static bool SeeksDates(sqlite3* handle);
};
