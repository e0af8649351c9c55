// Inputs the fuzzers in fuzz/ found faults with, kept so that the faults stay fixed.
#include "app/CommandLine.h"
#include "rota/NumberText.h"

#include <QStandardPaths>
#include <QTest>

#include <limits>

namespace {

struct Outcome
{
    int status;
    QString out;
};

Outcome kelvane(QStringList arguments)
{
    arguments.prepend(QStringLiteral("kelvane"));
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int status = CommandLine::Run(arguments, outStream, errStream);
    outStream.flush();
    return {status, out};
}

} // namespace

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
        QTest::newRow("vertical tab first") << QStringLiteral("\v\t55.") << 55.0;
        QTest::newRow("form feed first") << QStringLiteral("\f-3") << -3.0;
        QTest::newRow("no-break space first") << QStringLiteral("\u00a012") << 12.0;
        // Found by fuzz_numbertext: too large a number read as 0.
        QTest::newRow("too large") << QStringLiteral("1e400") << largest;
        QTest::newRow("too large, negative") << QStringLiteral(" -1e400") << -largest;
        QTest::newRow("too small") << QStringLiteral("1e-400") << 0.0;
    }

    void numberTexts()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QVERIFY(NumberText::IsNumeric(text));
        QCOMPARE(NumberText::Val(text), value);
    }

    // The same faults as the command line showed them: a refused adjustment was taken as 0.
    void adjustments_data()
    {
        QTest::addColumn<QString>("adjustment");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("sameAs");
        QTest::newRow("too large")
            << QStringLiteral("1e400") << CommandLine::BadArguments << QString();
        QTest::newRow("vertical tab first")
            << QStringLiteral("\v7") << CommandLine::Success << QStringLiteral("7");
        QTest::newRow("no-break space first")
            << QStringLiteral("\u00a07") << CommandLine::Success << QStringLiteral("7");
    }

    void adjustments()
    {
        QFETCH(QString, adjustment);
        QFETCH(int, status);
        QFETCH(QString, sameAs);
        const Outcome outcome = kelvane({QStringLiteral("whos-off"), QStringLiteral("2024-03-01"),
                                         QStringLiteral("--adjust"), adjustment});
        QCOMPARE(outcome.status, status);
        if (!sameAs.isEmpty()) {
            const Outcome plain = kelvane({QStringLiteral("whos-off"), QStringLiteral("2024-03-01"),
                                           QStringLiteral("--adjust"), sameAs});
            QCOMPARE(outcome.out, plain.out);
        }
    }
};

QTEST_GUILESS_MAIN(TestFuzzRegress)
#include "tst_fuzzregress.moc"
