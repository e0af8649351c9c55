#include "print/AllPatternsBatch.h"
#include "print/BatchTarget.h"

#include "ScriptedPrompter.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString colourName(ColourFamily family)
{
    return ColourFamilies::CommandName(family);
}

// Records the handler calls as the window would receive them, and what each printed
// calendar would show.
class FakeWindow final : public BatchTarget
{
public:
    QString copies = u"1"_s;
    QString year = u"2001"_s;
    QStringList calls;
    QStringList printed; // "kind group colour" per calendar
    bool vacations = true;
    QString kind = u"five-three"_s;
    QString group = u"none"_s;
    QString colour = u"grey"_s;
    std::function<void(int)> onPrint;

    QString copiesText() const override { return copies; }
    QString yearText() const override { return year; }
    void untickVacations() override
    {
        calls << u"untick"_s;
        vacations = false;
    }
    void selectSixAndTwo() override
    {
        calls << u"six-two"_s;
        kind = u"cg-six-two"_s;
        group = u"none"_s;
    }
    void selectFourAndTwo() override
    {
        calls << u"four-two"_s;
        kind = u"four-two"_s;
        group = u"none"_s;
    }
    void selectPattern(int index) override
    {
        calls << u"pattern %1"_s.arg(index);
        group = AllPatternsBatch::GroupOf(index);
    }
    void selectColour(ColourFamily family) override
    {
        calls << colourName(family);
        colour = colourName(family);
    }
    void printCalendar() override
    {
        calls << u"print"_s;
        printed << kind + u' ' + group + u' ' + colour;
        if (onPrint)
            onPrint(int(printed.size()));
    }
    void setBusy(bool busy) override { calls << (busy ? u"busy"_s : u"idle"_s); }
    void showProgress(int number, int total) override
    {
        progress << u"%1 of %2 %3"_s.arg(number).arg(total).arg(group);
    }
    QStringList progress;
};

} // namespace

class TestAllPatternsBatch : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { ScriptedPrompter::VerifyAllScripted(); }
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
        FakeWindow window;
        window.copies = copies;
        window.year = year;
        ScriptedPrompter prompter;
        prompter.queueAnswer(Prompter::Answer::Cancel);
        QCOMPARE(AllPatternsBatch(window).run(prompter), AllPatternsBatch::Result::Cancelled);
        // Cancel changes nothing.
        QVERIFY(window.calls.isEmpty());
        QCOMPARE(prompter.shown().size(), 1);
        const ScriptedPrompter::Shown& shown = prompter.shown().first();
        QCOMPARE(shown.text, u"Do you want the highlight color to be random?\n\r"_s + secondLine);
        QCOMPARE(shown.title, u"Randomize colors to make printer cartridges last longer!"_s);
        QCOMPARE(shown.buttons, Prompter::Buttons::YesNoCancel);
    }

    void fixedColourOrder()
    {
        FakeWindow window;
        ScriptedPrompter prompter;
        prompter.queueAnswer(Prompter::Answer::No);
        AllPatternsBatch batch(window, [] {
            QTest::qFail("no colour is drawn for fixed colours", __FILE__, __LINE__);
            return 0.0;
        });
        QCOMPARE(batch.run(prompter), AllPatternsBatch::Result::Printed);
        QCOMPARE(batch.printedCount(), 14);
        QStringList expected;
        for (const char* group : {"1", "2", "3", "4", "5", "6", "7"})
            expected << u"cg-six-two %1 yellow"_s.arg(QLatin1String(group));
        for (const char* group : {"A", "B", "C", "D", "E", "F", "G"})
            expected << u"four-two %1 yellow"_s.arg(QLatin1String(group));
        QCOMPARE(window.printed, expected);
        QCOMPARE(window.calls.mid(0, 6), QStringList({u"untick"_s, u"busy"_s, u"six-two"_s,
                                                      u"yellow"_s, u"pattern 0"_s, u"print"_s}));
        // The kind changes just before pattern A; the window is left on it, G highlighted.
        QCOMPARE(window.calls.indexOf(u"four-two"_s) + 1, window.calls.indexOf(u"pattern 7"_s));
        QCOMPARE(window.calls.last(), u"idle"_s);
        QCOMPARE(window.kind + u' ' + window.group, u"four-two G"_s);
        QVERIFY(!window.vacations);
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
        FakeWindow window;
        ScriptedPrompter prompter;
        prompter.queueAnswer(Prompter::Answer::Yes);
        QRandomGenerator generator(20240329);
        QStringList drawn;
        AllPatternsBatch batch(window, [&] {
            const double u = generator.generateDouble();
            drawn << colourName(AllPatternsBatch::ColourFor(u));
            return u;
        });
        QCOMPARE(batch.run(prompter), AllPatternsBatch::Result::Printed);
        QCOMPARE(drawn.size(), 14);
        for (int i = 0; i < 14; ++i)
            QVERIFY(window.printed[i].endsWith(u' ' + drawn[i]));
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
        FakeWindow window;
        AllPatternsBatch batch(window);
        window.onPrint = [&](int printed) {
            if (printed == 3)
                batch.requestStop();
        };
        QCOMPARE(batch.printAll(false), AllPatternsBatch::Result::Stopped);
        QCOMPARE(window.printed.size(), 3);
        QCOMPARE(batch.printedCount(), 3);
        QCOMPARE(window.progress, QStringList({u"1 of 14 1"_s, u"2 of 14 2"_s, u"3 of 14 3"_s}));
        QCOMPARE(window.calls.last(), u"idle"_s);
        // A new run starts afresh.
        window.onPrint = {};
        QCOMPARE(batch.printAll(false), AllPatternsBatch::Result::Printed);
        QCOMPARE(batch.printedCount(), 14);
    }
};

QTEST_GUILESS_MAIN(TestAllPatternsBatch)
#include "tst_allpatternsbatch.moc"
