#include "rota/HolidayCalendar.h"

#include "rota/HolidayEvent.h"

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

HolidayCalendar::HolidayCalendar(QString name, std::vector<HolidayEvent> events,
                                 std::shared_ptr<void> keepAlive, QTimeZone local,
                                 std::optional<Years> years)
    : m_name(std::move(name)), m_local(std::move(local)),
      m_shared(std::make_shared<Shared>(Shared{std::move(events), std::move(keepAlive), {}})),
      m_years(years)
{
}

HolidayCalendar::Years HolidayCalendar::Years::joined(const Years& other) const
{
    std::optional<int> end;
    if (last && other.last)
        end = std::max(*last, *other.last);
    return {std::min(first, other.first), end};
}

QList<NamedDay> HolidayCalendar::daysOf(int year) const
{
    const auto known = m_shared->byYear.constFind(year);
    if (known != m_shared->byYear.constEnd())
        return *known;
    QList<NamedDay> days;
    // Dates beyond QDate's years have no days.
    if (QDate(year, 1, 1).isValid() && QDate(year, 12, 31).isValid()) {
        for (const HolidayEvent& event : m_shared->events)
            event.addDaysOf(year, m_local, days);
    }
    std::stable_sort(days.begin(), days.end(),
                     [](const NamedDay& a, const NamedDay& b) { return a.date < b.date; });
    // Two events of one name on one date are one holiday.
    QList<NamedDay> unique;
    for (const NamedDay& day : std::as_const(days)) {
        bool seen = false;
        for (auto kept = unique.crbegin(); kept != unique.crend() && kept->date == day.date; ++kept)
            seen = seen || kept->name == day.name;
        if (!seen)
            unique.append(day);
    }
    m_shared->byYear.insert(year, unique);
    return unique;
}

bool HolidayCalendar::isHoliday(QDate date) const
{
    const QList<NamedDay> days = daysOf(date.year());
    return std::binary_search(days.begin(), days.end(), NamedDay{date, {}},
                              [](const NamedDay& a, const NamedDay& b) { return a.date < b.date; });
}

QString HolidayCalendar::yearsText() const
{
    if (!m_years)
        return u"no year"_s;
    if (!m_years->last)
        return u"%1 onwards"_s.arg(m_years->first);
    if (*m_years->last == m_years->first)
        return QString::number(m_years->first);
    return u"%1-%2"_s.arg(m_years->first).arg(*m_years->last);
}

QString HolidayCalendar::coverageNote(int year) const
{
    if (m_years && m_years->contains(year))
        return {};
    return u"%1 covers %2; %3 has none of its days"_s.arg(m_name, yearsText(),
                                                          QString::number(year));
}
