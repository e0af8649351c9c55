#include "app/CommandLine.h"
#include "app/PrintCommands.h"
#include "print/SurfaceFactory.h"
#include "rota/BuiltInRotas.h"
#include "rota/DayNumbering.h"
#include "store/CalendarDatabase.h"
#include "store/SafeFile.h"

#include "CalendarFixture.h"
#include "CommandRun.h"
#include "RecordedOps.h"
#include "RotaFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace CalendarFixture;
using RecordedOps::TraceLines;

namespace {

enum class Command
{
    Year,
    All
};

CommandRun run(Command command, const QStringList& arguments)
{
    const QString name = command == Command::Year ? u"print-year"_s : u"print-all"_s;
    return CommandRun::Kelvane(QStringList{name} + arguments, QDate(2030, 6, 15));
}

// The trace of print-year with these arguments.
QString yearTrace(const QTemporaryDir& dir, const QStringList& arguments,
                  CommandRun* result = nullptr)
{
    const QString path = dir.filePath(u"year.ops"_s);
    QFile::remove(path);
    const CommandRun done = run(Command::Year, arguments + QStringList{u"--out"_s, path});
    if (result)
        *result = done;
    return ReadText(path);
}

// Every kind of file the subcommands write; @ stands for the folder, `old` is the file that
// is already there.
struct WritingCommand
{
    const char* name;
    const char* arguments;
    const char* old;
};
constexpr WritingCommand WritingCommands[] = {
    {"print-year pdf", "print-year --year 2025 --out @/old.pdf", "old.pdf"},
    {"print-year png", "print-year --out @/old.png", "old.png"},
    {"print-year ops", "print-year --out @/old.ops", "old.ops"},
    {"print-all", "print-all --out @ --format pdf", "01-1.pdf"},
    {"print-month", "print-month --month 2025-03 --out @/old.pdf", "old.pdf"},
    {"export-ics",
     "export-ics --kind four-two --group A --from 2025-01-01 --to 2025-12-31 --out @/old.ics",
     "old.ics"},
};

// Runs the command over an old file in `folder` and expects a reported failure with the old
// file as it was and nothing else left behind.
void failsKeepingTheOldFile(const QString& folder, QString arguments, const QString& old)
{
    const QByteArray oldBytes = "the old file\n";
    const QString oldPath = QDir(folder).filePath(old);
    WriteFile(oldPath, oldBytes);
    const QStringList before = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    const CommandRun result = CommandRun::Kelvane(arguments.replace(u'@', folder).split(u' '));
    QCOMPARE(result.status, CommandLine::Failed);
    QCOMPARE(result.err.count(u'\n'), 1);
    QVERIFY2(result.err.contains(u"No space left on device"_s), qPrintable(result.err));
    QFile file(oldPath);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), oldBytes);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), before);
}

} // namespace

class TestPrintCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void refusedValues_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("arguments"); // separated by blanks; @ is the test folder
        QTest::addColumn<QString>("fragment");
        const auto year = int(Command::Year);
        const auto all = int(Command::All);
        // clang-format off
        QTest::newRow("year too early")            << year << "--year 1900" << "1901";
        QTest::newRow("year too late")             << year << "--year 2125" << "2124";
        QTest::newRow("year text")                 << year << "--year abc" << "year";
        QTest::newRow("size small")                << year << "--size 19" << "20 to 100";
        QTest::newRow("size large")                << year << "--size 101" << "20 to 100";
        QTest::newRow("size text")                 << year << "--size big" << "size";
        QTest::newRow("copies 0")                  << year << "--copies 0" << "copies";
        QTest::newRow("adjust 49")                 << year << "--adjust 49" << "0 and 48";
        QTest::newRow("adjust -1")                 << year << "--adjust -1" << "0 and 48";
        QTest::newRow("kind")                      << year << "--kind eight" << "rota kind";
        QTest::newRow("group 8")                   << year << "--group 8" << "1 2 3";
        QTest::newRow("group of another kind")     << year << "--kind four-two --group H" << "A B C";
        QTest::newRow("G on five-two-five-three")  << year << "--kind 7 --group G" << "A B C D E F)";
        QTest::newRow("group without pattern")     << year << "--kind none --group 1" << "no groups";
        QTest::newRow("holidays")                  << year << "--holidays 101" << "13";
        QTest::newRow("colour")                    << year << "--colour purple" << "colour";
        QTest::newRow("shade")                     << year << "--shade 101" << "-100 to 100";
        QTest::newRow("no patterns without group") << year << "--no-patterns" << "--group";
        QTest::newRow("unknown ending")            << year << "--out @/page.txt" << ".pdf, .png or .ops";
        QTest::newRow("no file name")              << year << "--out=" << "--out needs the name of a file";
        QTest::newRow("no folder name")            << all << "--out=" << "--out needs the name of a folder";
        QTest::newRow("dpi")                       << year << "--out @/p.png --dpi 5" << "--dpi";
        QTest::newRow("page")                      << year << "--out @/p.ops --page 10,10" << "W,H";
        QTest::newRow("page on printer")           << year << "--page 9000,9000" << "--out";
        QTest::newRow("paper")                     << year << "--paper b5" << "letter, legal, a4";
        QTest::newRow("paper, control characters") << year << "--paper a4\x1b]0;x\x07" << "\\u001b]0;x\\u0007";
        QTest::newRow("paper and page")            << year << "--out @/p.ops --paper a4 --page 9000,9000" << "either";
        QTest::newRow("printer and file")          << year << "--printer x --out @/p.ops" << "--printer";
        QTest::newRow("database missing")
            << year << "--vacations --database @/none.mdb --out @/p.ops" << "none.mdb";
        QTest::newRow("database not a database")
            << year << "--vacations --database @/junk.mdb --out @/p.ops" << "junk.mdb";
        QTest::newRow("kind and rota")             << year << "--kind 2 --rota @/junk.mdb" << "either --kind or --rota";
        QTest::newRow("broken rota file")          << all << "--rota @/junk.mdb" << "junk.mdb:1: the line has no '='";
        QTest::newRow("rota file, control characters") << all << "--rota @/\x1b[2Kx.rota" << "\\u001b[2Kx.rota: no such file";
        QTest::newRow("unknown option")            << year << "--colours x" << "colours";
        QTest::newRow("argument")                  << year << "2024" << "2024";
        QTest::newRow("all: format")               << all << "--out @/d --format svg" << "svg";
        QTest::newRow("all: folder is a file")     << all << "--out @/junk.mdb" << "not a folder";
        QTest::newRow("all: year")                 << all << "--year 1800 --out @/d" << "1901";
        // clang-format on
    }

    void refusedValues() { checkOneLineRefusal(CommandLine::BadArguments); }

    // What the system keeps from being done is no wrong argument: exit status 1.
    void couldNotDoIt_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("fragment");
        const auto year = int(Command::Year);
        const auto all = int(Command::All);
        QTest::newRow("missing folder") << year << "--out @/no/page.pdf"
                                        << "does not exist";
        QTest::newRow("folder cannot be made") << all << "--out @/junk.mdb/d"
                                               << "cannot create";
        QTest::newRow("database is a folder") << year << "--vacations --database @ --out @/p.ops"
                                              << "is not a regular file";
    }

    void couldNotDoIt() { checkOneLineRefusal(CommandLine::Failed); }

    // One line on standard error, the exit status, nothing written.
    void checkOneLineRefusal(int status)
    {
        QFETCH(int, command);
        QFETCH(QString, arguments);
        QFETCH(QString, fragment);
        QTemporaryDir dir;
        WriteFile(dir.filePath(u"junk.mdb"_s), "not a database");
        const CommandRun result =
            run(Command(command), arguments.replace(u'@', dir.path()).split(u' '));
        QCOMPARE(result.status, status);
        QVERIFY2(result.err.contains(fragment), qPrintable(result.err));
        QVERIFY(result.err.startsWith(command == int(Command::Year) ? u"kelvane print-year: "_s
                                                                    : u"kelvane print-all: "_s));
        QCOMPARE(result.err.count(u'\n'), 1);
        QVERIFY(result.err.endsWith(u'\n'));
        // What the user typed comes back quoted: no control character reaches the terminal.
        QVERIFY(std::none_of(result.err.cbegin(), result.err.cend() - 1,
                             [](QChar c) { return c.category() == QChar::Other_Control; }));
        QVERIFY(result.out.isEmpty());
        // Nothing but the junk file in the folder.
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{u"junk.mdb"_s});
    }

    // A row per exit status of the README's table; --printer names a printer the machine
    // does not have: a bad argument where there are printers, "no printer" where there are none.
    void exitStatuses_data()
    {
        QTest::addColumn<QString>("arguments"); // @ is the test folder
        QTest::addColumn<int>("printers");      // needed on the machine: 1 some, 0 none, -1 any
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("fragment"); // of standard error
        // clang-format off
        QTest::newRow("0 done")                 << "--out @/y.pdf" << -1 << 0 << "";
        QTest::newRow("1 could not do it")      << "--out @/no/y.pdf" << -1 << 1 << "does not exist";
        QTest::newRow("2 bad arguments")        << "--year 1800" << -1 << 2 << "1901";
        QTest::newRow("2 unknown printer")      << "--printer no-such-queue" << 1 << 2 << "no printer \"no-such-queue\"; the printers are";
        QTest::newRow("3 no printer")           << "" << 0 << 3 << "no printer is installed";
        QTest::newRow("3 no printer, --printer") << "--printer no-such-queue" << 0 << 3 << "there is no printer \"no-such-queue\": no printer is installed";
        QTest::newRow("3 no printer, --printer with control characters") << "--printer evil\n\x1b]0;pwned\x07" << 0 << 3 << "evil\\n\\u001b";
        // clang-format on
    }

    void exitStatuses()
    {
        QFETCH(QString, arguments);
        QFETCH(int, printers);
        QFETCH(int, status);
        QFETCH(QString, fragment);
        const bool some = !LinkedPrinters().printers.names().isEmpty();
        if (printers >= 0 && some != (printers == 1))
            QSKIP(some ? "this machine has a printer" : "this machine has no printer");
        QTemporaryDir dir;
        const CommandRun result =
            run(Command::Year, arguments.replace(u'@', dir.path()).split(u' ', Qt::SkipEmptyParts));
        QCOMPARE(result.status, status);
        QVERIFY2(result.err.contains(fragment), qPrintable(result.err));
        QCOMPARE(result.err.count(u'\n'), status == 0 ? 0 : 1);
        QVERIFY(std::none_of(result.err.cbegin(), result.err.cend(), [](QChar c) {
            return c != u'\n' && c.category() == QChar::Other_Control;
        }));
    }

    void defaultsAreTheFirstRunChoices()
    {
        QTemporaryDir dir;
        CommandRun result;
        const QString trace = yearTrace(dir, {}, &result);
        QCOMPARE(result.status, CommandLine::Success);
        QVERIFY(result.err.isEmpty());
        QCOMPARE(trace.section(u'\n', 0, 4),
                 u"page 11520 15120\norientation 1\ncopies 1\nfont \"Times New Roman\"\n"
                 "origin -350 -1200"_s);
        // This year (from the clock), station Darizu, CG six-and-two.
        QCOMPARE(TraceLines(trace, u"text 2492 -1000 "_s).value(0).section(u' ', 8),
                 u"\"DARIZU - 2030 6-2 RDO CALENDAR\""_s);
        // Only the default holidays are shaded: eight grey fills, no others.
        const QStringList fills = TraceLines(trace, u"fill "_s);
        QCOMPARE(fills.size(), 8);
        for (const QString& fill : fills)
            QVERIFY(fill.endsWith(u"#c8c8c8"_s));
        QVERIFY(TraceLines(trace, u"circle "_s).isEmpty());
    }

    void choicesReachThePage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected"); // a line of the trace
        QTest::addColumn<QStringList>("same"); // arguments giving the identical trace
        QTest::newRow("group and colour")
            << QStringList{"--year",      u"2001"_s, "--group", "5",
                           u"--colour"_s, "blue",    "--shade", "-50"}
            << "fill 970 0 1470 500 #8282cd"
            << QStringList{"--year", "2001",        u"--kind"_s, "0",          u"--group"_s,
                           u"5"_s,   u"--colour"_s, "BLUE",      u"--shade"_s, "-50"};
        QTest::newRow("letter group")
            << QStringList{"--year", "2001", "--kind", "four-two", "--group", "c"}
            << "fill 970 0 1470 500 #ffff64"
            << QStringList{"--year", "2001", "--kind", "2", "--group", "C"};
        QTest::newRow("size is floored")
            << QStringList{"--size", "55.9"} << "origin -193 -660" << QStringList{"--size", "55"};
        QTest::newRow("adjustment is floored") << QStringList{"--year", "2001", "--adjust", "7.8"}
                                               << "text 500 250 10 0 0 1 #000000 \" 3-4\""
                                               << QStringList{"--year", "2001", "--adjust", "7"};
        QTest::newRow("copies") << QStringList{"--copies", "3"} << "copies 3"
                                << QStringList{"--copies", "+3"};
        QTest::newRow("station and year as typed")
            << QStringList{"--year", " 2024", "--station", "Quay \"7\""}
            << "text 2174 -1000 18 1 1 0 #000000 \"QUAY \\\"7\\\" -  2024 6-2 RDO CALENDAR\""
            << QStringList{"--year", " 2024", "--station", "QUAY \"7\""};
        QTest::newRow("page") << QStringList{"--page", "5000,12000"} << "quality high"
                              << QStringList{"--page", "5000,12000", "--size", "100"};
        QTest::newRow("key") << QStringList{"--year", "2025", "--group", "3", "--key"}
                             << "text 250 13710 8 0 0 1 #000000 \"Pattern 3 days off\""
                             << QStringList{"--year", "2025", "--key", "--group", "3"};
        QTest::newRow("pay days") << QStringList{"--year", "2024", "--paydays"}
                                  << "circle 1595 625 120 1 #000000 #ffffb9"
                                  << QStringList{"--year", "2024", "--paydays", u"--group"_s,
                                                 "none"};
    }

    void choicesReachThePage()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        QFETCH(QStringList, same);
        QTemporaryDir dir;
        CommandRun result;
        const QString trace = yearTrace(dir, arguments, &result);
        QVERIFY2(result.status == CommandLine::Success, qPrintable(result.err));
        QVERIFY2(trace.split(u'\n').contains(expected), qPrintable(expected));
        QCOMPARE(yearTrace(dir, same), trace);
    }

    void vacationsFromDatabase()
    {
        QTemporaryDir dir;
        const QString path = MakeDatabase(dir.path());
        QVERIFY(AddVacation(path, 2001, 1, 2, u"V"_s, u"180, 180, 255"_s));
        QVERIFY(AddVacation(path, 2001, 1, 1, u"B"_s, u"255, 180, 000"_s));
        QVERIFY(AddVacation(path, 2002, 1, 3, u"N"_s, u"255, 180, 180"_s));
        const QStringList base = {u"--year"_s, u"2001"_s, u"--vacations"_s, u"--database"_s, path};
        CommandRun result;
        const QString trace = yearTrace(dir, base, &result);
        QVERIFY2(result.status == CommandLine::Success, qPrintable(result.err));
        const QStringList traceLines = trace.split(u'\n');
        QVERIFY(traceLines.contains(u"fill 970 0 1470 500 #b4b4ff"_s));
        QVERIFY(traceLines.contains(u"box 720 0 970 250 1 #000000"_s));
        QVERIFY(traceLines.contains(u"fill 720 0 970 250 #ffb400"_s));
        QVERIFY(traceLines.contains(u"text 1300 30 8 0 0 1 #000000 \"V\""_s));
        QVERIFY(traceLines.contains(u"text 800 30 8 0 0 1 #000000 \"B\""_s));
        QCOMPARE(TraceLines(trace, u"text "_s).filter(u" 8 0 0 1 "_s).size(), 2);
        // Without --vacations the database is not read.
        QVERIFY(!yearTrace(dir, {u"--year"_s, u"2001"_s}).contains(u"#b4b4ff"_s));
    }

    void pdfPaperTitleAndCopies_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("pageSize");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("notice");
        const auto year = int(Command::Year);
        const auto all = int(Command::All);
        // clang-format off
        QTest::newRow("letter by default") << year << "--group 3" << "612 x 792"
                                           << "Kelvane 2030 RDO Calendar - Pattern 3" << "";
        QTest::newRow("a4")                << year << "--paper a4" << "595 x 842"
                                           << "Kelvane 2030 RDO Calendar" << "";
        QTest::newRow("A5, any case")      << year << "--paper A5 --kind four-two --group C"
                                           << "420 x 595" << "Kelvane 2030 RDO Calendar - Pattern C" << "";
        QTest::newRow("copies")            << year << "--copies 3" << "612 x 792" << "Kelvane 2030 RDO Calendar"
                                           << "kelvane print-year: the file holds one copy of each page; 3 copies were asked for\n";
        QTest::newRow("batch page")        << all << "--paper legal" << "612 x 1008"
                                           << "Kelvane 2030 All Patterns - Pattern C" << "";
        // clang-format on
    }

    void pdfPaperTitleAndCopies()
    {
        QFETCH(int, command);
        QFETCH(QString, arguments);
        QFETCH(QString, pageSize);
        QFETCH(QString, title);
        QFETCH(QString, notice);
        if (QStandardPaths::findExecutable(u"pdfinfo"_s).isEmpty())
            QSKIP("pdfinfo is not installed");
        QTemporaryDir dir;
        const bool year = command == int(Command::Year);
        const QString out = dir.filePath(year ? u"year.pdf"_s : u"all"_s);
        const CommandRun result =
            run(Command(command), arguments.split(u' ') + QStringList{u"--out"_s, out});
        QVERIFY2(result.status == CommandLine::Success, qPrintable(result.err));
        QCOMPARE(result.err, notice);
        const QString text = QString::fromUtf8(
            CalendarFixture::PdfInfo(year ? out : QDir(out).filePath(u"10-C.pdf"_s)));
        QVERIFY2(text.contains(u"Page size:       %1 pts"_s.arg(pageSize)), qPrintable(text));
        QVERIFY2(text.contains(u"Title:           %1\n"_s.arg(title)), qPrintable(text));
        QVERIFY2(text.contains(u"Creator:         Kelvane\n"_s), qPrintable(text));
    }

    void pdfAndPngFiles()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"year.pdf"_s);
        CommandRun result = run(Command::Year, {u"--year"_s, u"2001"_s, u"--out"_s, pdf});
        QVERIFY2(result.status == CommandLine::Success, qPrintable(result.err));
        QVERIFY(ReadText(pdf).startsWith(u"%PDF-"_s));
        if (!QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty()) {
            QProcess text;
            text.start(u"pdftotext"_s, {pdf, u"-"_s});
            QVERIFY(text.waitForFinished(30000));
            QVERIFY(text.readAllStandardOutput().contains("DARIZU - 2001 6-2 RDO CALENDAR"));
        }
        const QString png = dir.filePath(u"year.png"_s);
        result = run(Command::Year, {u"--out"_s, png, u"--dpi"_s, u"72"_s});
        QCOMPARE(result.status, CommandLine::Success);
        QCOMPARE(QImage(png).size(), QSize(612, 792));
    }

    void printAllMatchesPrintYear_data()
    {
        QTest::addColumn<QStringList>("choices");
        QTest::newRow("defaults") << QStringList{"--year", "2001"};
        QTest::newRow("options kept by the batch") << QStringList{
            u"--year"_s,        u"2024"_s,  u"--paydays"_s, "--size",       u"60"_s,
            u"--shade"_s,       u"-40"_s,   u"--copies"_s,  u"2"_s,         u"--holidays"_s,
            u"0000000011111"_s, "--adjust", "14",           u"--station"_s, "Elm"};
        QTest::newRow("key") << QStringList{"--year", "2025", "--key", "--paydays"};
    }

    void printAllMatchesPrintYear()
    {
        QFETCH(QStringList, choices);
        QTemporaryDir dir;
        const QString folder = dir.filePath(u"all"_s);
        const CommandRun result =
            run(Command::All, choices + QStringList{u"--out"_s, folder, u"--format"_s, u"ops"_s});
        QVERIFY2(result.status == CommandLine::Success, qPrintable(result.err));
        const QStringList expectedNames = {
            u"01-1.ops"_s, u"02-2.ops"_s, u"03-3.ops"_s, u"04-4.ops"_s, u"05-5.ops"_s,
            u"06-6.ops"_s, u"07-7.ops"_s, u"08-A.ops"_s, u"09-B.ops"_s, u"10-C.ops"_s,
            u"11-D.ops"_s, u"12-E.ops"_s, u"13-F.ops"_s, u"14-G.ops"_s};
        QCOMPARE(QDir(folder).entryList(QDir::Files, QDir::Name), expectedNames);
        for (int i = 0; i < 14; ++i) {
            const QString group = expectedNames[i].mid(3, 1);
            const QString kind = i < 7 ? u"cg-six-two"_s : u"four-two"_s;
            const QString page =
                yearTrace(dir, choices + QStringList{u"--kind"_s, kind, u"--group"_s, group,
                                                     u"--colour"_s, u"yellow"_s});
            QVERIFY(!page.isEmpty());
            QVERIFY2(ReadText(QDir(folder).filePath(expectedNames[i])) == page,
                     qPrintable(expectedNames[i]));
        }
    }

    void printAllRandomColours()
    {
        QTemporaryDir dir;
        const CommandRun result =
            run(Command::All, {u"--year"_s, u"2001"_s, u"--random-colours"_s, u"--out"_s,
                               dir.path(), u"--format"_s, u"ops"_s});
        QCOMPARE(result.status, CommandLine::Success);
        // Each calendar is in one of yellow, pink, green or blue: its day off, and its day off
        // on a holiday.
        const QList<QStringList> families = {{u"#ffff64"_s, u"#aaaa32"_s},
                                             {u"#ffb4b4"_s, u"#c86464"_s},
                                             {u"#b4ffb4"_s, u"#64ff64"_s},
                                             {u"#b4b4ff"_s, u"#6464c8"_s}};
        const QStringList files = QDir(dir.path()).entryList(QDir::Files);
        QCOMPARE(files.size(), 14);
        for (const QString& file : files) {
            QSet<QString> colours;
            for (const QString& fill : TraceLines(ReadText(dir.filePath(file)), u"fill "_s)) {
                const QString colour = fill.section(u' ', 5);
                if (colour != u"#c8c8c8"_s)
                    colours.insert(colour);
            }
            QVERIFY2(std::any_of(
                         families.begin(), families.end(),
                         [&](const QStringList& family) {
                             return colours.contains(family.first()) &&
                                    QSet<QString>(family.begin(), family.end()).contains(colours);
                         }),
                     qPrintable(file));
        }
    }

    void writeFailureKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("old");
        QTest::addColumn<bool>("atFlush");
        for (const WritingCommand& command : WritingCommands) {
            for (const bool atFlush : {false, true})
                QTest::addRow("%s, %s", command.name, atFlush ? "final flush" : "first write")
                    << QString::fromLatin1(command.arguments) << QString::fromLatin1(command.old)
                    << atFlush;
        }
    }

    void writeFailureKeepsTheOldFile()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, old);
        QFETCH(bool, atFlush);
        QTemporaryDir dir;
        const auto reset = qScopeGuard([] { SafeFile::FailNothing(); });
        if (atFlush)
            SafeFile::FailFlush();
        else
            SafeFile::FailWrite(1);
        failsKeepingTheOldFile(dir.path(), arguments, old);
    }

    // The batch draws its files side by side but writes them in order: the calendars before
    // a failed file are there, and nothing after it is.
    void printAllStopsAtTheFirstFailedFile()
    {
        QTemporaryDir dir;
        const auto reset = qScopeGuard([] { SafeFile::FailNothing(); });
        SafeFile::FailWrite(3);
        const CommandRun result =
            run(Command::All, {u"--out"_s, dir.path(), u"--format"_s, u"ops"_s});
        QCOMPARE(result.status, CommandLine::Failed);
        QVERIFY2(result.err.contains(u"03-3.ops: No space left on device"_s),
                 qPrintable(result.err));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 QStringList({u"01-1.ops"_s, u"02-2.ops"_s}));
    }

    // The same on a real file system that is full but for 4 KiB.
    void fullDiskKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("old");
        for (const WritingCommand& command : WritingCommands)
            QTest::newRow(command.name)
                << QString::fromLatin1(command.arguments) << QString::fromLatin1(command.old);
    }

    void fullDiskKeepsTheOldFile()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, old);
        if (::geteuid() != 0)
            QSKIP("mounting a small file system needs root");
        QTemporaryDir dir;
        const QString disk = dir.path();
        if (QProcess::execute(u"mount"_s,
                              {u"-t"_s, u"tmpfs"_s, u"-o"_s, u"size=64k"_s, u"tmpfs"_s, disk}) != 0)
            QSKIP("cannot mount a tmpfs here");
        const auto unmount = qScopeGuard([&] { QProcess::execute(u"umount"_s, {disk}); });
        QFile filler(QDir(disk).filePath(u".filler"_s));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) {
        }
        QVERIFY(filler.resize(filler.size() - 4096));
        filler.close();
        failsKeepingTheOldFile(disk, arguments, old);
    }

    void dispatchedFromTheCommandLine()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"year.ops"_s);
        QCOMPARE(CommandRun::Kelvane({u"print-year"_s, u"--out"_s, path}).status,
                 CommandLine::Success);
        QVERIFY(QFile::exists(path));
        const CommandRun help = CommandRun::Kelvane({u"print-all"_s, u"--help"_s});
        QCOMPARE(help.status, CommandLine::Success);
        QVERIFY(help.out.contains(u"--random-colours"_s));
    }

    // print-all draws one calendar for each group of a rota of the user's own, in yellow as
    // every batch does.
    void printAllWithARotaOfYourOwn()
    {
        QTemporaryDir dir;
        const QString rota = dir.filePath(u"four.rota"_s);
        CalendarFixture::WriteFile(rota, RotaFiles::FourOnFourOff);
        const QString folder = dir.filePath(u"all"_s);
        const CommandRun result =
            run(Command::All, {u"--rota"_s, rota, u"--year"_s, u"2027"_s, u"--colour"_s, u"green"_s,
                               u"--out"_s, folder, u"--format"_s, u"ops"_s});
        QCOMPARE(result.status, CommandLine::Success);
        const QStringList files = QDir(folder).entryList(QDir::Files, QDir::Name);
        QCOMPARE(files, (QStringList{u"01-A.ops"_s, u"02-B.ops"_s, u"03-C.ops"_s, u"04-D.ops"_s}));
        // Each page names its group, so that the sheets can be handed out.
        for (const QString& file : files) {
            const QString page = CalendarFixture::ReadText(QDir(folder).filePath(file));
            QVERIFY(
                page.contains(u"\"DARIZU - 2027 FOUR ON FOUR OFF RDO CALENDAR - PATTERN %1\""_s.arg(
                    file.mid(3, 1))));
            QVERIFY(page.contains(u" #ffff64\n"_s));
            QVERIFY(!page.contains(u" #b4ffb4\n"_s));
        }
    }

    // The overall help's line of each subcommand names every option its own help lists.
    void overallHelpListsEveryOption()
    {
        const QString overall = CommandRun::Kelvane({u"--help"_s}).out;
        static const QRegularExpression optionName(u"--[a-z][a-z-]*"_s);
        for (const QString& name : {u"whos-off"_s, u"holidays"_s, u"export-ics"_s, u"print-year"_s,
                                    u"print-all"_s, u"print-month"_s}) {
            // The subcommand's line, and the indented lines that go on with it.
            const QString line = overall.section(u"  kelvane "_s + name + u' ', 1, 1)
                                     .section(u"\n  kelvane"_s, 0, 0)
                                     .section(u"\n\n"_s, 0, 0)
                                     .simplified();
            QVERIFY2(!line.isEmpty(), qPrintable(name));
            const QString own = CommandRun::Kelvane({name, u"--help"_s}).out;
            for (const QRegularExpressionMatch& match : optionName.globalMatch(own)) {
                const QString option = match.captured();
                if (option != u"--help"_s && option != u"--help-all"_s)
                    QVERIFY2(line.contains(option + u' ') || line.contains(option + u']'),
                             qPrintable(name + u": "_s + option));
            }
        }
    }

    // A built-in kind is one definition: a made-up one is looked up, printed and exported.
    void aMadeUpKindShowsEverywhere()
    {
        BuiltInRota twoTwo = BuiltInRotas::Definitions().first();
        twoTwo.kind = RotaKind{8};
        twoTwo.button = {u"Two and Two"_s, u"optTwoAndTwo"_s, BuiltInRota::WindowColumn::Others, 2};
        twoTwo.commandName = u"two-two"_s;
        twoTwo.icsName = u"Two and Two"_s;
        twoTwo.groups = {u"1"_s, u"2"_s};
        twoTwo.columns = {u"1 1 2 2"_s};
        twoTwo.whosOff = {u"2-2"_s, u"-"_s, u"   "_s};
        twoTwo.titleSuffix = u" 2-2 RDO Calendar"_s;
        twoTwo.inAllPatterns = false;
        const BuiltInRotas::Replacement madeUp(BuiltInRotas::Definitions() + QList{twoTwo});
        const auto groupOff = [](QDate day) {
            return DayNumbering::DayNumber(day) % 4 < 2 ? u"1"_s : u"2"_s;
        };

        const QDate day(2025, 3, 1);
        const CommandRun whosOff = CommandRun::Kelvane({u"whos-off"_s, u"2025-03-01"_s});
        QCOMPARE(whosOff.status, CommandLine::Success);
        QVERIFY2(
            whosOff.out.endsWith(u"5-2-5-3: "_s +
                                 Rota::BuiltIn(RotaKind::FiveTwoFiveThree).whosOffText(day, 0) +
                                 u"\n2-2: "_s + groupOff(day) + u'\n'),
            qPrintable(whosOff.out));

        const CommandRun page =
            run(Command::Year, {u"--kind"_s, u"two-two"_s, u"--group"_s, groupOff(day), u"--year"_s,
                                u"2025"_s, u"--out"_s, u"-"_s, u"--format"_s, u"ops"_s});
        QCOMPARE(page.status, CommandLine::Success);
        const QString trace = QString::fromUtf8(page.bytes);
        QVERIFY(trace.contains(u"\"DARIZU - 2025 2-2 RDO CALENDAR\""_s));
        QVERIFY(trace.contains(u"\" 1\""_s) && trace.contains(u"\" 2\""_s));

        const CommandRun ics =
            CommandRun::Kelvane({u"export-ics"_s, u"--kind"_s, u"two-two"_s, u"--group"_s, u"2"_s,
                                 u"--from"_s, u"2025-01-01"_s, u"--to"_s, u"2025-01-31"_s,
                                 u"--holidays"_s, u"0000000000000"_s, u"--out"_s, u"-"_s});
        QCOMPARE(ics.status, CommandLine::Success);
        const QString calendar = QString::fromUtf8(ics.bytes);
        QVERIFY(calendar.contains(u"X-WR-CALNAME:RDO Pattern 2 (Two and Two)\r\n"_s));
        qsizetype daysOff = 0;
        for (QDate date(2025, 1, 1); date.month() == 1; date = date.addDays(1)) {
            if (groupOff(date) == u"2"_s) {
                ++daysOff;
                QVERIFY(calendar.contains(u"UID:rdo-two-two-2-"_s + date.toString(u"yyyyMMdd"_s)));
            }
        }
        QCOMPARE(calendar.count(u"SUMMARY:RDO\r\n"_s), daysOff);
    }
};

QTEST_MAIN(TestPrintCommands)
#include "tst_printcommands.moc"
