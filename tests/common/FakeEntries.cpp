#include "FakeEntries.h"

std::optional<VacationEntry> FakeEntries::lookUp(const QString& yearText, int month, int day)
{
    asked.append(yearText + u'|' + QString::number(month) + u'/' + QString::number(day));
    const auto found = m_entries.find({month, day});
    if (found == m_entries.end())
        return std::nullopt;
    return found->second;
}
