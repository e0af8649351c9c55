#include "rotas/frmRotas.h"

#include "CalendarFixture.h"
#include "FixedClock.h"
#include "KeyInput.h"
#include "RotaFiles.h"
#include "ScriptedPrompter.h"
#include "rota/Rota.h"
#include "store/OwnRotaFile.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QDate Today(2025, 6, 15);

// The rota window over a rota folder of its own, a fixed "today" and a scripted prompter.
struct Fixture
{
    Fixture() { QDir().mkpath(folder()); }

    QString folder() const { return dir.filePath(u"rotas"_s); }
    QString path(const QString& file) const { return QDir(folder()).filePath(file); }
    QStringList files() const { return QDir(folder()).entryList(QDir::Files, QDir::Name); }

    void open()
    {
        window = std::make_unique<frmRotas>(folder(), prompter, clock);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    QStringList listed() const
    {
        QStringList texts;
        for (int i = 0; i < window->lstRotas->count(); ++i)
            texts << window->lstRotas->item(i)->text();
        return texts;
    }

    QTemporaryDir dir;
    FixedClock clock{Today};
    ScriptedPrompter prompter;
    std::unique_ptr<frmRotas> window;
};

// Presses the access key of a button, as Alt and its letter.
void pressKeyOf(QPushButton* button)
{
    const QKeySequence key = QKeySequence::mnemonic(button->text());
    QTest::keyClick(QApplication::focusWidget(), key[0].key(), key[0].keyboardModifiers());
}

} // namespace

class tst_frmRotas : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { ScriptedPrompter::VerifyAllScripted(); }

    // A rota typed field by field: each value broken once is refused beside its field and
    // keeps Save off; the rota that holds is previewed and saved as its file reads back.
    void fieldChecks_data()
    {
        QTest::addColumn<QString>("field"); // a field's name; "own B": group B's own pattern
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("check"); // the label that says what is wrong
        QTest::addColumn<QString>("message");
        // clang-format off
        QTest::newRow("name too long") << "txtName" << QString(31, u'x') << "lblNameCheck"
            << "name has 31 characters; at most 30";
        QTest::newRow("name of 30 characters") << "txtName" << QString(30, u'x') << "lblNameCheck"
            << "";
        QTest::newRow("name empty") << "txtName" << "" << "lblNameCheck" << "name is empty";
        QTest::newRow("start not a date") << "txtStart" << "2027-02-30" << "lblStartCheck"
            << "start '2027-02-30' is not a date; write YYYY-MM-DD";
        QTest::newRow("group twice") << "txtGroups" << "A B a" << "lblGroupsCheck"
            << "group a is named twice";
        QTest::newRow("group of five letters") << "txtGroups" << "A Green" << "lblGroupsCheck"
            << "group 'Green' is not 1..4 letters or digits";
        QTest::newRow("group word") << "txtGroupWord" << "Crew." << "lblGroupWordCheck"
            << "group word 'Crew.' is not 1..20 letters, digits, blanks or hyphens after a letter";
        QTest::newRow("pattern letter") << "txtPattern" << "WWWWOOOX" << "lblPatternCheck"
            << "pattern has 'X'; use W and O";
        QTest::newRow("shift too large") << "txtShift" << "400" << "lblShiftCheck"
            << "shift '400' is not a whole number 0..399";
        QTest::newRow("shift empty: 0") << "txtShift" << "" << "lblShiftCheck" << "";
        QTest::newRow("own pattern letter") << "own B" << "WWOX" << "lblOwnPatternsCheck"
            << "pattern B has 'X'; use W and O";
        QTest::newRow("own pattern length") << "own B" << "WWOO" << "lblRotaCheck"
            << "pattern B has 4 letters but pattern on line 5 has 8; every pattern needs the "
               "same length";
        QTest::newRow("a good rota is saved") << "" << "" << "" << "";
        // clang-format on
    }

    void fieldChecks()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, check);
        QFETCH(QString, message);
        Fixture f;
        f.open();
        frmRotas& w = *f.window;
        QCOMPARE(QApplication::focusWidget(), w.txtName); // no rotas yet: a new one
        QVERIFY(!w.cmdSave->isEnabled());
        KeyInput::TypeInto(w.txtName, u"Four On Four Off"_s);
        KeyInput::TypeInto(w.txtStart, u"2027-01-04"_s);
        KeyInput::TypeInto(w.txtGroups, u"A B, C D"_s);
        KeyInput::TypeInto(w.txtPattern, u"wwww oooo"_s);
        KeyInput::TypeInto(w.txtShift, u"2"_s);
        const QList<QLabel*> checks = w.findChildren<QLabel*>(QRegularExpression(u"Check$"_s));
        QCOMPARE(checks.size(), 8);
        for (const QLabel* label : checks)
            QVERIFY2(label->text().isEmpty(), qPrintable(label->text()));
        QVERIFY(w.cmdSave->isEnabled());

        if (!field.isEmpty()) {
            QLineEdit* edit =
                field == u"own B"_s ? w.ownPatternField(u"B"_s) : w.findChild<QLineEdit*>(field);
            QVERIFY(edit);
            KeyInput::TypeInto(edit, typed);
            QCOMPARE(w.findChild<QLabel*>(check)->text(), message);
            if (message.isEmpty()) { // accepted
                QVERIFY(w.cmdSave->isEnabled());
                return;
            }
            for (const QLabel* label : checks) {
                if (label->objectName() != check)
                    QVERIFY2(label->text().isEmpty(), qPrintable(label->text()));
            }
            QVERIFY(!w.cmdSave->isEnabled());
            QVERIFY(w.tblPreview->item(0, 0)->text().isEmpty());
            pressKeyOf(w.cmdSave);
            QVERIFY(f.files().isEmpty());
            QVERIFY(f.prompter.shown().isEmpty());
            return;
        }

        const std::shared_ptr<const OwnRota> expected = RotaFiles::Parsed(RotaFiles::FourOnFourOff);
        QCOMPARE(w.tblPreview->rowCount() * w.tblPreview->columnCount(), 56);
        for (int day = 0; day < 56; ++day)
            QCOMPARE(w.tblPreview->item(day / 7, day % 7)->text(),
                     Rota::FromFile(*expected).whosOffText(Today.addDays(day), 0));
        QCOMPARE(w.tblPreview->horizontalHeaderItem(0)->text(), u"Sun"_s);
        QCOMPARE(w.tblPreview->verticalHeaderItem(1)->text(), u"22 Jun"_s);

        QSignalSpy changed(&w, &frmRotas::rotasChanged);
        pressKeyOf(w.cmdSave);
        QCOMPARE(f.files(), QStringList{"four-on-four-off.rota"});
        const OwnRotaFile::Loaded saved = OwnRotaFile::Load(f.path(u"four-on-four-off.rota"_s));
        QVERIFY2(saved.rota, qPrintable(saved.error));
        QCOMPARE(*saved.rota, *expected);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(f.listed(), QStringList{"Four On Four Off"});
        QCOMPARE(w.currentPath(), f.path(u"four-on-four-off.rota"_s));
        QVERIFY(!w.hasChanges());
        QVERIFY(!w.cmdSave->isEnabled());
        QCOMPARE(w.lblStatus->text(),
                 u"Saved to %1."_s.arg(QDir::toNativeSeparators(w.currentPath())));
    }

    // Changes not saved are asked about before another rota is shown, and only then.
    void unsavedChangesAreAsked_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("stored"); // the pattern in the file afterwards
        QTest::addColumn<bool>("stays");     // the edited rota is still shown
        QTest::newRow("Yes saves") << int(Prompter::Answer::Yes) << "WWWWWOOO" << false;
        QTest::newRow("No drops them") << int(Prompter::Answer::No) << "WWWWOOOO" << false;
        QTest::newRow("Cancel stays") << int(Prompter::Answer::Cancel) << "WWWWOOOO" << true;
    }

    void unsavedChangesAreAsked()
    {
        QFETCH(int, answer);
        QFETCH(QString, stored);
        QFETCH(bool, stays);
        Fixture f;
        CalendarFixture::WriteFile(f.path(u"four.rota"_s), RotaFiles::FourOnFourOff);
        f.open();
        frmRotas& w = *f.window;
        QCOMPARE(w.txtPattern->text(), u"WWWWOOOO"_s);
        // Nothing changed: no question.
        QTest::mouseClick(w.cmdNew, Qt::LeftButton);
        QVERIFY(f.prompter.shown().isEmpty());
        // Every field cleared.
        for (const QLineEdit* field : w.findChildren<QLineEdit*>())
            QVERIFY2(field->text().isEmpty(), qPrintable(field->objectName()));

        w.lstRotas->setCurrentRow(0);
        KeyInput::TypeInto(w.txtPattern, u"WWWWWOOO"_s);
        f.prompter.queueAnswer(static_cast<Prompter::Answer>(answer));
        QTest::mouseClick(w.cmdNew, Qt::LeftButton);
        QCOMPARE(f.prompter.shown().size(), 1);
        QCOMPARE(f.prompter.shown().at(0).text,
                 u"Save the changes to the rota \"Four On Four Off\"?"_s);
        QCOMPARE(f.prompter.shown().at(0).title, u"Rotas of Your Own"_s);
        QCOMPARE(OwnRotaFile::Load(f.path(u"four.rota"_s)).rota->pattern, stored);
        QCOMPARE(w.txtPattern->text(), stays ? u"WWWWWOOO"_s : QString());
        QCOMPARE(w.currentPath(), stays ? f.path(u"four.rota"_s) : QString());
        // The list shows the rota the form holds.
        QCOMPARE(w.lstRotas->currentRow(), stays ? 0 : -1);
    }

    // A file changed elsewhere since the window read it is not overwritten or removed without
    // a word: the question's answer reloads it, overwrites it, saves a copy or removes it.
    void fileChangedElsewhere_data()
    {
        QTest::addColumn<bool>("remove");
        QTest::addColumn<int>("choice");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("listed"); // afterwards
        QTest::newRow("save: reload")
            << false << 0 << QStringList{"four.rota"} << QStringList{"Theirs"};
        QTest::newRow("save: overwrite")
            << false << 1 << QStringList{"four.rota"} << QStringList{"Mine"};
        QTest::newRow("save: as a copy")
            << false << 2 << QStringList{"four.rota", "mine.rota"} << QStringList{"Theirs", "Mine"};
        QTest::newRow("remove: reload")
            << true << 0 << QStringList{"four.rota"} << QStringList{"Theirs"};
        QTest::newRow("remove: anyway") << true << 1 << QStringList{} << QStringList{};
    }

    void fileChangedElsewhere()
    {
        QFETCH(bool, remove);
        QFETCH(int, choice);
        QFETCH(QStringList, files);
        QFETCH(QStringList, listed);
        Fixture f;
        const QString path = f.path(u"four.rota"_s);
        CalendarFixture::WriteFile(path, RotaFiles::FourOnFourOff);
        f.open();
        frmRotas& w = *f.window;
        if (!remove)
            KeyInput::TypeInto(w.txtName, u"Mine"_s);
        CalendarFixture::WriteFile(
            path, QByteArray(RotaFiles::FourOnFourOff).replace("Four On Four Off", "Theirs"));
        f.prompter.queueChoice(choice);
        pressKeyOf(remove ? w.cmdRemove : w.cmdSave);
        QCOMPARE(f.prompter.shown().size(), 1);
        QCOMPARE(f.prompter.shown().at(0).text,
                 remove ? u"four.rota has been changed since it was read here. Reload it, or "
                          "remove it anyway?"_s
                        : u"four.rota has been changed since it was read here. Reload it (your "
                          "changes are dropped), overwrite it with yours, or save yours as a "
                          "copy?"_s);
        QCOMPARE(f.files(), files);
        QCOMPARE(f.listed(), listed);
    }

    // A file named in another encoding than UTF-8 (Latin-1 here) is listed, shown with its
    // byte escaped, and saved to the very same name.
    void fileNameThatIsNotUtf8()
    {
        Fixture f;
        const QByteArray name = QFile::encodeName(f.folder()) + "/\xE9quipe.rota";
        std::FILE* file = std::fopen(name.constData(), "w");
        QVERIFY(file);
        std::fputs(RotaFiles::FourOnFourOff.constData(), file);
        std::fclose(file);
        f.open();
        frmRotas& w = *f.window;
        QCOMPARE(f.listed(), QStringList{"Four On Four Off"});
        QCOMPARE(w.lstRotas->item(0)->toolTip(),
                 QDir::toNativeSeparators(f.folder()) + u"/\\xE9quipe.rota"_s);
        KeyInput::TypeInto(w.txtShift, u"3"_s);
        pressKeyOf(w.cmdSave);
        QCOMPARE(w.lblStatus->text(),
                 u"Saved to %1/\\xE9quipe.rota."_s.arg(QDir::toNativeSeparators(f.folder())));
        QCOMPARE(OwnRotaFolder::List(f.folder()).size(), 1); // Qt's own listing leaves it out
        const OwnRotaFile::Loaded saved = OwnRotaFile::Load(w.currentPath());
        QVERIFY2(saved.rota, qPrintable(saved.error));
        QCOMPARE(saved.rota->shift, 3);
    }

    // Rotas are listed by name, a refused file with its reason; a copy is a rota of its own,
    // and removing asks first.
    void listCopyAndRemove()
    {
        Fixture f;
        CalendarFixture::WriteFile(f.path(u"four.rota"_s), RotaFiles::FourOnFourOff);
        CalendarFixture::WriteFile(f.path(u"bad.rota"_s),
                                   QByteArray(RotaFiles::FourOnFourOff).replace("WWWWOOOO", "WX"));
        CalendarFixture::WriteFile(f.path(u"notes.txt"_s), "not a rota");
        f.open();
        frmRotas& w = *f.window;
        QSignalSpy changed(&w, &frmRotas::rotasChanged);
        QCOMPARE(f.listed(), QStringList({"bad.rota (refused)", "Four On Four Off"}));
        QCOMPARE(w.lblRotaCheck->text(), u"This file is refused: %1:5: pattern has 'X'; use W "
                                         "and O"_s.arg(f.path(u"bad.rota"_s)));
        // It opens in the fields, what is wrong beside its field.
        QCOMPARE(w.txtPattern->text(), u"WX"_s);
        QCOMPARE(w.lblPatternCheck->text(), u"pattern has 'X'; use W and O"_s);
        QVERIFY(!w.cmdCopy->isEnabled());
        QVERIFY(!w.cmdSave->isEnabled());

        // The copy starts as the rota it copies, under a name of its own.
        QTest::keyClick(w.lstRotas, Qt::Key_Down);
        QCOMPARE(w.txtName->text(), u"Four On Four Off"_s);
        pressKeyOf(w.cmdCopy);
        QCOMPARE(w.txtName->text(), u"Copy of Four On Four Off"_s);
        QVERIFY(w.currentPath().isEmpty());
        KeyInput::TypeInto(w.txtShift, u"3"_s);
        pressKeyOf(w.cmdSave);
        QCOMPARE(f.files(), QStringList({"bad.rota", "copy-of-four-on-four-off.rota", "four.rota",
                                         "notes.txt"}));
        QCOMPARE(OwnRotaFile::Load(f.path(u"copy-of-four-on-four-off.rota"_s)).rota->shift, 3);
        QCOMPARE(OwnRotaFile::Load(f.path(u"four.rota"_s)).rota->shift, 2);
        QCOMPARE(changed.count(), 1);

        // Removing asks; No keeps the file.
        w.lstRotas->setCurrentRow(0);
        f.prompter.queueAnswer(Prompter::Answer::No);
        pressKeyOf(w.cmdRemove);
        QCOMPARE(f.prompter.shown().at(0).text, u"Remove bad.rota? Its file is deleted."_s);
        QCOMPARE(f.prompter.shown().at(0).buttons, Prompter::Buttons::YesNo);
        QVERIFY(QFileInfo::exists(f.path(u"bad.rota"_s)));
        w.lstRotas->setCurrentRow(2);
        f.prompter.queueAnswer(Prompter::Answer::Yes);
        pressKeyOf(w.cmdRemove);
        QCOMPARE(f.prompter.shown().at(1).text,
                 u"Remove the rota \"Four On Four Off\" (four.rota)? Its file is deleted."_s);
        QCOMPARE(f.files(),
                 QStringList({"bad.rota", "copy-of-four-on-four-off.rota", "notes.txt"}));
        QCOMPARE(f.listed(), QStringList({"bad.rota (refused)", "Copy of Four On Four Off"}));
        QCOMPARE(changed.count(), 2);
    }

    // "New from a common rota..." by keyboard: the installed file is copied as it is into
    // the user's folder and shown to be edited; what its groups are called survives a save.
    void newFromACommonRota()
    {
        Fixture f;
        const QString common = f.dir.filePath(u"share/kelvane/rotas"_s);
        QVERIFY(QDir().mkpath(common));
        const QByteArray crews =
            "# four crews\n" + RotaFiles::FourOnFourOff + "group word = Crew\n";
        CalendarFixture::WriteFile(common + u"/four-on-four-off.rota"_s, crews);
        f.open();
        frmRotas& w = *f.window;
        w.setCommonRotaFolders({common});
        QSignalSpy changed(&w, &frmRotas::rotasChanged);
        QTimer::singleShot(0, &w, [] {
            QWidget* menu = QApplication::activePopupWidget();
            QVERIFY(qobject_cast<QMenu*>(menu));
            QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, Qt::Key_Return);
        });
        pressKeyOf(w.cmdNewCommon);
        QTRY_COMPARE(f.files(), QStringList{"four-on-four-off.rota"});
        QCOMPARE(CalendarFixture::ReadText(f.path(u"four-on-four-off.rota"_s)).toUtf8(), crews);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(w.focusWidget(), w.txtName);
        QCOMPARE(w.txtGroupWord->text(), u"Crew"_s);
        w.activateWindow(); // the offscreen platform leaves none active after a menu
        QVERIFY(QTest::qWaitForWindowActive(&w));

        KeyInput::TypeInto(w.txtShift, u"3"_s);
        pressKeyOf(w.cmdSave);
        const OwnRotaFile::Loaded saved = OwnRotaFile::Load(f.path(u"four-on-four-off.rota"_s));
        QCOMPARE(saved.rota->shift, 3);
        QCOMPARE(saved.rota->groupWord, u"Crew"_s);
    }

    // A change that could not be saved is discarded or kept, not offered to be saved; removing
    // the rota the main window uses says so; the preview's weeks start on the main window's
    // first weekday and each day is named by its whole date.
    void askedAsTheMainWindowNeeds()
    {
        Fixture f;
        CalendarFixture::WriteFile(f.path(u"four.rota"_s), RotaFiles::FourOnFourOff);
        f.open();
        frmRotas& w = *f.window;
        w.setRotaInUse([&f] { return f.path(u"four.rota"_s); });
        w.setFirstDayOfWeek(Qt::Monday);
        QCOMPARE(w.tblPreview->horizontalHeaderItem(0)->text(), u"Mon"_s);
        QCOMPARE(w.tblPreview->verticalHeaderItem(0)->text(), u"9 Jun"_s);
        QTableWidgetItem* day = w.tblPreview->item(0, 6);
        QCOMPARE(day->data(Qt::AccessibleTextRole).toString(), u"Sunday 15 June 2025"_s);
        QCOMPARE(day->data(Qt::AccessibleDescriptionRole).toString(), day->text());

        KeyInput::TypeInto(w.txtPattern, u"WX"_s);
        f.prompter.queueChoice(1);
        QVERIFY(!w.close());
        QCOMPARE(f.prompter.shown().at(0).text, u"Discard the changes?"_s);
        QCOMPARE(f.prompter.shown().at(0).choices, (QStringList{"Discard", "Go back"}));
        QCOMPARE(w.txtPattern->text(), u"WX"_s);
        f.prompter.queueChoice(0);
        pressKeyOf(w.cmdNew);
        QVERIFY(w.txtPattern->text().isEmpty());

        w.lstRotas->setCurrentRow(0);
        f.prompter.queueAnswer(Prompter::Answer::No);
        pressKeyOf(w.cmdRemove);
        QCOMPARE(f.prompter.shown().at(2).text,
                 u"Remove the rota \"Four On Four Off\" (four.rota)? Its file is deleted. The "
                 "main window uses it and goes back to its calendar type."_s);
    }

    // A refused file is fixed in the form and saved over itself.
    void refusedFileIsFixed()
    {
        Fixture f;
        CalendarFixture::WriteFile(f.path(u"bad.rota"_s),
                                   QByteArray(RotaFiles::FourOnFourOff).replace("WWWWOOOO", "WX"));
        f.open();
        frmRotas& w = *f.window;
        QSignalSpy changed(&w, &frmRotas::rotasChanged);
        KeyInput::TypeInto(w.txtPattern, u"WWWWOOOO"_s);
        QVERIFY(w.lblPatternCheck->text().isEmpty());
        pressKeyOf(w.cmdSave);
        QCOMPARE(f.files(), QStringList{"bad.rota"});
        const OwnRotaFile::Loaded saved = OwnRotaFile::Load(f.path(u"bad.rota"_s));
        QVERIFY2(saved.rota, qPrintable(saved.error));
        QCOMPARE(*saved.rota, *RotaFiles::Parsed(RotaFiles::FourOnFourOff));
        QCOMPARE(f.listed(), QStringList{"Four On Four Off"});
        QCOMPARE(changed.count(), 1);
    }

    // Nothing moves while the user types: a long reason is cut short on its one line, whole in
    // its tooltip and for a screen reader.
    void fieldsHoldStill()
    {
        Fixture f;
        f.open();
        frmRotas& w = *f.window;
        const auto places = [&w] {
            QList<QRect> rects;
            const QList<QWidget*> controls = {w.txtName,        w.txtStart,   w.txtGroups,
                                              w.txtGroupWord,   w.txtPattern, w.txtShift,
                                              w.lblGroupsCheck, w.tblPreview, w.cmdSave};
            for (QWidget* control : controls)
                rects << control->geometry();
            return rects;
        };
        const QList<QRect> before = places();
        KeyInput::TypeInto(w.txtGroups, u"A Abcdefghijklmnopqrstuvwxyz"_s);
        QTest::qWait(0);
        const QString reason =
            u"group 'Abcdefghijklmnopqrst\u2026' is not 1..4 letters or digits"_s;
        QCOMPARE(w.lblGroupsCheck->text(), reason);
        QCOMPARE(w.lblGroupsCheck->toolTip(), reason);
        QCOMPARE(w.lblGroupsCheck->accessibleDescription(), reason);
        QCOMPARE(places(), before);
    }

    // Tab goes from the list through its buttons, the fields and the preview to Save and
    // Close; each control is named for a screen reader. The window can be made small enough
    // for a 1024x768 screen at 150 %, frame included.
    void keyboardReachesEveryControl()
    {
        Fixture f;
        CalendarFixture::WriteFile(f.path(u"four.rota"_s), RotaFiles::FourOnFourOff);
        f.open();
        frmRotas& w = *f.window;
        KeyInput::TypeInto(w.txtName, u"Changed"_s); // Save takes part
        w.lstRotas->setFocus(Qt::TabFocusReason);
        QStringList reached;
        for (int i = 0; i < 20 && QApplication::focusWidget() != w.cmdClose; ++i) {
            QWidget* focused = QApplication::focusWidget();
            QAccessibleInterface* named = QAccessible::queryAccessibleInterface(focused);
            reached << (named ? named->text(QAccessible::Name) : focused->objectName());
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        reached << u"Close"_s;
        const QStringList expected = {"Your rotas",
                                      "New",
                                      "Copy",
                                      "Remove",
                                      "New from a common rota...",
                                      "Name",
                                      "Start",
                                      "Groups",
                                      "Group word",
                                      "Pattern",
                                      "Shift",
                                      "Own pattern of group A",
                                      "Own pattern of group B",
                                      "Own pattern of group C",
                                      "Own pattern of group D",
                                      "Groups off in the next eight weeks",
                                      "Save",
                                      "Close"};
        QCOMPARE(reached, expected);
        QVERIFY(w.minimumSizeHint().width() <= 683 - 8);
        QVERIFY(w.minimumSizeHint().height() <= 512 - 36);
    }
};

QTEST_MAIN(tst_frmRotas)
#include "tst_frmrotas.moc"
