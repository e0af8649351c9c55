#include "rota/DayNumbering.h"
#include "rota/GroupMatch.h"
#include "rota/NumberText.h"
#include "rota/RotaKindTable.h"
#include "rota/WhosOff.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

// Walks the rota-kind table: each row's facts must agree with each other, with the other
// rows, and with the cycle data as the who's-off boxes show it.
class TestRotaKindTable : public QObject
{
    Q_OBJECT

private slots:
    void rowFactsAgree_data() { addKinds(); }

    void rowFactsAgree()
    {
        QFETCH(int, code);
        const RotaKindInfo& row = RotaKindTable::Of(static_cast<RotaKind>(code));
        QCOMPARE(RotaKinds::Code(row.kind), code);
        QCOMPARE(RotaKindTable::FromCommandName(row.commandName), row.kind);
        QCOMPARE(RotaKindTable::FromCommandName(NumberText::Plain(code)), row.kind);
        QCOMPARE(QString(row.button.caption).replace(u"&&"_s, u"&"_s), row.icsName);

        for (const RotaKindInfo& other : RotaKindTable::Rows()) {
            if (other.kind == row.kind)
                continue;
            QVERIFY(other.button.caption != row.button.caption);
            QVERIFY(other.button.name != row.button.name);
            QVERIFY(other.commandName != row.commandName);
            QVERIFY(other.button.column != row.button.column || other.button.row != row.button.row);
        }

        // The groups it names are exactly the pattern buttons it enables.
        QString enabled;
        for (int button = 0; button < RotaKinds::PatternButtonCount; ++button) {
            if (RotaKindTable::IsPatternButtonEnabled(row.kind, button))
                enabled += RotaKinds::GroupForPatternButton(button).trimmed();
        }
        QCOMPARE(enabled, row.groups);
        QCOMPARE(row.whosOffBoxes.isEmpty(), row.groups.isEmpty());
        if (!row.groups.isEmpty())
            QVERIFY(row.keyLabel.contains(u"%1"_s));
    }

    // Over one cycle, a group is found off (by the match the printouts shade with) exactly on
    // the days the kind's who's-off boxes list it, and every group the kind names is off.
    void groupsOffAreFoundWhereTheCycleDataPutThem_data() { addKinds(); }

    void groupsOffAreFoundWhereTheCycleDataPutThem()
    {
        QFETCH(int, code);
        const RotaKindInfo& row = RotaKindTable::Of(static_cast<RotaKind>(code));
        QSet<QString> seen;
        const QDate first(2025, 1, 1);
        for (QDate date = first; date < first.addDays(49); date = date.addDays(1)) {
            RotaDay rota;
            const QStringList boxes = WhosOff::LookUp(date, 0, rota);
            QStringList shown;
            for (int box : row.whosOffBoxes) {
                for (const QString& group : boxes.at(box).split(u'-'))
                    shown << group.trimmed();
            }
            rota.PatternDay =
                DayNumbering::PatternPosition(row.kind, DayNumbering::DayNumber(date), 0);
            GetPatterns(rota);
            const QString text = GroupMatch::GroupsOffText(row.kind, rota);
            for (int button = 0; button < RotaKinds::PatternButtonCount; ++button) {
                const QString group = RotaKinds::GroupForPatternButton(button);
                const QString letter = group.trimmed();
                const bool off = GroupMatch::IsHighlightedGroupOff(row.kind, group, rota);
                QVERIFY2(off == shown.contains(letter),
                         qPrintable(u"%1 on %2"_s.arg(letter, date.toString(Qt::ISODate))));
                if (off) {
                    QVERIFY(row.groups.contains(letter));
                    QVERIFY(text.contains(letter));
                    seen.insert(letter);
                }
            }
        }
        QCOMPARE(seen.size(), row.groups.size());
    }

private:
    void addKinds()
    {
        QTest::addColumn<int>("code");
        for (int code = 0; code < RotaKinds::Count; ++code)
            QTest::newRow(qPrintable(NumberText::Plain(code))) << code;
    }
};

QTEST_APPLESS_MAIN(TestRotaKindTable)
#include "tst_rotakindtable.moc"
