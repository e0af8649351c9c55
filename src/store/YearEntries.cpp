#include "store/YearEntries.h"

std::optional<VacationEntry> YearEntries::lookUp(const QString& yearText, int month, int day)
{
    if (month < m_firstMonth || month > m_lastMonth)
        return m_source.lookUp(yearText, month, day);
    if (!m_loaded || yearText != m_loadedYear) {
        m_months = m_source.entriesOfMonths(yearText, m_firstMonth, m_lastMonth);
        m_loadedYear = yearText;
        m_loaded = true;
    }
    if (!m_months)
        return m_source.lookUp(yearText, month, day);
    const auto found = m_months->constFind(DateKey(month, day));
    if (found == m_months->cend())
        return std::nullopt;
    return *found;
}
