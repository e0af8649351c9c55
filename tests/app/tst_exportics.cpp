#include "app/CommandLine.h"
#include "rota/DayNumbering.h"
#include "rota/GroupMatch.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

int run(const QStringList& arguments, QString* err = nullptr)
{
    QString out;
    QString errors;
    QTextStream outStream(&out);
    QTextStream errStream(&errors);
    const int status = CommandLine::Run(QStringList{"kelvane"} + arguments, outStream, errStream);
    errStream.flush();
    if (err)
        *err = errors;
    return status;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

class TestExportIcs : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    void daysOffMatchTheRota()
    {
        const QString path = m_dir.filePath(QStringLiteral("c.ics"));
        QCOMPARE(run({"export-ics", "--kind", "four-two", "--group", "C", "--from", "2024-01-01",
                      "--to", "2024-12-31", "--holidays", "0000000000000", "--out", path}),
                 0);
        const QString ics = QString::fromUtf8(readAll(path));
        QVERIFY(ics.startsWith(QStringLiteral("BEGIN:VCALENDAR\r\nVERSION:2.0\r\n")));
        QVERIFY(ics.endsWith(QStringLiteral("END:VCALENDAR\r\n")));

        QStringList expected;
        RotaDay rota;
        for (QDate day(2024, 1, 1); day.year() == 2024; day = day.addDays(1)) {
            rota.PatternDay =
                DayNumbering::PatternPosition(RotaKind::FourTwo, DayNumbering::DayNumber(day), 0);
            GetPatterns(rota);
            if (rota.FourTwoOff1 == u'C' || rota.FourTwoOff2 == u'C')
                expected << day.toString(QStringLiteral("yyyyMMdd"));
        }
        QStringList found;
        static const QRegularExpression start(QStringLiteral("DTSTART;VALUE=DATE:(\\d{8})"));
        for (auto match = start.globalMatch(ics); match.hasNext();)
            found << match.next().captured(1);
        QCOMPARE(found, expected);
        QCOMPARE(ics.count(QStringLiteral("SUMMARY:RDO\r\n")), expected.size());
        QVERIFY(ics.contains(QStringLiteral("UID:rdo-four-two-C-") + expected.first() +
                             QStringLiteral("@kelvane\r\n")));
    }

    void holidaysAreTheirOwnEvents()
    {
        const QString path = m_dir.filePath(QStringLiteral("h.ics"));
        QCOMPARE(run({"export-ics", "--kind", "cg-six-two", "--group", "3", "--from", "2024-03-01",
                      "--to", "2024-04-30", "--holidays", "0100000000100", "--out", path}),
                 0);
        const QString ics = QString::fromUtf8(readAll(path));
        QVERIFY(ics.contains(QStringLiteral("UID:holiday-1-20240329@kelvane\r\n")));
        QVERIFY(ics.contains(QStringLiteral("SUMMARY:Good Friday\r\n")));
        QVERIFY(ics.contains(QStringLiteral("UID:holiday-10-20240331@kelvane\r\n")));
        QCOMPARE(ics.count(QStringLiteral("UID:holiday-")), 2);
    }

    void uidsAreStableAcrossExports()
    {
        const QString first = m_dir.filePath(QStringLiteral("1.ics"));
        const QString second = m_dir.filePath(QStringLiteral("2.ics"));
        const QStringList common{"export-ics", "--kind", "three-three", "--group", "K", "--from",
                                 "2025-01-01", "--to", "2025-02-01", "--out"};
        QCOMPARE(run(common + QStringList{first}), 0);
        QCOMPARE(run(common + QStringList{second}), 0);
        auto uids = [](const QByteArray& ics) {
            QStringList list;
            for (const QByteArray& line : ics.split('\n'))
                if (line.startsWith("UID:"))
                    list << QString::fromUtf8(line.trimmed());
            return list;
        };
        QCOMPARE(uids(readAll(first)), uids(readAll(second)));
        QVERIFY(!uids(readAll(first)).isEmpty());
    }

    void aRealParserReadsTheFile()
    {
        const QString python = QStringLiteral("/usr/bin/python3");
        QProcess probe;
        probe.start(python, {"-c", "import icalendar"});
        if (!probe.waitForFinished(20000) || probe.exitCode() != 0)
            QSKIP("python3-icalendar is not installed");
        const QString path = m_dir.filePath(QStringLiteral("p.ics"));
        QCOMPARE(run({"export-ics", "--kind", "combination", "--group", "B", "--from",
                      "2024-01-01", "--to", "2024-12-31", "--out", path}),
                 0);
        QProcess parser;
        parser.start(python,
                     {"-c",
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
        // Group B of four-and-two is off two days in six, plus eight default holidays.
        QVERIFY2(events > 100 && events < 140, qPrintable(QString::number(events)));
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("arguments");
        const QStringList base{"export-ics", "--from", "2024-01-01", "--to", "2024-02-01", "--out",
                               "x.ics"};
        QTest::newRow("no kind") << base + QStringList{"--group", "1"};
        QTest::newRow("group of another rota")
            << base + QStringList{"--kind", "four-two", "--group", "1"};
        QTest::newRow("G under five-two-five-three")
            << base + QStringList{"--kind", "five-two-five-three", "--group", "G"};
        QTest::newRow("no pattern has no groups")
            << base + QStringList{"--kind", "none", "--group", "1"};
        QTest::newRow("bad bits")
            << base + QStringList{"--kind", "0", "--group", "1", "--holidays", "10"};
        QTest::newRow("to before from")
            << QStringList{"export-ics", "--kind", "0", "--group", "1", "--from", "2024-02-01",
                           "--to", "2024-01-01", "--out", "x.ics"};
        QTest::newRow("before 1901")
            << QStringList{"export-ics", "--kind", "0", "--group", "1", "--from", "1900-02-01",
                           "--to", "1901-01-01", "--out", "x.ics"};
    }

    void refusals()
    {
        QFETCH(QStringList, arguments);
        QString err;
        QCOMPARE(run(arguments, &err), CommandLine::BadArguments);
        QVERIFY(!err.isEmpty());
        QVERIFY(!QFile::exists(QStringLiteral("x.ics")));
    }
};

QTEST_GUILESS_MAIN(TestExportIcs)
#include "tst_exportics.moc"
