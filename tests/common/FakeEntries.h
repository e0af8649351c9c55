#pragma once

#include "store/EntryLookup.h"

#include <QStringList>

#include <map>
#include <utility>

// Personal entries from memory, by month and day whatever the year; records every look-up.
class FakeEntries final : public EntryLookup
{
public:
    void add(int month, int day, const VacationEntry& entry) { m_entries[{month, day}] = entry; }
    std::optional<VacationEntry> lookUp(const QString& yearText, int month, int day) override;

    // "year text|month/day" of each look-up, in order.
    QStringList asked;

private:
    std::map<std::pair<int, int>, VacationEntry> m_entries;
};
