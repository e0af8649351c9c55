#include "CalendarFixture.h"
#include "CommandRun.h"
#include "RotaFiles.h"
#include "export/DaysOffCalendar.h"
#include "rota/GroupMatch.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestExportIcs : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    // The file export-ics writes with these arguments into the test folder; empty when the
    // command failed.
    QString exported(const QString& name, const QStringList& arguments)
    {
        const QString path = m_dir.filePath(name);
        const CommandRun run =
            CommandRun::Kelvane(QStringList{"export-ics", "--out", path} + arguments);
        return run.status == 0 ? CalendarFixture::ReadText(path) : QString();
    }

private slots:
    void daysOffMatchTheRota_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("group");
        QTest::newRow("as listed") << "four-two"
                                   << "C";
        QTest::newRow("any letter case") << "Four-TWO"
                                         << "c";
    }

    void daysOffMatchTheRota()
    {
        QFETCH(QString, kind);
        QFETCH(QString, group);
        const QString ics =
            exported("c.ics", {"--kind", kind, "--group", group, "--from", "2024-01-01", "--to",
                               "2024-12-31", "--holidays", "0000000000000"});
        QVERIFY(ics.startsWith(u"BEGIN:VCALENDAR\r\nVERSION:2.0\r\n"_s));
        QVERIFY(ics.endsWith(u"END:VCALENDAR\r\n"_s));

        QStringList expected;
        const Rota rota = Rota::BuiltIn(RotaKind::FourTwo);
        for (QDate day(2024, 1, 1); day.year() == 2024; day = day.addDays(1)) {
            if (GroupMatch::IsAmong(u"C"_s, rota.groupsOff(day, 0)))
                expected << day.toString(u"yyyyMMdd"_s);
        }
        QStringList found;
        static const QRegularExpression start(u"DTSTART;VALUE=DATE:(\\d{8})"_s);
        for (auto match = start.globalMatch(ics); match.hasNext();)
            found << match.next().captured(1);
        QCOMPARE(found, expected);
        QCOMPARE(ics.count(u"SUMMARY:RDO\r\n"_s), expected.size());
        QVERIFY(ics.contains(u"UID:rdo-four-two-C-"_s + expected.first() + u"@kelvane\r\n"_s));
    }

    // One group's days off, on exactly the days the rota gives it; the adjustment does not move
    // an own rota.
    void exportsAGroupOfAnOwnRota()
    {
        DaysOffCalendar::Request request;
        const std::optional<Rota> rota = RotaFiles::Read(RotaFiles::FourOnFourOff);
        QVERIFY(rota);
        request.rota = *rota;
        request.groupLetter = u"B"_s;
        request.from = QDate(2027, 1, 1);
        request.to = QDate(2027, 1, 31);
        request.adjustment = 5;
        GoodFriday goodFriday;
        const QString ics = QString::fromUtf8(DaysOffCalendar::Build(request, goodFriday));
        QVERIFY(ics.contains(u"X-WR-CALNAME:RDO Pattern B (Four On Four Off)\r\n"_s));
        QVERIFY(ics.contains(u"UID:rdo-own-Four%20On%20Four%20Off-B-20270104@kelvane\r\n"_s));
        QStringList dates;
        for (const QString& line : ics.split(u"\r\n"_s)) {
            if (line.startsWith(u"DTSTART;VALUE=DATE:"_s))
                dates << line.section(u':', 1);
        }
        QStringList expected;
        for (QDate day = request.from; day <= request.to; day = day.addDays(1)) {
            if (GroupMatch::IsAmong(u"B"_s, rota->groupsOff(day, 0)))
                expected << day.toString(u"yyyyMMdd"_s);
        }
        QCOMPARE(expected.size(), 16);
        QCOMPARE(dates, expected);
    }

    // A group named freely, given in another case: named by the file's word, and never
    // mistaken for a group whose name starts the same.
    void exportsAFreelyNamedGroup()
    {
        CalendarFixture::WriteFile(m_dir.filePath(u"kelly.rota"_s),
                                   "name = Kelly\nstart = 2027-01-04\ngroups = C C7\n"
                                   "group word = Kelly group\npattern = WO\nshift = 1\n");
        const QString ics =
            exported("k.ics", {"--rota", m_dir.filePath(u"kelly.rota"_s), "--group", "c7", "--from",
                               "2027-01-04", "--to", "2027-01-13", "--holidays", "0000000000000"});
        QVERIFY(ics.contains(u"X-WR-CALNAME:RDO Kelly group C7 (Kelly)\r\n"_s));
        QVERIFY(ics.contains(u"DESCRIPTION:Kelly group C7 day off\\, Kelly rota\r\n"_s));
        QCOMPARE(ics.count(u"UID:rdo-own-Kelly-C7-"_s), 5);
        QVERIFY(ics.contains(u"UID:rdo-own-Kelly-C7-20270104@kelvane\r\n"_s));
    }

    void holidaysAreTheirOwnEvents()
    {
        const QString ics =
            exported("h.ics", {"--kind", "cg-six-two", "--group", "3", "--from", "2024-03-01",
                               "--to", "2024-04-30", "--holidays", "0100000000100"});
        QVERIFY(ics.contains(u"UID:holiday-1-20240329@kelvane\r\n"_s));
        QVERIFY(ics.contains(u"SUMMARY:Good Friday\r\n"_s));
        QVERIFY(ics.contains(u"UID:holiday-10-20240331@kelvane\r\n"_s));
        QCOMPARE(ics.count(u"UID:holiday-"_s), 2);
    }

    // A holiday file's days in the range are events as the thirteen are: the holiday's name
    // escaped, the calendar's name as the description, a UID of its own once per holiday.
    void holidayFileDaysAreEvents()
    {
        const QString file = m_dir.filePath(u"bank.ics"_s);
        CalendarFixture::WriteFile(file, "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:x\r\n"
                                         "X-WR-CALNAME:Bank\r\nBEGIN:VEVENT\r\nUID:a\r\n"
                                         "DTSTART;VALUE=DATE:20240506\r\n"
                                         "RRULE:FREQ=YEARLY;BYMONTH=5;BYDAY=1MO\r\n"
                                         "SUMMARY:Early May\\, bank holiday\r\nEND:VEVENT\r\n"
                                         "END:VCALENDAR\r\n");
        const QStringList range{"--kind",     "four-two",     "--group", "A",
                                "--from",     "2024-05-01",   "--to",    "2025-05-04",
                                "--holidays", "0000000000000"};
        const QString ics =
            exported("f.ics", range + QStringList{"--holiday-file", file, "--holiday-file", file});
        QCOMPARE(ics.count(u"SUMMARY:Early May\\, bank holiday\r\nDESCRIPTION:Bank\r\n"_s), 1);
        static const QRegularExpression uid(
            u"UID:holiday-file-[0-9a-f]{12}-20240506@kelvane\r\n"_s);
        QVERIFY(uid.match(ics).hasMatch());
        // Without the file the export is as it was.
        QCOMPARE(exported("g.ics", range).count(u"BEGIN:VEVENT"_s),
                 ics.count(u"BEGIN:VEVENT"_s) - 1);
    }

    void uidsAreStableAcrossExports()
    {
        const QStringList choices{"--kind", "three-three", "--group", "K",
                                  "--from", "2025-01-01",  "--to",    "2025-02-01"};
        auto uids = [](const QString& ics) {
            QStringList list;
            for (const QString& line : ics.split(u'\n'))
                if (line.startsWith("UID:"))
                    list << line.trimmed();
            return list;
        };
        const QStringList first = uids(exported("1.ics", choices));
        QCOMPARE(first, uids(exported("2.ics", choices)));
        QVERIFY(!first.isEmpty());
    }

    void aRealParserReadsTheFile_data()
    {
        QTest::addColumn<QStringList>("rota");
        QTest::addColumn<int>("fewest");
        QTest::addColumn<int>("most");
        // Group B of four-and-two is off two days in six, plus eight default holidays.
        QTest::newRow("combination") << QStringList{"--kind", "combination"} << 100 << 140;
        // Four days in eight of 2024's 366, plus eight holidays.
        QTest::newRow("rota of your own")
            << QStringList{"--rota", m_dir.filePath(u"four.rota"_s)} << 188 << 194;
    }

    void aRealParserReadsTheFile()
    {
        QFETCH(QStringList, rota);
        QFETCH(int, fewest);
        QFETCH(int, most);
        const QString python = u"/usr/bin/python3"_s;
        QProcess probe;
        probe.start(python, {"-c", "import icalendar"});
        if (!probe.waitForFinished(20000) || probe.exitCode() != 0)
            QSKIP("python3-icalendar is not installed");
        CalendarFixture::WriteFile(m_dir.filePath(u"four.rota"_s), RotaFiles::FourOnFourOff);
        QVERIFY(!exported("p.ics", rota + QStringList{"--group", "B", "--from", "2024-01-01",
                                                      "--to", "2024-12-31"})
                     .isEmpty());
        const QString path = m_dir.filePath(u"p.ics"_s);
        QProcess parser;
        parser.start(python, {"-c",
                              "import sys, icalendar\n"
                              "cal = icalendar.Calendar.from_ical(open(sys.argv[1], 'rb').read())\n"
                              "events = [e for e in cal.walk('VEVENT')]\n"
                              "assert all(e.get('DTSTART').dt for e in events)\n"
                              "assert len({str(e.get('UID')) for e in events}) == len(events)\n"
                              "print(len(events))\n",
                              path});
        QVERIFY(parser.waitForFinished(30000));
        QCOMPARE(parser.exitCode(), 0);
        const int events = QString::fromUtf8(parser.readAllStandardOutput()).trimmed().toInt();
        QVERIFY2(events >= fewest && events <= most, qPrintable(QString::number(events)));
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("arguments");
        const QStringList base{"export-ics", "--from", "2024-01-01", "--to",
                               "2024-02-01", "--out",  "x.ics"};
        QTest::newRow("no kind") << base + QStringList{"--group", "1"};
        QTest::newRow("group of another rota")
            << base + QStringList{"--kind", "four-two", "--group", "1"};
        QTest::newRow("G under five-two-five-three")
            << base + QStringList{"--kind", "five-two-five-three", "--group", "G"};
        QTest::newRow("no pattern has no groups")
            << base + QStringList{"--kind", "none", "--group", "1"};
        QTest::newRow("bad bits") << base + QStringList{"--kind", "0",          "--group",
                                                        "1",      "--holidays", "10"};
        QTest::newRow("to before from")
            << QStringList{"export-ics", "--kind", "0",          "--group", "1",    "--from",
                           "2024-02-01", "--to",   "2024-01-01", "--out",   "x.ics"};
        QTest::newRow("before 1901")
            << QStringList{"export-ics", "--kind", "0",          "--group", "1",    "--from",
                           "1900-02-01", "--to",   "1901-01-01", "--out",   "x.ics"};
        QTest::newRow("kind and rota")
            << base + QStringList{"--kind", "0", "--rota", "four.rota", "--group", "1"};
        QTest::newRow("no such rota file")
            << base + QStringList{"--rota", "none.rota", "--group", "A"};
        QTest::newRow("out is a folder")
            << base + QStringList{"--kind", "0", "--group", "1", "--out", QDir::tempPath()};
    }

    void refusals()
    {
        QFETCH(QStringList, arguments);
        const CommandRun result = CommandRun::Kelvane(arguments);
        QCOMPARE(result.status, CommandLine::BadArguments);
        QVERIFY(!result.err.isEmpty());
        QVERIFY(!QFile::exists(u"x.ics"_s));
    }
};

QTEST_GUILESS_MAIN(TestExportIcs)
#include "tst_exportics.moc"
