#include "rota/DayNumbering.h"
#include "rota/RotaDay.h"
#include "rota/WhosOff.h"

#include <QMap>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

RotaDay lookUp(int position)
{
    RotaDay rota;
    rota.PatternDay = static_cast<qint16>(position);
    GetPatterns(rota);
    return rota;
}

QString fourColumns(const RotaDay& r)
{
    return u"%1%2 %3%4 %5%6%7 %8%9%10"_s.arg(r.SixTwoOff1)
        .arg(r.SixTwoOff2)
        .arg(r.FourTwoOff1, r.FourTwoOff2)
        .arg(r.FiveThreeOff1)
        .arg(r.FiveThreeOff2)
        .arg(r.FiveThreeOff3)
        .arg(r.ThreeThreeOff1, r.ThreeThreeOff2, r.ThreeThreeOff3);
}

} // namespace

class TestRotaTable : public QObject
{
    Q_OBJECT

private slots:
    void sundayRowsRepeatSaturday()
    {
        for (int position = 0; position < 49; ++position) {
            if (position % 7 == 3)
                QCOMPARE(fourColumns(lookUp(position)), fourColumns(lookUp(position - 1)));
            else if (position > 0)
                QVERIFY2(fourColumns(lookUp(position)) != fourColumns(lookUp(position - 1)),
                         qPrintable(QString::number(position)));
        }
    }

    void everyGroupIsOffEquallyOften()
    {
        QMap<QString, int> sixTwo, fourTwo, fiveThree, threeThree, fiveTwoFiveThree;
        for (int position = 0; position < 49; ++position) {
            const RotaDay r = lookUp(position);
            ++sixTwo[QString::number(r.SixTwoOff1)];
            ++sixTwo[QString::number(r.SixTwoOff2)];
            ++fourTwo[r.FourTwoOff1];
            ++fourTwo[r.FourTwoOff2];
            for (qint16 g : {r.FiveThreeOff1, r.FiveThreeOff2, r.FiveThreeOff3})
                ++fiveThree[QString::number(g)];
            for (const QString& g : {r.ThreeThreeOff1, r.ThreeThreeOff2, r.ThreeThreeOff3})
                ++threeThree[g];
            if (position < 15) {
                ++fiveTwoFiveThree[r.FiveTwoFiveThreeOff1];
                ++fiveTwoFiveThree[r.FiveTwoFiveThreeOff2];
            }
        }
        QCOMPARE(sixTwo.keys(), QStringList({"1", "2", "3", "4", "5", "6", "7"}));
        QCOMPARE(fourTwo.keys(), QStringList({"A", "B", "C", "D", "E", "F", "G"}));
        QCOMPARE(threeThree.keys(), QStringList({"H", "I", "J", "K", "L", "M", "N"}));
        QCOMPARE(fiveTwoFiveThree.keys(), QStringList({"A", "B", "C", "D", "E", "F"}));
        const QList<std::pair<QMap<QString, int>, int>> expected = {
            {sixTwo, 14}, {fourTwo, 14}, {fiveThree, 21}, {threeThree, 21}, {fiveTwoFiveThree, 5}};
        for (const auto& [counts, times] : expected) {
            for (int count : counts)
                QCOMPARE(count, times);
        }
    }

    void fiveTwoFiveThreeGivesFiveOnTwoOffFiveOnThreeOff()
    {
        // Over the 15-day cycle each group is off on one run of 2 and one run of 3 days.
        for (const QString group : {"A", "B", "C", "D", "E", "F"}) {
            QString offDays;
            for (int position = 0; position < 15; ++position) {
                const RotaDay r = lookUp(position);
                offDays += (r.FiveTwoFiveThreeOff1 == group || r.FiveTwoFiveThreeOff2 == group)
                               ? u'x'
                               : u'.';
            }
            const QString twice = offDays + offDays;
            QVERIFY2(twice.contains(u".xx.....xxx."_s) || twice.contains(u".xxx.....xx."_s),
                     qPrintable(group + u' ' + offDays));
        }
    }

    void positionOutsideTheTableLeavesTheRecord_data()
    {
        QTest::addColumn<int>("position");
        QTest::newRow("-1") << -1;
        QTest::newRow("-3") << -3;
        QTest::newRow("-48") << -48;
        QTest::newRow("49") << 49;
        QTest::newRow("32767") << 32767;
    }

    void positionOutsideTheTableLeavesTheRecord()
    {
        QFETCH(int, position);
        RotaDay rota = lookUp(5);
        const RotaDay before = rota;
        rota.PatternDay = static_cast<qint16>(position);
        GetPatterns(rota);
        QCOMPARE(fourColumns(rota), fourColumns(before));
        QCOMPARE(rota.FiveTwoFiveThreeOff1, before.FiveTwoFiveThreeOff1);
        QCOMPARE(rota.FiveTwoFiveThreeOff2, before.FiveTwoFiveThreeOff2);
    }

    void laterRowsKeepTheFiveTwoFiveThreePair()
    {
        RotaDay rota = lookUp(5);
        rota.PatternDay = 20;
        GetPatterns(rota);
        QCOMPARE(rota.FiveTwoFiveThreeOff1, u"B"_s);
        QCOMPARE(rota.FiveTwoFiveThreeOff2, u"F"_s);
        QCOMPARE(fourColumns(rota), u"67 AB 234 KLM"_s);
    }

    void whosOffBoxes_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<double>("adjustment");
        QTest::addColumn<QStringList>("boxes");
        QTest::newRow("1901-01-01")
            << QDate(1901, 1, 1) << 0.0
            << QStringList{"1 - 2", "5 - 6", "E - F", "4-5-6", "N-H-I", "A-D"};
        QTest::newRow("reference date keeps row 0's pair")
            << QDate(1900, 1, 25) << 0.0
            << QStringList{"3 - 4", "7 - 1", "C - D", "1-6-7", "I-J-K", "C-D"};
        RotaDay fresh;
        QTest::newRow("adjustment 7 is a week later")
            << QDate(2024, 3, 1) << 7.0 << WhosOff::LookUp(QDate(2024, 3, 8), 0.0, fresh);
    }

    void whosOffBoxes()
    {
        QFETCH(QDate, date);
        QFETCH(double, adjustment);
        QFETCH(QStringList, boxes);
        RotaDay rota;
        QCOMPARE(WhosOff::LookUp(date, adjustment, rota), boxes);
    }

    void whosOffBeforeTheCycleStartsKeepsThePreviousGroups()
    {
        RotaDay rota;
        const QStringList earlier = WhosOff::LookUp(QDate(1901, 1, 1), 0, rota);
        QCOMPARE(earlier.first(), u"1 - 2"_s);
        // 20 January 1900: only the MM position (16) lies in the table; box 0 keeps the
        // groups the last look-up (MM, row 19) left in the shared record.
        QCOMPARE(WhosOff::LookUp(QDate(1900, 1, 20), 0, rota),
                 QStringList({"5 - 6", "3 - 4", "C - B", "1-2-3", "J-K-L", "A-D"}));
    }
};

QTEST_APPLESS_MAIN(TestRotaTable)
#include "tst_rotatable.moc"
