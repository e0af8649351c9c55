#include "rota/DayNumbering.h"
#include "rota/Holidays.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

GoodFriday goodFridayOf(const QString& yearText, qint16 month = 0, qint16 day = 0)
{
    GoodFriday gf;
    gf.GoodFridayMonth = month;
    gf.GoodFridayDay = day;
    gf.GoodFridayYear = yearText;
    GetGoodFriday(gf);
    return gf;
}

// Indices of the holidays that fall on `date`.
QList<int> holidaysOn(QDate date)
{
    const HolidayYear year =
        HolidayYear::From(goodFridayOf(QString::number(date.year())), date.year());
    const int weekday = DayNumbering::WeekdayColumn(DayNumbering::DayNumber(date));
    QList<int> found;
    for (int i = 0; i < Holidays::Count; ++i) {
        if (Holidays::IsHoliday(i, date.month(), date.day(), weekday, year))
            found.append(i);
    }
    return found;
}

} // namespace

class TestHolidays : public QObject
{
    Q_OBJECT

private slots:
    void goodFriday_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::newRow("1875") << "1875" << 3 << 26;
        QTest::newRow("2124") << "2124" << 3 << 31;
        QTest::newRow("2000") << "2000" << 4 << 21;
        QTest::newRow("2024") << "2024" << 3 << 29;
        QTest::newRow("1913 earliest") << "1913" << 3 << 21;
        QTest::newRow("2121") << "2121" << 4 << 4;
        QTest::newRow("1943 latest") << "1943" << 4 << 23;
        QTest::newRow("leading number") << " 2024abc" << 3 << 29;
        // Outside the table the previous date (7 April here) stays.
        for (const char* year : {"1874", "2125", "", "abc", "2024.5", "-2024"})
            QTest::addRow("keeps the date: \"%s\"", year) << QString::fromLatin1(year) << 4 << 7;
    }

    void goodFriday()
    {
        QFETCH(QString, year);
        QFETCH(int, month);
        QFETCH(int, day);
        const GoodFriday gf = goodFridayOf(year, 4, 7);
        QCOMPARE(int(gf.GoodFridayMonth), month);
        QCOMPARE(int(gf.GoodFridayDay), day);
    }

    void goodFridayIsAFridayInSpringEveryYear()
    {
        for (int year = 1875; year <= 2124; ++year) {
            const GoodFriday gf = goodFridayOf(QString::number(year));
            const QDate date(year, gf.GoodFridayMonth, gf.GoodFridayDay);
            QVERIFY2(date.dayOfWeek() == Qt::Friday, qPrintable(date.toString()));
            QVERIFY(date >= QDate(year, 3, 20) && date <= QDate(year, 4, 23));
        }
    }

    void holidayDates_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QList<int>>("holidays");
        QTest::newRow("new year") << QDate(2024, 1, 1) << QList<int>{0};
        QTest::newRow("good friday") << QDate(2024, 3, 29) << QList<int>{1};
        QTest::newRow("memorial day") << QDate(2024, 5, 27) << QList<int>{2};
        QTest::newRow("monday 24 May is not memorial day") << QDate(2021, 5, 24) << QList<int>{};
        QTest::newRow("memorial day on the 25th") << QDate(2026, 5, 25) << QList<int>{2};
        QTest::newRow("independence day on a sunday") << QDate(2021, 7, 4) << QList<int>{3};
        QTest::newRow("the monday after is no holiday") << QDate(2021, 7, 5) << QList<int>{};
        QTest::newRow("labor day") << QDate(2024, 9, 2) << QList<int>{4};
        QTest::newRow("labor day on the 7th") << QDate(2025, 9, 1) << QList<int>{4};
        QTest::newRow("monday 8 Sept is not labor day") << QDate(2025, 9, 8) << QList<int>{};
        QTest::newRow("thanksgiving") << QDate(2024, 11, 28) << QList<int>{5};
        QTest::newRow("thanksgiving on the 22nd") << QDate(2018, 11, 22) << QList<int>{5};
        QTest::newRow("day after thanksgiving") << QDate(2024, 11, 29) << QList<int>{6};
        QTest::newRow("day after on the 23rd") << QDate(2018, 11, 23) << QList<int>{6};
        QTest::newRow("christmas") << QDate(2024, 12, 25) << QList<int>{7};
        QTest::newRow("martin luther king day") << QDate(2024, 1, 15) << QList<int>{8};
        QTest::newRow("monday 22 Jan is not mlk day") << QDate(2024, 1, 22) << QList<int>{};
        QTest::newRow("presidents day") << QDate(2024, 2, 19) << QList<int>{9};
        QTest::newRow("easter") << QDate(2024, 3, 31) << QList<int>{10};
        QTest::newRow("easter across a month end") << QDate(2018, 4, 1) << QList<int>{10};
        QTest::newRow("columbus day on a saturday") << QDate(2024, 10, 12) << QList<int>{11};
        QTest::newRow("veterans day") << QDate(2024, 11, 11) << QList<int>{12};
        QTest::newRow("ordinary day") << QDate(2024, 6, 12) << QList<int>{};
    }

    void holidayDates()
    {
        QFETCH(QDate, date);
        QFETCH(QList<int>, holidays);
        QCOMPARE(holidaysOn(date), holidays);
    }

    void everyHolidayFallsOnceAYear()
    {
        for (int year = 1901; year <= 2124; ++year) {
            QList<int> counts(Holidays::Count, 0);
            for (QDate day(year, 1, 1); day.year() == year; day = day.addDays(1)) {
                const QList<int> found = holidaysOn(day);
                QVERIFY(found.size() <= 1);
                for (int index : found)
                    ++counts[index];
            }
            QCOMPARE(counts, QList<int>(Holidays::Count, 1));
        }
    }

    void captionsAndFrames()
    {
        QCOMPARE(Holidays::Caption(0), u"New Years Day"_s);
        QCOMPARE(Holidays::Caption(6), u"Day After Thanksgiving"_s);
        QCOMPARE(Holidays::Caption(12), u"Veterans Day"_s);
        QString defaults;
        for (int i = 0; i < Holidays::Count; ++i)
            defaults += Holidays::IsOnByDefault(i) ? u'1' : u'0';
        QCOMPARE(defaults, QLatin1String(Holidays::DefaultSet));
        QCOMPARE(Holidays::Frame(7), u"ZAZ Holidays"_s);
        QCOMPARE(Holidays::Frame(8), u"Other Holidays"_s);
    }
};

QTEST_APPLESS_MAIN(TestHolidays)
#include "tst_holidays.moc"
