#pragma once

#include "rota/HolidayCalendar.h"
#include "rota/NamedDay.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QTimeZone>

#include <libical/ical.h>

#include <functional>
#include <optional>

// One VEVENT of a holiday calendar as HolidayCalendarParser reads it: when it starts, how long
// it lasts, how it repeats. The times and rules point into the parsed component tree, which the
// calendar keeps alive for as long as its events.
//
// Dates are the local dates an occurrence touches: an all-day event marks its dates as written
// (the end exclusive), a timed one the dates of the local zone from its start up to, not
// including, its end. A time with a TZID or in UTC is converted to the local zone; a floating
// time is the local zone's wall-clock time as written.
class HolidayEvent
{
public:
    // One start of the event, and where that occurrence ends (exclusive); `end` is unset when
    // the event's own length applies.
    struct Occurrence
    {
        icaltimetype start;
        std::optional<icaltimetype> end;
    };

    // The first and the last year with a date of the event, in the local zone; `last` is unset
    // when the event repeats past the horizon asked for (or without end).
    using Years = HolidayCalendar::Years;

    // A year's days follow the rules this many steps at most. Rules that repeat at most daily
    // stay far below it for any year 1..9999.
    static constexpr qint64 MostSteps = 4'000'000;

    QString name;
    icaltimetype start = icaltime_null_time(); // DATE, or DATE-TIME (zone unset when floating)
    int days = 1;                              // all-day: the number of dates marked
    qint64 seconds = 0;                        // timed: how long it lasts
    QList<icalproperty*> rules;                // RRULE
    QList<icalproperty*> exceptRules;          // EXRULE
    QList<Occurrence> extra;                   // RDATE, as occurrences
    QList<icaltimetype> excluded; // EXDATE, and the starts other events of the UID replace

    bool isAllDay() const { return start.is_date != 0; }

    // Adds the dates of `year` the event marks to `days`, with its name; not sorted.
    void addDaysOf(int year, const QTimeZone& local, QList<NamedDay>& days) const;
    // Nothing when the event has no date at all (every start excluded). Rules are followed
    // to `horizon` at most, taking from `steps`; when they run out (steps <= 0 afterwards) the
    // answer is incomplete.
    std::optional<Years> years(const QTimeZone& local, int horizon, qint64& steps) const;

    // The local date of a time: as written for a date or a floating time, else in `local`.
    static QDate LocalDate(const icaltimetype& time, const QTimeZone& local);
    // Seconds since the epoch (a floating time as if it were UTC).
    static qint64 Instant(const icaltimetype& time);
    // A duration in seconds, without the overflow of the library's own sum.
    static qint64 Seconds(const icaldurationtype& duration);

private:
    // Whether to go on after this start.
    using Visit = std::function<bool(const Occurrence&)>;
    enum class Walk
    {
        Ended,     // the rule has no more starts
        PastLast,  // it goes on past the last date asked for
        Stopped,   // `visit` said so
        OutOfSteps // the steps ran out
    };

    // The start and the RDATEs that are not excluded.
    QList<Occurrence> writtenOccurrences() const;
    // Calls `visit` with every start of the rule that falls on the dates first..last (the
    // event's own wall clock; `first` invalid: from the event's start on) and is not excluded,
    // taking a step from `steps` for each start the library gives.
    Walk walkRule(icalproperty* rule, QDate first, QDate last, const QList<icaltimetype>& excepted,
                  const Visit& visit, qint64& steps) const;
    // The starts of the EXRULEs on the dates first..last.
    QList<icaltimetype> exceptedStarts(QDate first, QDate last, qint64& steps) const;
    bool isExcluded(const icaltimetype& time, const QList<icaltimetype>& excepted = {}) const;
    // The local dates the occurrence touches, first and last.
    std::pair<QDate, QDate> datesOf(const Occurrence& occurrence, const QTimeZone& local) const;
    // How many days before its first date an occurrence may start and still touch it.
    int reachBack() const;
};
