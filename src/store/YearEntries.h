#pragma once

#include "store/EntryLookup.h"

// Answers the day-by-day look-ups of a whole year page from one query of the source, when
// the source offers it; otherwise passes every look-up through. Lives for one printout, so
// entries changed meanwhile are seen by the next one.
class YearEntries final : public EntryLookup
{
public:
    explicit YearEntries(EntryLookup& source) : m_source(source) {}

    std::optional<VacationEntry> lookUp(const QString& yearText, int month, int day) override;

private:
    EntryLookup& m_source;
    QString m_loadedYear;
    bool m_loaded = false;
    std::optional<QHash<int, VacationEntry>> m_year;
};
