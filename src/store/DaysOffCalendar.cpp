#include "store/DaysOffCalendar.h"

#include "rota/DayNumbering.h"
#include "rota/GroupMatch.h"

namespace {

// Text values escape backslash, semicolon, comma and line breaks.
QString escaped(QString text)
{
    text.replace(u'\\', QStringLiteral("\\\\"));
    text.replace(u';', QStringLiteral("\\;"));
    text.replace(u',', QStringLiteral("\\,"));
    text.replace(u'\n', QStringLiteral("\\n"));
    return text;
}

// Content lines longer than 75 octets continue on lines that start with a blank.
void appendLine(QByteArray& out, const QString& line)
{
    const QByteArray utf8 = line.toUtf8();
    qsizetype start = 0;
    qsizetype limit = 75;
    while (utf8.size() - start > limit) {
        qsizetype cut = start + limit;
        // Never split a UTF-8 sequence.
        while (cut > start && (static_cast<unsigned char>(utf8[cut]) & 0xC0) == 0x80)
            --cut;
        out += utf8.mid(start, cut - start);
        out += "\r\n ";
        start = cut;
        limit = 74;
    }
    out += utf8.mid(start);
    out += "\r\n";
}

QString dateValue(QDate date)
{
    return date.toString(QStringLiteral("yyyyMMdd"));
}

void appendEvent(QByteArray& out, const QString& uid, const QString& stamp, QDate date,
                 const QString& summary, const QString& description)
{
    appendLine(out, QStringLiteral("BEGIN:VEVENT"));
    appendLine(out, QStringLiteral("UID:") + uid);
    appendLine(out, QStringLiteral("DTSTAMP:") + stamp);
    appendLine(out, QStringLiteral("DTSTART;VALUE=DATE:") + dateValue(date));
    appendLine(out, QStringLiteral("DTEND;VALUE=DATE:") + dateValue(date.addDays(1)));
    appendLine(out, QStringLiteral("SUMMARY:") + escaped(summary));
    if (!description.isEmpty())
        appendLine(out, QStringLiteral("DESCRIPTION:") + escaped(description));
    appendLine(out, QStringLiteral("TRANSP:TRANSPARENT"));
    appendLine(out, QStringLiteral("END:VEVENT"));
}

QString rotaName(RotaKind kind)
{
    return RotaKinds::Caption(kind).replace(QStringLiteral("&&"), QStringLiteral("&"));
}

} // namespace

bool DaysOffCalendar::KindAllowsGroup(RotaKind kind, const QString& groupLetter)
{
    const std::optional<int> button = RotaKinds::PatternButtonForGroup(groupLetter);
    return button && RotaKinds::IsPatternButtonEnabled(kind, *button);
}

QByteArray DaysOffCalendar::Build(const Request& request, RotaDay& rota, GoodFriday& goodFriday)
{
    QByteArray out;
    const QString stamp =
        request.stamp.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    const QString kindName = RotaKinds::CommandName(request.kind);
    const QString group = request.groupLetter;
    const std::optional<int> button = RotaKinds::PatternButtonForGroup(group);
    const QString highlightGroup = button ? RotaKinds::GroupForPatternButton(*button) : QString();

    appendLine(out, QStringLiteral("BEGIN:VCALENDAR"));
    appendLine(out, QStringLiteral("VERSION:2.0"));
    appendLine(out, QStringLiteral("PRODID:-//Kelvane//Kelvane %1.%2.%3//EN")
                        .arg(KELVANE_VERSION_MAJOR)
                        .arg(KELVANE_VERSION_MINOR)
                        .arg(KELVANE_VERSION_PATCH));
    appendLine(out, QStringLiteral("CALSCALE:GREGORIAN"));
    appendLine(out, QStringLiteral("METHOD:PUBLISH"));
    appendLine(out, QStringLiteral("X-WR-CALNAME:") +
                        escaped(QStringLiteral("RDO group %1 (%2)").arg(group, rotaName(request.kind))));

    int holidayYear = 0;
    HolidayYear holidays;
    for (QDate day = request.from; day.isValid() && day <= request.to; day = day.addDays(1)) {
        const qint32 dayNumber = DayNumbering::DayNumber(day);
        rota.PatternDay = DayNumbering::PatternPosition(request.kind, dayNumber, request.adjustment);
        GetPatterns(rota);
        if (rota.PatternDay >= 0 &&
            GroupMatch::IsHighlightedGroupOff(request.kind, highlightGroup, rota)) {
            appendEvent(out,
                        QStringLiteral("rdo-%1-%2-%3@kelvane").arg(kindName, group, dateValue(day)),
                        stamp, day, QStringLiteral("RDO"),
                        QStringLiteral("Group %1 day off, %2 rota").arg(group, rotaName(request.kind)));
        }
        if (day.year() != holidayYear) {
            holidayYear = day.year();
            goodFriday.GoodFridayYear = QString::number(holidayYear);
            GetGoodFriday(goodFriday);
            holidays = HolidayYear::From(goodFriday, holidayYear);
        }
        const int weekday = DayNumbering::WeekdayColumn(dayNumber);
        for (int index = 0; index < Holidays::Count; ++index) {
            if (request.holidays[static_cast<std::size_t>(index)] &&
                Holidays::IsHoliday(index, day.month(), day.day(), weekday, holidays)) {
                appendEvent(out, QStringLiteral("holiday-%1-%2@kelvane").arg(index).arg(dateValue(day)),
                            stamp, day, Holidays::Caption(index), QString());
            }
        }
    }
    appendLine(out, QStringLiteral("END:VCALENDAR"));
    return out;
}
