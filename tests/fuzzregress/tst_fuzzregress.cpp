// Inputs the fuzzers in fuzz/ found faults with, kept so that the faults stay fixed.
#include "CommandRun.h"
#include "rota/NumberText.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;

class TestFuzzRegress : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // A text IsNumeric accepts must read as the number it shows: field checks test the one
    // and then use the other.
    void numberTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        constexpr double largest = std::numeric_limits<double>::max();
        // Found by fuzz_numbertext: IsNumeric trimmed the vertical tab, Val stopped at it.
        QTest::newRow("vertical tab first") << u"\v\t55."_s << 55.0;
        QTest::newRow("form feed first") << u"\f-3"_s << -3.0;
        QTest::newRow("no-break space first") << u"\u00a012"_s << 12.0;
        // Found by fuzz_numbertext: too large a number read as 0.
        QTest::newRow("too large") << u"1e400"_s << largest;
        QTest::newRow("too large, negative") << u" -1e400"_s << -largest;
        QTest::newRow("too small") << u"1e-400"_s << 0.0;
    }

    void numberTexts()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QVERIFY(NumberText::IsNumeric(text));
        QCOMPARE(NumberText::Val(text), value);
    }

    // The same faults as the command line showed them: a refused adjustment was taken as 0.
    // Found by fuzz_commandline: drawing a page in a bare core application aborted in Qt's
    // font database; it is refused instead.
    void drawingWithoutTheGuiLibraryIsRefused()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"year.pdf"_s);
        const CommandRun run = CommandRun::Kelvane({u"print-year"_s, u"--out"_s, path});
        QCOMPARE(run.status, CommandLine::Failed);
        QVERIFY2(run.err.contains(u"cannot draw"_s), qPrintable(run.err));
        QVERIFY(!QFile::exists(path));
    }

    void adjustments_data()
    {
        QTest::addColumn<QString>("adjustment");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("sameAs");
        QTest::newRow("too large") << u"1e400"_s << CommandLine::BadArguments << QString();
        QTest::newRow("vertical tab first") << u"\v7"_s << CommandLine::Success << u"7"_s;
        QTest::newRow("no-break space first") << u"\u00a07"_s << CommandLine::Success << u"7"_s;
    }

    void adjustments()
    {
        QFETCH(QString, adjustment);
        QFETCH(int, status);
        QFETCH(QString, sameAs);
        const CommandRun outcome =
            CommandRun::Kelvane({u"whos-off"_s, u"2024-03-01"_s, u"--adjust"_s, adjustment});
        QCOMPARE(outcome.status, status);
        if (!sameAs.isEmpty()) {
            const CommandRun plain = CommandRun::Kelvane({u"whos-off"_s, u"2024-03-01"_s, u"--adjust"_s, sameAs});
            QCOMPARE(outcome.out, plain.out);
        }
    }
};

QTEST_GUILESS_MAIN(TestFuzzRegress)
#include "tst_fuzzregress.moc"
