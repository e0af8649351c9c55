#include "store/YearEntries.h"

std::optional<VacationEntry> YearEntries::lookUp(const QString& yearText, int month, int day)
{
    if (!m_loaded || yearText != m_loadedYear) {
        m_year = m_source.entriesOfYear(yearText);
        m_loadedYear = yearText;
        m_loaded = true;
    }
    if (!m_year)
        return m_source.lookUp(yearText, month, day);
    const auto found = m_year->constFind(DateKey(month, day));
    if (found == m_year->cend())
        return std::nullopt;
    return *found;
}
