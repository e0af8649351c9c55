// The window's print button against a real print system: run by scripts/cups-test with a
// private cupsd, skipped without one.
#include "LinkedPrinters.h"
#include "mainwindow/frmCalendar.h"

#include "CalendarFixture.h"
#include "FixedClock.h"
#include "ScriptedPrompter.h"
#include "store/AppState.h"
#include "store/DatabasePlacement.h"
#include "store/SettingsStore.h"

#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestPrintQueue : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { ScriptedPrompter::VerifyAllScripted(); }
    void printButtonReportsWhatTheQueueDid_data()
    {
        QTest::addColumn<QByteArray>("variable");
        QTest::addColumn<bool>("taken");
        QTest::newRow("queue taking jobs") << QByteArray("KELVANE_CUPS_GOOD") << true;
        QTest::newRow("queue rejecting jobs") << QByteArray("KELVANE_CUPS_REJECTING") << false;
    }

    void printButtonReportsWhatTheQueueDid()
    {
        QFETCH(QByteArray, variable);
        QFETCH(bool, taken);
        const QString queue = qEnvironmentVariable(variable.constData());
        if (queue.isEmpty())
            QSKIP("needs the queues of scripts/cups-test");
        // The default printer of this process.
        qputenv("LPDEST", queue.toUtf8());

        QTemporaryDir dir;
        SettingsStore settings(dir.filePath(u"kelvane.ini"_s));
        PlacementFolders folders;
        folders.dataFolder = dir.filePath(u"data"_s);
        folders.sources = {dir.filePath(u"start"_s)};
        // A template to copy, so the window starts without the missing-database reminder.
        QVERIFY(QDir().mkpath(folders.sources.first()));
        CalendarFixture::MakeDatabase(folders.sources.first());
        AppState state;
        ScriptedPrompter prompter;
        FixedClock clock(QDate(2025, 6, 15));
        LinkedPrinters printers;
        frmCalendar window(state, prompter, clock, settings, printers, folders);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        prompter.clear();

        QTest::mouseClick(window.ui().cmdPrintRdoCalendar, Qt::LeftButton);
        const QString status = window.statusBar()->currentMessage();
        QVERIFY2(!status.contains(u"Printed"_s), qPrintable(status));
        if (taken) {
            QCOMPARE(status, u"Sent to the printer \"%1\"."_s.arg(queue));
            QVERIFY(prompter.shown().isEmpty());
        } else {
            QVERIFY2(status.contains(u"the printer \"%1\" refused the job"_s.arg(queue)),
                     qPrintable(status));
            QCOMPARE(prompter.shown().size(), 1);
            QCOMPARE(prompter.shown().first().text, status);
        }
    }
};

QTEST_MAIN(TestPrintQueue)
#include "tst_printqueue.moc"
