#include "print/AllPatternsBatch.h"
#include "rota/BuiltInRotas.h"

#include "RotaFiles.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString colourName(ColourFamily family)
{
    return ColourFamilies::CommandName(family);
}

// "rota group colour" of each calendar printed, as its choices give them.
struct Printed
{
    QStringList calendars;
    QList<CalendarChoices> choices;
    std::function<void(int)> onPrint;

    AllPatternsBatch::PrintCalendar print()
    {
        return [this](int index, const CalendarChoices& calendar) {
            QCOMPARE(index, calendars.size());
            const QString rota = calendar.rota.commandName().isEmpty()
                                     ? calendar.rota.caption()
                                     : calendar.rota.commandName();
            QString colour;
            for (const ColourFamily family : {ColourFamily::Yellow, ColourFamily::Pink,
                                              ColourFamily::Green, ColourFamily::Blue})
                if (ShadeColors::For(family, 20).RdoColor == calendar.shades.RdoColor)
                    colour = colourName(family);
            calendars << rota + u' ' + calendar.highlightGroup + u' ' + colour;
            choices << calendar;
            if (onPrint)
                onPrint(int(calendars.size()));
        };
    }
};

CalendarChoices base()
{
    CalendarChoices choices;
    choices.yearText = u"2001"_s;
    choices.rota = Rota::BuiltIn(RotaKind::FiveThree);
    choices.highlightVacations = true;
    choices.shades = ShadeColors::For(ColourFamily::Grey, 20);
    return choices;
}

} // namespace

class TestAllPatternsBatch : public QObject
{
    Q_OBJECT

private slots:
    void question_data()
    {
        QTest::addColumn<QString>("copies");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("secondLine");
        QTest::newRow("one") << "1"
                             << "2001"
                             << "Printing 1 highlighted copy of each 2001 RDO pattern.";
        QTest::newRow("two") << "2"
                             << "2001"
                             << "Printing 2 highlighted copies of each 2001 RDO pattern.";
        // The texts are shown as typed.
        QTest::newRow("as typed") << "1.5"
                                  << " 2025"
                                  << "Printing 1.5 highlighted copies of each  2025 RDO pattern.";
    }

    void question()
    {
        QFETCH(QString, copies);
        QFETCH(QString, year);
        QFETCH(QString, secondLine);
        QCOMPARE(AllPatternsBatch::QuestionText(copies, year),
                 u"Do you want the highlight color to be random?\n\r"_s + secondLine);
        QCOMPARE(AllPatternsBatch::QuestionTitle(),
                 u"Randomize colors to make printer cartridges last longer!"_s);
    }

    // Whatever built-in kind is chosen, the batch is the CG six-and-two groups, then the
    // four-and-two ones; a rota file's batch is its own groups, in the file's order.
    void jobs_data()
    {
        QTest::addColumn<QByteArray>("rotaFile"); // empty: the built-in kind
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("calendars");
        QStringList builtIn;
        for (const char* group : {" 1", " 2", " 3", " 4", " 5", " 6", " 7"})
            builtIn << u"cg-six-two %1 yellow"_s.arg(QLatin1String(group));
        for (const char* group : {"A", "B", "C", "D", "E", "F", "G"})
            builtIn << u"four-two %1 yellow"_s.arg(QLatin1String(group));
        QTest::newRow("five-three") << QByteArray() << int(RotaKind::FiveThree) << builtIn;
        QTest::newRow("no pattern") << QByteArray() << int(RotaKind::NoPattern) << builtIn;
        QTest::newRow("rota file")
            << QByteArray("name = Mixed\nstart = 2027-01-04\ngroups = K 2 A\npattern = WO\n") << 0
            << QStringList{"Mixed K yellow", "Mixed  2 yellow", "Mixed A yellow"};
    }

    void jobs()
    {
        QFETCH(QByteArray, rotaFile);
        QFETCH(int, kind);
        QFETCH(QStringList, calendars);
        CalendarChoices choices = base();
        choices.rota = rotaFile.isEmpty() ? Rota::BuiltIn(static_cast<RotaKind>(kind))
                                          : *RotaFiles::Read(rotaFile);
        AllPatternsBatch batch(AllPatternsBatch::Jobs(choices.rota), [] {
            QTest::qFail("no colour is drawn for fixed colours", __FILE__, __LINE__);
            return 0.0;
        });
        Printed printed;
        QCOMPARE(batch.run(choices, false, 20, printed.print()), AllPatternsBatch::Result::Printed);
        QCOMPARE(printed.calendars, calendars);
        QCOMPARE(batch.printedCount(), calendars.size());
        for (const CalendarChoices& calendar : printed.choices) {
            QVERIFY(!calendar.highlightVacations);
            QVERIFY(!calendar.noHighlight);
            QCOMPARE(calendar.yearText, u"2001"_s);
        }
        QCOMPARE(batch.lastColour(), ColourFamily::Yellow);
    }

    void randomColours_data()
    {
        QTest::addColumn<double>("uniform");
        QTest::addColumn<QString>("colour");
        QTest::newRow("0") << 0.0 << "yellow";
        QTest::newRow("just below a quarter") << 0.2499 << "yellow";
        QTest::newRow("a quarter") << 0.25 << "pink";
        QTest::newRow("a half") << 0.5 << "green";
        QTest::newRow("three quarters") << 0.75 << "blue";
        QTest::newRow("almost 1") << 0.9999 << "blue";
    }

    void randomColours()
    {
        QFETCH(double, uniform);
        QFETCH(QString, colour);
        QCOMPARE(colourName(AllPatternsBatch::ColourFor(uniform)), colour);
    }

    void seededRunUsesOneColourPerCalendar()
    {
        QRandomGenerator generator(20240329);
        QStringList drawn;
        AllPatternsBatch batch(AllPatternsBatch::Jobs(base().rota), [&] {
            const double u = generator.generateDouble();
            drawn << colourName(AllPatternsBatch::ColourFor(u));
            return u;
        });
        Printed printed;
        QCOMPARE(batch.run(base(), true, 20, printed.print()), AllPatternsBatch::Result::Printed);
        QCOMPARE(drawn.size(), 14);
        for (int i = 0; i < 14; ++i)
            QVERIFY(printed.calendars[i].endsWith(u' ' + drawn[i]));
        QCOMPARE(colourName(batch.lastColour()), drawn.last());
        // Over a few hundred draws every colour comes up, in about equal shares.
        QMap<ColourFamily, int> counts;
        for (int i = 0; i < 4000; ++i)
            ++counts[AllPatternsBatch::ColourFor(generator.generateDouble())];
        QCOMPARE(counts.size(), 4);
        for (int count : counts)
            QVERIFY(count > 850 && count < 1150);
    }

    void stopAfterCurrentCalendar()
    {
        AllPatternsBatch batch(AllPatternsBatch::Jobs(base().rota));
        Printed printed;
        printed.onPrint = [&](int count) {
            if (count == 3)
                batch.requestStop();
        };
        QCOMPARE(batch.run(base(), false, 20, printed.print()), AllPatternsBatch::Result::Stopped);
        QCOMPARE(printed.calendars.size(), 3);
        QCOMPARE(batch.printedCount(), 3);
        // A new run starts afresh.
        Printed again;
        QCOMPARE(batch.run(base(), false, 20, again.print()), AllPatternsBatch::Result::Printed);
        QCOMPARE(batch.printedCount(), 14);
    }
};

QTEST_GUILESS_MAIN(TestAllPatternsBatch)
#include "tst_allpatternsbatch.moc"
