#pragma once

#include "store/EntryLookup.h"

// Answers the day-by-day look-ups of a whole page (a year, or the months it shows) from one
// read of the source, when the source offers it; otherwise, and for months outside the page,
// passes every look-up through. Lives for one printout, so entries changed meanwhile are seen
// by the next one.
class YearEntries final : public EntryLookup
{
public:
    explicit YearEntries(EntryLookup& source, int firstMonth = 1, int lastMonth = 12)
        : m_source(source), m_firstMonth(firstMonth), m_lastMonth(lastMonth)
    {
    }

    std::optional<VacationEntry> lookUp(const QString& yearText, int month, int day) override;

private:
    EntryLookup& m_source;
    int m_firstMonth;
    int m_lastMonth;
    QString m_loadedYear;
    bool m_loaded = false;
    std::optional<QHash<int, VacationEntry>> m_months;
};
