#include "rota/BuiltInRotas.h"
#include "rota/DayNumbering.h"
#include "rota/GroupMatch.h"
#include "rota/NumberText.h"
#include "rota/WhosOff.h"

#include <QMap>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

// Walks the built-in definitions: each one's facts must agree with each other, with the other
// definitions, and with its cycle as the who's-off row shows it.
class TestRota : public QObject
{
    Q_OBJECT

private slots:
    void definitionFactsAgree_data() { addDefinitions(); }

    void definitionFactsAgree()
    {
        QFETCH(int, index);
        const BuiltInRota& row = BuiltInRotas::Definitions().at(index);
        const Rota& rota = BuiltInRotas::All().at(index);
        const int code = RotaKinds::Code(row.kind);
        QVERIFY(code >= 0 && code < RotaKinds::MostCodes); // one digit of MyPattern
        QCOMPARE(rota.kind(), row.kind);
        QCOMPARE(RotaKinds::FromCode(code), row.kind);
        QCOMPARE(BuiltInRotas::FromCommandName(row.commandName), row.kind);
        QCOMPARE(BuiltInRotas::FromCommandName(NumberText::Plain(code)), row.kind);
        QCOMPARE(rota.caption(), row.icsName);

        for (const BuiltInRota& other : BuiltInRotas::Definitions()) {
            if (other.kind == row.kind)
                continue;
            QVERIFY(other.button.caption != row.button.caption);
            QVERIFY(other.button.name != row.button.name);
            QVERIFY(other.commandName != row.commandName);
            QVERIFY(other.button.column != row.button.column || other.button.row != row.button.row);
        }

        // The groups it names are exactly the pattern buttons it enables.
        QStringList enabled;
        for (int button = 0; button < RotaKinds::PatternButtonCount; ++button) {
            if (rota.isPatternButtonEnabled(button))
                enabled << RotaKinds::GroupForPatternButton(button).trimmed();
        }
        QCOMPARE(enabled, row.groups);
        QCOMPARE(rota.whosOffKinds().isEmpty(), row.groups.isEmpty());
        if (!row.groups.isEmpty())
            QVERIFY(row.keyLabel.contains(u"%1"_s));

        // Every column has a cell for each position, naming only the rota's groups, and over
        // the cycle each group of a column is off equally often.
        for (const QString& column : row.columns) {
            const QStringList cells = column.split(u' ', Qt::SkipEmptyParts);
            QCOMPARE(cells.size(), rota.length());
            QMap<QString, int> times;
            for (const QString& cell : cells) {
                for (const QChar group : cell)
                    ++times[QString(group)];
            }
            for (auto it = times.cbegin(); it != times.cend(); ++it) {
                QVERIFY2(row.groups.contains(it.key()), qPrintable(it.key()));
                QCOMPARE(it.value(), times.first());
            }
        }
    }

    // Every printable day under every adjustment falls inside the cycle: no day of a page, a
    // sheet, an export or the who's-off row goes without its groups.
    void noPositionFallsOutsideTheCycle_data() { addDefinitions(); }

    void noPositionFallsOutsideTheCycle()
    {
        QFETCH(int, index);
        const Rota& rota = BuiltInRotas::All().at(index);
        if (rota.length() == 0)
            QSKIP("no cycle");
        const qint32 first = DayNumbering::DayNumber(QDate(1901, 1, 1));
        const qint32 last = DayNumbering::DayNumber(QDate(2124, 12, 31));
        for (int adjustment = 0; adjustment <= 48; ++adjustment) {
            for (qint32 day = first; day <= last; ++day) {
                const std::optional<int> position = rota.position(day, adjustment);
                if (!position || *position >= rota.length())
                    QFAIL(qPrintable(u"day %1, adjustment %2"_s.arg(day).arg(adjustment)));
            }
        }
    }

    // Over one cycle, a group is found off (by the match the printouts shade with) exactly on
    // the days the rota's who's-off boxes list it, and every group the rota names is off.
    void groupsOffAreWhereTheWhosOffRowShowsThem_data() { addDefinitions(); }

    void groupsOffAreWhereTheWhosOffRowShowsThem()
    {
        QFETCH(int, index);
        const Rota& rota = BuiltInRotas::All().at(index);
        const QList<Rota> row = WhosOff::Row();
        QSet<QString> seen;
        const QDate first(2025, 1, 1);
        for (QDate date = first; date < first.addDays(49); date = date.addDays(1)) {
            QStringList shown;
            for (const Rota& box : row) {
                if (box.kind() && rota.whosOffKinds().contains(*box.kind())) {
                    for (const QString& group : box.whosOffText(date, 0).split(u'-'))
                        shown << group.trimmed();
                }
            }
            const QList<QStringList> off = rota.groupsOff(date, 0);
            const QString text = GroupMatch::Text(rota.cell(), off);
            for (int button = 0; button < RotaKinds::PatternButtonCount; ++button) {
                const QString group = RotaKinds::GroupForPatternButton(button);
                const QString name = group.trimmed();
                const bool isOff = GroupMatch::IsAmong(group, off);
                QVERIFY2(isOff == shown.contains(name),
                         qPrintable(u"%1 on %2"_s.arg(name, date.toString(Qt::ISODate))));
                if (isOff) {
                    QVERIFY(rota.hasGroup(name));
                    QVERIFY(text.contains(name));
                    seen.insert(name);
                }
            }
        }
        QCOMPARE(seen.size(), rota.groups().size());
    }

    void whosOffRow_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("adjustment");
        QTest::addColumn<QStringList>("boxes");
        QTest::newRow("1901-01-01")
            << QDate(1901, 1, 1) << 0
            << QStringList{"1 - 2", "5 - 6", "E - F", "4-5-6", "N-H-I", "A-D"};
        QTest::newRow("adjustment 7 is a week later")
            << QDate(2024, 3, 1) << 7 << texts(QDate(2024, 3, 8), 0);
    }

    void whosOffRow()
    {
        QFETCH(QDate, date);
        QFETCH(int, adjustment);
        QFETCH(QStringList, boxes);
        QStringList headings;
        for (const Rota& rota : WhosOff::Row())
            headings << rota.whosOffHeading();
        QCOMPARE(headings, QStringList({"CG 6-2", "MM 6-2", "4-2", "5-3", "3-3", "5-2-5-3"}));
        QCOMPARE(texts(date, adjustment), boxes);
    }

    void fiveTwoFiveThreeGivesFiveOnTwoOffFiveOnThreeOff()
    {
        // Over the 15-day cycle each group is off on one run of 2 and one run of 3 days.
        const Rota rota = Rota::BuiltIn(RotaKind::FiveTwoFiveThree);
        QCOMPARE(rota.length(), 15);
        for (const QString& group : rota.groups()) {
            QString offDays;
            for (int day = 0; day < 15; ++day)
                offDays += GroupMatch::IsAmong(group, rota.groupsOff(1000 + day, 0)) ? u'x' : u'.';
            const QString twice = offDays + offDays;
            QVERIFY2(twice.contains(u".xx.....xxx."_s) || twice.contains(u".xxx.....xx."_s),
                     qPrintable(group + u' ' + offDays));
        }
    }

private:
    static QStringList texts(QDate date, int adjustment)
    {
        QStringList boxes;
        for (const Rota& rota : WhosOff::Row())
            boxes << rota.whosOffText(date, adjustment);
        return boxes;
    }

    void addDefinitions()
    {
        QTest::addColumn<int>("index");
        const QList<BuiltInRota>& definitions = BuiltInRotas::Definitions();
        for (int i = 0; i < definitions.size(); ++i)
            QTest::newRow(qPrintable(definitions.at(i).commandName)) << i;
    }
};

QTEST_APPLESS_MAIN(TestRota)
#include "tst_rota.moc"
