#include "print/MonthSheetLayout.h"
#include "store/AppState.h"

#include "CalendarSamples.h"
#include "FakeEntries.h"

#include <QMap>
#include <QTest>

using namespace Qt::StringLiterals;
using Mark = MonthSheetLayout::Mark;

using CalendarSamples::GroupOffOn;

class TestMonthSheetLayout : public QObject
{
    Q_OBJECT

private slots:
    void weekRows_data()
    {
        QTest::addColumn<QDate>("month");
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("lastColumn");
        QTest::newRow("31 days from a Saturday") << QDate(2025, 3, 1) << 31 << 6 << 1;
        QTest::newRow("common February from a Sunday") << QDate(2026, 2, 1) << 28 << 4 << 6;
        QTest::newRow("leap February") << QDate(2024, 2, 1) << 29 << 5 << 4;
        QTest::newRow("30 days") << QDate(2024, 4, 1) << 30 << 5 << 2;
        QTest::newRow("30 days from a Saturday") << QDate(2024, 6, 1) << 30 << 6 << 0;
    }

    void weekRows()
    {
        QFETCH(QDate, month);
        QFETCH(int, days);
        QFETCH(int, rows);
        QFETCH(int, lastColumn);
        AppState state;
        const MonthSheetLayout layout =
            MonthSheetLayout::Build(CalendarSamples::Month(month.addDays(9)), state, nullptr);
        QCOMPARE(layout.firstOfMonth(), month);
        QCOMPARE(layout.days().size(), days);
        QCOMPARE(layout.rowsUsed(), rows);
        QCOMPARE(layout.days().constLast().column, lastColumn);
        // The first lies in row 0 at its weekday; each Sunday opens a new row.
        QCOMPARE(layout.days().first().row, 0);
        QCOMPARE(layout.days().first().column, month.dayOfWeek() % 7);
        for (int i = 1; i < layout.days().size(); ++i) {
            const auto& day = layout.days()[i];
            const auto& before = layout.days()[i - 1];
            QCOMPARE(day.column, (before.column + 1) % 7);
            QCOMPARE(day.row, before.row + (day.column == 0 ? 1 : 0));
        }
    }

    void holidayOnDayOffCarriesBothDiagonals()
    {
        const QDate christmas(2024, 12, 25); // a Wednesday in row 3
        CalendarChoices choices = CalendarSamples::Month(christmas);
        choices.highlightGroup = GroupOffOn(christmas);
        AppState state;
        const MonthSheetLayout layout = MonthSheetLayout::Build(choices, state, nullptr);
        const auto& day = layout.days()[24];
        QCOMPARE(day.holidays, QList<int>{7});
        QVERIFY(day.dayOff);
        QCOMPARE(day.marks, (QList<Mark>{Mark::HolidayStroke, Mark::DayOffStroke}));
        // Right-top to left-bottom, then left-top to right-bottom of the cell 4410..5910 x
        // 2890..3740.
        QCOMPARE(day.strokes(),
                 (QList<QLine>{QLine(5910, 2890, 4410, 3740), QLine(4410, 2890, 5910, 3740)}));
        // The group's other days off carry only the day-off stroke; the 1st is no day off.
        const auto& newYearsEve = layout.days()[30];
        QCOMPARE(newYearsEve.holidays, QList<int>{});
        for (const auto& other : layout.days()) {
            if (other.day != 25)
                QCOMPARE(other.marks,
                         other.dayOff ? QList<Mark>{Mark::DayOffStroke} : QList<Mark>{});
        }
        // Ticked off, the holiday draws nothing.
        choices.holidays[7] = false;
        const MonthSheetLayout without = MonthSheetLayout::Build(choices, state, nullptr);
        QCOMPARE(without.days()[24].marks, QList<Mark>{Mark::DayOffStroke});
    }

    void entryMarksAndWords_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("word");
        QTest::newRow("vacation") << "V"
                                  << "Vacation";
        QTest::newRow("own code") << "X" << QString();
        QTest::newRow("lower case is not a code") << "v" << QString();
    }

    void entryMarksAndWords()
    {
        QFETCH(QString, type);
        QFETCH(QString, word);
        FakeEntries entries;
        entries.add(5, 14, {type, u"180, 255, 180"_s});
        CalendarChoices choices = CalendarSamples::Month(QDate(2024, 5, 1));
        choices.highlightVacations = true;
        AppState state;
        const MonthSheetLayout layout = MonthSheetLayout::Build(choices, state, &entries);
        const auto& day = layout.days()[13]; // Tuesday 14 May 2024: column 2, row 2
        QVERIFY(day.entry.has_value());
        QCOMPARE(day.entryWord, word);
        QCOMPARE(day.marks, QList<Mark>{Mark::EntryCross});
        QCOMPARE(day.strokes(),
                 (QList<QLine>{QLine(4410, 2040, 2910, 2890), QLine(2910, 2040, 4410, 2890)}));
        QCOMPARE(layout.days()[12].marks, QList<Mark>{});
    }

    void entriesLookedUpUnderTypedYear()
    {
        FakeEntries entries;
        CalendarChoices choices = CalendarSamples::Month(QDate(2024, 2, 1));
        choices.yearText = u"2023"_s;
        AppState state;
        MonthSheetLayout::Build(choices, state, &entries);
        QVERIFY(entries.asked.isEmpty()); // entries not highlighted: no look-up at all

        choices.highlightVacations = true;
        MonthSheetLayout::Build(choices, state, &entries);
        QCOMPARE(entries.asked.size(), 29);
        QCOMPARE(entries.asked.first(), u"2023|2/1"_s);
        QCOMPARE(entries.asked.last(), u"2023|2/29"_s);
    }

    void noGroupAndNoPatterns()
    {
        CalendarChoices choices = CalendarSamples::Month(QDate(2024, 7, 1));
        choices.highlightGroup = u"0"_s;
        AppState state;
        MonthSheetLayout layout = MonthSheetLayout::Build(choices, state, nullptr);
        for (const auto& day : layout.days()) {
            QVERIFY(!day.dayOff);
            QVERIFY(!day.groupsOffText.isEmpty());
        }
        QCOMPARE(layout.days()[3].marks, QList<Mark>{Mark::HolidayStroke}); // 4 July

        choices.noPatterns = true;
        choices.highlightGroup = GroupOffOn(QDate(2024, 7, 4));
        layout = MonthSheetLayout::Build(choices, state, nullptr);
        int daysOff = 0;
        for (const auto& day : layout.days()) {
            QVERIFY(day.groupsOffText.isEmpty());
            daysOff += day.dayOff ? 1 : 0;
        }
        QVERIFY(daysOff >= 6);
        QCOMPARE(layout.days()[3].marks, (QList<Mark>{Mark::HolidayStroke, Mark::DayOffStroke}));
    }
};

QTEST_GUILESS_MAIN(TestMonthSheetLayout)
#include "tst_monthsheetlayout.moc"
