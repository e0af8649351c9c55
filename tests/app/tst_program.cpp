// The program itself, started as a user starts it: the built executable, and a copy installed
// under a prefix of its own.
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "RotaFiles.h"

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

struct Ran
{
    int status = -1;
    QString out;
    QString err;
};

QByteArray digest(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

} // namespace

class TestProgram : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    // Runs `program` in the folder `work` with a home of its own and no display.
    Ran run(const QString& program, const QStringList& arguments, const QString& work,
            const QStringList& extraEnvironment = {})
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "DISPLAY", "WAYLAND_DISPLAY"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(u"HOME"_s, m_dir.filePath(u"home"_s));
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        for (const QString& assignment : extraEnvironment)
            environment.insert(assignment.section(u'=', 0, 0), assignment.section(u'=', 1));
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(work);
        process.start(program, arguments);
        if (!process.waitForFinished(120000))
            return {};
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir().mkpath(m_dir.filePath(u"home"_s)));
    }

    // Each subcommand once with good arguments and once with a bad one.
    void subcommands_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("firstErrorLine");
        QTest::addColumn<QString>("written");
        QTest::newRow("version") << u"--version"_s << 0 << QString() << QString();
        QTest::newRow("unknown") << u"frobnicate"_s << 2
                                 << u"kelvane: unknown subcommand \"frobnicate\" (see kelvane "
                                    "--help)"_s
                                 << QString();
        QTest::newRow("whos-off") << u"whos-off 2025-03-01"_s << 0 << QString() << QString();
        QTest::newRow("whos-off, bad days")
            << u"whos-off 2025-03-01 --days many"_s << 2
            << u"kelvane whos-off: --days must be a whole number of at least 1: \"many\""_s
            << QString();
        QTest::newRow("holidays") << u"holidays 2025"_s << 0 << QString() << QString();
        QTest::newRow("holidays, bad year")
            << u"holidays 1800"_s << 2
            << u"kelvane holidays: the year must be a whole number from 1901 to 2124: \"1800\""_s
            << QString();
        const QString exportIcs =
            u"export-ics --kind four-two --group C --from 2025-01-01 --to 2025-01-31"_s;
        QTest::newRow("export-ics")
            << exportIcs + u" --out c.ics"_s << 0 << QString() << u"c.ics"_s;
        QTest::newRow("export-ics, no file")
            << exportIcs << 2 << u"kelvane export-ics: --out is required"_s << QString();
        QTest::newRow("print-year")
            << u"print-year --year 2025 --out y.pdf"_s << 0 << QString() << u"y.pdf"_s;
        QTest::newRow("print-year, bad kind")
            << u"print-year --kind bogus --out y.pdf"_s << 2
            << u"kelvane print-year: unknown rota kind \"bogus\" (cg-six-two, mm-six-two, "
               "four-two, combination, five-three, three-three, none, five-two-five-three or "
               "0..7)"_s
            << QString();
        QTest::newRow("print-all") << u"print-all --year 2025 --out all --format png"_s << 0
                                   << QString() << u"all/14-G.png"_s;
        QTest::newRow("print-all, bad format")
            << u"print-all --out all --format doc"_s << 2
            << u"kelvane print-all: unknown format \"doc\" (pdf, png or ops)"_s << QString();
        QTest::newRow("print-month")
            << u"print-month --month 2025-03 --out m.png"_s << 0 << QString() << u"m.png"_s;
        QTest::newRow("print-month, no month")
            << u"print-month --out m.png"_s << 2
            << u"kelvane print-month: give the month to print with --month YYYY-MM"_s << QString();
    }

    void subcommands()
    {
        QFETCH(QString, arguments);
        QFETCH(int, status);
        QFETCH(QString, firstErrorLine);
        QFETCH(QString, written);
        QTemporaryDir work;
        const Ran ran = run(QStringLiteral(KELVANE_PROGRAM), arguments.split(u' '), work.path());
        QCOMPARE(ran.status, status);
        QCOMPARE(ran.err.section(u'\n', 0, 0), firstErrorLine);
        if (status == 0 && written.isEmpty())
            QVERIFY(!ran.out.isEmpty());
        if (!written.isEmpty())
            QVERIFY2(QFileInfo(work.filePath(written)).size() > 0, qPrintable(written));
        // A refused command writes nothing.
        if (status != 0)
            QVERIFY(QDir(work.path()).isEmpty());
    }

    // Output that cannot be written is told as coreutils tell it, and the run fails.
    void writeErrors_data()
    {
        QTest::addColumn<QString>("shell"); // $K is the program, $FULL a full device
        QTest::addColumn<QString>("error");
        const QString full = u"kelvane: write error: No space left on device"_s;
        QTest::newRow("list, full disk") << u"\"$K\" holidays 2025 >\"$FULL\""_s << full;
        QTest::newRow("long list, full disk")
            << u"\"$K\" whos-off 1901-01-01 --days 80000 >\"$FULL\""_s << full;
        QTest::newRow("help, full disk") << u"\"$K\" --help >\"$FULL\""_s << full;
        QTest::newRow("version, full disk") << u"\"$K\" --version >\"$FULL\""_s << full;
        QTest::newRow("closed output")
            << u"\"$K\" holidays 2025 >&-"_s << u"kelvane: write error: Bad file descriptor"_s;
        QTest::newRow("broken pipe, SIGPIPE ignored")
            << u"trap '' PIPE; \"$K\" whos-off 1901-01-01 --days 80000 | head -c 1 >\"$SINK\"; "
               "exit ${PIPESTATUS[0]}"_s
            << u"kelvane: write error: Broken pipe"_s;
    }

    void writeErrors()
    {
        QFETCH(QString, shell);
        QFETCH(QString, error);
        QTemporaryDir work;
        const QString full = work.filePath(u"full"_s);
        if (shell.contains(u"$FULL"_s) &&
            QProcess::execute(u"mknod"_s, {full, u"c"_s, u"1"_s, u"7"_s}) != 0)
            QSKIP("making a full device needs root");
        const Ran ran = run(u"bash"_s, {u"-c"_s, shell}, work.path(),
                            {u"K="_s + QStringLiteral(KELVANE_PROGRAM), u"FULL="_s + full,
                             u"SINK="_s + work.filePath(u"sink"_s)});
        QCOMPARE(ran.status, 1);
        QCOMPARE(ran.err, error + u'\n');
    }

    // Where --out can send a calendar: a file, a FIFO someone reads, a device, standard
    // output; a special file is written to, never replaced.
    void outputs_data()
    {
        QTest::addColumn<QString>("shell"); // $K export-ics ... --out is $EXPORT
        QTest::addColumn<QString>("node");  // what --out names, as `stat -c %F` tells it
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("error");
        QTest::newRow("regular file")
            << u"$EXPORT cal.ics && cat cal.ics"_s << u"regular file"_s << 0 << QString();
        QTest::newRow("FIFO with a reader")
            << u"mkfifo cal.ics && { cat cal.ics & $EXPORT cal.ics; wait; }"_s << u"fifo"_s << 0
            << QString();
        QTest::newRow("character device")
            << u"mknod cal.ics c 1 3 && $EXPORT cal.ics && $EXPORT -"_s
            << u"character special file"_s << 0 << QString();
        QTest::newRow("standard output") << u"$EXPORT -"_s << QString() << 0 << QString();
        QTest::newRow("closed standard output") << u"$EXPORT - >&-"_s << QString() << 1
                                                << u"kelvane: write error: Bad file descriptor\n"_s;
    }

    void outputs()
    {
        QFETCH(QString, shell);
        QFETCH(QString, node);
        QFETCH(int, status);
        QFETCH(QString, error);
        QTemporaryDir work;
        const QString exportIcs =
            u"\"$K\" export-ics --kind four-two --group C --from 2025-01-01 --to 2025-01-31 --out"_s;
        const Ran ran = run(u"bash"_s, {u"-c"_s, shell.replace(u"$EXPORT"_s, exportIcs)},
                            work.path(), {u"K="_s + QStringLiteral(KELVANE_PROGRAM)});
        if (shell.startsWith(u"mknod"_s) && ran.err.contains(u"mknod"_s))
            QSKIP("making a device needs root");
        QCOMPARE(ran.err, error);
        QCOMPARE(ran.status, status);
        if (status == 0)
            QVERIFY2(ran.out.startsWith(u"BEGIN:VCALENDAR"_s) &&
                         ran.out.trimmed().endsWith(u"END:VCALENDAR"_s),
                     qPrintable(ran.out.left(200)));
        if (!node.isEmpty()) {
            QProcess stat;
            stat.setWorkingDirectory(work.path());
            stat.start(u"stat"_s, {u"-c"_s, u"%F"_s, u"cal.ics"_s});
            QVERIFY(stat.waitForFinished());
            QCOMPARE(QString::fromUtf8(stat.readAllStandardOutput()).trimmed(), node);
        }
    }

    // --rota takes a file name that is not UTF-8 as the bytes it is (Latin-1 here), and an
    // error shows the byte escaped.
    void rotaFileNameThatIsNotUtf8_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("expected"); // standard output, else standard error
        QTest::newRow("read") << RotaFiles::FourOnFourOff << 0 << u"Four On Four Off: A, D"_s;
        QTest::newRow("refused") << QByteArray("name = x\n") << 2
                                 << u"kelvane whos-off: \\xE9quipe.rota:1: start is missing\n"_s;
    }

    void rotaFileNameThatIsNotUtf8()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, status);
        QFETCH(QString, expected);
        QTemporaryDir work;
        const QByteArray name = QFile::encodeName(work.path()) + "/\xE9quipe.rota";
        std::FILE* stream = std::fopen(name.constData(), "w");
        QVERIFY(stream);
        std::fputs(file.constData(), stream);
        std::fclose(stream);
        // Only a shell hands the program a name that is not UTF-8.
        const Ran ran = run(
            u"/bin/sh"_s,
            {u"-c"_s, u"exec \"$0\" whos-off 2027-01-08 --rota \"$(printf '\\351quipe.rota')\""_s,
             QStringLiteral(KELVANE_PROGRAM)},
            work.path());
        QCOMPARE(ran.status, status);
        if (status == 0)
            QCOMPARE(ran.out.section(u'\n', -2, -2), expected);
        else
            QCOMPARE(ran.err, expected);
    }

    // Installed under any prefix, the program runs from there and finds its own template.
    void installedAnywhere()
    {
        const QString prefix = m_dir.filePath(u"prefix"_s);
        QProcess install;
        install.start(QStringLiteral(KELVANE_CMAKE),
                      {u"--install"_s, QStringLiteral(KELVANE_BUILD_DIR), u"--prefix"_s, prefix});
        QVERIFY(install.waitForFinished(120000));
        QVERIFY2(install.exitCode() == 0, install.readAllStandardError().constData());
        const QString program = prefix + u"/bin/kelvane"_s;
        QTemporaryDir work;
        QCOMPARE(run(program, {u"--version"_s}, work.path()).status, 0);
        QCOMPARE(run(program, {u"whos-off"_s, u"2025-03-01"_s}, work.path()).status, 0);
        const QStringList printYear{u"print-year"_s, u"--year"_s, u"2025"_s, u"--out"_s,
                                    u"y.pdf"_s};
        QCOMPARE(run(program, printYear, work.path()).status, 0);
        QVERIFY(QFileInfo(work.filePath(u"y.pdf"_s)).size() > 0);

        // The window starts, and copies the template installed under the prefix.
        const Ran window = run(program, {}, work.path(), {u"KELVANE_QUIT_WHEN_SHOWN=1"_s});
        QVERIFY2(window.status == 0, qPrintable(window.err));
        const QString workingCopy =
            m_dir.filePath(u"home/.local/share/Kelvane/Kelvane/Quenbrook.mdb"_s);
        QCOMPARE(digest(workingCopy), digest(prefix + u"/share/kelvane/Quenbrook.mdb"_s));
        const QStringList printMonth{u"print-month"_s, u"--month"_s, u"2025-03"_s, u"--out"_s,
                                     u"m.pdf"_s};
        QCOMPARE(run(program, printMonth, work.path()).status, 0);
        QVERIFY(QFileInfo(work.filePath(u"m.pdf"_s)).size() > 0);

        // Without its printers plugin it still writes files, and says why it cannot print.
        QDirIterator found(prefix, {u"libkelvane-printers.so"_s}, QDir::Files,
                           QDirIterator::Subdirectories);
        QVERIFY(found.hasNext());
        const QString plugin = found.next();
        QVERIFY(QFile::remove(plugin));
        const Ran toPrinter = run(program, {u"print-year"_s}, work.path());
        QCOMPARE(toPrinter.status, 3);
        QCOMPARE(toPrinter.err, u"kelvane print-year: printing is not available: the printers "
                                "plugin %1 is missing\n"_s.arg(plugin));
        QCOMPARE(run(program, printYear, work.path()).status, 0);
    }
};

QTEST_GUILESS_MAIN(TestProgram)
#include "tst_program.moc"
