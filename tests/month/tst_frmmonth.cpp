#include "LinkedPrinters.h"
#include "month/frmMonth.h"
#include "print/RecordingSurface.h"
#include "store/AppState.h"
#include "store/CalendarDatabase.h"
#include "store/MonthNotesTable.h"
#include "store/SafeFile.h"
#include "store/VacationTable.h"

#include "CalendarFixture.h"
#include "RotaFiles.h"
#include "ScriptedPrompter.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

const QColor Blue(0, 0, 255);

QColor textColor(const QWidget* widget)
{
    return widget->palette().color(QPalette::WindowText);
}

int monthRecords(const QString& path)
{
    const QVariant count =
        CalendarFixture::Scalar(path, u"SELECT COUNT(*) FROM \"Monthly Notes\""_s);
    return count.isValid() ? count.toInt() : -1;
}

} // namespace

// One calendar database in a temporary folder, the run-wide state pointing at it, and the
// main window's entry look-up on the same file.
class Fixture
{
public:
    QTemporaryDir folder;
    QString path;
    AppState state;
    ScriptedPrompter prompter;
    LinkedPrinters printers;
    PlacementFolders folders;
    CalendarDatabase mainDatabase;
    std::unique_ptr<VacationTable> entries;

    explicit Fixture(bool withDatabase = true)
    {
        path = QDir(folder.path()).filePath(CalendarDatabase::FileName());
        folders.dataFolder = folder.path();
        state.DatabasePath = path;
        if (withDatabase) {
            CalendarDatabase::CreateTemplate(path);
            mainDatabase.open(path);
            entries = std::make_unique<VacationTable>(mainDatabase);
        }
    }

    std::unique_ptr<frmMonth> open(const CalendarChoices& choices)
    {
        auto window =
            std::make_unique<frmMonth>(choices, state, prompter, printers, entries.get(), folders);
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        return window;
    }

    std::optional<MonthNotesRecord> stored(QDate month)
    {
        CalendarDatabase database;
        if (!database.open(path))
            return std::nullopt;
        return MonthNotesTable::Find(database, month);
    }
};

class TestFrmMonth : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { ScriptedPrompter::VerifyAllScripted(); }
    void windowAndControls();
    void onlyTheMonthsDaysShow_data();
    void onlyTheMonthsDaysShow();
    void notesStoredAcrossOpenings();
    void entryWordGoesToSecondNoteOrNowhere();
    void noteEditing_data();
    void noteEditing();
    void clickingLabelsAndBoxes();
    void keyboardReachesEveryControl();
    void printSizeBar();
    void printsWhatTheSheetShows();
    void ownRotaTextStaysInItsCell();
    void printDialogOnCtrlP();
    void missingDatabaseReminds_data();
    void missingDatabaseReminds();
    void damagedFileLeftAlone();
    void failedStoreIsReported();
    void lockedFileAsksBeforeNotesAreLost();
};

void TestFrmMonth::windowAndControls()
{
    Fixture fixture;
    CalendarChoices choices;
    choices.calendarDate = QDate(2024, 3, 12);
    auto window = fixture.open(choices);
    QCOMPARE(window->windowTitle(), u"Add Notes and Print Only This Month"_s);
    QVERIFY(!window->isModal());
    QCOMPARE(window->palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(window->cmdPrint()->text(), u"&Print"_s);
    QCOMPARE(window->cmdExit()->text(), u"E&xit"_s);
    QCOMPARE(window->lblPrintSize()->text(), u"Print Size : 100%"_s);
    QCOMPARE(window->shpHighlightColor()->palette().color(QPalette::Window), QColor(255, 140, 255));
    QVERIFY(!window->shpHighlightColor()->isHidden());
    // No group highlighted: the day-off swatch stays hidden.
    QVERIFY(window->shpDayOffColor()->isHidden());
    QVERIFY(window->lblDayOffColor()->isHidden());
    QVERIFY(fixture.prompter.shown().isEmpty());
    QVERIFY(window->storesNotes());

    // The first of March 2024 is a Friday: column 5, row 0.
    QCOMPARE(window->lblFirstNote(0)->pos(), frmMonth::ToPixels({7530, 595}));
    QCOMPARE(window->lblSecondNote(0)->pos(), frmMonth::ToPixels({7530, 780}));
    QCOMPARE(window->chkHighlight(0)->pos(), frmMonth::ToPixels({7920, 390}));
    QCOMPARE(window->lblFirstNote(0)->text(), u"Click"_s);
    QCOMPARE(textColor(window->lblFirstNote(0)), Blue);
    QCOMPARE(window->chkHighlight(0)->text(), u"Highlight"_s);
    QCOMPARE(textColor(window->chkHighlight(0)), QColor(128, 128, 255));
    // The whole sheet and the controls fit inside the window, and the window on a small screen.
    QVERIFY(window->width() <= 1366 && window->height() <= 740);
    const QWidget* sheet = window->lblSecondNote(30)->parentWidget();
    QVERIFY(sheet->rect().contains(window->lblSecondNote(30)->geometry()));
    QVERIFY(sheet->rect().contains(window->cmdExit()->geometry()));

    choices.noHighlight = false;
    choices.highlightGroup = u" 3"_s;
    choices.shades = ShadeColors::For(ColourFamily::Green, 0);
    auto highlighted = fixture.open(choices);
    QVERIFY(!highlighted->shpDayOffColor()->isHidden());
    QVERIFY(!highlighted->lblDayOffColor()->isHidden());
    QCOMPARE(highlighted->shpDayOffColor()->palette().color(QPalette::Window),
             choices.shades.RdoColor);
    QCOMPARE(highlighted->lblDayOffColor()->text(), u"Printer Day off color"_s);
}

void TestFrmMonth::onlyTheMonthsDaysShow_data()
{
    QTest::addColumn<QDate>("month");
    QTest::addColumn<int>("days");
    QTest::newRow("April") << QDate(2024, 4, 30) << 30;
    QTest::newRow("common February") << QDate(2026, 2, 1) << 28;
    QTest::newRow("leap February") << QDate(2024, 2, 29) << 29;
    QTest::newRow("31 days from a Saturday") << QDate(2025, 3, 1) << 31;
}

void TestFrmMonth::onlyTheMonthsDaysShow()
{
    QFETCH(QDate, month);
    QFETCH(int, days);
    Fixture fixture;
    CalendarChoices choices;
    choices.calendarDate = month;
    auto window = fixture.open(choices);
    for (int k = 0; k < 31; ++k) {
        const bool shown = k < days;
        QCOMPARE(!window->lblFirstNote(k)->isHidden(), shown);
        QCOMPARE(!window->lblSecondNote(k)->isHidden(), shown);
        QCOMPARE(!window->chkHighlight(k)->isHidden(), shown);
    }
}

void TestFrmMonth::notesStoredAcrossOpenings()
{
    Fixture fixture;
    QVERIFY(CalendarFixture::Exec(
        fixture.path,
        u"INSERT INTO \"Vacation\" (\"Year\", \"Month\", \"Day\", \"Type\", \"Color\") "
        "VALUES (2024, 4, 10, 'V', '180, 255, 180')"_s));
    CalendarChoices choices;
    choices.calendarDate = QDate(2024, 4, 3);
    choices.yearText = u"2024"_s;
    choices.highlightVacations = true;
    const QDate april(2024, 4, 1);

    auto first = fixture.open(choices);
    QCOMPARE(first->lblFirstNote(9)->text(), u"Vacation"_s);
    QCOMPARE(textColor(first->lblFirstNote(9)),
             QApplication::palette().color(QPalette::ButtonText));
    // The record exists at once, with the entry word already stored.
    std::optional<MonthNotesRecord> stored = fixture.stored(april);
    QVERIFY(stored);
    QCOMPARE(stored->Month, u"4/1/2024"_s);
    QCOMPARE(stored->Note[9], u"Vacation"_s);
    QCOMPARE(stored->Note[2], u"Click"_s);

    fixture.prompter.queueInput(u"Call the \"plumber\" 'now'"_s);
    first->lblFirstNote_Click(2);
    fixture.prompter.queueInput(u"Ünïcode ✓"_s);
    first->lblSecondNote_Click(29);
    first->chkHighlight(4)->setChecked(true);
    // Not stored before the window closes.
    QCOMPARE(fixture.stored(april)->Note[2], u"Click"_s);
    first->cmdExit()->click();
    QVERIFY(!first->isVisible());
    first.reset();

    stored = fixture.stored(april);
    QCOMPARE(stored->Note[2], u"Call the \"plumber\" 'now'"_s);
    QCOMPARE(stored->SecondNote[29], u"Ünïcode ✓"_s);
    QVERIFY(stored->Highlight[4]);
    QVERIFY(!stored->Highlight[3]);
    QCOMPARE(stored->Note[30], u"Click"_s); // April has no 31st

    auto second = fixture.open(choices);
    QCOMPARE(second->lblFirstNote(9)->text(), u"Vacation"_s);
    QCOMPARE(second->lblSecondNote(9)->text(), u"Click"_s); // the word is not repeated
    QCOMPARE(second->lblFirstNote(2)->text(), u"Call the \"plumber\" 'now'"_s);
    QVERIFY(second->chkHighlight(4)->isChecked());
    QCOMPARE(textColor(second->chkHighlight(4)), QColor(255, 0, 0));
    second->close(); // the close box stores as well
    second.reset();
    QCOMPARE(monthRecords(fixture.path), 1);
    QVERIFY(fixture.prompter.shown().size() == 2); // the two note inputs, nothing else
}

void TestFrmMonth::entryWordGoesToSecondNoteOrNowhere()
{
    Fixture fixture;
    const QDate may(2024, 5, 1);
    for (int day : {6, 7})
        QVERIFY(CalendarFixture::Exec(
            fixture.path,
            u"INSERT INTO \"Vacation\" (\"Year\", \"Month\", \"Day\", \"Type\", \"Color\") "
            "VALUES (2024, 5, ?, 'N', '255, 180, 180')"_s,
            {day}));
    QVERIFY(CalendarFixture::Exec(
        fixture.path,
        u"INSERT INTO \"Monthly Notes\" (\"Month\", \"Note6\", \"Note7\", \"SecondNote7\") "
        "VALUES ('5/1/2024', 'Dentist', 'Gym', 'Lunch')"_s));
    CalendarChoices choices;
    choices.calendarDate = may;
    choices.yearText = u"2024"_s;
    choices.highlightVacations = true;
    auto window = fixture.open(choices);
    QCOMPARE(window->lblFirstNote(5)->text(), u"Dentist"_s);
    QCOMPARE(window->lblSecondNote(5)->text(), u"Sick"_s);
    QCOMPARE(window->lblFirstNote(6)->text(), u"Gym"_s);
    QCOMPARE(window->lblSecondNote(6)->text(), u"Lunch"_s);
    QCOMPARE(fixture.stored(may)->SecondNote[5], u"Sick"_s);
    window->close();

    // Without highlighted entries no word is written.
    choices.calendarDate = QDate(2024, 6, 1);
    QVERIFY(CalendarFixture::Exec(
        fixture.path,
        u"INSERT INTO \"Vacation\" (\"Year\", \"Month\", \"Day\", \"Type\", \"Color\") "
        "VALUES (2024, 6, 3, 'V', '255, 180, 180')"_s));
    choices.highlightVacations = false;
    auto june = fixture.open(choices);
    QCOMPARE(june->lblFirstNote(2)->text(), u"Click"_s);
}

void TestFrmMonth::noteEditing_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("shorten"); // -1 no question, else 1 Yes / 0 No
    QTest::addColumn<QString>("after");

    const QString fifty = QString(49, u'x') + u'z';
    QTest::newRow("placeholder confirmed") << u"Click"_s << u"Click"_s << -1 << u"Click"_s;
    QTest::newRow("note confirmed") << u"Dentist"_s << u"Dentist"_s << -1 << u"Dentist"_s;
    QTest::newRow("cancel deletes the note") << u"Dentist"_s << QString() << -1 << u"Click"_s;
    QTest::newRow("Click typed") << u"Dentist"_s << u"Click"_s << -1 << u"Click"_s;
    QTest::newRow("50 characters") << u"Click"_s << fifty << -1 << fifty;
    QTest::newRow("51 characters, Yes") << u"Click"_s << (fifty + u'!') << 1 << fifty;
    QTest::newRow("51 characters, No") << u"Dentist"_s << (fifty + u'!') << 0 << u"Dentist"_s;
    QTest::newRow("lower-case click is real") << u"Click"_s << u"click"_s << -1 << u"click"_s;
    QTest::newRow("blanks kept") << u"Click"_s << u"  two  "_s << -1 << u"  two  "_s;
    QTest::newRow("entry word replaced") << u"Vacation"_s << u"Beach"_s << -1 << u"Beach"_s;
    // Characters as the user sees them: an emoji counts as one and is never cut in two.
    const QString emoji = u"\U0001F600"_s;
    QTest::newRow("emoji as the 50th character")
        << u"Click"_s << QString(49, u'x') + emoji << -1 << QString(49, u'x') + emoji;
    QTest::newRow("emoji past 50, Yes")
        << u"Click"_s << QString(49, u'x') + emoji + emoji << 1 << QString(49, u'x') + emoji;
}

void TestFrmMonth::noteEditing()
{
    QFETCH(QString, before);
    QFETCH(QString, answer);
    QFETCH(int, shorten);
    QFETCH(QString, after);
    Fixture fixture;
    QVERIFY(CalendarFixture::Exec(
        fixture.path,
        u"INSERT INTO \"Monthly Notes\" (\"Month\", \"SecondNote12\") VALUES (?, ?)"_s,
        {u"8/1/2024"_s, before}));
    CalendarChoices choices;
    choices.calendarDate = QDate(2024, 8, 1);
    auto window = fixture.open(choices);
    QLabel* note = window->lblSecondNote(11);
    QCOMPARE(note->text(), before);

    fixture.prompter.queueInput(answer);
    if (shorten >= 0)
        fixture.prompter.queueAnswer(shorten ? Prompter::Answer::Yes : Prompter::Answer::No);
    window->lblSecondNote_Click(11);

    const auto& shown = fixture.prompter.shown();
    QCOMPARE(shown.size(), shorten >= 0 ? 2 : 1);
    QCOMPARE(shown[0].kind, ScriptedPrompter::Shown::Kind::Input);
    QCOMPARE(shown[0].text, u"Enter a note"_s);
    QCOMPARE(shown[0].title, u"Replace Current Note"_s);
    QCOMPARE(shown[0].proposal, before);
    if (shorten >= 0) {
        QCOMPARE(shown[1].title, u"Shorten note?"_s);
        QCOMPARE(shown[1].buttons, Prompter::Buttons::YesNo);
        QCOMPARE(shown[1].text, u"Your note was longer than 50 characters\n\r"
                                "and will be truncated to:\n\r"_s +
                                    (shorten ? after : answer.left(50)) +
                                    u"\n\rDo you want to continue?"_s);
    }
    QCOMPARE(note->text(), after);
    QCOMPARE(textColor(note),
             after == u"Click"_s ? Blue : QApplication::palette().color(QPalette::ButtonText));
    window->close();
    QCOMPARE(fixture.stored(QDate(2024, 8, 1))->SecondNote[11], after);
}

void TestFrmMonth::keyboardReachesEveryControl()
{
    Fixture fixture;
    CalendarChoices choices;
    choices.calendarDate = QDate(2024, 10, 1);
    auto window = fixture.open(choices);
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QVERIFY(window->screen()->availableGeometry().contains(window->frameGeometry()));

    // Day by day, the box above the two notes, then the print controls, and round again.
    QStringList expected;
    for (int day = 1; day <= 31; ++day)
        expected << u"Highlight %1"_s.arg(day) << u"First note of day %1"_s.arg(day)
                 << u"Second note of day %1"_s.arg(day);
    expected << u"Print Size"_s << u"Print"_s << u"Exit"_s << u"Highlight 1"_s;
    window->cmdExit()->setFocus(Qt::TabFocusReason);
    QStringList reached;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focused = QApplication::focusWidget();
        reached << QAccessible::queryAccessibleInterface(focused)->text(QAccessible::Name);
        // Scrolled into view where the window is smaller than the sheet.
        const QWidget* viewport = focused->parentWidget()->parentWidget();
        const QRect shown(focused->mapTo(viewport, QPoint(0, 0)), focused->size());
        QVERIFY(viewport->rect().intersects(shown));
    }
    QCOMPARE(reached, expected);

    // Return on a note edits it as a click does.
    window->lblFirstNote(4)->setFocus(Qt::TabFocusReason);
    fixture.prompter.queueInput(u"Dentist"_s);
    QTest::keyClick(window->lblFirstNote(4), Qt::Key_Return);
    QCOMPARE(window->lblFirstNote(4)->text(), u"Dentist"_s);
}

void TestFrmMonth::clickingLabelsAndBoxes()
{
    Fixture fixture;
    CalendarChoices choices;
    choices.calendarDate = QDate(2024, 10, 1);
    auto window = fixture.open(choices);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));

    fixture.prompter.queueInput(u"Picnic"_s);
    QTest::mouseClick(window->lblFirstNote(20), Qt::LeftButton);
    QCOMPARE(window->lblFirstNote(20)->text(), u"Picnic"_s);
    QTest::mouseClick(window->lblSecondNote(20), Qt::RightButton);
    QCOMPARE(fixture.prompter.shown().size(), 1);
    // A note longer than its label can show is shown whole in the label's tooltip.
    const QString longNote = u"DOCTOR APPOINTMENT 10AM AT THE CLINIC"_s;
    fixture.prompter.queueInput(longNote);
    QTest::mouseClick(window->lblFirstNote(21), Qt::LeftButton);
    QVERIFY(window->lblFirstNote(21)->fontMetrics().horizontalAdvance(longNote) >
            window->lblFirstNote(21)->width());
    QCOMPARE(window->lblFirstNote(21)->toolTip(), longNote);

    QCheckBox* box = window->chkHighlight(20);
    box->click();
    QVERIFY(box->isChecked());
    QCOMPARE(textColor(box), QColor(255, 0, 0));
    box->click();
    QCOMPARE(textColor(box), QColor(128, 128, 255));
    box->click();
    window->close();
    QVERIFY(fixture.stored(QDate(2024, 10, 1))->Highlight[20]);
}

void TestFrmMonth::printSizeBar()
{
    Fixture fixture;
    CalendarChoices choices;
    choices.calendarDate = QDate(2024, 1, 1);
    auto window = fixture.open(choices);
    QScrollBar* bar = window->HScroll1();
    QCOMPARE(bar->minimum(), 30);
    QCOMPARE(bar->maximum(), 110);
    QCOMPARE(bar->value(), 100);
    QCOMPARE(bar->singleStep(), 1);
    QCOMPARE(bar->pageStep(), 10);

    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(window->lblPrintSize()->text(), u"Print Size : 99%"_s);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(window->printSize(), 110);
    QCOMPARE(window->lblPrintSize()->text(), u"Print Size : 110%"_s);
    // While the thumb is dragged the caption follows.
    bar->setTracking(false);
    bar->setSliderDown(true);
    bar->setSliderPosition(42);
    QCOMPARE(window->lblPrintSize()->text(), u"Print Size : 42%"_s);
    bar->setSliderDown(false);
    QCOMPARE(window->printSize(), 42);
    bar->setValue(10);
    QCOMPARE(window->printSize(), 30);
    QCOMPARE(window->lblPrintSize()->text(), u"Print Size : 30%"_s);
}

void TestFrmMonth::printsWhatTheSheetShows()
{
    Fixture fixture;
    CalendarChoices choices;
    choices.calendarDate = QDate(2024, 9, 15);
    auto window = fixture.open(choices);
    fixture.prompter.queueInput(u"Not stored yet"_s);
    window->lblFirstNote_Click(0);
    window->chkHighlight(1)->setChecked(true);
    window->HScroll1()->setValue(75);

    // The page drawn by "Print" is the one printTo() draws.
    RecordingSurface direct;
    window->printTo(direct);
    QString trace = direct.trace();
    QVERIFY(trace.contains(u"\"Not stored yet\""_s));
    QVERIFY(trace.contains(u"orientation 1"_s));
    QVERIFY(trace.contains(u"#ff8cff"_s));

    const QString file = QDir(fixture.folder.path()).filePath(u"september.ops"_s);
    window->setPrintTargetSource([file](const QDate& month) {
        frmMonth::PrintTarget target;
        target.surface = std::make_unique<RecordingSurface>(11520, 15120, file);
        target.description = month.toString(u"MMMM"_s);
        return target;
    });
    window->cmdPrint()->click();
    QCOMPARE(window->lblStatus()->text(), u"Printed to September."_s);
    QFile written(file);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(written.readAll()), trace);
    QVERIFY(fixture.prompter.shown().size() == 1);

    // A file that cannot be written is reported, and the one already there stays.
    const auto reset = qScopeGuard([] { SafeFile::FailNothing(); });
    SafeFile::FailFlush();
    window->cmdPrint()->click();
    QVERIFY2(!window->lblStatus()->text().startsWith(u"Printed"_s),
             qPrintable(window->lblStatus()->text()));
    QCOMPARE(fixture.prompter.shown().size(), 2);
    QVERIFY(fixture.prompter.shown().last().text.contains(u"No space left on device"_s));
    QVERIFY(written.seek(0));
    QCOMPARE(QString::fromUtf8(written.readAll()), trace);
    SafeFile::FailNothing();

    // A size too large for the paper is printed smaller, and the status line says so.
    QTest::keyClick(window->HScroll1(), Qt::Key_End);
    QTest::mouseClick(window->cmdPrint(), Qt::LeftButton);
    QCOMPARE(window->lblStatus()->text(),
             u"Printed to September. (print size 110 reduced to 101 to fit the paper)"_s);
}

// Fourteen groups off on every day: each Saturday's text is made smaller, then cut short, so
// that nothing is drawn right of the grid.
void TestFrmMonth::ownRotaTextStaysInItsCell()
{
    Fixture fixture;
    CalendarChoices choices;
    choices.calendarDate = QDate(2024, 3, 12);
    const std::optional<Rota> rota = RotaFiles::Read("name = Everyone Off\nstart = 2024-01-01\n"
                                                     "groups = A B C D E F G H I J K L M N\n"
                                                     "pattern = O\n");
    QVERIFY(rota);
    choices.rota = *rota;
    auto window = fixture.open(choices);
    QCOMPARE(window->layout().days().at(1).groupsOffText, u" A,B,C,D,E,F,G,H,I,J,K,L,M,N"_s);
    const QImage sheet = window->sheet().toImage();
    const int gridRight =
        frmMonth::ToPixels(MonthSheetLayout::ToDrawing(MonthSheetLayout::Grid.right, 0)).x();
    QVERIFY(gridRight + 3 < sheet.width());
    for (int y = 0; y < sheet.height(); ++y) {
        for (int x = gridRight + 3; x < sheet.width(); ++x)
            QVERIFY2(sheet.pixelColor(x, y) == Qt::white, qPrintable(u"%1,%2"_s.arg(x).arg(y)));
    }
}

void TestFrmMonth::printDialogOnCtrlP()
{
    Fixture fixture;
    CalendarChoices choices;
    choices.calendarDate = QDate(2024, 9, 15);
    auto window = fixture.open(choices);
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    const QString path = QDir(fixture.folder.path()).filePath(u"chosen.pdf"_s);
    bool asked = false;
    QString proposed;
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        asked = true;
        if (auto* printers = dialog->findChild<QComboBox*>(u"printers"_s))
            printers->setCurrentIndex(printers->count() - 1); // print to file
        // Printing to a file proposes the documents folder and the printout's name.
        if (auto* file = dialog->findChild<QLineEdit*>(u"filename"_s)) {
            proposed = file->text();
            file->setText(path);
        }
        dialog->accept();
    });
    QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier);
    QVERIFY(asked);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QCOMPARE(proposed, QDir(QFileInfo(documents).isDir() ? documents : QDir::homePath())
                           .filePath(u"Kelvane September 2024.pdf"_s));
    QCOMPARE(window->lblStatus()->text(),
             u"Printed to the PDF file %1."_s.arg(QDir::toNativeSeparators(path)));
    if (QStandardPaths::findExecutable(u"pdfinfo"_s).isEmpty())
        QSKIP("pdfinfo is not installed");
    const QByteArray text = CalendarFixture::PdfInfo(path);
    QVERIFY2(text.contains("Title:           Kelvane September 2024\n"), text.constData());
}

void TestFrmMonth::missingDatabaseReminds_data()
{
    QTest::addColumn<qint16>("noDatabase");
    QTest::addColumn<int>("answer");
    QTest::addColumn<qint16>("afterwards");
    QTest::newRow("reminded, Yes") << qint16(0) << int(Prompter::Answer::Yes) << qint16(0);
    QTest::newRow("reminded, No") << qint16(0) << int(Prompter::Answer::No) << qint16(1);
    QTest::newRow("not reminded") << qint16(1) << -1 << qint16(1);
}

void TestFrmMonth::missingDatabaseReminds()
{
    QFETCH(qint16, noDatabase);
    QFETCH(int, answer);
    QFETCH(qint16, afterwards);
    Fixture fixture(false);
    fixture.state.NoDatabase = noDatabase;
    if (answer >= 0)
        fixture.prompter.queueAnswer(static_cast<Prompter::Answer>(answer));
    CalendarChoices choices;
    choices.calendarDate = QDate(2024, 11, 1);
    auto window = fixture.open(choices);
    QCOMPARE(fixture.prompter.shown().size(), answer >= 0 ? 1 : 0);
    if (answer >= 0)
        QCOMPARE(fixture.prompter.shown()[0].title, u"DO YOU WANT TO SEE THIS REMINDER AGAIN?"_s);
    QCOMPARE(fixture.state.NoDatabase, afterwards);
    QVERIFY(!window->storesNotes());
    QCOMPARE(window->lblFirstNote(0)->text(), u"Click"_s);
    QVERIFY(!window->chkHighlight(0)->isChecked());
    QVERIFY(!window->lblFirstNote(29)->isHidden());

    // Notes can still be written and printed, just not stored; closing says nothing.
    fixture.prompter.queueInput(u"Kept only here"_s);
    window->lblFirstNote_Click(0);
    QCOMPARE(window->notes().Note[0], u"Kept only here"_s);
    const int prompts = static_cast<int>(fixture.prompter.shown().size());
    window->close();
    QCOMPARE(fixture.prompter.shown().size(), prompts);
    QVERIFY(!QFileInfo::exists(fixture.path));
}

void TestFrmMonth::damagedFileLeftAlone()
{
    Fixture fixture(false);
    {
        QFile file(fixture.path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("This is not a calendar database at all.\n");
    }
    QTemporaryDir start;
    QVERIFY(CalendarDatabase::CreateTemplate(QDir(start.path()).filePath(u"Quenbrook.mdb"_s)));
    fixture.folders.sources = {start.path()};
    const QByteArray before = CalendarFixture::Fingerprint(fixture.path);

    CalendarChoices choices;
    choices.calendarDate = QDate(2024, 12, 1);
    auto window = fixture.open(choices);
    QCOMPARE(fixture.prompter.shown().size(), 1);
    QCOMPARE(fixture.prompter.shown()[0].title, u"Add Notes and Print Only This Month"_s);
    QVERIFY(fixture.prompter.shown()[0].text.startsWith(
        u"The calendar database could not be opened:\n\r"_s));
    QVERIFY(!window->storesNotes());
    fixture.prompter.queueInput(u"Party"_s);
    window->lblFirstNote_Click(30);
    window->close();
    QCOMPARE(fixture.prompter.shown().size(), 2);
    QCOMPARE(CalendarFixture::Fingerprint(fixture.path), before);
}

void TestFrmMonth::failedStoreIsReported()
{
    Fixture fixture;
    CalendarChoices choices;
    choices.calendarDate = QDate(2025, 1, 1);
    auto window = fixture.open(choices);
    fixture.prompter.queueInput(u"Lost?"_s);
    window->lblFirstNote_Click(0);
    // Someone removes the month's record while the window is open.
    QVERIFY(CalendarFixture::Exec(fixture.path, u"DELETE FROM \"Monthly Notes\""_s));
    fixture.prompter.queueAnswer(Prompter::Answer::Yes); // close anyway
    window->close();
    QCOMPARE(fixture.prompter.shown().size(), 2);
    const auto& report = fixture.prompter.shown().constLast();
    QCOMPARE(report.kind, ScriptedPrompter::Shown::Kind::Message);
    QVERIFY(report.text.startsWith(u"The notes of this month could not be saved:\n\r"_s));
    // Destroying the window afterwards does not try (and report) again.
    window.reset();
    QCOMPARE(fixture.prompter.shown().size(), 2);
}

void TestFrmMonth::lockedFileAsksBeforeNotesAreLost()
{
    Fixture fixture;
    CalendarChoices choices;
    choices.calendarDate = QDate(2025, 3, 1);
    auto window = fixture.open(choices);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    fixture.prompter.queueInput(u"Kept"_s);
    QTest::mouseClick(window->lblFirstNote(4), Qt::LeftButton);

    // Another program holds the file locked while the window closes.
    CalendarDatabase other;
    QVERIFY(other.open(fixture.path));
    QSqlQuery lock(other.connection());
    QVERIFY(lock.exec(u"BEGIN EXCLUSIVE"_s));
    fixture.prompter.queueAnswer(Prompter::Answer::No);
    QTest::mouseClick(window->cmdExit(), Qt::LeftButton);
    QCOMPARE(fixture.prompter.shown().size(), 2);
    QCOMPARE(fixture.prompter.shown().constLast().buttons, Prompter::Buttons::YesNo);
    QVERIFY(window->isVisible());
    QCOMPARE(window->lblFirstNote(4)->text(), u"Kept"_s);

    // Trying again once the lock is gone stores the notes.
    QVERIFY(lock.exec(u"ROLLBACK"_s));
    QTest::mouseClick(window->cmdExit(), Qt::LeftButton);
    QVERIFY(!window->isVisible());
    QCOMPARE(fixture.prompter.shown().size(), 2);
    QCOMPARE(fixture.stored(QDate(2025, 3, 1))->Note[4], u"Kept"_s);
}

QTEST_MAIN(TestFrmMonth)
#include "tst_frmmonth.moc"
