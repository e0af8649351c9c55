#include "CommandRun.h"

#include <QTest>

class TestLookupCommands : public QObject
{
    Q_OBJECT

private slots:
    void whosOffPrintsSixLabelledLines()
    {
        const auto result = CommandRun::Kelvane({"whos-off", "1901-01-01"});
        QCOMPARE(result.status, 0);
        QCOMPARE(result.err, QString());
        QCOMPARE(result.out, QStringLiteral("CG 6-2: 1 - 2\nMM 6-2: 5 - 6\n4-2: E - F\n"
                                            "5-3: 4-5-6\n3-3: N-H-I\n5-2-5-3: A-D\n"));
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
        QCOMPARE(lines[0], QStringLiteral("date\tCG 6-2\tMM 6-2\t4-2\t5-3\t3-3\t5-2-5-3"));
        QVERIFY(lines[1].startsWith(QStringLiteral("2024-12-30\t")));
        QVERIFY(lines[3].startsWith(QStringLiteral("2025-01-01\t")));
        QCOMPARE(lines[3].split(u'\t').size(), 7);
        // Each line says the same as the single-date form.
        const auto single = CommandRun::Kelvane({"whos-off", "2025-01-01"});
        QStringList boxes;
        for (const QString& line : single.out.split(u'\n', Qt::SkipEmptyParts))
            boxes << line.section(QStringLiteral(": "), 1);
        QCOMPARE(lines[3], QStringLiteral("2025-01-01\t") + boxes.join(u'\t'));
    }

    void holidaysListsThirteenDates()
    {
        const auto result = CommandRun::Kelvane({"holidays", "2024"});
        QCOMPARE(result.status, 0);
        const QStringList lines = result.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 13);
        QCOMPARE(lines[0], QStringLiteral("0\tNew Years Day\t2024-01-01"));
        QCOMPARE(lines[1], QStringLiteral("1\tGood Friday\t2024-03-29"));
        QCOMPARE(lines[10], QStringLiteral("10\tEaster\t2024-03-31"));
        QCOMPARE(lines[12], QStringLiteral("12\tVeterans Day\t2024-11-11"));
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
    }

    void badArgumentsAreRefused()
    {
        QFETCH(QStringList, arguments);
        const auto result = CommandRun::Kelvane(arguments);
        QCOMPARE(result.status, CommandLine::BadArguments);
        QCOMPARE(result.out, QString());
        QVERIFY(!result.err.trimmed().isEmpty());
        QCOMPARE(result.err.trimmed().count(u'\n'), 0);
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
        QTest::newRow("the listed --help-all")
            << QStringList{"holidays", "--help-all"} << "Usage: kelvane holidays [options] year";
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
