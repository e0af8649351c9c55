#include "CalendarFixture.h"
#include "CommandRun.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// A published shape: CRLF, a folded calendar name, one date written out, a yearly rule and a
// name with an escaped comma and a control character.
const QByteArray Scottish = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\n"
                            "X-WR-CALNAME:Scottish bank\r\n  holidays\r\n"
                            "BEGIN:VEVENT\r\nUID:a\r\nDTSTART;VALUE=DATE:20240102\r\n"
                            "SUMMARY:2nd January\r\nEND:VEVENT\r\n"
                            "BEGIN:VEVENT\r\nUID:b\r\nDTSTART;VALUE=DATE:20240805\r\n"
                            "RRULE:FREQ=YEARLY;BYMONTH=8;BYDAY=1MO;UNTIL=20261231\r\n"
                            "SUMMARY:Summer\\, Scotland\x1b[2J\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
const QByteArray Shutdown = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\n"
                            "BEGIN:VEVENT\r\nUID:s\r\nDTSTART;VALUE=DATE:20250804\r\n"
                            "DTEND;VALUE=DATE:20250806\r\nSUMMARY:Shutdown\r\nEND:VEVENT\r\n"
                            "END:VCALENDAR\r\n";

} // namespace

class TestHolidayFileOptions : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    // The arguments with "@name" made the path of that file in the test folder.
    QStringList placed(QStringList arguments) const
    {
        for (QString& argument : arguments) {
            if (argument.startsWith(u'@'))
                argument = m_dir.filePath(argument.sliced(1));
        }
        return arguments;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        CalendarFixture::WriteFile(m_dir.filePath(u"scottish.ics"_s), Scottish);
        CalendarFixture::WriteFile(m_dir.filePath(u"shutdown.ics"_s), Shutdown);
        CalendarFixture::WriteFile(m_dir.filePath(u"notes\x01.ics"_s), "BEGIN:VTODO\r\n");
        QVERIFY(QDir(m_dir.path()).mkdir(u"folder.ics"_s));
    }

    // The lines after the thirteen, or the one line on standard error of a refused file (the
    // test folder written as @).
    void holidaysListsTheFilesDays_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QString>("error");
        const QStringList both{"--holiday-file", "@scottish.ics", "--holiday-file",
                               "@shutdown.ics"};
        QTest::newRow("dates and a rule")
            << QStringList{"holidays", "2024", "--holiday-file", "@scottish.ics"} << 0
            << QStringList{"2024-01-02 2nd January", "2024-08-05 Summer, Scotland\\u001b[2J"}
            << QString();
        QTest::newRow("two files in date order")
            << QStringList{"holidays", "2025"} + both << 0
            << QStringList{"2025-08-04 Summer, Scotland\\u001b[2J", "2025-08-04 Shutdown",
                           "2025-08-05 Shutdown"}
            << QString();
        QTest::newRow("a year outside a file")
            << QStringList{"holidays", "2027"} + both << 0 << QStringList{}
            << u"kelvane holidays: Scottish bank holidays "
               "covers 2024-2026; 2027 has none of its days\n"
               "kelvane holidays: shutdown.ics covers 2025; "
               "2027 has none of its days\n"_s;
        QTest::newRow("not iCalendar, control character in its name")
            << QStringList{"holidays", "2024", "--holiday-file", "@notes\x01.ics"} << 2
            << QStringList{} << u"kelvane holidays: @/notes\\u0001.ics: not an iCalendar file\n"_s;
        QTest::newRow("missing") << QStringList{"print-year", "--holiday-file", "@gone.ics"} << 2
                                 << QStringList{}
                                 << u"kelvane print-year: @/gone.ics: no such file\n"_s;
        QTest::newRow("a folder") << QStringList{"export-ics", "--kind", "four-two",
                                                 "--group",    "A",      "--from",
                                                 "2024-01-01", "--to",   "2024-01-02",
                                                 "--out",      "-",      "--holiday-file",
                                                 "@folder.ics"}
                                  << 2 << QStringList{}
                                  << u"kelvane export-ics: @/folder.ics: not a regular file\n"_s;
    }

    void holidaysListsTheFilesDays()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QStringList, listed);
        QFETCH(QString, error);
        const CommandRun run = CommandRun::Kelvane(placed(arguments));
        QCOMPARE(run.err, QString(error).replace(u"@"_s, m_dir.path()));
        QCOMPARE(run.status, status);
        if (status == 0 && arguments.first() == u"holidays"_s) {
            const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
            QCOMPARE(lines.size(), 13 + listed.size());
            QCOMPARE(lines.sliced(13), listed);
        }
    }

    // A file's day is shaded on every page as one of the thirteen: the holiday's shade, and
    // the highlighted group's day off on it in the darker one; the key names the file.
    void filesDaysAreShaded_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("shaded");
        const QStringList none{"--holidays", "0000000000000"};
        QTest::newRow("year page")
            << QStringList{"print-year", "--year", "2024"} + none
            << QStringList{"fill 970 0 1470 500 #c8c8c8", "fill 4270 7600 4770 8100 #c8c8c8"};
        QTest::newRow("year page, a day off on it, the key")
            << QStringList{"print-year", "--year", "2024", "--group", "2", "--key"} + none
            << QStringList{"fill 970 0 1470 500 #aaaa32",
                           " #000000 \"Holidays: Scottish bank holidays\""};
        QTest::newRow("month page, a day off on it")
            << QStringList{"print-month", "--month", "2024-01", "--group", "2"} + none
            << QStringList{"fill 4074 650 6174 2275 #c8c8c8", "fill 4074 650 6174 2275 #aaaa32"};
    }

    void filesDaysAreShaded()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, shaded);
        arguments << "--out"
                  << "-"
                  << "--format"
                  << "ops";
        const CommandRun without = CommandRun::Kelvane(arguments);
        const CommandRun with =
            CommandRun::Kelvane(placed(arguments + QStringList{"--holiday-file", "@scottish.ics"}));
        QCOMPARE(with.status, 0);
        QCOMPARE(without.status, 0);
        // A line of the trace that ends so (a text's place depends on the font).
        const auto drawn = [](const CommandRun& run, const QString& end) {
            const QStringList lines = QString::fromUtf8(run.bytes).split(u'\n');
            return std::any_of(lines.begin(), lines.end(),
                               [&](const QString& line) { return line.endsWith(end); });
        };
        for (const QString& line : shaded) {
            QVERIFY2(drawn(with, line), qPrintable(line));
            QVERIFY2(!drawn(without, line), qPrintable(line));
        }
    }
};

QTEST_GUILESS_MAIN(TestHolidayFileOptions)
#include "tst_holidayfileoptions.moc"
