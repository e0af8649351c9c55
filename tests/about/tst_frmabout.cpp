#include "about/frmAbout.h"

#include "ScriptedPrompter.h"

#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_frmAbout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { ScriptedPrompter::VerifyAllScripted(); }

    void showsTitleAndVersion()
    {
        ScriptedPrompter prompter;
        frmAbout about(prompter);
        QCOMPARE(about.windowTitle(), u"About Kelvane"_s);
        QCOMPARE(about.lblTitle->text(), u"Kelvane"_s);
        QCOMPARE(about.lblVersion->text(), u"Version 1.0.0"_s);
        QVERIFY(about.lblDescription->text().contains(u"1901 to 2124"_s));
        QVERIFY(!about.picLogo->pixmap().isNull());
        QCOMPARE(about.cmdOK->text(), u"OK"_s);
        QCOMPARE(about.cmdSysInfo->text(), u"&System Info..."_s);
    }

    void systemInfo_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<bool>("starts");
        QTest::addColumn<QStringList>("started");
        QTest::addColumn<bool>("unavailable");
        QTest::newRow("best one found first") << QStringList{"xfce4-taskmanager", "hardinfo"}
                                              << true << QStringList{"/usr/bin/hardinfo"} << false;
        QTest::newRow("a system monitor as the fallback")
            << QStringList{"gnome-system-monitor"} << true
            << QStringList{"/usr/bin/gnome-system-monitor"} << false;
        QTest::newRow("nothing installed") << QStringList{} << true << QStringList{} << true;
        QTest::newRow("found but does not start") << QStringList{"kinfocenter", "lxtask"} << false
                                                  << QStringList{"/usr/bin/kinfocenter"} << true;
    }

    void systemInfo()
    {
        QFETCH(QStringList, installed);
        QFETCH(bool, starts);
        QFETCH(QStringList, started);
        QFETCH(bool, unavailable);

        ScriptedPrompter prompter;
        frmAbout about(prompter);
        QStringList attempts;
        about.setProgramAccess(
            [&installed](const QString& name) {
                return installed.contains(name) ? u"/usr/bin/"_s + name : QString();
            },
            [&attempts, starts](const QString& path) {
                attempts.append(path);
                return starts;
            });
        QTest::mouseClick(about.cmdSysInfo, Qt::LeftButton);

        QCOMPARE(attempts, started);
        if (unavailable) {
            QCOMPARE(prompter.shown().size(), 1);
            QCOMPARE(prompter.shown().at(0).text,
                     u"System Information Is Unavailable At This Time"_s);
            QCOMPARE(prompter.shown().at(0).title, u"Kelvane"_s);
            QCOMPARE(prompter.shown().at(0).buttons, Prompter::Buttons::Ok);
        } else {
            QVERIFY(prompter.shown().isEmpty());
        }
    }
};

QTEST_MAIN(tst_frmAbout)
#include "tst_frmabout.moc"
