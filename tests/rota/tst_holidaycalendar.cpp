// Holiday calendar files of the shapes governments, schools and calendar services publish,
// read as an independent iCalendar reader (python3-icalendar with dateutil) reads them.
#include "rota/HolidayCalendarParser.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray crlf(QByteArray text)
{
    return text.replace("\n", "\r\n");
}

// One VEVENT a date, year by year, CRLF, folded lines, a name of its own; empty properties
// and an alarm as calendar services export them.
const QByteArray ExplicitDates =
    crlf("BEGIN:VCALENDAR\n"
         "VERSION:2.0\n"
         "PRODID:-//Bank holidays//EN\n"
         "X-WR-CALNAME:England and Wales\n"
         "  bank holidays\n"
         "BEGIN:VEVENT\n"
         "UID:2023-12-25@example\n"
         "DTSTAMP:20230101T000000Z\n"
         "DTSTART;VALUE=DATE:20231225\n"
         "DTEND;VALUE=DATE:20231226\n"
         "SUMMARY:Christmas Day\n"
         "LOCATION:\n"
         "DESCRIPTION:\n"
         "BEGIN:VALARM\n"
         "TRIGGER:-PT15M\n"
         "ACTION:DISPLAY\n"
         "END:VALARM\n"
         "END:VEVENT\n"
         "BEGIN:VEVENT\n"
         "UID:2024-01-01@example\n"
         "DTSTART;VALUE=DATE:20240101\n"
         "DTEND;VALUE=DATE:20240102\n"
         "SUMMARY:New Year\xE2\x80\x99s Day (substitute day, as the f\n"
         " irst falls on a Sunday)\n"
         "END:VEVENT\n"
         "BEGIN:VEVENT\n"
         "UID:2024-05-27@example\n"
         "DTSTART;VALUE=DATE:20240527\n"
         "SUMMARY:Spring bank holiday\n"
         "END:VEVENT\n"
         "BEGIN:VEVENT\n"
         "UID:2025-12-25@example\n"
         "DTSTART;VALUE=DATE:20251225\n"
         "DTEND;VALUE=DATE:20251226\n"
         "SUMMARY:Christmas Day\n"
         "END:VEVENT\n"
         "END:VCALENDAR\n");

// Yearly rules, each from the first year it was kept, most without an end.
const QByteArray YearlyRules = "BEGIN:VCALENDAR\n"
                               "VERSION:2.0\n"
                               "BEGIN:VEVENT\n"
                               "DTSTART;VALUE=DATE:20200525\n"
                               "RRULE:FREQ=YEARLY;BYMONTH=5;BYDAY=-1MO\n"
                               "SUMMARY:Memorial Day\n"
                               "END:VEVENT\n"
                               "BEGIN:VEVENT\n"
                               "DTSTART;VALUE=DATE:20200907\n"
                               "DTEND;VALUE=DATE:20200908\n"
                               "RRULE:FREQ=YEARLY;BYMONTH=9;BYDAY=1MO\n"
                               "SUMMARY:Labor Day\n"
                               "END:VEVENT\n"
                               "BEGIN:VEVENT\n"
                               "DTSTART;VALUE=DATE:20201126\n"
                               "RRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=4TH\n"
                               "SUMMARY:Thanksgiving\n"
                               "END:VEVENT\n"
                               "BEGIN:VEVENT\n"
                               "DTSTART;VALUE=DATE:20210704\n"
                               "RRULE:FREQ=YEARLY;BYMONTH=7;BYMONTHDAY=4;UNTIL=20280101\n"
                               "SUMMARY:Independence Day\n"
                               "END:VEVENT\n"
                               "BEGIN:VEVENT\n"
                               "DTSTART;VALUE=DATE:20210120\n"
                               "RRULE:FREQ=YEARLY;INTERVAL=4\n"
                               "SUMMARY:Inauguration Day\n"
                               "END:VEVENT\n"
                               "END:VCALENDAR\n";

// A rule with a year left out, days added, and one year's holiday moved by an event of its own.
const QByteArray Exceptions = "BEGIN:VCALENDAR\n"
                              "BEGIN:VEVENT\n"
                              "UID:early-may\n"
                              "DTSTART;VALUE=DATE:20180507\n"
                              "RRULE:FREQ=YEARLY;BYMONTH=5;BYDAY=1MO;COUNT=10\n"
                              "EXDATE;VALUE=DATE:20200504,20220502\n"
                              "RDATE;VALUE=DATE:20200508\n"
                              "RDATE;VALUE=DATE:20220603,20220602\n"
                              "SUMMARY:Early May bank holiday\n"
                              "END:VEVENT\n"
                              "BEGIN:VEVENT\n"
                              "UID:early-may\n"
                              "RECURRENCE-ID;VALUE=DATE:20230501\n"
                              "DTSTART;VALUE=DATE:20230508\n"
                              "SUMMARY:Coronation bank holiday\n"
                              "END:VEVENT\n"
                              "END:VCALENDAR\n";

// A plant's shutdown over the new year, every year for three years; and a school half term.
const QByteArray Shutdown = "BEGIN:VCALENDAR\n"
                            "X-WR-CALNAME:Plant shutdown\n"
                            "BEGIN:VEVENT\n"
                            "DTSTART;VALUE=DATE:20231223\n"
                            "DTEND;VALUE=DATE:20240102\n"
                            "RRULE:FREQ=YEARLY;COUNT=3\n"
                            "SUMMARY:Winter shutdown\n"
                            "END:VEVENT\n"
                            "BEGIN:VEVENT\n"
                            "DTSTART;VALUE=DATE:20240212\n"
                            "DURATION:P5D\n"
                            "SUMMARY:Half term\n"
                            "END:VEVENT\n"
                            "END:VCALENDAR\n";

// Timed events: in a zone of their own, in UTC, floating, crossing midnight, and a timed rule.
const QByteArray Timed = "BEGIN:VCALENDAR\n"
                         "X-WR-CALNAME:Timed\n"
                         "BEGIN:VEVENT\n"
                         "DTSTART;TZID=Asia/Tokyo:20240101T060000\n"
                         "DTEND;TZID=Asia/Tokyo:20240101T100000\n"
                         "SUMMARY:Tokyo morning\n"
                         "END:VEVENT\n"
                         "BEGIN:VEVENT\n"
                         "DTSTART:20240704T030000Z\n"
                         "DTEND:20240704T050000Z\n"
                         "SUMMARY:UTC early hours\n"
                         "END:VEVENT\n"
                         "BEGIN:VEVENT\n"
                         "DTSTART:20240301T220000\n"
                         "DTEND:20240302T000000\n"
                         "SUMMARY:Floating evening\n"
                         "END:VEVENT\n"
                         "BEGIN:VEVENT\n"
                         "DTSTART:20240401T220000\n"
                         "DURATION:PT4H\n"
                         "SUMMARY:Past midnight\n"
                         "END:VEVENT\n"
                         "BEGIN:VEVENT\n"
                         "DTSTART;TZID=Europe/Berlin:20231231T230000\n"
                         "DURATION:PT2H\n"
                         "RRULE:FREQ=YEARLY\n"
                         "EXDATE;TZID=Europe/Berlin:20251231T230000\n"
                         "SUMMARY:Berlin new year\n"
                         "END:VEVENT\n"
                         "END:VCALENDAR\n";

const QByteArray Empty = "BEGIN:VCALENDAR\nVERSION:2.0\nPRODID:-//Empty//EN\nEND:VCALENDAR\n";

QString listing(const HolidayCalendar& calendar, const QList<int>& years)
{
    QStringList lines;
    for (const int year : years) {
        const QList<NamedDay> days = calendar.daysOf(year);
        for (const NamedDay& day : days)
            lines.append(day.date.toString(Qt::ISODate) + u' ' + day.name);
    }
    return lines.join(u'\n');
}

} // namespace

class TestHolidayCalendar : public QObject
{
    Q_OBJECT

private slots:
    void shapes_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QList<int>>("years");
        const QList<int> around = {2019, 2020, 2021, 2022, 2023, 2024, 2025, 2026, 2027, 2028};
        QTest::newRow("explicit dates") << ExplicitDates << u"Europe/London"_s << around;
        QTest::newRow("yearly rules") << YearlyRules << u"America/New_York"_s << around;
        QTest::newRow("EXDATE, RDATE, RECURRENCE-ID") << Exceptions << u"Europe/London"_s << around;
        QTest::newRow("shutdown") << Shutdown << u"Europe/Berlin"_s << around;
        QTest::newRow("timed, New York") << Timed << u"America/New_York"_s << around;
        QTest::newRow("timed, Tokyo") << Timed << u"Asia/Tokyo"_s << around;
        QTest::newRow("empty") << Empty << u"UTC"_s << around;
    }

    // Every date the other reader finds, and no other.
    void shapes()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, zone);
        QFETCH(QList<int>, years);
        const HolidayCalendarParser::Result read =
            HolidayCalendarParser::Parse(file, u"holidays.ics"_s, QTimeZone(zone.toLatin1()));
        QVERIFY2(read.calendar, qPrintable(read.error));

        QTemporaryDir dir;
        const QString path = dir.filePath(u"holidays.ics"_s);
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(file) == file.size());
        out.close();
        QStringList arguments = {QStringLiteral(KELVANE_HOLIDAY_REFERENCE), path, zone};
        for (const int year : years)
            arguments.append(QString::number(year));
        QProcess reference;
        // Debian's own python, where python3-icalendar installs, before any other on the PATH.
        const QString python =
            QFile::exists(u"/usr/bin/python3"_s) ? u"/usr/bin/python3"_s : u"python3"_s;
        reference.start(python, arguments);
        QVERIFY2(reference.waitForFinished(60000), "python3 did not finish");
        if (reference.exitCode() == 77)
            QSKIP(qPrintable(u"python3-icalendar is missing (scripts/setup installs it): "_s +
                             QString::fromUtf8(reference.readAllStandardError()).trimmed()));
        QVERIFY2(reference.exitCode() == 0, reference.readAllStandardError().constData());

        QStringList expected =
            QString::fromUtf8(reference.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        QStringList ours = listing(*read.calendar, years).split(u'\n', Qt::SkipEmptyParts);
        expected.sort();
        ours.sort();
        QCOMPARE(ours.join(u'\n'), expected.join(u'\n'));
    }

    // The rules both readers must agree on, spelt out.
    void namedDays_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("zone");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("days");
        QTest::newRow("DTEND exclusive, none: one day, folded name")
            << ExplicitDates << u"UTC"_s << 2024
            << u"2024-01-01 New Year\u2019s Day (substitute day, as the first falls on a Sunday)\n"
               "2024-05-27 Spring bank holiday"_s;
        QTest::newRow("last Monday, 4th Thursday")
            << YearlyRules << u"UTC"_s << 2027
            << u"2027-05-31 Memorial Day\n2027-07-04 Independence Day\n2027-09-06 Labor Day\n"
               "2027-11-25 Thanksgiving"_s;
        QTest::newRow("moved") << Exceptions << u"UTC"_s << 2023
                               << u"2023-05-08 Coronation bank holiday"_s;
        QTest::newRow("shutdown into the year, half term")
            << Shutdown << u"UTC"_s << 2024
            << u"2024-01-01 Winter shutdown\n2024-02-12 Half term\n2024-02-13 Half term\n"
               "2024-02-14 Half term\n2024-02-15 Half term\n2024-02-16 Half term\n"
               "2024-12-23 Winter shutdown\n2024-12-24 Winter shutdown\n2024-12-25 Winter "
               "shutdown\n"
               "2024-12-26 Winter shutdown\n2024-12-27 Winter shutdown\n2024-12-28 Winter "
               "shutdown\n"
               "2024-12-29 Winter shutdown\n2024-12-30 Winter shutdown\n2024-12-31 Winter shutdown"_s;
        // Tokyo's morning is New York's evening before; Berlin's new year at 23:00 is 17:00.
        QTest::newRow("zones") << Timed << u"America/New_York"_s << 2023
                               << u"2023-12-31 Tokyo morning\n2023-12-31 Berlin new year"_s;
        // The UTC event runs from 23:00 to 01:00 in New York.
        QTest::newRow("floating up to midnight, UTC in the local zone")
            << Timed << u"America/New_York"_s << 2024
            << u"2024-03-01 Floating evening\n2024-04-01 Past midnight\n2024-04-02 Past midnight\n"
               "2024-07-03 UTC early hours\n2024-07-04 UTC early hours\n2024-12-31 Berlin new year"_s;
    }

    void namedDays()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, zone);
        QFETCH(int, year);
        QFETCH(QString, days);
        const HolidayCalendarParser::Result read =
            HolidayCalendarParser::Parse(file, u"holidays.ics"_s, QTimeZone(zone.toLatin1()));
        QVERIFY2(read.calendar, qPrintable(read.error));
        QCOMPARE(listing(*read.calendar, {year}), days);
    }

    // The calendar's name, the years it covers, and the note for a year outside them.
    void coverage_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("years");
        QTest::addColumn<QString>("note");
        QTest::newRow("explicit") << ExplicitDates << 2031 << u"2023-2025"_s
                                  << u"England and Wales bank holidays covers 2023-2025; 2031 "
                                     "has none of its days"_s;
        QTest::newRow("inside") << ExplicitDates << 2024 << u"2023-2025"_s << QString();
        QTest::newRow("endless")
            << YearlyRules << 2019 << u"2020 onwards"_s
            << u"holidays.ics covers 2020 onwards; 2019 has none of its days"_s;
        QTest::newRow("counted past the year's end")
            << Shutdown << 2027 << u"2023-2026"_s
            << u"Plant shutdown covers 2023-2026; 2027 has none of its days"_s;
        // Found by fuzz_holidayfile: the library gives 29 February 600 (a Julian leap day), which
        // ended the rule there.
        QTest::newRow("through a Julian leap day")
            << QByteArray("BEGIN:VCALENDAR\nBEGIN:VEVENT\nDTSTART;VALUE=DATE:02020525\n"
                          "RRULE:FREQ=YEARLY;BYMONTH=2;BYDAY=-1MO\nEND:VEVENT\nEND:VCALENDAR\n")
            << 2024 << u"202 onwards"_s << QString();
        QTest::newRow("empty") << Empty << 2024 << u"no year"_s
                               << u"holidays.ics covers no year; 2024 has none of its days"_s;
    }

    void coverage()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, year);
        QFETCH(QString, years);
        QFETCH(QString, note);
        const HolidayCalendarParser::Result read =
            HolidayCalendarParser::Parse(file, u"/downloads/holidays.ics"_s, QTimeZone::utc());
        QVERIFY2(read.calendar, qPrintable(read.error));
        QCOMPARE(read.calendar->yearsText(), years);
        QCOMPARE(read.calendar->coverageNote(year), note);
    }

    // One line naming the file (and the line where there is one), no calendar.
    void refused_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("error");
        const QByteArray begin = "BEGIN:VCALENDAR\nBEGIN:VEVENT\n";
        const QByteArray end = "END:VEVENT\nEND:VCALENDAR\n";
        QTest::newRow("text") << QByteArray("Bank holidays\n2024-01-01 New Year\n")
                              << u"f.ics: not an iCalendar file"_s;
        QTest::newRow("empty") << QByteArray() << u"f.ics: not an iCalendar file"_s;
        QTest::newRow("NUL") << QByteArray("BEGIN:VCALENDAR\n\0END:VCALENDAR\n", 31)
                             << u"f.ics: not an iCalendar file"_s;
        QTest::newRow("cut short") << QByteArray(begin + "DTSTART;VALUE=DATE:20240101\n")
                                   << u"f.ics:2: BEGIN:VEVENT without its END"_s;
        QTest::newRow("crossed") << QByteArray(begin + "END:VCALENDAR\nEND:VEVENT\n")
                                 << u"f.ics:3: END:VCALENDAR where END:VEVENT belongs"_s;
        QTest::newRow("bad date")
            << QByteArray(begin + "SUMMARY:x\nDTSTART;VALUE=DATE:tomorrow\n" + end)
            << u"f.ics:4: Can't parse as DATE value in DTSTART property: tomorrow"_s;
        QTest::newRow("bad rule")
            << QByteArray(begin + "DTSTART;VALUE=DATE:20240101\nRRULE:FREQ=SOMETIMES\n" + end)
            << u"f.ics:4: Can't parse as RECUR value in RRULE property: FREQ=SOMETIMES"_s;
        QTest::newRow("line without its colon")
            << QByteArray(begin + "DTSTART;VALUE=DATE:20240101\nEXDATE 20240101\n" + end)
            << u"f.ics:4: Got a data line, but could not find a property name or component begin "
               "tag: EXDATE 20240101"_s;
        QTest::newRow("event after the calendar")
            << QByteArray("BEGIN:VCALENDAR\nEND:VCALENDAR\n" + begin.sliced(16) +
                          "DTSTART;VALUE=DATE:20240101\nEND:VEVENT\n")
            << u"f.ics:3: VEVENT outside BEGIN:VCALENDAR"_s;
        QTest::newRow("no start") << QByteArray(begin + "SUMMARY:x\n" + end)
                                  << u"f.ics:2: an event without a start (DTSTART)"_s;
        QTest::newRow("no such day") << QByteArray(begin + "DTSTART;VALUE=DATE:20230229\n" + end)
                                     << u"f.ics:3: DTSTART is not a date"_s;
        QTest::newRow("unknown zone")
            << QByteArray(begin + "DTSTART;TZID=Mars/Olympus:20240101T100000\n" + end)
            << u"f.ics:3: unknown time zone \"Mars/Olympus\""_s;
        QTest::newRow("hourly") << QByteArray(begin +
                                              "DTSTART:20240101T100000\nRRULE:FREQ=HOURLY\n" + end)
                                << u"f.ics:4: RRULE repeats more often than daily"_s;
        QTest::newRow("two a day")
            << QByteArray(begin + "DTSTART:20240101T100000\nRRULE:FREQ=DAILY;BYHOUR=1,2\n" + end)
            << u"f.ics:4: RRULE repeats more often than daily"_s;
        const QByteArray daily = "BEGIN:VEVENT\nDTSTART;VALUE=DATE:00010101\n"
                                 "RRULE:FREQ=DAILY;COUNT=1000000\nEND:VEVENT\n";
        QTest::newRow("rules without end in sight")
            << QByteArray("BEGIN:VCALENDAR\n" + daily + daily + "END:VCALENDAR\n")
            << u"f.ics:6: the rules repeat too often to be followed"_s;
        QTest::newRow("two years")
            << QByteArray(begin + "DTSTART;VALUE=DATE:20240101\nDTEND;VALUE=DATE:20260101\n" + end)
            << u"f.ics:4: an event longer than 366 days"_s;
    }

    void refused()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, error);
        const HolidayCalendarParser::Result read = HolidayCalendarParser::Parse(file, u"f.ics"_s);
        QVERIFY(!read.calendar);
        QCOMPARE(read.error, error);
    }
};

QTEST_GUILESS_MAIN(TestHolidayCalendar)
#include "tst_holidaycalendar.moc"
