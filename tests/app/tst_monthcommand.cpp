#include "app/CommandLine.h"
#include "app/MonthCommand.h"
#include "month/frmMonth.h"
#include "print/RecordingSurface.h"
#include "store/AppState.h"
#include "store/CalendarDatabase.h"
#include "store/VacationTable.h"

#include "CalendarFixture.h"
#include "CommandRun.h"
#include "ScriptedPrompter.h"

#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace CalendarFixture;

namespace {

CommandRun run(const QStringList& arguments)
{
    return CommandRun::Kelvane(QStringList{u"print-month"_s} + arguments, QDate(2024, 6, 15));
}

} // namespace

class TestMonthCommand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { ScriptedPrompter::VerifyAllScripted(); }
    void refused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("no month") << QStringList{} << "--month YYYY-MM";
        QTest::newRow("month 13") << QStringList{"--month", "2024-13"} << "a year has 12 months";
        QTest::newRow("print size 111")
            << QStringList{"--month", "2024-03", "--print-size", "111"} << "30 to 110";
        QTest::newRow("print size fraction")
            << QStringList{"--month", "2024-03", "--print-size", "50.5"} << "30 to 110";
        QTest::newRow("unknown ending")
            << QStringList{"--month", "2024-03", "--out", "OUT/page.txt"} << ".pdf, .png or .ops";
        QTest::newRow("missing database")
            << QStringList{"--month",         u"2024-03"_s, "--database",
                           u"OUT/none.mdb"_s, "--out",      u"OUT/page.ops"_s}
            << "cannot read the calendar database";
    }

    void refused()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QTemporaryDir folder;
        arguments.replaceInStrings(u"OUT"_s, folder.path());
        const CommandRun result = run(arguments);
        QCOMPARE(result.status, CommandLine::BadArguments);
        QVERIFY2(result.err.contains(message), qPrintable(result.err));
        QCOMPARE(result.err.count(u'\n'), 1);
        QVERIFY(result.out.isEmpty());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList());
    }

    void samePageAsTheWindowAndDatabaseUntouched()
    {
        QTemporaryDir folder;
        const QString path = MakeDatabase(folder.path());
        QVERIFY(AddVacation(path, 2024, 3, 5, u"V"_s, u"180, 255, 180"_s));
        QVERIFY(AddVacation(path, 2024, 3, 6, u"X"_s, u"255, 180, 000"_s));
        QVERIFY(Exec(path,
                     u"INSERT INTO \"Monthly Notes\" (\"Month\", \"Note6\", \"SecondNote9\", "
                     "\"Highlight9\") VALUES ('3/1/2024', 'Dentist', 'A rather long note with "
                     "blanks in it', 1)"_s));
        const QByteArray before = Fingerprint(path);
        const QString trace = QDir(folder.path()).filePath(u"march.ops"_s);

        const CommandRun result = run({u"--month"_s, u"2024-03"_s, u"--kind"_s, u"four-two"_s,
                                       u"--group"_s, u"C"_s, u"--vacations"_s, u"--database"_s,
                                       path, u"--print-size"_s, u"90"_s, u"--out"_s, trace});
        QCOMPARE(result.status, CommandLine::Success);
        QCOMPARE(result.err, QString());
        QCOMPARE(Fingerprint(path), before); // the entry word is not stored
        const QString written = ReadText(trace);
        QVERIFY(written.contains(u"\"Vacation\""_s));
        QVERIFY(written.contains(u"\"Dentist\""_s));

        // The month window opened with the same choices prints the very same page.
        CalendarDatabase mainDatabase;
        QVERIFY(mainDatabase.open(path));
        VacationTable entries(mainDatabase);
        AppState state;
        state.DatabasePath = path;
        ScriptedPrompter prompter;
        PlacementFolders folders;
        folders.dataFolder = folder.path();
        CalendarChoices choices;
        choices.calendarDate = QDate(2024, 3, 20);
        choices.yearText = u"2024"_s;
        choices.rota = Rota::BuiltIn(RotaKind::FourTwo);
        choices.highlightGroup = u"C"_s;
        choices.noHighlight = false;
        choices.highlightVacations = true;
        LinkedPrinters printers;
        frmMonth window(choices, state, prompter, printers, &entries, folders);
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        window.HScroll1()->setValue(90);
        RecordingSurface surface;
        window.printTo(surface);
        QCOMPARE(written, surface.trace());
        window.close();

        // A month without a record prints placeholders only and creates none.
        const QByteArray afterWindow = Fingerprint(path);
        const CommandRun april =
            run({u"--month"_s, u"2024-04"_s, u"--database"_s, path, u"--out"_s, trace});
        QCOMPARE(april.status, CommandLine::Success);
        QCOMPARE(Fingerprint(path), afterWindow);
        QVERIFY(!ReadText(trace).contains(u"Click"_s));
    }

    void printSizeAndOrientation()
    {
        QTemporaryDir folder;
        const QString trace = QDir(folder.path()).filePath(u"page.ops"_s);
        const QString empty = MakeDatabase(folder.path());
        for (const auto& [size, orientation] :
             {std::pair{u"75"_s, u"orientation 1"_s}, std::pair{u"76"_s, u"orientation 2"_s},
              std::pair{QString(), u"orientation 2"_s}, std::pair{u"110"_s, u"orientation 2"_s}}) {
            QStringList arguments{u"--month"_s, u"2025-03"_s, u"--database"_s,
                                  empty,        u"--out"_s,   trace};
            if (!size.isEmpty())
                arguments << u"--print-size"_s << size;
            const CommandRun result = run(arguments);
            QCOMPARE(result.status, CommandLine::Success);
            // Only 110 is too large for the Letter page.
            QCOMPARE(result.err, size == u"110"_s ? u"kelvane print-month: print size 110 reduced "
                                                    "to 101 to fit the paper\n"_s
                                                  : QString());
            const QStringList lines = ReadText(trace).split(u'\n');
            QCOMPARE(lines.at(1), orientation);
            if (size.isEmpty()) // the worked example at 100 %
                QVERIFY(lines.contains(u"text 4620 -650 30 1 0 1 #000000 \"    MARCH 2025\""_s));
        }
    }

    void pdfPage()
    {
        QTemporaryDir folder;
        const QString pdf = QDir(folder.path()).filePath(u"month.pdf"_s);
        const QString empty = MakeDatabase(folder.path());
        const CommandRun result =
            run({u"--month"_s, u"2024-02"_s, u"--database"_s, empty, u"--out"_s, pdf});
        QCOMPARE(result.status, CommandLine::Success);
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(5) == "%PDF-");
    }
};

QTEST_MAIN(TestMonthCommand)
#include "tst_monthcommand.moc"
