#include "export/DaysOffCalendar.h"

#include "rota/DayNumbering.h"
#include "rota/GroupMatch.h"

#include <QCryptographicHash>
#include <QHash>
#include <QSet>

using namespace Qt::StringLiterals;

namespace {

// Text values escape backslash, semicolon, comma and line breaks.
QString escaped(QString text)
{
    text.replace(u'\\', u"\\\\"_s);
    text.replace(u';', u"\\;"_s);
    text.replace(u',', u"\\,"_s);
    text.replace(u'\n', u"\\n"_s);
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
    return date.toString(u"yyyyMMdd"_s);
}

void appendEvent(QByteArray& out, const QString& uid, const QString& stamp, QDate date,
                 const QString& summary, const QString& description)
{
    appendLine(out, u"BEGIN:VEVENT"_s);
    appendLine(out, u"UID:"_s + uid);
    appendLine(out, u"DTSTAMP:"_s + stamp);
    appendLine(out, u"DTSTART;VALUE=DATE:"_s + dateValue(date));
    appendLine(out, u"DTEND;VALUE=DATE:"_s + dateValue(date.addDays(1)));
    appendLine(out, u"SUMMARY:"_s + escaped(summary));
    if (!description.isEmpty())
        appendLine(out, u"DESCRIPTION:"_s + escaped(description));
    appendLine(out, u"TRANSP:TRANSPARENT"_s);
    appendLine(out, u"END:VEVENT"_s);
}

// The days of the holiday files in one year, by date: the UID and the event's texts, once each.
struct FileDay
{
    QString uid;
    QString summary;
    QString calendar;
};

QHash<QDate, QList<FileDay>> fileDaysOf(const HolidayFileSet& files, int year)
{
    QHash<QDate, QList<FileDay>> byDate;
    QSet<QString> uids;
    for (const HolidayFileSet::Calendar& calendar : files.calendars()) {
        for (const NamedDay& day : calendar->daysOf(year)) {
            const QByteArray key = (calendar->name() + u'\n' + day.name).toUtf8();
            const QString hash = QString::fromLatin1(
                QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(12));
            const QString uid = u"holiday-file-%1-%2@kelvane"_s.arg(hash, dateValue(day.date));
            // The same holiday of a calendar of the same name is one event.
            if (!uids.contains(uid)) {
                uids.insert(uid);
                byDate[day.date].append({uid, day.name, calendar->name()});
            }
        }
    }
    return byDate;
}

} // namespace

QByteArray DaysOffCalendar::Build(const Request& request, GoodFriday& goodFriday)
{
    QByteArray out;
    const QString stamp = request.stamp.toUTC().toString(u"yyyyMMdd'T'HHmmss'Z'"_s);
    const Rota& chosen = request.rota;
    const QString rotaName = chosen.icsName();
    const QString group = request.groupLetter;
    // The group as the rota spells it; one it does not have is never off.
    const QString highlightGroup = chosen.group(group).value_or(QString());
    // A group is named as the pages, the key and the job names name it: "Pattern C", "Crew C".
    const QString pattern = chosen.groupCaption(group);

    appendLine(out, u"BEGIN:VCALENDAR"_s);
    appendLine(out, u"VERSION:2.0"_s);
    appendLine(out, u"PRODID:-//Kelvane//Kelvane %1.%2.%3//EN"_s.arg(KELVANE_VERSION_MAJOR)
                        .arg(KELVANE_VERSION_MINOR)
                        .arg(KELVANE_VERSION_PATCH));
    appendLine(out, u"CALSCALE:GREGORIAN"_s);
    appendLine(out, u"METHOD:PUBLISH"_s);
    appendLine(out, u"X-WR-CALNAME:"_s + escaped(u"RDO %1 (%2)"_s.arg(pattern, rotaName)));

    int holidayYear = 0;
    HolidayYear holidays;
    QHash<QDate, QList<FileDay>> fileDays;
    for (QDate day = request.from; day.isValid() && day <= request.to; day = day.addDays(1)) {
        const qint32 dayNumber = DayNumbering::DayNumber(day);
        if (GroupMatch::IsAmong(highlightGroup, chosen.groupsOff(dayNumber, request.adjustment))) {
            appendEvent(out, u"rdo-%1-%2-%3@kelvane"_s.arg(chosen.uidName(), group, dateValue(day)),
                        stamp, day, u"RDO"_s, u"%1 day off, %2 rota"_s.arg(pattern, rotaName));
        }
        if (day.year() != holidayYear) {
            holidayYear = day.year();
            goodFriday.GoodFridayYear = QString::number(holidayYear);
            GetGoodFriday(goodFriday);
            holidays = HolidayYear::From(goodFriday, holidayYear);
            if (!request.holidayFiles.isEmpty())
                fileDays = fileDaysOf(request.holidayFiles, holidayYear);
        }
        const int weekday = DayNumbering::WeekdayColumn(dayNumber);
        for (int index = 0; index < Holidays::Count; ++index) {
            if (request.holidays[static_cast<std::size_t>(index)] &&
                Holidays::IsHoliday(index, day.month(), day.day(), weekday, holidays)) {
                appendEvent(out, u"holiday-%1-%2@kelvane"_s.arg(index).arg(dateValue(day)), stamp,
                            day, Holidays::Caption(index), QString());
            }
        }
        for (const FileDay& fileDay : fileDays.value(day))
            appendEvent(out, fileDay.uid, stamp, day, fileDay.summary, fileDay.calendar);
    }
    appendLine(out, u"END:VCALENDAR"_s);
    return out;
}
