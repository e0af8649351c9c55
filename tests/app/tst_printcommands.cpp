#include "app/CommandLine.h"
#include "app/PrintCommands.h"
#include "print/SurfaceFactory.h"
#include "store/CalendarDatabase.h"

#include "FixedClock.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Run
{
    int status = -1;
    QString out;
    QString err;
};

enum class Command
{
    Year,
    All
};

Run run(Command command, const QStringList& arguments, QDate today = QDate(2030, 6, 15))
{
    Run result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    const FixedClock clock(today);
    const QStringList all =
        QStringList{command == Command::Year ? u"print-year"_s : u"print-all"_s} + arguments;
    result.status = command == Command::Year ? PrintCommands::RunPrintYear(all, out, err, clock)
                                             : PrintCommands::RunPrintAll(all, out, err, clock);
    out.flush();
    err.flush();
    return result;
}

QString readText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// The trace of print-year with these arguments.
QString yearTrace(const QTemporaryDir& dir, const QStringList& arguments, Run* result = nullptr)
{
    const QString path = dir.filePath(u"year.ops"_s);
    QFile::remove(path);
    const Run done = run(Command::Year, arguments + QStringList{u"--out"_s, path});
    if (result)
        *result = done;
    return readText(path);
}

QStringList lines(const QString& trace, const QString& prefix)
{
    QStringList found;
    for (const QString& line : trace.split(u'\n')) {
        if (line.startsWith(prefix))
            found << line;
    }
    return found;
}

} // namespace

class TestPrintCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void refusedValues_data();
    void refusedValues();
    void noPrinterIsReported();
    void defaultsAreTheFirstRunChoices();
    void choicesReachThePage_data();
    void choicesReachThePage();
    void vacationsFromDatabase();
    void pdfAndPngFiles();
    void printAllMatchesPrintYear_data();
    void printAllMatchesPrintYear();
    void printAllRandomColours();
    void dispatchedFromTheCommandLine();
};

void TestPrintCommands::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestPrintCommands::refusedValues_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("fragment");
    const auto year = int(Command::Year);
    const auto all = int(Command::All);
    QTest::newRow("year too early") << year << QStringList{u"--year"_s, u"1900"_s} << u"1901"_s;
    QTest::newRow("year too late") << year << QStringList{u"--year"_s, u"2125"_s} << u"2124"_s;
    QTest::newRow("year text") << year << QStringList{u"--year"_s, u"abc"_s} << u"year"_s;
    QTest::newRow("size small") << year << QStringList{u"--size"_s, u"19"_s} << u"20 to 100"_s;
    QTest::newRow("size large") << year << QStringList{u"--size"_s, u"101"_s} << u"20 to 100"_s;
    QTest::newRow("size text") << year << QStringList{u"--size"_s, u"big"_s} << u"size"_s;
    QTest::newRow("copies 0") << year << QStringList{u"--copies"_s, u"0"_s} << u"copies"_s;
    QTest::newRow("adjust 49") << year << QStringList{u"--adjust"_s, u"49"_s} << u"0 and 48"_s;
    QTest::newRow("adjust -1") << year << QStringList{u"--adjust"_s, u"-1"_s} << u"0 and 48"_s;
    QTest::newRow("kind") << year << QStringList{u"--kind"_s, u"eight"_s} << u"rota kind"_s;
    QTest::newRow("group 8") << year << QStringList{u"--group"_s, u"8"_s} << u"1 2 3"_s;
    QTest::newRow("group of another kind")
        << year << QStringList{u"--kind"_s, u"four-two"_s, u"--group"_s, u"H"_s} << u"A B C"_s;
    QTest::newRow("G on five-two-five-three")
        << year << QStringList{u"--kind"_s, u"7"_s, u"--group"_s, u"G"_s} << u"A B C D E F)"_s;
    QTest::newRow("group without pattern")
        << year << QStringList{u"--kind"_s, u"none"_s, u"--group"_s, u"1"_s} << u"no groups"_s;
    QTest::newRow("holidays") << year << QStringList{u"--holidays"_s, u"101"_s} << u"13"_s;
    QTest::newRow("colour") << year << QStringList{u"--colour"_s, u"purple"_s} << u"colour"_s;
    QTest::newRow("shade") << year << QStringList{u"--shade"_s, u"101"_s} << u"-100 to 100"_s;
    QTest::newRow("no patterns without group")
        << year << QStringList{u"--no-patterns"_s} << u"--group"_s;
    QTest::newRow("unknown ending")
        << year << QStringList{u"--out"_s, u"@/page.txt"_s} << u".pdf, .png or .ops"_s;
    QTest::newRow("missing folder")
        << year << QStringList{u"--out"_s, u"@/no/page.pdf"_s} << u"does not exist"_s;
    QTest::newRow("dpi") << year << QStringList{u"--out"_s, u"@/p.png"_s, u"--dpi"_s, u"5"_s}
                         << u"--dpi"_s;
    QTest::newRow("page") << year << QStringList{u"--out"_s, u"@/p.ops"_s, u"--page"_s, u"10,10"_s}
                          << u"W,H"_s;
    QTest::newRow("page on printer")
        << year << QStringList{u"--page"_s, u"9000,9000"_s} << u"--out"_s;
    QTest::newRow("database missing")
        << year
        << QStringList{u"--vacations"_s, u"--database"_s, u"@/none.mdb"_s, u"--out"_s, u"@/p.ops"_s}
        << u"none.mdb"_s;
    QTest::newRow("database not a database")
        << year
        << QStringList{u"--vacations"_s, u"--database"_s, u"@/junk.mdb"_s, u"--out"_s, u"@/p.ops"_s}
        << u"junk.mdb"_s;
    QTest::newRow("unknown option") << year << QStringList{u"--colours"_s, u"x"_s} << u"colours"_s;
    QTest::newRow("argument") << year << QStringList{u"2024"_s} << u"2024"_s;
    QTest::newRow("all: format") << all
                                 << QStringList{u"--out"_s, u"@/d"_s, u"--format"_s, u"svg"_s}
                                 << u"svg"_s;
    QTest::newRow("all: folder is a file")
        << all << QStringList{u"--out"_s, u"@/junk.mdb"_s} << u"not a folder"_s;
    QTest::newRow("all: year") << all << QStringList{u"--year"_s, u"1800"_s, u"--out"_s, u"@/d"_s}
                               << u"1901"_s;
}

void TestPrintCommands::refusedValues()
{
    QFETCH(int, command);
    QFETCH(QStringList, arguments);
    QFETCH(QString, fragment);
    QTemporaryDir dir;
    {
        QFile junk(dir.filePath(u"junk.mdb"_s));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("not a database");
    }
    for (QString& argument : arguments)
        argument.replace(u"@"_s, dir.path());
    const Run result = run(Command(command), arguments);
    QCOMPARE(result.status, CommandLine::BadArguments);
    QVERIFY2(result.err.contains(fragment), qPrintable(result.err));
    QVERIFY(result.err.startsWith(command == int(Command::Year) ? u"kelvane print-year: "_s
                                                                : u"kelvane print-all: "_s));
    QCOMPARE(result.err.count(u'\n'), 1);
    QVERIFY(result.out.isEmpty());
    // Nothing but the junk file in the folder.
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList{u"junk.mdb"_s});
}

void TestPrintCommands::noPrinterIsReported()
{
    if (SurfaceFactory::HasPrinter())
        QSKIP("this machine has a printer");
    for (Command command : {Command::Year, Command::All}) {
        const Run result = run(command, {});
        QCOMPARE(result.status, CommandLine::NoPrinter);
        QVERIFY2(result.err.contains(u"no printer"_s), qPrintable(result.err));
    }
}

void TestPrintCommands::defaultsAreTheFirstRunChoices()
{
    QTemporaryDir dir;
    Run result;
    const QString trace = yearTrace(dir, {}, &result);
    QCOMPARE(result.status, CommandLine::Success);
    QVERIFY(result.err.isEmpty());
    QCOMPARE(trace.section(u'\n', 0, 4),
             u"page 11520 15120\norientation 1\ncopies 1\nfont \"Times New Roman\"\n"
             "origin -350 -1200"_s);
    // This year (from the clock), station Darizu, CG six-and-two.
    QCOMPARE(lines(trace, u"text 2492 -1000 "_s).value(0).section(u' ', 8),
             u"\"DARIZU - 2030 6-2 RDO CALENDAR\""_s);
    // Only the default holidays are shaded: eight grey fills, no others.
    const QStringList fills = lines(trace, u"fill "_s);
    QCOMPARE(fills.size(), 8);
    for (const QString& fill : fills)
        QVERIFY(fill.endsWith(u"#c8c8c8"_s));
    QVERIFY(lines(trace, u"circle "_s).isEmpty());
}

void TestPrintCommands::choicesReachThePage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected"); // a line of the trace
    QTest::addColumn<QStringList>("same"); // arguments giving the identical trace
    QTest::newRow("group and colour")
        << QStringList{u"--year"_s,   u"2001"_s, u"--group"_s, u"5"_s,
                       u"--colour"_s, u"blue"_s, u"--shade"_s, u"-50"_s}
        << u"fill 970 0 1470 500 #8282cd"_s
        << QStringList{u"--year"_s, u"2001"_s,     u"--kind"_s, u"0"_s,       u"--group"_s,
                       u"5"_s,      u"--colour"_s, u"BLUE"_s,   u"--shade"_s, u"-50"_s};
    QTest::newRow("letter group") << QStringList{u"--year"_s,   u"2001"_s,    u"--kind"_s,
                                                 u"four-two"_s, u"--group"_s, u"c"_s}
                                  << u"fill 970 0 1470 500 #ffff64"_s
                                  << QStringList{u"--year"_s, u"2001"_s,    u"--kind"_s,
                                                 u"2"_s,      u"--group"_s, u"C"_s};
    QTest::newRow("size is floored") << QStringList{u"--size"_s, u"55.9"_s} << u"origin -193 -660"_s
                                     << QStringList{u"--size"_s, u"55"_s};
    QTest::newRow("adjustment is floored")
        << QStringList{u"--year"_s, u"2001"_s, u"--adjust"_s, u"7.8"_s}
        << u"text 500 250 10 0 0 1 #000000 \" 3-4\""_s
        << QStringList{u"--year"_s, u"2001"_s, u"--adjust"_s, u"7"_s};
    QTest::newRow("copies") << QStringList{u"--copies"_s, u"3"_s} << u"copies 3"_s
                            << QStringList{u"--copies"_s, u"+3"_s};
    QTest::newRow("station and year as typed")
        << QStringList{u"--year"_s, u" 2024"_s, u"--station"_s, u"Quay \"7\""_s}
        << u"text 2174 -1000 18 1 1 0 #000000 \"QUAY \\\"7\\\" -  2024 6-2 RDO CALENDAR\""_s
        << QStringList{u"--year"_s, u" 2024"_s, u"--station"_s, u"QUAY \"7\""_s};
    QTest::newRow("page") << QStringList{u"--page"_s, u"5000,12000"_s} << u"quality high"_s
                          << QStringList{u"--page"_s, u"5000,12000"_s, u"--size"_s, u"100"_s};
    QTest::newRow("pay days") << QStringList{u"--year"_s, u"2024"_s, u"--paydays"_s}
                              << u"circle 1595 625 120 1 #000000 #ffffb9"_s
                              << QStringList{u"--year"_s, u"2024"_s, u"--paydays"_s, u"--group"_s,
                                             u"none"_s};
}

void TestPrintCommands::choicesReachThePage()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);
    QFETCH(QStringList, same);
    QTemporaryDir dir;
    Run result;
    const QString trace = yearTrace(dir, arguments, &result);
    QVERIFY2(result.status == CommandLine::Success, qPrintable(result.err));
    QVERIFY2(trace.split(u'\n').contains(expected), qPrintable(expected));
    QCOMPARE(yearTrace(dir, same), trace);
}

void TestPrintCommands::vacationsFromDatabase()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(CalendarDatabase::FileName());
    QString error;
    QVERIFY2(CalendarDatabase::CreateTemplate(path, &error), qPrintable(error));
    {
        CalendarDatabase database;
        QVERIFY2(database.open(path, &error), qPrintable(error));
        QSqlQuery insert(database.connection());
        QVERIFY(insert.prepare(u"INSERT INTO Vacation (Year, Month, Day, Type, Color) "
                               "VALUES (?, ?, ?, ?, ?)"_s));
        for (const QVariantList& row : {QVariantList{2001, 1, 2, u"V"_s, u"180, 180, 255"_s},
                                        QVariantList{2001, 1, 1, u"B"_s, u"255, 180, 000"_s},
                                        QVariantList{2002, 1, 3, u"N"_s, u"255, 180, 180"_s}}) {
            for (int i = 0; i < row.size(); ++i)
                insert.bindValue(i, row[i]);
            QVERIFY(insert.exec());
        }
    }
    const QStringList base = {u"--year"_s, u"2001"_s, u"--vacations"_s, u"--database"_s, path};
    Run result;
    const QString trace = yearTrace(dir, base, &result);
    QVERIFY2(result.status == CommandLine::Success, qPrintable(result.err));
    const QStringList traceLines = trace.split(u'\n');
    QVERIFY(traceLines.contains(u"fill 970 0 1470 500 #b4b4ff"_s));
    QVERIFY(traceLines.contains(u"box 720 0 970 250 1 #000000"_s));
    QVERIFY(traceLines.contains(u"fill 720 0 970 250 #ffb400"_s));
    QVERIFY(traceLines.contains(u"text 1300 30 8 0 0 1 #000000 \"V\""_s));
    QVERIFY(traceLines.contains(u"text 800 30 8 0 0 1 #000000 \"B\""_s));
    QCOMPARE(lines(trace, u"text "_s).filter(u" 8 0 0 1 "_s).size(), 2);
    // Without --vacations the database is not read.
    QVERIFY(!yearTrace(dir, {u"--year"_s, u"2001"_s}).contains(u"#b4b4ff"_s));
}

void TestPrintCommands::pdfAndPngFiles()
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(u"year.pdf"_s);
    Run result = run(Command::Year, {u"--year"_s, u"2001"_s, u"--out"_s, pdf});
    QVERIFY2(result.status == CommandLine::Success, qPrintable(result.err));
    QVERIFY(readText(pdf).startsWith(u"%PDF-"_s));
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

void TestPrintCommands::printAllMatchesPrintYear_data()
{
    QTest::addColumn<QStringList>("choices");
    QTest::newRow("defaults") << QStringList{u"--year"_s, u"2001"_s};
    QTest::newRow("options kept by the batch") << QStringList{
        u"--year"_s,        u"2024"_s,     u"--paydays"_s, u"--size"_s,    u"60"_s,
        u"--shade"_s,       u"-40"_s,      u"--copies"_s,  u"2"_s,         u"--holidays"_s,
        u"0000000011111"_s, u"--adjust"_s, u"14"_s,        u"--station"_s, u"Elm"_s};
}

void TestPrintCommands::printAllMatchesPrintYear()
{
    QFETCH(QStringList, choices);
    QTemporaryDir dir;
    const QString folder = dir.filePath(u"all"_s);
    const Run result =
        run(Command::All, choices + QStringList{u"--out"_s, folder, u"--format"_s, u"ops"_s});
    QVERIFY2(result.status == CommandLine::Success, qPrintable(result.err));
    const QStringList expectedNames = {u"01-1.ops"_s, u"02-2.ops"_s, u"03-3.ops"_s, u"04-4.ops"_s,
                                       u"05-5.ops"_s, u"06-6.ops"_s, u"07-7.ops"_s, u"08-A.ops"_s,
                                       u"09-B.ops"_s, u"10-C.ops"_s, u"11-D.ops"_s, u"12-E.ops"_s,
                                       u"13-F.ops"_s, u"14-G.ops"_s};
    QCOMPARE(QDir(folder).entryList(QDir::Files, QDir::Name), expectedNames);
    for (int i = 0; i < 14; ++i) {
        const QString group = expectedNames[i].mid(3, 1);
        const QString kind = i < 7 ? u"cg-six-two"_s : u"four-two"_s;
        const QString page =
            yearTrace(dir, choices + QStringList{u"--kind"_s, kind, u"--group"_s, group,
                                                 u"--colour"_s, u"yellow"_s});
        QVERIFY(!page.isEmpty());
        QVERIFY2(readText(QDir(folder).filePath(expectedNames[i])) == page,
                 qPrintable(expectedNames[i]));
    }
}

void TestPrintCommands::printAllRandomColours()
{
    QTemporaryDir dir;
    const Run result = run(Command::All, {u"--year"_s, u"2001"_s, u"--random-colours"_s, u"--out"_s,
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
        for (const QString& fill : lines(readText(dir.filePath(file)), u"fill "_s)) {
            const QString colour = fill.section(u' ', 5);
            if (colour != u"#c8c8c8"_s)
                colours.insert(colour);
        }
        QVERIFY2(
            std::any_of(families.begin(), families.end(),
                        [&](const QStringList& family) {
                            return colours.contains(family.first()) &&
                                   QSet<QString>(family.begin(), family.end()).contains(colours);
                        }),
            qPrintable(file));
    }
}

void TestPrintCommands::dispatchedFromTheCommandLine()
{
    QTemporaryDir dir;
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const QString path = dir.filePath(u"year.ops"_s);
    QCOMPARE(
        CommandLine::Run({u"kelvane"_s, u"print-year"_s, u"--out"_s, path}, outStream, errStream),
        CommandLine::Success);
    QVERIFY(QFile::exists(path));
    QCOMPARE(CommandLine::Run({u"kelvane"_s, u"print-all"_s, u"--help"_s}, outStream, errStream),
             CommandLine::Success);
    outStream.flush();
    QVERIFY(out.contains(u"--random-colours"_s));
    QVERIFY(CommandLine::HelpText().contains(u"print-year [--year TEXT]"_s));
}

QTEST_MAIN(TestPrintCommands)
#include "tst_printcommands.moc"
