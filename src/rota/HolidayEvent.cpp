#include "rota/HolidayEvent.h"

#include <QDateTime>

#include <algorithm>

namespace {

QDate wallDate(const icaltimetype& time)
{
    return QDate(time.year, time.month, time.day);
}

bool isFloating(const icaltimetype& time)
{
    return time.zone == nullptr;
}

// Seconds since the epoch; a floating time counts as if it were UTC, which keeps differences
// between floating times right.
qint64 instant(const icaltimetype& time)
{
    if (isFloating(time) || time.is_date)
        return static_cast<qint64>(icaltime_as_timet(time));
    return static_cast<qint64>(icaltime_as_timet_with_zone(time, time.zone));
}

// The rule's own iterator, its occurrences with the start's kind (date or time) and zone.
class RuleSteps
{
public:
    RuleSteps(icalproperty* rule, const icaltimetype& start, QDate from)
        : m_start(start), m_iterator(nullptr)
    {
        const icalrecurrencetype recurrence = icalproperty_get_rrule(rule);
        m_iterator = icalrecur_iterator_new(recurrence, start);
        // Straight to the first date asked for; a counted rule must be walked from its start.
        if (m_iterator && from.isValid() && recurrence.count == 0 && from > wallDate(start)) {
            icaltimetype at = start;
            at.year = from.year();
            at.month = from.month();
            at.day = from.day();
            if (!icalrecur_iterator_set_start(m_iterator, at)) {
                icalrecur_iterator_free(m_iterator);
                m_iterator = icalrecur_iterator_new(recurrence, start);
            }
        }
    }
    ~RuleSteps()
    {
        if (m_iterator)
            icalrecur_iterator_free(m_iterator);
    }
    RuleSteps(const RuleSteps&) = delete;
    RuleSteps& operator=(const RuleSteps&) = delete;

    // The next start; a null time at the end.
    icaltimetype next()
    {
        if (!m_iterator)
            return icaltime_null_time();
        icaltimetype time = icalrecur_iterator_next(m_iterator);
        if (icaltime_is_null_time(time))
            return time;
        time.is_date = m_start.is_date;
        time.zone = m_start.zone;
        return time;
    }

private:
    icaltimetype m_start;
    icalrecur_iterator* m_iterator;
};

} // namespace

qint64 HolidayEvent::Seconds(const icaldurationtype& duration)
{
    const qint64 seconds =
        ((qint64(duration.weeks) * 7 + duration.days) * 24 + duration.hours) * 3600 +
        qint64(duration.minutes) * 60 + duration.seconds;
    return duration.is_neg ? -seconds : seconds;
}

qint64 HolidayEvent::Instant(const icaltimetype& time)
{
    return instant(time);
}

QDate HolidayEvent::LocalDate(const icaltimetype& time, const QTimeZone& local)
{
    if (time.is_date || isFloating(time))
        return wallDate(time);
    return QDateTime::fromSecsSinceEpoch(instant(time), local).date();
}

QList<HolidayEvent::Occurrence> HolidayEvent::writtenOccurrences() const
{
    QList<Occurrence> written;
    if (!isExcluded(start))
        written.append({start, {}});
    for (const Occurrence& occurrence : extra) {
        if (!isExcluded(occurrence.start))
            written.append(occurrence);
    }
    return written;
}

QList<icaltimetype> HolidayEvent::exceptedStarts(QDate first, QDate last, qint64& steps) const
{
    QList<icaltimetype> starts;
    for (icalproperty* rule : exceptRules) {
        walkRule(
            rule, first, last, {},
            [&starts](const Occurrence& occurrence) {
                starts.append(occurrence.start);
                return true;
            },
            steps);
    }
    return starts;
}

HolidayEvent::Walk HolidayEvent::walkRule(icalproperty* rule, QDate first, QDate last,
                                          const QList<icaltimetype>& excepted, const Visit& visit,
                                          qint64& steps) const
{
    RuleSteps walk(rule, start, first);
    for (;;) {
        if (steps <= 0)
            return Walk::OutOfSteps;
        --steps;
        const icaltimetype time = walk.next();
        if (icaltime_is_null_time(time))
            return Walk::Ended;
        const QDate date = wallDate(time);
        // The library counts leap years before 1582 as Julian ones: 29 February of such a
        // year is no date here, and is passed over.
        if (!date.isValid())
            continue;
        if (date > last)
            return Walk::PastLast;
        if ((!first.isValid() || date >= first) && !isExcluded(time, excepted) &&
            !visit({time, {}}))
            return Walk::Stopped;
    }
}

bool HolidayEvent::isExcluded(const icaltimetype& time, const QList<icaltimetype>& excepted) const
{
    const auto matches = [&time](const icaltimetype& other) {
        // A date excludes its whole day; times must be the same instant.
        if (time.is_date || other.is_date)
            return wallDate(time) == wallDate(other);
        return instant(time) == instant(other);
    };
    return std::any_of(excluded.begin(), excluded.end(), matches) ||
           std::any_of(excepted.begin(), excepted.end(), matches);
}

std::pair<QDate, QDate> HolidayEvent::datesOf(const Occurrence& occurrence,
                                              const QTimeZone& local) const
{
    if (isAllDay()) {
        const QDate first = wallDate(occurrence.start);
        qint64 count = days;
        if (occurrence.end)
            count = std::max<qint64>(1, first.daysTo(wallDate(*occurrence.end)));
        return {first, first.addDays(count - 1)};
    }
    qint64 length = seconds;
    if (occurrence.end)
        length = instant(*occurrence.end) - instant(occurrence.start);
    // The end is exclusive: an event up to midnight does not touch the next day.
    const qint64 lastSecond = std::max<qint64>(0, length - 1);
    if (isFloating(occurrence.start)) {
        const QDateTime wall(wallDate(occurrence.start),
                             QTime(occurrence.start.hour, occurrence.start.minute,
                                   std::min(occurrence.start.second, 59)),
                             QTimeZone::utc());
        return {wall.date(), wall.addSecs(lastSecond).date()};
    }
    const qint64 from = instant(occurrence.start);
    return {QDateTime::fromSecsSinceEpoch(from, local).date(),
            QDateTime::fromSecsSinceEpoch(from + lastSecond, local).date()};
}

int HolidayEvent::reachBack() const
{
    qint64 longest = isAllDay() ? days : seconds / 86400 + 1;
    for (const Occurrence& occurrence : extra) {
        if (occurrence.end) {
            const qint64 length = instant(*occurrence.end) - instant(occurrence.start);
            longest = std::max(longest, length / 86400 + 1);
        }
    }
    // A day either way for the difference between the event's zone and the local one.
    return static_cast<int>(std::min<qint64>(longest, 400)) + 2;
}

void HolidayEvent::addDaysOf(int year, const QTimeZone& local, QList<NamedDay>& out) const
{
    const QDate january(year, 1, 1);
    const QDate december(year, 12, 31);
    const QDate first = january.addDays(-reachBack());
    const QDate last = december.addDays(2);
    // One mark a date, however many occurrences touch it.
    QList<bool> marked(january.daysTo(december) + 1, false);
    const auto mark = [&](const Occurrence& occurrence) {
        const auto [from, to] = datesOf(occurrence, local);
        const qint64 begin = std::max<qint64>(0, january.daysTo(from));
        const qint64 end = std::min<qint64>(marked.size() - 1, january.daysTo(to));
        for (qint64 day = begin; day <= end; ++day)
            marked[day] = true;
        return true;
    };
    for (const Occurrence& occurrence : writtenOccurrences()) {
        const QDate date = wallDate(occurrence.start);
        if (date >= first && date <= last)
            mark(occurrence);
    }
    qint64 steps = MostSteps;
    const QList<icaltimetype> excepted = exceptedStarts(first, last, steps);
    for (icalproperty* rule : rules)
        walkRule(rule, first, last, excepted, mark, steps);
    for (qsizetype day = 0; day < marked.size(); ++day) {
        if (marked[day])
            out.append({january.addDays(day), name});
    }
}

std::optional<HolidayEvent::Years> HolidayEvent::years(const QTimeZone& local, int horizon,
                                                       qint64& steps) const
{
    std::optional<QDate> earliest;
    std::optional<QDate> latest;
    const auto widen = [&](const Occurrence& occurrence) {
        const auto [from, to] = datesOf(occurrence, local);
        earliest = earliest ? std::min(*earliest, from) : from;
        latest = latest ? std::max(*latest, to) : to;
    };
    for (const Occurrence& occurrence : writtenOccurrences())
        widen(occurrence);
    const QDate last(horizon, 12, 31);
    const QList<icaltimetype> excepted =
        rules.isEmpty() ? QList<icaltimetype>() : exceptedStarts(QDate(), last, steps);
    bool endless = false;
    for (icalproperty* rule : rules) {
        // A rule without an end needs following only to its first start.
        const icalrecurrencetype recurrence = icalproperty_get_rrule(rule);
        const bool open = recurrence.count == 0 && icaltime_is_null_time(recurrence.until);
        const Walk walked = walkRule(
            rule, QDate(), last, excepted,
            [&](const Occurrence& occurrence) {
                widen(occurrence);
                return !open;
            },
            steps);
        endless = endless || walked == Walk::Stopped || walked == Walk::PastLast;
    }
    if (endless)
        return Years{earliest ? earliest->year() : start.year, std::nullopt};
    if (!earliest)
        return std::nullopt;
    return Years{earliest->year(), latest->year()};
}
