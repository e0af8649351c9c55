#include "rota/DayNumbering.h"

#include <QTest>

class TestDayNumbering : public QObject
{
    Q_OBJECT

private slots:
    void dayNumbers_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("dayNumber");
        QTest::newRow("reference") << QDate(1900, 1, 25) << 0;
        QTest::newRow("before reference") << QDate(1900, 1, 1) << -24;
        QTest::newRow("1901") << QDate(1901, 1, 1) << 341;
        QTest::newRow("2124 end") << QDate(2124, 12, 31) << 82155;
    }

    void dayNumbers()
    {
        QFETCH(QDate, date);
        QFETCH(int, dayNumber);
        QCOMPARE(DayNumbering::DayNumber(date), dayNumber);
    }

    void weekdayColumnMatchesTheCalendarFrom28January1900()
    {
        for (QDate day(1900, 1, 28); day <= QDate(2125, 1, 31); day = day.addDays(1)) {
            const int column = DayNumbering::WeekdayColumn(DayNumbering::DayNumber(day));
            QCOMPARE(column, day.dayOfWeek() % 7);
        }
        // Earlier dates keep the dividend's sign.
        QCOMPARE(DayNumbering::WeekdayColumn(DayNumbering::DayNumber(QDate(1900, 1, 25))), -3);
    }

    // A built-in kind's cycle: (day number + adjustment + offset) rounded half to even, the
    // remainder with the dividend's sign.
    void positions_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("dayNumber");
        QTest::addColumn<double>("adjustment");
        QTest::addColumn<int>("position");
        QTest::newRow("1901 CG") << 0 << 49 << 341 << 0.0 << 47;
        QTest::newRow("1901 MM") << 21 << 49 << 341 << 0.0 << 19;
        QTest::newRow("1901 5-2-5-3") << -3 << 15 << 341 << 0.0 << 8;
        QTest::newRow("reference 5-2-5-3 negative") << -3 << 15 << 0 << 0.0 << -3;
        QTest::newRow("negative day CG") << 0 << 49 << -24 << 0.0 << -24;
        QTest::newRow("negative day MM wraps into table") << 21 << 49 << -5 << 0.0 << 16;
        QTest::newRow("half rounds down to even") << 0 << 49 << 0 << 2.5 << 2;
        QTest::newRow("half rounds up to even") << 0 << 49 << 1 << 2.5 << 4;
        QTest::newRow("negative half to even") << 0 << 49 << -3 << 0.5 << -2;
        QTest::newRow("adjustment 48") << 0 << 49 << 1 << 48.0 << 0;
        QTest::newRow("large day number") << 0 << 49 << 82155 << 48.0 << (82155 + 48) % 49;
    }

    void positions()
    {
        QFETCH(int, offset);
        QFETCH(int, length);
        QFETCH(int, dayNumber);
        QFETCH(double, adjustment);
        QFETCH(int, position);
        QCOMPARE(DayNumbering::CyclePosition(dayNumber, adjustment, offset, length), position);
    }
};

QTEST_APPLESS_MAIN(TestDayNumbering)
#include "tst_daynumbering.moc"
