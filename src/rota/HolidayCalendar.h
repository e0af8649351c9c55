#pragma once

#include "rota/NamedDay.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QTimeZone>

#include <memory>
#include <optional>
#include <vector>

class HolidayEvent;

// The holidays of one calendar file (HolidayCalendarParser reads one): named days for any
// year, worked out when a year is first asked for and kept. Copies share what was read and
// what was worked out; not for use from two threads at once.
class HolidayCalendar
{
public:
    // The last year a page is drawn for: a rule that goes on past it covers every year after its
    // first as far as anyone can tell.
    static constexpr int LastDrawnYear = 2124;

    // The years a calendar's dates fall in; `last` unset when a rule goes on past LastDrawnYear.
    struct Years
    {
        int first = 0;
        std::optional<int> last;

        bool contains(int year) const { return year >= first && (!last || year <= *last); }
        // The years of both: from the first of either to the last, or without end.
        Years joined(const Years& other) const;
        friend bool operator==(const Years&, const Years&) = default;
    };

    // `keepAlive` holds what the events point into. Dates of timed events are those of `local`;
    // `years` are those of the events (HolidayCalendarParser works them out).
    HolidayCalendar(QString name, std::vector<HolidayEvent> events, std::shared_ptr<void> keepAlive,
                    QTimeZone local, std::optional<Years> years);

    // X-WR-CALNAME, or the file name when the file gives none.
    const QString& name() const { return m_name; }
    // The named days of `year` in date order, a day once for each name it has (in the file's
    // order of events). Worked out once a year; a copy is cheap.
    QList<NamedDay> daysOf(int year) const;
    bool isHoliday(QDate date) const;
    // Nothing when the calendar has no date at all.
    const std::optional<Years>& years() const { return m_years; }
    // "2018-2028", "2024", "2018 onwards", or "no year".
    QString yearsText() const;
    // "Bank holidays covers 2018-2028; 2031 has none of its days" for a year outside the
    // calendar's years; empty for a year inside them.
    QString coverageNote(int year) const;

private:
    struct Shared
    {
        std::vector<HolidayEvent> events;
        std::shared_ptr<void> keepAlive;
        QHash<int, QList<NamedDay>> byYear;
    };

    QString m_name;
    QTimeZone m_local;
    std::shared_ptr<Shared> m_shared;
    std::optional<Years> m_years;
};
