#include "mainwindow/MessageBoxPrompter.h"
#include "mainwindow/SessionEnd.h"
#include "mainwindow/TerminationSignals.h"

#include "FixedClock.h"
#include "KeyInput.h"
#include "RotaFiles.h"
#include "rotas/frmRotas.h"
#include "store/OwnRotaFile.h"

#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>

using namespace Qt::StringLiterals;

class tst_SessionEnd : public QObject
{
    Q_OBJECT

private slots:
    // A termination signal while the rota window (deleted on close) asks something on the
    // screen: the run ends normally, the window is gone, and the edit is kept as it is kept
    // when no box is open: saved.
    void signalWithABoxOpen_data()
    {
        QTest::addColumn<QString>("button"); // the one that asks
        QTest::addColumn<QString>("typed");  // into the name first; nothing: no edit
        QTest::addColumn<QString>("name");   // of the rota file afterwards
        QTest::newRow("close question") << "cmdClose"
                                        << "Four On Four Offs"
                                        << "Four On Four Offs";
        QTest::newRow("save question after New") << "cmdNew"
                                                 << "Four On Four Offs"
                                                 << "Four On Four Offs";
        QTest::newRow("remove question") << "cmdRemove"
                                         << ""
                                         << "Four On Four Off";
    }

    void signalWithABoxOpen()
    {
        QFETCH(QString, button);
        QFETCH(QString, typed);
        QFETCH(QString, name);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"four.rota"_s);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(RotaFiles::FourOnFourOff);
        file.close();

        MessageBoxPrompter prompter;
        FixedClock clock(QDate(2027, 1, 4));
        QPointer<frmRotas> window = new frmRotas(dir.path(), prompter, clock);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        SessionEnd ending(prompter, [&window] {
            if (window)
                window->closeUnattended();
        });
        TerminationSignals termination;
        connect(&termination, &TerminationSignals::received, &ending, &SessionEnd::request);

        bool asked = false;
        QTimer::singleShot(0, this, [&] {
            if (!typed.isEmpty())
                KeyInput::TypeInto(window->txtName, typed);
            // Runs inside the box's own loop.
            QTimer::singleShot(0, this, [&asked] {
                asked = QApplication::activeModalWidget() != nullptr;
                ::raise(SIGTERM);
            });
            QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton);
        });
        QTimer stuck; // a run that does not end fails rather than hangs
        stuck.callOnTimeout(qApp, [] { QCoreApplication::exit(1); });
        stuck.start(20000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(asked);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window);
        const OwnRotaFile::Loaded kept = OwnRotaFile::Load(path);
        QVERIFY2(kept.rota, qPrintable(kept.error));
        QCOMPARE(kept.rota->name, name);
    }
};

QTEST_MAIN(tst_SessionEnd)
#include "tst_sessionend.moc"
