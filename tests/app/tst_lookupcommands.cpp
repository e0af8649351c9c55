#include "CalendarFixture.h"
#include "CommandRun.h"
#include "RotaFiles.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestLookupCommands : public QObject
{
    Q_OBJECT

private slots:
    void whosOffPrintsSixLabelledLines()
    {
        const auto result = CommandRun::Kelvane({"whos-off", "1901-01-01"});
        QCOMPARE(result.status, 0);
        QCOMPARE(result.err, QString());
        QCOMPARE(result.out, u"CG 6-2: 1 - 2\nMM 6-2: 5 - 6\n4-2: E - F\n"
                             "5-3: 4-5-6\n3-3: N-H-I\n5-2-5-3: A-D\n"_s);
    }

    void whosOffWithAdjustmentIsAWeekLater()
    {
        const auto shifted = CommandRun::Kelvane({"whos-off", "2024-03-01", "--adjust", "7.8"});
        const auto later = CommandRun::Kelvane({"whos-off", "2024-03-08"});
        QCOMPARE(shifted.status, 0);
        QCOMPARE(shifted.out, later.out);
    }

    void whosOffDaysListsOneLinePerDate()
    {
        const auto result = CommandRun::Kelvane({"whos-off", "2024-12-30", "--days", "3"});
        QCOMPARE(result.status, 0);
        const QStringList lines = result.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[0], u"date\tCG 6-2\tMM 6-2\t4-2\t5-3\t3-3\t5-2-5-3"_s);
        QVERIFY(lines[1].startsWith(u"2024-12-30\t"_s));
        QVERIFY(lines[3].startsWith(u"2025-01-01\t"_s));
        QCOMPARE(lines[3].split(u'\t').size(), 7);
        // Each line says the same as the single-date form.
        const auto single = CommandRun::Kelvane({"whos-off", "2025-01-01"});
        QStringList boxes;
        for (const QString& line : single.out.split(u'\n', Qt::SkipEmptyParts))
            boxes << line.section(u": "_s, 1);
        QCOMPARE(lines[3], u"2025-01-01\t"_s + boxes.join(u'\t'));
    }

    // Each rota of the user's own adds one line after the built-in ones, in the order given,
    // and a column to the list; its groups off are joined by commas.
    void whosOffWithARotaOfYourOwn_data()
    {
        QTest::addColumn<QList<QByteArray>>("files");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QStringList>("lines");
        const QByteArray pitman = "name = Pitman 2-2-3\nstart = 2027-01-04\ngroups = A B C D\n"
                                  "pattern = WWOOWWWOOWWOOO\nshift = 7\n";
        QTest::newRow("four on four off") << QList<QByteArray>{RotaFiles::FourOnFourOff}
                                          << "2027-01-08" << QStringList{"Four On Four Off: A, D"};
        QTest::newRow("Pitman 2-2-3")
            << QList<QByteArray>{pitman} << "2027-01-06" << QStringList{"Pitman 2-2-3: A, C"};
        QTest::newRow("one group, none off")
            << QList<QByteArray>{"name = Solo\nstart = 2027-01-01\ngroups = 5\npattern = WWO\n"}
            << "2027-01-02" << QStringList{"Solo: none"};
        QTest::newRow("two rotas")
            << QList<QByteArray>{pitman, RotaFiles::FourOnFourOff} << "2027-01-08"
            << QStringList{"Pitman 2-2-3: B, D", "Four On Four Off: A, D"};
    }

    void whosOffWithARotaOfYourOwn()
    {
        QFETCH(QList<QByteArray>, files);
        QFETCH(QString, date);
        QFETCH(QStringList, lines);
        QTemporaryDir dir;
        QStringList rotas;
        for (qsizetype i = 0; i < files.size(); ++i) {
            const QString path = dir.filePath(u"mine%1.rota"_s.arg(i));
            CalendarFixture::WriteFile(path, files.at(i));
            rotas << u"--rota"_s << path;
        }
        const auto single = CommandRun::Kelvane(QStringList{"whos-off", date} + rotas);
        QCOMPARE(single.err, QString());
        QCOMPARE(single.out,
                 CommandRun::Kelvane({"whos-off", date}).out + lines.join(u'\n') + u'\n');
        const auto list = CommandRun::Kelvane(QStringList{"whos-off", date, "--days", "1"} + rotas);
        const QStringList rows = list.out.split(u'\n', Qt::SkipEmptyParts);
        const qsizetype first = -lines.size();
        for (qsizetype i = 0; i < lines.size(); ++i) {
            QCOMPARE(rows.value(0).section(u'\t', first + i, first + i),
                     lines.at(i).section(u": "_s, 0, 0));
            QCOMPARE(rows.value(1).section(u'\t', first + i, first + i),
                     lines.at(i).section(u": "_s, 1));
        }
    }

    void holidaysListsThirteenDates()
    {
        const auto result = CommandRun::Kelvane({"holidays", "2024"});
        QCOMPARE(result.status, 0);
        const QStringList lines = result.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 13);
        QCOMPARE(lines[0], u"0\tNew Years Day\t2024-01-01"_s);
        QCOMPARE(lines[1], u"1\tGood Friday\t2024-03-29"_s);
        QCOMPARE(lines[10], u"10\tEaster\t2024-03-31"_s);
        QCOMPARE(lines[12], u"12\tVeterans Day\t2024-11-11"_s);
    }

    void badArgumentsAreRefused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("unknown subcommand") << QStringList{"frobnicate"};
        QTest::newRow("unknown option") << QStringList{"whos-off", "2024-01-01", "--colour", "x"};
        QTest::newRow("no date") << QStringList{"whos-off"};
        QTest::newRow("two dates") << QStringList{"whos-off", "2024-01-01", "2024-01-02"};
        QTest::newRow("29 Feb common year") << QStringList{"whos-off", "2023-02-29"};
        QTest::newRow("other date form") << QStringList{"whos-off", "1/2/2024"};
        QTest::newRow("adjustment too big")
            << QStringList{"whos-off", "2024-01-01", "--adjust", "49"};
        QTest::newRow("adjustment negative")
            << QStringList{"whos-off", "2024-01-01", "--adjust", "-1"};
        QTest::newRow("adjustment word") << QStringList{"whos-off", "2024-01-01", "--adjust", "x"};
        QTest::newRow("days zero") << QStringList{"whos-off", "2024-01-01", "--days", "0"};
        QTest::newRow("days word") << QStringList{"whos-off", "2024-01-01", "--days", "many"};
        QTest::newRow("year too early") << QStringList{"holidays", "1900"};
        QTest::newRow("year too late") << QStringList{"holidays", "2125"};
        QTest::newRow("fractional year") << QStringList{"holidays", "2024.5"};
        QTest::newRow("word year") << QStringList{"holidays", "soon"};
        QTest::newRow("date before 1901") << QStringList{"whos-off", "0001-01-01"};
        QTest::newRow("date after 2124") << QStringList{"whos-off", "2125-01-01"};
        QTest::newRow("days past 2124") << QStringList{"whos-off", "2124-12-30", "--days", "3"};
        QTest::newRow("days past any date")
            << QStringList{"whos-off", "2024-01-01", "--days", "99999999999999"};
        QTest::newRow("long value") << QStringList{"whos-off", QString(300, u'7')};
        QTest::newRow("value over lines") << QStringList{"whos-off", "2024-01-01\n\rnext\u2028"};
        QTest::newRow("long option") << QStringList{"whos-off", "--" + QString(300, u'x')};
    }

    void badArgumentsAreRefused()
    {
        QFETCH(QStringList, arguments);
        const auto result = CommandRun::Kelvane(arguments);
        QCOMPARE(result.status, CommandLine::BadArguments);
        QCOMPARE(result.out, QString());
        QVERIFY(!result.err.trimmed().isEmpty());
        QCOMPARE(result.err.trimmed().count(u'\n'), 0);
        QVERIFY2(!result.err.trimmed().contains(u'\r') && !result.err.contains(u'\u2028'),
                 qPrintable(result.err));
        // A quoted value is at most 60 characters long.
        static const QRegularExpression quoted(u"[\"'](.*)[\"']"_s);
        QVERIFY2(quoted.match(result.err).captured(1).size() <= 60, qPrintable(result.err));
    }

    // A date of the right shape that does not exist says why.
    void impossibleDatesSayWhy_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("error");
        QTest::newRow("30 February") << QStringList{"whos-off", "2027-02-30"}
                                     << "kelvane whos-off: 2027-02-30 is not a date: February "
                                        "2027 has 28 days\n";
        QTest::newRow("30 February, leap year")
            << QStringList{"whos-off", "2024-02-30"}
            << "kelvane whos-off: 2024-02-30 is not a date: February 2024 has 29 days\n";
        QTest::newRow("month 13") << QStringList{"whos-off", "2025-13-01"}
                                  << "kelvane whos-off: 2025-13-01 is not a date: a year has 12 "
                                     "months\n";
        QTest::newRow("--from")
            << QStringList{"export-ics", "--kind", "0",          "--group", "1",    "--from",
                           "2025-04-31", "--to",   "2025-05-01", "--out",   "x.ics"}
            << "kelvane export-ics: 2025-04-31 is not a date: April 2025 has 30 days\n";
        QTest::newRow("--month") << QStringList{"print-month", "--month", "2025-13"}
                                 << "kelvane print-month: 2025-13 is not a month: a year has 12 "
                                    "months\n";
    }

    void impossibleDatesSayWhy()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, error);
        const auto result = CommandRun::Kelvane(arguments);
        QCOMPARE(result.status, CommandLine::BadArguments);
        QCOMPARE(result.err, error);
    }

    void helpAndVersion_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected");
        QTest::newRow("help") << QStringList{"--help"} << "whos-off";
        QTest::newRow("version") << QStringList{"--version"} << "1.0.0";
        QTest::newRow("subcommand help")
            << QStringList{"holidays", "--help"} << "Usage: kelvane holidays [options] year";
        QTest::newRow("printing subcommand help")
            << QStringList{"print-year", "--help"} << "Usage: kelvane print-year [options]";
        for (const char* command :
             {"whos-off", "holidays", "export-ics", "print-year", "print-all", "print-month"})
            QTest::addRow("%s --help-all", command)
                << QStringList{command, "--help-all"}
                << u"Usage: kelvane %1 [options]"_s.arg(QLatin1String(command));
    }

    void helpAndVersion()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        const auto result = CommandRun::Kelvane(arguments);
        QCOMPARE(result.status, 0);
        QVERIFY2(result.out.contains(expected), qPrintable(result.out));
    }
};

QTEST_GUILESS_MAIN(TestLookupCommands)
#include "tst_lookupcommands.moc"
