#pragma once

#include <QHash>
#include <QString>

#include <optional>

// One personal entry of the Vacation table, as the printouts and the month sheet read it.
struct VacationEntry
{
    QString type;
    QString color;
};

// The one-day look-up of personal entries: the first record of that date, if any. The year
// is the main window's year text and goes through the leading-number conversion.
class EntryLookup
{
public:
    virtual ~EntryLookup() = default;
    virtual std::optional<VacationEntry> lookUp(const QString& yearText, int month, int day) = 0;

    // The first entry of every date of months firstMonth..lastMonth of one year at once, keyed
    // by DateKey, for a caller that walks them all; nullopt when the source answers only day
    // by day or fails.
    virtual std::optional<QHash<int, VacationEntry>> entriesOfMonths(const QString& yearText,
                                                                     int firstMonth, int lastMonth)
    {
        Q_UNUSED(yearText);
        Q_UNUSED(firstMonth);
        Q_UNUSED(lastMonth);
        return std::nullopt;
    }

    static int DateKey(int month, int day) { return month * 100 + day; }
};
