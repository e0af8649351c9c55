#include "rota/HolidayCalendarParser.h"

#include "rota/HolidayEvent.h"
#include "rota/IcsOutline.h"

#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

#include <libical/ical.h>

#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Why an event cannot be read, and which of its properties says so.
struct Refusal
{
    QString reason;
    QString property; // empty: the event's BEGIN line
};

QString text(const char* value)
{
    return value ? QString::fromUtf8(value) : QString();
}

// The zone a property's TZID names: one of the library's own (the IANA names), else the
// file's VTIMEZONE of that TZID. Nullptr without a TZID (or for a date or UTC).
std::optional<const icaltimezone*> zoneOf(icalproperty* property, icalcomponent* calendar)
{
    icalparameter* parameter = icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER);
    if (!parameter)
        return nullptr;
    const char* tzid = icalparameter_get_tzid(parameter);
    if (!tzid || !*tzid)
        return std::nullopt;
    if (icaltimezone* zone = icaltimezone_get_builtin_timezone(tzid))
        return zone;
    if (icaltimezone* zone = icaltimezone_get_builtin_timezone_from_tzid(tzid))
        return zone;
    if (calendar) {
        if (icaltimezone* zone = icalcomponent_get_timezone(calendar, tzid))
            return zone;
    }
    return std::nullopt;
}

bool isDate(const icaltimetype& time)
{
    return !icaltime_is_null_time(time) && time.year >= 1 && time.year <= 9999 &&
           QDate(time.year, time.month, time.day).isValid() &&
           (time.is_date || (time.hour >= 0 && time.hour < 24 && time.minute >= 0 &&
                             time.minute < 60 && time.second >= 0 && time.second <= 60));
}

qsizetype listLength(const short* list, qsizetype size)
{
    qsizetype length = 0;
    while (length < size && list[length] != ICAL_RECURRENCE_ARRAY_MAX)
        ++length;
    return length;
}

class EventReader
{
public:
    EventReader(icalcomponent* event, icalcomponent* calendar)
        : m_event(event), m_calendar(calendar)
    {
    }

    std::optional<Refusal> read(HolidayEvent& out)
    {
        icalproperty* start = icalcomponent_get_first_property(m_event, ICAL_DTSTART_PROPERTY);
        if (!start)
            return Refusal{u"an event without a start (DTSTART)"_s, {}};
        if (auto refused = time(start, icalproperty_get_dtstart(start), out.start))
            return refused;
        out.name = text(icalcomponent_get_summary(m_event)).simplified();
        if (auto refused = readLength(out))
            return refused;
        for (icalproperty* rule = first(ICAL_RRULE_PROPERTY); rule;
             rule = next(ICAL_RRULE_PROPERTY)) {
            if (auto refused = checkRule(rule, out.start))
                return refused;
            out.rules.append(rule);
        }
        for (icalproperty* rule = first(ICAL_EXRULE_PROPERTY); rule;
             rule = next(ICAL_EXRULE_PROPERTY)) {
            if (auto refused = checkRule(rule, out.start))
                return refused;
            out.exceptRules.append(rule);
        }
        for (icalproperty* date = first(ICAL_RDATE_PROPERTY); date;
             date = next(ICAL_RDATE_PROPERTY)) {
            if (auto refused = readExtra(date, out))
                return refused;
        }
        for (icalproperty* date = first(ICAL_EXDATE_PROPERTY); date;
             date = next(ICAL_EXDATE_PROPERTY)) {
            icaltimetype excluded;
            if (auto refused = time(date, icalproperty_get_exdate(date), excluded))
                return refused;
            out.excluded.append(excluded);
        }
        return std::nullopt;
    }

    // The start this event replaces in the events of its UID (RECURRENCE-ID), if any.
    std::optional<Refusal> replaced(std::optional<icaltimetype>& out)
    {
        icalproperty* property = first(ICAL_RECURRENCEID_PROPERTY);
        if (!property)
            return std::nullopt;
        icaltimetype replaced;
        if (auto refused = time(property, icalproperty_get_recurrenceid(property), replaced))
            return refused;
        out = replaced;
        return std::nullopt;
    }

private:
    icalproperty* first(icalproperty_kind kind)
    {
        return icalcomponent_get_first_property(m_event, kind);
    }
    icalproperty* next(icalproperty_kind kind)
    {
        return icalcomponent_get_next_property(m_event, kind);
    }

    static QString nameOf(icalproperty* property)
    {
        return text(icalproperty_kind_to_string(icalproperty_isa(property)));
    }

    // A date or a time of the property, with the zone its TZID names.
    std::optional<Refusal> time(icalproperty* property, icaltimetype value, icaltimetype& out)
    {
        if (!isDate(value))
            return Refusal{u"%1 is not a date"_s.arg(nameOf(property)), nameOf(property)};
        if (!value.is_date && value.zone == nullptr) {
            const std::optional<const icaltimezone*> zone = zoneOf(property, m_calendar);
            if (!zone) {
                icalparameter* tzid =
                    icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER);
                return Refusal{
                    u"unknown time zone \"%1\""_s.arg(text(icalparameter_get_tzid(tzid))),
                    nameOf(property)};
            }
            value.zone = *zone;
        }
        if (value.is_date)
            value.zone = nullptr;
        out = value;
        return std::nullopt;
    }

    static Refusal tooLong(const QString& property)
    {
        return {u"an event longer than %1 days"_s.arg(HolidayCalendarParser::LongestDays),
                property};
    }

    std::optional<Refusal> readLength(HolidayEvent& out)
    {
        constexpr qint64 longest = qint64(HolidayCalendarParser::LongestDays) * 86400;
        qint64 seconds = out.start.is_date ? 86400 : 0;
        QString property;
        if (icalproperty* end = first(ICAL_DTEND_PROPERTY)) {
            property = u"DTEND"_s;
            icaltimetype until;
            if (auto refused = time(end, icalproperty_get_dtend(end), until))
                return refused;
            if (out.start.is_date) {
                const QDate from(out.start.year, out.start.month, out.start.day);
                seconds = from.daysTo(QDate(until.year, until.month, until.day)) * 86400;
            } else {
                // A date as the end of a timed event is its midnight, in the start's zone.
                if (until.is_date) {
                    until.is_date = 0;
                    until.hour = until.minute = until.second = 0;
                    until.zone = out.start.zone;
                }
                seconds = HolidayEvent::Instant(until) - HolidayEvent::Instant(out.start);
            }
        } else if (icalproperty* duration = first(ICAL_DURATION_PROPERTY)) {
            property = u"DURATION"_s;
            seconds = HolidayEvent::Seconds(icalproperty_get_duration(duration));
        }
        if (seconds > longest)
            return tooLong(property);
        if (out.start.is_date)
            out.days = static_cast<int>(std::max<qint64>(1, (seconds + 86399) / 86400));
        else
            out.seconds = std::max<qint64>(0, seconds);
        return std::nullopt;
    }

    std::optional<Refusal> checkRule(icalproperty* property, const icaltimetype& start)
    {
        const icalrecurrencetype rule = icalproperty_get_rrule(property);
        const QString name = nameOf(property);
        if (rule.freq == ICAL_NO_RECURRENCE)
            return Refusal{u"%1 has no FREQ"_s.arg(name), name};
        // Holidays are days: a rule that can give more than one start a day is refused rather
        // than followed through millions of starts.
        if (rule.freq < ICAL_DAILY_RECURRENCE || listLength(rule.by_hour, ICAL_BY_HOUR_SIZE) > 1 ||
            listLength(rule.by_minute, ICAL_BY_MINUTE_SIZE) > 1 ||
            listLength(rule.by_second, ICAL_BY_SECOND_SIZE) > 1)
            return Refusal{u"%1 repeats more often than daily"_s.arg(name), name};
        icalrecur_iterator* iterator = icalrecur_iterator_new(rule, start);
        if (!iterator)
            return Refusal{u"%1 cannot be followed"_s.arg(name), name};
        icalrecur_iterator_free(iterator);
        return std::nullopt;
    }

    std::optional<Refusal> readExtra(icalproperty* property, HolidayEvent& out)
    {
        const icaldatetimeperiodtype value = icalproperty_get_rdate(property);
        HolidayEvent::Occurrence occurrence{};
        if (!icaltime_is_null_time(value.time)) {
            if (auto refused = time(property, value.time, occurrence.start))
                return refused;
            out.extra.append(occurrence);
            return std::nullopt;
        }
        if (auto refused = time(property, value.period.start, occurrence.start))
            return refused;
        icaltimetype end = value.period.end;
        qint64 seconds = 0;
        if (icaltime_is_null_time(end)) {
            seconds = HolidayEvent::Seconds(value.period.duration);
        } else {
            if (auto refused = time(property, end, end))
                return refused;
            seconds = HolidayEvent::Instant(end) - HolidayEvent::Instant(occurrence.start);
        }
        if (seconds > qint64(HolidayCalendarParser::LongestDays) * 86400)
            return tooLong(nameOf(property));
        if (icaltime_is_null_time(end))
            end = icaltime_add(occurrence.start, icaldurationtype_from_int(static_cast<int>(
                                                     std::max<qint64>(0, seconds))));
        occurrence.end = end;
        out.extra.append(occurrence);
        return std::nullopt;
    }

    icalcomponent* m_event;
    icalcomponent* m_calendar;
};

// Whether a complaint of the library is about something the days are worked out from: it
// names one of those properties (or a TZID) and is more than an empty value.
bool concernsDays(const QString& reason)
{
    if (reason.startsWith(u"No value for "_s))
        return false;
    static const QStringList read = {u"DTSTART"_s,      u"DTEND"_s,         u"DURATION"_s,
                                     u"RRULE"_s,        u"RDATE"_s,         u"EXDATE"_s,
                                     u"EXRULE"_s,       u"RECURRENCE-ID"_s, u"TZID"_s,
                                     u"TZOFFSETFROM"_s, u"TZOFFSETTO"_s};
    static const QRegularExpression word(u"[A-Za-z][A-Za-z0-9-]*"_s);
    for (const QRegularExpressionMatch& match : word.globalMatch(reason)) {
        if (read.contains(match.captured().toUpper()))
            return true;
    }
    return false;
}

struct Walked
{
    icalcomponent* component;
    icalcomponent* calendar; // the VCALENDAR it is in
};

// The components in the order of their BEGIN lines.
void walk(icalcomponent* component, icalcomponent* calendar, std::vector<Walked>& out)
{
    if (icalcomponent_isa(component) == ICAL_VCALENDAR_COMPONENT)
        calendar = component;
    out.push_back({component, calendar});
    for (icalcomponent* child = icalcomponent_get_first_component(component, ICAL_ANY_COMPONENT);
         child; child = icalcomponent_get_next_component(component, ICAL_ANY_COMPONENT))
        walk(child, calendar, out);
}

QString calendarName(const std::vector<Walked>& components)
{
    for (const Walked& walked : components) {
        if (icalcomponent_isa(walked.component) != ICAL_VCALENDAR_COMPONENT)
            continue;
        for (icalproperty* property =
                 icalcomponent_get_first_property(walked.component, ICAL_X_PROPERTY);
             property;
             property = icalcomponent_get_next_property(walked.component, ICAL_X_PROPERTY)) {
            if (qstricmp(icalproperty_get_x_name(property), "X-WR-CALNAME") == 0) {
                const QString name = text(icalproperty_get_x(property)).simplified();
                if (!name.isEmpty())
                    return name;
            }
        }
    }
    return {};
}

// A refusal: the reason, and the line of the file it is at (0: none can be named).
struct Failure
{
    int line = 0;
    QString reason;
};

// The steps of reading one parsed file, each giving the first thing that refuses it.
class CalendarReader
{
public:
    CalendarReader(icalcomponent* root, const IcsOutline& outline) : m_outline(outline)
    {
        if (icalcomponent_isa(root) != ICAL_XROOT_COMPONENT) {
            walk(root, nullptr, m_components);
            return;
        }
        for (icalcomponent* child = icalcomponent_get_first_component(root, ICAL_ANY_COMPONENT);
             child; child = icalcomponent_get_next_component(root, ICAL_ANY_COMPONENT))
            walk(child, nullptr, m_components);
    }

    bool isCalendar() const
    {
        return !m_components.empty() &&
               icalcomponent_isa(m_components.front().component) == ICAL_VCALENDAR_COMPONENT;
    }

    // Nothing may stand beside the calendars: an event there would be left out.
    std::optional<Failure> outsideCalendar() const
    {
        for (qsizetype index = 0; index < size(); ++index) {
            if (!m_components[index].calendar) {
                const QString kind = text(
                    icalcomponent_kind_to_string(icalcomponent_isa(m_components[index].component)));
                return Failure{beginLine(index), u"%1 outside BEGIN:VCALENDAR"_s.arg(kind)};
            }
        }
        return std::nullopt;
    }

    // What the library could not read of the dates and zones refuses the file; an empty
    // property (Google's exports have "LOCATION:") or one no day depends on does not.
    std::optional<Failure> complaint() const
    {
        for (qsizetype index = 0; index < size(); ++index) {
            icalcomponent* component = m_components[index].component;
            for (icalproperty* problem =
                     icalcomponent_get_first_property(component, ICAL_XLICERROR_PROPERTY);
                 problem;
                 problem = icalcomponent_get_next_property(component, ICAL_XLICERROR_PROPERTY)) {
                QString reason = text(icalproperty_get_xlicerror(problem)).simplified();
                if (!concernsDays(reason))
                    continue;
                reason.replace(u". Removing entire property:"_s, u":"_s);
                return Failure{linesKnown() ? m_outline.lineOf(index, reason) : 0, reason};
            }
        }
        return std::nullopt;
    }

    // Every VEVENT, named `fallbackName` when it has no SUMMARY.
    std::optional<Failure> readEvents(const QString& fallbackName)
    {
        // What each UID's RECURRENCE-ID events replace.
        QHash<QString, QList<icaltimetype>> replacedOf;
        std::vector<QString> uids;
        std::vector<bool> isReplacement;
        for (qsizetype index = 0; index < size(); ++index) {
            const Walked& walked = m_components[index];
            if (icalcomponent_isa(walked.component) != ICAL_VEVENT_COMPONENT)
                continue;
            EventReader reader(walked.component, walked.calendar);
            HolidayEvent event;
            std::optional<icaltimetype> replaced;
            std::optional<Refusal> refused = reader.read(event);
            if (!refused)
                refused = reader.replaced(replaced);
            if (refused) {
                const int line = refused->property.isEmpty() || !linesKnown()
                                     ? beginLine(index)
                                     : m_outline.propertyLine(index, refused->property);
                return Failure{line, refused->reason};
            }
            if (event.name.isEmpty())
                event.name = fallbackName;
            const QString uid = text(icalcomponent_get_uid(walked.component));
            if (replaced && !uid.isEmpty())
                replacedOf[uid].append(*replaced);
            m_eventLines.push_back(beginLine(index));
            uids.push_back(uid);
            isReplacement.push_back(replaced.has_value());
            m_events.push_back(std::move(event));
        }
        // An event with a RECURRENCE-ID stands in for that start of the others of its UID.
        for (std::size_t index = 0; index < m_events.size(); ++index) {
            if (!isReplacement[index] && !uids[index].isEmpty())
                m_events[index].excluded.append(replacedOf.value(uids[index]));
        }
        return std::nullopt;
    }

    // The years the events cover, within HolidayCalendarParser::MostSteps.
    std::optional<Failure> workOutYears(const QTimeZone& local)
    {
        qint64 steps = HolidayCalendarParser::MostSteps;
        for (std::size_t index = 0; index < m_events.size(); ++index) {
            const std::optional<HolidayCalendar::Years> own =
                m_events[index].years(local, HolidayCalendar::LastDrawnYear, steps);
            if (steps <= 0)
                return Failure{m_eventLines[index], u"the rules repeat too often to be followed"_s};
            if (own)
                m_years = m_years ? m_years->joined(*own) : *own;
        }
        return std::nullopt;
    }

    QString name() const { return calendarName(m_components); }
    std::vector<HolidayEvent> takeEvents() { return std::move(m_events); }
    const std::optional<HolidayCalendar::Years>& years() const { return m_years; }

private:
    qsizetype size() const { return static_cast<qsizetype>(m_components.size()); }
    // Lines can be named when the library's components are those of the outline.
    bool linesKnown() const { return size() == m_outline.components().size(); }
    int beginLine(qsizetype index) const
    {
        return linesKnown() ? m_outline.components()[index].line : 0;
    }

    const IcsOutline& m_outline;
    std::vector<Walked> m_components;
    std::vector<HolidayEvent> m_events;
    std::vector<int> m_eventLines;
    std::optional<HolidayCalendar::Years> m_years;
};

} // namespace

HolidayCalendarParser::Result HolidayCalendarParser::Parse(const QByteArray& bytes,
                                                           const QString& fileName,
                                                           const QTimeZone& local)
{
    const auto failure = [&fileName](const Failure& failed) {
        Result result;
        result.error = failed.line > 0 ? u"%1:%2: %3"_s.arg(fileName, QString::number(failed.line),
                                                            failed.reason)
                                       : u"%1: %2"_s.arg(fileName, failed.reason);
        return result;
    };
    const Failure notCalendar{0, u"not an iCalendar file"_s};
    QByteArray content = bytes;
    if (content.startsWith("\xEF\xBB\xBF"))
        content.remove(0, 3);
    const IcsOutline outline(content);
    if (content.contains('\0') || !outline.looksLikeCalendar())
        return failure(notCalendar);
    if (outline.unpairedLine() > 0)
        return failure({outline.unpairedLine(), outline.unpairedReason()});

    icalerror_set_errors_are_fatal(0);
    const std::shared_ptr<icalcomponent> root(icalparser_parse_string(content.constData()),
                                              [](icalcomponent* component) {
                                                  if (component)
                                                      icalcomponent_free(component);
                                              });
    icalerrno = ICAL_NO_ERROR;
    if (!root)
        return failure(notCalendar);
    CalendarReader reader(root.get(), outline);
    if (!reader.isCalendar())
        return failure(notCalendar);
    QString name = reader.name();
    if (name.isEmpty())
        name = QFileInfo(fileName).fileName();
    std::optional<Failure> failed = reader.outsideCalendar();
    if (!failed)
        failed = reader.complaint();
    if (!failed)
        failed = reader.readEvents(name);
    if (!failed)
        failed = reader.workOutYears(local);
    if (failed)
        return failure(*failed);
    Result result;
    result.calendar.emplace(name, reader.takeEvents(), root, local, reader.years());
    return result;
}
