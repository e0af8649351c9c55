#include "rota/GroupMatch.h"
#include "rota/NumberText.h"
#include "rota/Rota.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestNumberText : public QObject
{
    Q_OBJECT

private slots:
    void val_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("word") << "abc" << 0.0;
        QTest::newRow("digits") << "2024" << 2024.0;
        QTest::newRow("leading blanks") << "  19" << 19.0;
        QTest::newRow("trailing text") << "12abc" << 12.0;
        QTest::newRow("fraction") << "55.9" << 55.9;
        QTest::newRow("point first") << ".5" << 0.5;
        QTest::newRow("negative") << "-1" << -1.0;
        QTest::newRow("plus") << "+7" << 7.0;
        QTest::newRow("exponent") << "1e3x" << 1000.0;
        QTest::newRow("lone exponent letter") << "7e" << 7.0;
        QTest::newRow("sign only") << "-" << 0.0;
        QTest::newRow("quote") << "2024' OR 1=1" << 2024.0;
        QTest::newRow("colour part") << "000" << 0.0;
    }

    void val()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(NumberText::Val(text), value);
    }

    void isNumeric_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("numeric");
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blank") << "  " << false;
        QTest::newRow("digits") << "100" << true;
        QTest::newRow("blanks around") << " 2024 " << true;
        QTest::newRow("fraction") << "55.9" << true;
        QTest::newRow("negative") << "-1" << true;
        QTest::newRow("trailing text") << "12a" << false;
        QTest::newRow("two numbers") << "1 2" << false;
        QTest::newRow("point only") << "." << false;
    }

    void isNumeric()
    {
        QFETCH(QString, text);
        QFETCH(bool, numeric);
        QCOMPARE(NumberText::IsNumeric(text), numeric);
    }

    void rounding_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<qint64>("halfEven");
        QTest::addColumn<qint64>("whole");
        QTest::newRow("2.5") << 2.5 << qint64(2) << qint64(2);
        QTest::newRow("3.5") << 3.5 << qint64(4) << qint64(3);
        QTest::newRow("-2.5") << -2.5 << qint64(-2) << qint64(-3);
        QTest::newRow("-0.5") << -0.5 << qint64(0) << qint64(-1);
        QTest::newRow("7.8") << 7.8 << qint64(8) << qint64(7);
        QTest::newRow("0.49") << 0.49 << qint64(0) << qint64(0);
    }

    void rounding()
    {
        QFETCH(double, value);
        QFETCH(qint64, halfEven);
        QFETCH(qint64, whole);
        QCOMPARE(NumberText::RoundHalfEven(value), halfEven);
        QCOMPARE(NumberText::WholePart(value), whole);
    }

    void numberToText()
    {
        QCOMPARE(NumberText::Plain(7), u"7"_s);
        QCOMPARE(NumberText::Blank(7), u" 7"_s);
        QCOMPARE(NumberText::Blank(0), u" 0"_s);
        QCOMPARE(NumberText::Blank(-7), u"-7"_s);
    }

    void highlightedGroupMatching_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("group");
        QTest::addColumn<bool>("off");
        QTest::newRow("digit with blank") << int(RotaKind::CgSixTwo) << " 1" << true;
        QTest::newRow("digit not off") << int(RotaKind::CgSixTwo) << " 3" << false;
        QTest::newRow("letter four-two") << int(RotaKind::FourTwo) << "E" << true;
        QTest::newRow("letter three-three") << int(RotaKind::ThreeThree) << "H" << true;
        QTest::newRow("no group") << int(RotaKind::CgSixTwo) << "0" << false;
        QTest::newRow("no group blank") << int(RotaKind::Combination) << " 0" << false;
        QTest::newRow("five-three uses its triple") << int(RotaKind::FiveThree) << " 5" << true;
        QTest::newRow("five-three ignores six-two") << int(RotaKind::FiveThree) << " 1" << false;
        QTest::newRow("5-2-5-3 pair") << int(RotaKind::FiveTwoFiveThree) << "A" << true;
        QTest::newRow("5-2-5-3 ignores four-two")
            << int(RotaKind::FiveTwoFiveThree) << "E" << false;
    }

    void highlightedGroupMatching()
    {
        QFETCH(int, kind);
        QFETCH(QString, group);
        QFETCH(bool, off);
        // 1 January 1901: 1 2, E F, 4 5 6, N H I; the five-two-five-three pair A, D.
        const Rota rota = Rota::BuiltIn(static_cast<RotaKind>(kind));
        QCOMPARE(GroupMatch::IsAmong(group, rota.groupsOff(QDate(1901, 1, 1), 0)), off);
    }

    void groupsOffTexts()
    {
        // Day number 596 is at position 8 of the 49-day and of the 15-day cycles.
        const auto text = [](RotaKind kind) {
            const Rota rota = Rota::BuiltIn(kind);
            return GroupMatch::Text(rota.cell(), rota.groupsOff(596, 0));
        };
        QCOMPARE(text(RotaKind::CgSixTwo), u" 3-4"_s);
        QCOMPARE(text(RotaKind::FourTwo), u" A-B"_s);
        QCOMPARE(text(RotaKind::FiveThree), u"1-6-7"_s);
        QCOMPARE(text(RotaKind::ThreeThree), u"KLM"_s);
        QCOMPARE(text(RotaKind::Combination), u" 3-4   A-B"_s);
        QCOMPARE(text(RotaKind::FiveTwoFiveThree), u" A-D"_s);
        QCOMPARE(text(RotaKind::NoPattern), QString());
    }
};

QTEST_APPLESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
