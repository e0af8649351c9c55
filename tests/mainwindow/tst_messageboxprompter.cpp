#include "mainwindow/MessageBoxPrompter.h"

#include <QApplication>
#include <QFontMetrics>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(Prompter::Buttons)
Q_DECLARE_METATYPE(Prompter::Answer)

class tst_MessageBoxPrompter : public QObject
{
    Q_OBJECT

private slots:
    void messageBox_data()
    {
        QTest::addColumn<Prompter::Buttons>("buttons");
        QTest::addColumn<int>("shownButtons");
        QTest::addColumn<int>("press");
        QTest::addColumn<Prompter::Answer>("answer");
        QTest::newRow("ok") << Prompter::Buttons::Ok << int(QMessageBox::Ok) << int(QMessageBox::Ok)
                            << Prompter::Answer::Ok;
        QTest::newRow("yes") << Prompter::Buttons::YesNo << int(QMessageBox::Yes | QMessageBox::No)
                             << int(QMessageBox::Yes) << Prompter::Answer::Yes;
        QTest::newRow("no") << Prompter::Buttons::YesNo << int(QMessageBox::Yes | QMessageBox::No)
                            << int(QMessageBox::No) << Prompter::Answer::No;
        QTest::newRow("cancel") << Prompter::Buttons::YesNoCancel
                                << int(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)
                                << int(QMessageBox::Cancel) << Prompter::Answer::Cancel;
    }

    void messageBox()
    {
        QFETCH(Prompter::Buttons, buttons);
        QFETCH(int, shownButtons);
        QFETCH(int, press);
        QFETCH(Prompter::Answer, answer);

        QString title;
        QString text;
        int standardButtons = 0;
        QMessageBox::Icon icon = QMessageBox::Warning;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            title = box->windowTitle();
            text = box->text();
            standardButtons = int(box->standardButtons());
            icon = box->icon();
            box->button(QMessageBox::StandardButton(press))->click();
        });
        MessageBoxPrompter prompter;
        const Prompter::Answer given =
            prompter.message(u"First line\n\rSecond line"_s, u"ERROR!"_s, buttons);

        QCOMPARE(given, answer);
        QCOMPARE(title, u"ERROR!"_s);
        QCOMPARE(text, u"First line\nSecond line"_s);
        QCOMPARE(standardButtons, shownButtons);
        QCOMPARE(icon, QMessageBox::NoIcon);
    }

    void yesNoQuestionWaitsForAnAnswer()
    {
        bool stillShownAfterEscapeAndClose = false;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            QTest::keyClick(box, Qt::Key_Escape);
            box->close();
            QCoreApplication::processEvents();
            stillShownAfterEscapeAndClose = box->isVisible();
            box->button(QMessageBox::Yes)->click();
        });
        MessageBoxPrompter prompter;
        QCOMPARE(prompter.message(u"See this reminder again?"_s, u"REMINDER"_s,
                                  Prompter::Buttons::YesNo),
                 Prompter::Answer::Yes);
        QVERIFY(stillShownAfterEscapeAndClose);
    }

    void choiceShowsItsOwnButtonsAndWaitsForOne()
    {
        QStringList labels;
        bool stillShownAfterEscape = false;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            for (QAbstractButton* button : box->buttons())
                labels << button->text();
            QTest::keyClick(box, Qt::Key_Escape);
            stillShownAfterEscape = box->isVisible();
            box->buttons().at(1)->click();
        });
        MessageBoxPrompter prompter;
        QCOMPARE(prompter.choose(u"Not saved."_s, u"Kelvane"_s,
                                 {u"Try again"_s, u"Quit without saving"_s}),
                 1);
        QCOMPARE(labels, QStringList({u"Try again"_s, u"Quit without saving"_s}));
        QVERIFY(stillShownAfterEscape);
    }

    // The window manager draws the title in a bold face beside an icon and three buttons; a
    // box narrower than that shows the title cut to its two ends.
    void boxIsAsWideAsItsWholeTitle_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("title");
        QTest::newRow("message") << u"message"_s << u"ERROR! Enter a valid date!"_s;
        QTest::newRow("question") << u"question"_s << u"Enter an integer from 1 to 12!"_s;
        QTest::newRow("choice") << u"choice"_s << u"The calendar database could not be opened"_s;
        QTest::newRow("input") << u"input"_s << u"Replace Current Note of the Month Sheet"_s;
    }

    void boxIsAsWideAsItsWholeTitle()
    {
        QFETCH(QString, kind);
        QFETCH(QString, title);
        int width = 0;
        QTimer::singleShot(0, this, [&] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box)
                return;
            width = box->width();
            if (auto* message = qobject_cast<QMessageBox*>(box))
                message->buttons().constFirst()->click();
            else if (auto* input = qobject_cast<QInputDialog*>(box))
                input->reject();
        });
        MessageBoxPrompter prompter;
        if (kind == u"message"_s)
            prompter.message(u"Not a date!"_s, title, Prompter::Buttons::Ok);
        else if (kind == u"question"_s)
            prompter.message(u"Enter Month in numeric form."_s, title, Prompter::Buttons::YesNo);
        else if (kind == u"choice"_s)
            prompter.choose(u"Try again?"_s, title, {u"Yes"_s, u"No"_s});
        else
            prompter.input(u"Enter a note"_s, title, u"Click"_s);

        QFont font = QApplication::font("QMdiSubWindowTitleBar");
        font.setBold(true);
        const QFontMetrics metrics(font);
        const int frameButtons = 4 * metrics.height();
        QVERIFY2(width >= metrics.horizontalAdvance(title) + frameButtons,
                 qPrintable(u"%1 < %2 + %3"_s.arg(width)
                                .arg(metrics.horizontalAdvance(title))
                                .arg(frameButtons)));
    }

    // Taken back while on the screen (the session ends), a box gives the answer that does
    // least, and the next question is answered so at once, without a box.
    void withdrawnBoxGivesTheLeastAnswer_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("answer");
        QTest::newRow("ok") << "ok"
                            << "Ok";
        QTest::newRow("yes or no") << "yesno"
                                   << "No";
        QTest::newRow("yes, no or cancel") << "yesnocancel"
                                           << "Cancel";
        QTest::newRow("choice") << "choose"
                                << "-1";
        QTest::newRow("input") << "input"
                               << "as it was";
    }

    void withdrawnBoxGivesTheLeastAnswer()
    {
        QFETCH(QString, kind);
        QFETCH(QString, answer);
        MessageBoxPrompter prompter;
        const auto ask = [&prompter, &kind]() -> QString {
            const QStringList names = {u"Ok"_s, u"Yes"_s, u"No"_s, u"Cancel"_s};
            if (kind == u"choose"_s)
                return QString::number(prompter.choose(u"Which?"_s, u"T"_s, {u"A"_s, u"B"_s}));
            if (kind == u"input"_s)
                return prompter.input(u"Note?"_s, u"T"_s, u"as it was"_s);
            const auto buttons = kind == u"ok"_s      ? Prompter::Buttons::Ok
                                 : kind == u"yesno"_s ? Prompter::Buttons::YesNo
                                                      : Prompter::Buttons::YesNoCancel;
            return names.at(int(prompter.message(u"Sure?"_s, u"T"_s, buttons)));
        };
        bool shown = false;
        QTimer::singleShot(0, this, [&] {
            shown = QApplication::activeModalWidget() != nullptr;
            prompter.withdrawAll();
        });
        QCOMPARE(ask(), answer);
        QVERIFY(shown);
        QCOMPARE(ask(), answer);
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(tst_MessageBoxPrompter)
#include "tst_messageboxprompter.moc"
