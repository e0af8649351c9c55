#include "CommandRun.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The program starts the lightest application object a run needs: the subcommands that do
// not draw run here in a bare core application.
class TestGuilessCommands : public QObject
{
    Q_OBJECT

private slots:
    void onlyDrawingCommandsNeedTheGuiLibrary_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("draws");
        QTest::newRow("help") << QStringList{"--help"} << false;
        QTest::newRow("version") << QStringList{"--version"} << false;
        QTest::newRow("whos-off") << QStringList{"whos-off", "2025-03-14"} << false;
        QTest::newRow("holidays") << QStringList{"holidays", "2025"} << false;
        QTest::newRow("export-ics")
            << QStringList{"export-ics", "--kind", "0",          "--group", "1",      "--from",
                           "2025-01-01", "--to",   "2025-01-31", "--out",   "rdo.ics"}
            << false;
        QTest::newRow("print-year") << QStringList{"print-year", "--out", "year.pdf"} << true;
        QTest::newRow("print-all") << QStringList{"print-all", "--out", "all"} << true;
        QTest::newRow("print-month")
            << QStringList{"print-month", "--month", "2025-03", "--out", "month.pdf"} << true;
    }

    void onlyDrawingCommandsNeedTheGuiLibrary()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, draws);
        QCOMPARE(CommandLine::ApplicationFor(QStringList{u"kelvane"_s} + arguments),
                 draws ? CommandLine::Application::Gui : CommandLine::Application::Core);
        if (draws)
            return;
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        const CommandRun run = CommandRun::Kelvane(arguments);
        QDir::setCurrent(previous);
        QCOMPARE(run.err, QString());
        QCOMPARE(run.status, 0);
        QVERIFY(!run.out.isEmpty() || QFileInfo::exists(dir.filePath("rdo.ics")));
    }

    void withoutSubcommandTheWindowOpens()
    {
        QCOMPARE(CommandLine::ApplicationFor({u"kelvane"_s}), CommandLine::Application::Widgets);
    }
};

QTEST_GUILESS_MAIN(TestGuilessCommands)
#include "tst_guilesscommands.moc"
