#include "LinkedPrinters.h"
#include "mainwindow/frmCalendar.h"

#include "CalendarFixture.h"
#include "FixedClock.h"
#include "KeyInput.h"
#include "RotaFiles.h"
#include "ScriptedPrompter.h"
#include "about/frmAbout.h"
#include "mainwindow/HolidayFilesPanel.h"
#include "mainwindow/TerminationSignals.h"
#include "month/frmMonth.h"
#include "print/AllPatternsBatch.h"
#include "print/PrintDestination.h"
#include "print/RecordingSurface.h"
#include "print/YearCalendarPrinter.h"
#include "rota/Rota.h"
#include "rota/WhosOff.h"
#include "rotas/frmRotas.h"
#include "store/AppState.h"
#include "store/DatabasePlacement.h"
#include "store/EntryLookup.h"
#include "store/MonthNotesTable.h"
#include "store/RegularFile.h"
#include "store/SafeFile.h"
#include "store/SettingsStore.h"
#include "vacations/frmInputVacations.h"
#include "windows/WindowFit.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOption>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <memory>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(RotaKind)

namespace {

const QDate Today(2025, 6, 15); // "next year" is 2026
const QColor Cyan(0, 255, 255);

// A main window over its own temporary settings file and database folders, a fixed "today"
// and a scripted prompter. By default the start folder holds an empty calendar database, so
// the window starts without the reminder.
struct Fixture
{
    enum class Database
    {
        Template, // an empty calendar database in the start folder
        None,
    };

    explicit Fixture(const QMap<QString, QString>& stored = {},
                     Database database = Database::Template, bool openNow = true)
    {
        QSettings raw(iniPath(), QSettings::IniFormat);
        for (auto it = stored.cbegin(); it != stored.cend(); ++it)
            raw.setValue(u"Settings/"_s + it.key(), it.value());
        raw.sync();
        store = std::make_unique<SettingsStore>(iniPath());
        folders.dataFolder = dir.filePath(u"data"_s);
        folders.sources = {dir.filePath(u"start"_s)};
        QDir().mkpath(folders.sources.first());
        if (database == Database::Template)
            CalendarFixture::MakeDatabase(folders.sources.first());
        if (openNow)
            open();
    }

    void open()
    {
        window = std::make_unique<frmCalendar>(state, prompter, clock, *store, printers, folders);
    }

    QString templatePath() const
    {
        return QDir(folders.sources.first()).filePath(CalendarDatabase::FileName());
    }
    QString workingPath() const
    {
        return QDir(folders.dataFolder).filePath(CalendarDatabase::FileName());
    }
    QString iniPath() const { return dir.filePath(u"kelvane.ini"_s); }
    // A file of the user's rota folder.
    QString rotaPath(const QString& file) const
    {
        return QDir(OwnRotaFolder::In(folders.dataFolder)).filePath(file);
    }
    void writeRota(const QString& file, const QByteArray& bytes) const
    {
        QDir().mkpath(OwnRotaFolder::In(folders.dataFolder));
        CalendarFixture::WriteFile(rotaPath(file), bytes);
    }
    QString storedValue(const QString& key) const
    {
        return QSettings(iniPath(), QSettings::IniFormat).value(u"Settings/"_s + key).toString();
    }

    // Every printout goes to a trace file in the temporary folder; the PDF names the window
    // asks for are kept.
    QString recordPrintouts()
    {
        const QString path = dir.filePath(u"printout.ops"_s);
        window->setPrintDestinationSource([this, path](const QString& stem) {
            stems.append(stem);
            PrintDestination destination;
            destination.surface = std::make_unique<RecordingSurface>(11520, 15120, path);
            destination.description = u"the trace"_s;
            return destination;
        });
        return path;
    }

    void show()
    {
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    QStringList whosOff() const
    {
        QStringList texts;
        for (QLineEdit* box : window->ui().txtWhosOff)
            texts.append(box->text());
        return texts;
    }

    QList<int> enabledPatternButtons() const
    {
        QList<int> enabled;
        for (int i = 0; i < RotaKinds::PatternButtonCount; ++i) {
            if (window->ui().optPattern[i]->isEnabled())
                enabled.append(i);
        }
        return enabled;
    }

    QList<int> cyanBoxes() const
    {
        QList<int> cyan;
        for (qsizetype i = 0; i < window->ui().txtWhosOff.size(); ++i) {
            if (window->ui().txtWhosOff[i]->palette().color(QPalette::Base) == Cyan)
                cyan.append(i);
        }
        return cyan;
    }

    QTemporaryDir dir;
    FixedClock clock{Today};
    ScriptedPrompter prompter;
    LinkedPrinters printers;
    AppState state;
    PlacementFolders folders;
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<frmCalendar> window;
    QStringList stems;
};

// Closes every modal window that opens while it lives, and lists their titles.
struct ModalCloser
{
    ModalCloser()
    {
        timer.setInterval(0);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                titles << modal->windowTitle();
                modal->close();
            }
        });
        timer.start();
    }
    QTimer timer;
    QStringList titles;
};

// Lets the window lay itself out after a change of size.
void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// Clicks an option or check box on its indicator: a click elsewhere in a wide box misses.
// Picks an item of a drop-down list by the keyboard, as a user would.
void pickItem(QComboBox* list, const QString& text)
{
    list->setFocus(Qt::TabFocusReason);
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < list->count() && list->currentText() != text; ++i)
        QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentText(), text);
}

void clickBox(QAbstractButton* box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

// Whether a closed drop-down list has room for `text` whole.
bool showsWhole(const QComboBox* list, const QString& text)
{
    QStyleOptionComboBox option;
    option.initFrom(list);
    const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                      QStyle::SC_ComboBoxEditField, list);
    return field.width() - 2 >= list->fontMetrics().horizontalAdvance(text);
}

QList<int> range(int first, int last)
{
    QList<int> values;
    for (int i = first; i <= last; ++i)
        values.append(i);
    return values;
}

// A window that records when it closes, and can refuse to.
class SecondaryWindow : public QWidget
{
public:
    SecondaryWindow(QString name, QStringList& log, const Fixture& fixture, bool refuse = false)
        : m_name(std::move(name)), m_log(log), m_fixture(fixture), m_refuse(refuse)
    {
    }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        const bool stored = !m_fixture.storedValue(u"MyPattern"_s).isEmpty();
        m_log.append(m_name + (stored ? u" after settings"_s : u" before settings"_s));
        if (m_refuse)
            event->ignore();
    }

private:
    QString m_name;
    QStringList& m_log;
    const Fixture& m_fixture;
    bool m_refuse;
};

} // namespace

class tst_frmCalendar : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { ScriptedPrompter::VerifyAllScripted(); }

    void firstRunStartsFromDefaults()
    {
        Fixture f;
        frmCalendar& w = *f.window;
        QCOMPARE(w.ui().txtStation->text(), u"Darizu"_s);
        QCOMPARE(f.state.NoDatabase, qint16(0));
        QCOMPARE(f.state.MyPattern.text(), u"000"_s);
        QCOMPARE(f.state.HolidaySet, u"1111111100000"_s);
        QCOMPARE(f.window->choices().highlightGroup, u"0"_s);
        QVERIFY(w.ui().optSixAndTwo->isChecked());
        QVERIFY(w.ui().optNoHighlight->isChecked());
        QCOMPARE(f.enabledPatternButtons(), range(0, 6));
        QCOMPARE(f.cyanBoxes(), QList<int>{0});
        for (int i = 0; i < Holidays::Count; ++i)
            QCOMPARE(w.ui().chkHolidays[i]->isChecked(), i < 8);
        QCOMPARE(w.ui().Calendar1->selectedDate(), Today);
        QCOMPARE(w.ui().txtYear->text(), u"2025"_s);
        QCOMPARE(w.ui().chkHighlightPayday->text(), u"Highlight Paydays"_s);
        QVERIFY(!w.ui().chkNoPatterns->isEnabled());
        QVERIFY(w.ui().fraSetHolidays->isHidden());
        QCOMPARE(w.ui().shpColor[0]->palette().color(QPalette::Window), QColor(255, 255, 100));
        QCOMPARE(w.ui().cmdPrintAllPatterns->text(),
                 u" Print 1 Copy of All C&G  6 && 2 and 4 && 2 Patterns"_s);
        for (QPushButton* command : {w.ui().cmdPrintRdoCalendar, w.ui().cmdPrintAllPatterns,
                                     w.ui().cmdShowMonth, w.ui().cmdInputVacations})
            QVERIFY(command->isEnabled());
        QVERIFY(f.prompter.shown().isEmpty());
        QVERIFY(!w.windowShown());
    }

    void restoresStoredSettings_data()
    {
        QTest::addColumn<QString>("myPattern");
        QTest::addColumn<QString>("myHolidays");
        QTest::addColumn<RotaKind>("kind");
        QTest::addColumn<int>("patternButton"); // -1: no highlight
        QTest::addColumn<QString>("highlightGroup");
        QTest::addColumn<QString>("patternAfterLoad");
        // clang-format off
        QTest::newRow("four-two C, Veterans Day only")
            << "210" << "0000000000001" << RotaKind::FourTwo << 9 << "C" << "210";
        QTest::newRow("three-three without highlight")
            << "5 0" << "1111111111111" << RotaKind::ThreeThree << -1 << "0" << "5 0";
        QTest::newRow("five-two-five-three F")
            << "713" << "1111111100000" << RotaKind::FiveTwoFiveThree << 12 << "F" << "713";
        QTest::newRow("malformed pattern")
            << "9x" << "1111111100000" << RotaKind::CgSixTwo << -1 << "0" << "000";
        // clang-format on
    }

    void restoresStoredSettings()
    {
        QFETCH(QString, myPattern);
        QFETCH(QString, myHolidays);
        QFETCH(RotaKind, kind);
        QFETCH(int, patternButton);
        QFETCH(QString, highlightGroup);
        QFETCH(QString, patternAfterLoad);

        Fixture f({{u"Station"_s, u"North Yard"_s},
                   {u"NoDatabase"_s, u"1"_s},
                   {u"MyPattern"_s, myPattern},
                   {u"MyHolidays"_s, myHolidays}});
        frmCalendar& w = *f.window;
        QCOMPARE(w.ui().txtStation->text(), u"North Yard"_s);
        QCOMPARE(f.state.NoDatabase, qint16(1));
        QCOMPARE(w.chosenKind(), kind);
        if (patternButton >= 0)
            QVERIFY(w.ui().optPattern[patternButton]->isChecked());
        else
            QVERIFY(w.ui().optNoHighlight->isChecked());
        QCOMPARE(f.window->choices().highlightGroup, highlightGroup);
        QCOMPARE(f.state.MyPattern.text(), patternAfterLoad);
        QCOMPARE(f.state.HolidaySet, myHolidays);
        for (int i = 0; i < Holidays::Count; ++i)
            QCOMPARE(w.ui().chkHolidays[i]->isChecked(), myHolidays.at(i) == u'1');
        QList<int> shown;
        const QList<Rota> row = WhosOff::Row();
        for (int i = 0; i < row.size(); ++i) {
            if (Rota::BuiltIn(kind).whosOffKinds().contains(row.at(i).kind().value()))
                shown << i;
        }
        QCOMPARE(f.cyanBoxes(), shown);
        QCOMPARE(w.ui().chkNoPatterns->isEnabled(), patternButton >= 0);
        QCOMPARE(w.ui().chkHighlightPayday->text(),
                 patternButton >= 0 ? u"Circle Paydays"_s : u"Highlight Paydays"_s);
    }

    void closingStoresTheFourSettingsOnly()
    {
        Fixture f;
        f.show();
        frmCalendar& w = *f.window;
        w.ui().txtStation->setText(u"Quenbrook"_s);
        clickBox(w.ui().optFourAndTwo);
        clickBox(w.ui().optPattern[9]);
        w.ui().chkHolidays[12]->setChecked(true);
        w.ui().chkHolidays[0]->setChecked(false);
        w.ui().txtYear->setText(u"2030"_s);
        w.ui().txtPatternAdjustment->setText(u"7"_s);
        QVERIFY(f.storedValue(u"MyPattern"_s).isEmpty());

        QTest::mouseClick(w.ui().cmdExit, Qt::LeftButton);
        QVERIFY(!w.isVisible());
        QCOMPARE(f.storedValue(u"Station"_s), u"Quenbrook"_s);
        QCOMPARE(f.storedValue(u"NoDatabase"_s), u"0"_s);
        QCOMPARE(f.storedValue(u"MyPattern"_s), u"210"_s);
        QCOMPARE(f.storedValue(u"MyHolidays"_s), u"0111111100001"_s);
        QSettings raw(f.iniPath(), QSettings::IniFormat);
        raw.beginGroup(u"Settings"_s);
        QCOMPARE(raw.childKeys().size(), 4);
    }

    // A settings file that is there but cannot be read whole: the defaults, one line in the
    // status bar, and the file as it was after a whole run.
    void unreadableSettingsFileIsLeftAlone_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        // clang-format off
        QTest::newRow("too large")  << "large"      << "larger than 1 MiB";
        QTest::newRow("unreadable") << "unreadable" << "Permission denied";
        QTest::newRow("FIFO")       << "fifo"       << "not a regular file";
        QTest::newRow("folder")     << "folder"     << "not a regular file";
        // clang-format on
    }

    void unreadableSettingsFileIsLeftAlone()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        Fixture f({}, Fixture::Database::Template, false);
        const QString path = f.iniPath();
        QByteArray bytes = "[Other]\nkeep=me\n[Settings]\nStation=Alpha\n";
        if (kind == u"large"_s)
            bytes += QByteArray(2'000'000, 'x') + '\n';
        if (kind == u"fifo"_s)
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind == u"folder"_s)
            QVERIFY(QDir().mkdir(path));
        else
            CalendarFixture::WriteFile(path, bytes);
        if (kind == u"unreadable"_s)
            RegularFile::FailNextRead();

        f.open();
        f.show();
        frmCalendar& w = *f.window;
        QCOMPARE(w.ui().txtStation->text(), u"Darizu"_s);
        QCOMPARE(w.statusBar()->currentMessage(),
                 u"The settings file %1 could not be read (%2) and will not be changed."_s.arg(
                     path, reason));
        w.ui().txtStation->setText(u"Beta"_s);
        QTest::mouseClick(w.ui().cmdExit, Qt::LeftButton);
        QVERIFY(!w.isVisible());
        QVERIFY(f.prompter.shown().isEmpty());

        const QFileInfo after(path);
        QCOMPARE(after.isDir(), kind == u"folder"_s);
        QCOMPARE(after.isFile(), kind != u"folder"_s && kind != u"fifo"_s);
        if (after.isFile())
            QCOMPARE(CalendarFixture::ReadFile(path), bytes);
        QCOMPARE(QDir(f.dir.path()).entryList({u"kelvane.ini*"_s}, QDir::AllEntries | QDir::System),
                 QStringList{u"kelvane.ini"_s});
    }

    // A save that fails at File > Exit asks whether to try again; at the end of the session
    // nobody is asked and one line goes to standard error. The old file stays until a save
    // succeeds.
    void failedSettingsSaveIsTold_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QList<int>>("choices"); // 0 Try again, 1 Quit without saving
        QTest::addColumn<bool>("atLogout");
        QTest::addColumn<bool>("saved");
        // clang-format off
        QTest::newRow("full disk, try again")   << "full" << QList<int>{0} << false << true;
        QTest::newRow("full disk, quit")        << "full" << QList<int>{1} << false << false;
        QTest::newRow("link to a missing folder, try again twice, quit")
                                                << "link" << QList<int>{0, 0, 1} << false << false;
        QTest::newRow("full disk, at logout")   << "full" << QList<int>{} << true << false;
        QTest::newRow("link to a file not made yet: no failure, saved through the link")
                                                << "new link" << QList<int>{} << false << true;
        // clang-format on
    }

    void failedSettingsSaveIsTold()
    {
        QFETCH(QString, fault);
        QFETCH(QList<int>, choices);
        QFETCH(bool, atLogout);
        QFETCH(bool, saved);
        Fixture f({{u"Station"_s, u"Alpha"_s}}, Fixture::Database::Template, false);
        const QString path = f.iniPath();
        QString reason = u"No space left on device"_s;
        const bool link = fault.contains(u"link"_s);
        if (link) {
            QVERIFY(QFile::remove(path));
            QVERIFY(QFile::link(
                f.dir.filePath(fault == u"link"_s ? u"gone/kelvane.ini"_s : u"target.ini"_s),
                path));
            reason = u"No such file or directory"_s;
        }
        const QByteArray old = CalendarFixture::ReadFile(path);
        f.open();
        f.show();
        frmCalendar& w = *f.window;
        w.ui().txtStation->setText(u"Beta"_s);
        for (const int choice : choices)
            f.prompter.queueChoice(choice);
        const auto reset = qScopeGuard([] { SafeFile::FailNothing(); });
        if (fault == u"full"_s)
            SafeFile::FailWrite(1);
        const QString text =
            u"The settings could not be saved: cannot write %1: %2"_s.arg(path, reason);

        if (atLogout) {
            TerminationSignals termination;
            connect(&termination, &TerminationSignals::received, &w, [&w] { w.endSession(); });
            QTest::ignoreMessage(QtWarningMsg, qPrintable(text));
            ::raise(SIGTERM);
            QTRY_VERIFY(!w.isVisible());
        } else {
            QTest::mouseClick(w.ui().cmdExit, Qt::LeftButton);
            QVERIFY(!w.isVisible());
        }

        QCOMPARE(f.prompter.shown().size(), choices.size());
        for (const ScriptedPrompter::Shown& shown : f.prompter.shown()) {
            QCOMPARE(shown.text, text);
            QCOMPARE(shown.title, u"Kelvane"_s);
            QCOMPARE(shown.choices, QStringList({u"Try again"_s, u"Quit without saving"_s}));
        }
        QCOMPARE(QFileInfo(path).isSymLink(), link);
        if (saved)
            QCOMPARE(f.storedValue(u"Station"_s), u"Beta"_s);
        else
            QCOMPARE(CalendarFixture::ReadFile(path), old);
    }

    void closingClosesOtherWindowsFirst_data()
    {
        QTest::addColumn<bool>("monthRefuses");
        QTest::addColumn<QStringList>("closed");
        QTest::newRow("both close")
            << false << QStringList{"other before settings", "month before settings"};
        // A window that stays open (unsaved work) keeps the program open and nothing is stored.
        QTest::newRow("month stays open")
            << true << QStringList{"other before settings", "month before settings"};
    }

    void closingClosesOtherWindowsFirst()
    {
        QFETCH(bool, monthRefuses);
        QFETCH(QStringList, closed);
        Fixture f;
        f.show();
        QStringList log;
        SecondaryWindow month(u"month"_s, log, f, monthRefuses);
        SecondaryWindow other(u"other"_s, log, f);
        for (SecondaryWindow* window : {&month, &other}) {
            window->show();
            f.window->addSecondaryWindow(window);
        }

        QCOMPARE(f.window->close(), !monthRefuses);
        QCOMPARE(log, closed);
        QCOMPARE(f.window->isVisible(), monthRefuses);
        QCOMPARE(f.storedValue(u"MyPattern"_s), monthRefuses ? QString() : u"000"_s);
    }

    void fieldChecks_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("afterTyping");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<QString>("afterLeaving");
        QTest::addColumn<QString>("title"); // of the message on leaving; empty: none
        QTest::addColumn<QString>("selected");
        const QString year = u"txtYear"_s;
        const QString size = u"txtReduction"_s;
        const QString adjustment = u"txtPatternAdjustment"_s;
        // clang-format off
        // field, typed, text after typing, beeps, text after leaving, message title, selection
        QTest::newRow("year 19")         << year       << "19"   << "19"   << 0 << " 2026" << "Year out of range" << "2026";
        QTest::newRow("year emptied")    << year       << ""     << "2026" << 1 << "2026"  << ""                  << "";
        QTest::newRow("year 2124")       << year       << "2124" << "2124" << 0 << "2124"  << ""                  << "";
        QTest::newRow("year 2125")       << year       << "2125" << "2125" << 0 << " 2026" << "Year out of range" << "2026";
        QTest::newRow("year 2027.5")     << year     << "2027.5" << "2027.5" << 0 << " 2026" << "Year out of range" << "2026";
        QTest::newRow("size 150")        << size       << "150"  << "150"  << 0 << "100"   << "Invalid size!"     << "100";
        QTest::newRow("size 55.9")       << size       << "55.9" << "55.9" << 0 << "55"    << ""                  << "";
        QTest::newRow("size 19.9")       << size       << "19.9" << "19.9" << 0 << "100"   << "Invalid size!"     << "100";
        QTest::newRow("size letter")     << size       << "x"    << "100"  << 1 << "100"   << ""                  << "";
        QTest::newRow("adjustment -1")   << adjustment << "-1"   << "-1"   << 0 << "0"     << "ERROR!"            << "";
        QTest::newRow("adjustment 49")   << adjustment << "49"   << "49"   << 0 << "0"     << "ERROR!"            << "";
        QTest::newRow("adjustment 7.8")  << adjustment << "7.8"  << "7.8"  << 0 << "7"     << ""                  << "";
        QTest::newRow("adjustment text") << adjustment << "abc"  << "abc"  << 0 << "0"     << ""                  << "";
        // clang-format on
    }

    void fieldChecks()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, afterTyping);
        QFETCH(int, beeps);
        QFETCH(QString, afterLeaving);
        QFETCH(QString, title);
        QFETCH(QString, selected);
        const QMap<QString, QString> messages = {
            {u"Year out of range"_s,
             u"Only years form 1901 to 2124 may be printed (use all four digits)! "_s},
            {u"Invalid size!"_s, u"Enter a value between 20 and 100"_s},
            {u"ERROR!"_s, u" Adjustment value must be between 0 and 48!"_s},
        };
        Fixture f;
        f.show();
        auto* edit = f.window->findChild<QLineEdit*>(field);
        QVERIFY(edit);

        KeyInput::TypeInto(edit, typed);
        QCOMPARE(edit->text(), afterTyping);
        QCOMPARE(f.prompter.beeps(), beeps);
        QVERIFY(f.prompter.shown().isEmpty());

        QTest::keyClick(edit, Qt::Key_Tab);
        QCOMPARE(edit->text(), afterLeaving);
        if (title.isEmpty()) {
            QVERIFY(f.prompter.shown().isEmpty());
            QVERIFY(QApplication::focusWidget() != edit);
            return;
        }
        QCOMPARE(f.prompter.shown().size(), 1);
        QCOMPARE(f.prompter.shown().at(0).title, title);
        QCOMPARE(f.prompter.shown().at(0).text, messages.value(title));
        QCOMPARE(f.prompter.shown().at(0).buttons, Prompter::Buttons::Ok);
        QCOMPARE(QApplication::focusWidget(), edit);
        QCOMPARE(edit->selectedText(), selected);
    }

    // A button's access key checks the field being left as a click does, and does nothing
    // when the field refuses its value.
    void accessKeysCheckTheFocusedField_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("title"); // empty: the value is good and the button runs
        const QList<std::array<const char*, 3>> fields = {
            {"txtYear", "19", "Year out of range"},   {"txtYear", "1800", "Year out of range"},
            {"txtReduction", "5", "Invalid size!"},   {"txtReduction", "150", "Invalid size!"},
            {"txtPatternAdjustment", "49", "ERROR!"},
        };
        const QStringList buttons = {"cmdPrintRdoCalendar", "cmdPrintAllPatterns", "cmdShowMonth",
                                     "cmdInputVacations", "cmdExit"};
        for (const auto& [field, typed, title] : fields) {
            for (const QString& button : buttons)
                QTest::addRow("%s %s, %s", field, typed, qPrintable(button))
                    << field << typed << button << title;
        }
        QTest::newRow("good year prints") << "txtYear"
                                          << "2030"
                                          << "cmdPrintRdoCalendar"
                                          << "";
    }

    void accessKeysCheckTheFocusedField()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, button);
        QFETCH(QString, title);
        Fixture f;
        f.show();
        f.recordPrintouts();
        const ModalCloser modals;
        auto* edit = f.window->findChild<QLineEdit*>(field);
        auto* target = f.window->findChild<QPushButton*>(button);
        KeyInput::TypeInto(edit, typed);

        const QKeySequence key = QKeySequence::mnemonic(target->text());
        QVERIFY(!key.isEmpty());
        QTest::keyClick(edit, key[0].key(), key[0].keyboardModifiers());
        QCoreApplication::processEvents();
        if (title.isEmpty()) {
            QVERIFY(f.prompter.shown().isEmpty());
            QCOMPARE(f.stems, QStringList{"Kelvane 2030 RDO Calendar"});
            return;
        }
        QCOMPARE(f.prompter.shown().size(), 1);
        QCOMPARE(f.prompter.shown().at(0).title, title);
        QCOMPARE(QApplication::focusWidget(), edit);
        QVERIFY(f.stems.isEmpty());
        QVERIFY(!f.window->monthWindow());
        QVERIFY(f.window->isVisible());
        QVERIFY(modals.titles.isEmpty());
    }

    // Every print command refuses a year the field's own check would refuse, however the year
    // got there: the calendar moved past either end, or a fraction typed before a menu opened.
    void printCommandsRefuseABadYear_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("command");
        const QStringList commands = {"cmdPrintRdoCalendar", "cmdPrintAllPatterns", "cmdShowMonth",
                                      "mnuPrintPreview", "mnuSaveAsPdf"};
        for (const char* how : {"calendar to 2125", "calendar to 1900", "typed 2027.5"}) {
            for (const QString& command : commands)
                QTest::addRow("%s, %s", how, qPrintable(command)) << how << command;
        }
    }

    void printCommandsRefuseABadYear()
    {
        QFETCH(QString, how);
        QFETCH(QString, command);
        Fixture f;
        f.show();
        f.recordPrintouts();
        int savePrompts = 0;
        f.window->setSavePathChooser(
            [&savePrompts](const QString&, const QString&, const QString&) {
                ++savePrompts;
                return QString();
            });
        const ModalCloser modals;
        frmCalendar& w = *f.window;
        QWidget* from = w.ui().txtYear;
        if (how == u"typed 2027.5") {
            KeyInput::TypeInto(w.ui().txtYear, u"2027.5"_s);
        } else {
            const bool up = how == u"calendar to 2125";
            w.ui().Calendar1->setSelectedDate(up ? QDate(2124, 12, 31) : QDate(1901, 1, 1));
            w.ui().Calendar1->setFocus(Qt::MouseFocusReason);
            from = QApplication::focusWidget();
            QTest::keyClick(from, up ? Qt::Key_Right : Qt::Key_Left);
            QCOMPARE(w.ui().txtYear->text(), up ? u"2125"_s : u"1900"_s);
        }

        if (auto* button = w.findChild<QPushButton*>(command)) {
            const QKeySequence key = QKeySequence::mnemonic(button->text());
            QTest::keyClick(from, key[0].key(), key[0].keyboardModifiers());
        } else {
            // Through the File menu by its access keys.
            auto* action = w.findChild<QAction*>(command);
            QTest::keyClick(from, Qt::Key_F, Qt::AltModifier);
            QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            const QKeySequence key = QKeySequence::mnemonic(action->text());
            QTest::keyClick(menu, key[0].key());
        }
        QCoreApplication::processEvents();
        QCOMPARE(f.prompter.shown().size(), 1);
        QCOMPARE(f.prompter.shown().at(0).title, u"Year out of range"_s);
        QCOMPARE(w.ui().txtYear->text(), u" 2026"_s);
        QCOMPARE(w.focusWidget(),
                 w.ui().txtYear); // the window's own: a closing menu deactivates it
        QVERIFY(f.stems.isEmpty());
        QCOMPARE(savePrompts, 0);
        QVERIFY(!w.monthWindow());
        QVERIFY(modals.titles.isEmpty());
    }

    // The whole window without scrolling on a laptop's screen, the calendar and the pattern
    // list giving up their spare room; on a smaller one the controls scroll, but the command
    // buttons stay in sight. Screens in logical pixels, the window at the size it opens with,
    // in each interface font a desktop is likely to give it (scripts/setup installs them).
    void windowFitsTheScreen_data()
    {
        QTest::addColumn<QString>("font");
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<bool>("ownRotas"); // its who's-off box shows
        QTest::addColumn<bool>("fits");
        for (const char* font : {"DejaVu Sans", "Liberation Sans", "Noto Sans"}) {
            const auto row = [font](const char* name, QSize screen, bool ownRotas, bool fits) {
                QTest::addRow("%s, %s", font, name)
                    << QString::fromLatin1(font) << screen << ownRotas << fits;
            };
            row("1920x1080", QSize(1920, 1080), false, true);
            row("1366x768 at 125 %", QSize(1093, 614), false, true);
            row("1366x768 at 125 %, own rotas", QSize(1093, 614), true, true);
            row("1280x720", QSize(1280, 720), false, true);
            row("1024x768 at 150 %", QSize(683, 512), false, false);
            row("800x480", QSize(800, 480), false, false);
        }
    }

    void windowFitsTheScreen()
    {
        QFETCH(QString, font);
        QFETCH(QSize, screen);
        QFETCH(bool, ownRotas);
        QFETCH(bool, fits);
        const QFont before = QApplication::font();
        const auto restore = qScopeGuard([&before] { QApplication::setFont(before); });
        QFont interface = before;
        interface.setFamily(font);
        QApplication::setFont(interface);
        QVERIFY2(QFontInfo(interface).family() == font,
                 qPrintable(font + u" is not installed (scripts/setup installs it)"_s));
        Fixture f({}, Fixture::Database::Template, false);
        if (ownRotas) {
            f.writeRota(u"four.rota"_s, RotaFiles::FourOnFourOff);
            f.writeRota(u"kelly.rota"_s, "name = Kelly\nstart = 2027-01-04\ngroups = C C7\n"
                                         "group word = Kelly group\npattern = WO\nshift = 1\n");
        }
        f.open();
        f.show();
        frmCalendar& w = *f.window;
        QCOMPARE(w.ui().txtOwnWhosOff->isVisible(), ownRotas);
        // Its groups' list shows the longest of them whole, and the window fits still.
        if (ownRotas)
            pickItem(w.ui().cboOwnRota, u"Kelly"_s);
        for (bool holidays : {false, true}) {
            if (holidays)
                QTest::mouseClick(w.ui().cmdSetHolidays, Qt::LeftButton);
            const QRect placed = WindowFit::Place(w.sizeHint(), QRect(QPoint(0, 0), screen),
                                                  WindowFit::LikelyFrame(&w));
            w.resize(placed.size());
            settle();
            const auto* scroller = w.findChild<QScrollArea*>(u"scrollControls"_s);
            QCOMPARE(scroller->verticalScrollBar()->isVisible(), !fits);
            QCOMPARE(scroller->horizontalScrollBar()->isVisible(), !fits);
            if (ownRotas)
                QVERIFY(showsWhole(w.ui().cboOwnGroup, u"Kelly group C7"_s));
            for (QPushButton* button :
                 {w.ui().cmdPrintRdoCalendar, w.ui().cmdShowMonth, w.ui().cmdPrintAllPatterns,
                  w.ui().cmdInputVacations, w.ui().cmdExit})
                QVERIFY2(button->visibleRegion() == QRegion(button->rect()),
                         qPrintable(button->text()));
        }
    }

    // On a screen smaller than the window (the test screen), the window opens inside the free
    // area; made smaller still, Tab reaches every control in reading order, each scrolled into
    // view and named.
    void keyboardReachesEveryControlOnASmallScreen()
    {
        Fixture f;
        f.show();
        frmCalendar& w = *f.window;
        const QRect area = w.screen()->availableGeometry();
        QVERIFY2(area.contains(w.frameGeometry()),
                 qPrintable(u"%1,%2 %3x%4 in %5x%6"_s.arg(w.frameGeometry().x())
                                .arg(w.frameGeometry().y())
                                .arg(w.frameGeometry().width())
                                .arg(w.frameGeometry().height())
                                .arg(area.width())
                                .arg(area.height())));
        w.resize(480, 360);
        settle();
        const auto* scroller = w.findChild<QScrollArea*>(u"scrollControls"_s);
        QVERIFY(scroller->widget()->height() > scroller->viewport()->height());

        w.ui().cmdExit->setFocus(Qt::TabFocusReason);
        QStringList reached;
        for (int i = 0; i < 60; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focused = QApplication::focusWidget();
            QVERIFY2(focused, qPrintable(reached.join(u'|')));
            QAccessibleInterface* named = QAccessible::queryAccessibleInterface(focused);
            reached << (named ? named->text(QAccessible::Name) : focused->objectName());
            const QWidget* shown = w.childAt(focused->mapTo(&w, focused->rect().center()));
            QVERIFY2(shown && (shown == focused || focused->isAncestorOf(shown)),
                     qPrintable(reached.last()));
            if (focused == w.ui().cmdExit)
                break;
        }
        // An option group is one stop (its selected option); the arrow keys move inside it.
        const QStringList expected = {"Calendar",
                                      "CG 6-2",
                                      "MM 6-2",
                                      "4-2",
                                      "5-3",
                                      "3-3",
                                      "5-2-5-3",
                                      "Year to print calendar for",
                                      "Copies:",
                                      "Size: % of full",
                                      "Enter Department  here.",
                                      "Adjustment for non Darizu stations.",
                                      "Highlight Vacations",
                                      "Highlight Paydays",
                                      "Print a key",
                                      "CG Six and Two",
                                      "Pattern 1",
                                      "Set Holidays",
                                      "Yellow",
                                      "Highlight Shade",
                                      "Print R.D.O. Calendar",
                                      "Go To Print Just this Month",
                                      " Print 1 Copy of All CG  6 & 2 and 4 & 2 Patterns",
                                      "Input Vacations",
                                      "Exit"};
        QCOMPARE(reached, expected);
        // The shade bar answers the arrow keys once reached.
        QTest::keyClick(w.ui().hsbHighlightShade, Qt::Key_Right);
        QCOMPARE(w.ui().hsbHighlightShade->value(), 1);

        // Return presses the focused button.
        w.ui().cmdSetHolidays->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w.ui().cmdSetHolidays, Qt::Key_Return);
        QVERIFY(w.ui().fraSetHolidays->isVisible());
        QCOMPARE(w.ui().cmdSetHolidays->text(), u"&Return"_s);
    }

    void copiesFieldRewritesTheBatchButton_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<QString>("caption");
        // clang-format off
        QTest::newRow("3")       << "3" << "3" << 0 << "Print 3 Copies of  All Pa&tterns";
        QTest::newRow("0")       << "0" << "1" << 1 << "Print 1 Copy of  All Pa&tterns";
        QTest::newRow("emptied") << ""  << "1" << 1 << "Print 1 Copy of  All Pa&tterns";
        QTest::newRow("2.5")     << "2.5" << "2" << 0 << "Print 2 Copies of  All Pa&tterns";
        // clang-format on
    }

    void copiesFieldRewritesTheBatchButton()
    {
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(int, beeps);
        QFETCH(QString, caption);
        Fixture f;
        f.show();
        KeyInput::TypeInto(f.window->ui().txtCopies, typed);
        QTest::keyClick(f.window->ui().txtCopies, Qt::Key_Tab);
        QCOMPARE(f.window->ui().txtCopies->text(), text);
        QCOMPARE(f.prompter.beeps(), beeps);
        QCOMPARE(f.window->ui().cmdPrintAllPatterns->text(), caption);
    }

    void clickingTheAdjustmentShowsInstructions()
    {
        Fixture f;
        f.show();
        QTest::mouseClick(f.window->ui().txtPatternAdjustment, Qt::LeftButton);
        QCOMPARE(f.prompter.shown().size(), 1);
        const ScriptedPrompter::Shown& shown = f.prompter.shown().at(0);
        QCOMPARE(shown.title, u"INSTRUCTIONS"_s);
        QCOMPARE(shown.buttons, Prompter::Buttons::Ok);
        const QStringList lines = shown.text.split(u"\n\r"_s);
        QCOMPARE(lines.size(), 8);
        QCOMPARE(lines.first(),
                 u"First select a pattern type and print a calendar with zero in the adjustment"_s);
        QCOMPARE(lines.last(), u"Lastly make a note of the value to use next time!"_s);
    }

    void calendarTypes_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QList<int>>("enabled");
        QTest::addColumn<QList<int>>("cyan");
        QTest::newRow("combination") << "optCombination" << range(0, 13) << QList<int>{0, 2};
        QTest::newRow("three-three") << "optThreeAndThree" << range(14, 20) << QList<int>{4};
        QTest::newRow("no pattern") << "optNoPattern" << QList<int>{} << QList<int>{};
        QTest::newRow("five-two-five-three A..F")
            << "optFiveTwoFiveThree" << range(7, 12) << QList<int>{5};
    }

    void calendarTypes()
    {
        QFETCH(QString, option);
        QFETCH(QList<int>, enabled);
        QFETCH(QList<int>, cyan);
        Fixture f;
        f.show();
        clickBox(f.window->ui().optPattern[2]);
        QCOMPARE(f.window->choices().highlightGroup, u" 3"_s);

        auto* button = f.window->findChild<QRadioButton*>(option);
        QVERIFY(button);
        clickBox(button);
        QCOMPARE(f.enabledPatternButtons(), enabled);
        QCOMPARE(f.cyanBoxes(), cyan);
        QVERIFY(f.window->ui().optNoHighlight->isChecked());
        QCOMPARE(f.window->choices().highlightGroup, u"0"_s);
        QCOMPARE(f.state.MyPattern.text().mid(1), u" 0"_s);
    }

    void highlightChoicesKeepMyPattern()
    {
        Fixture f;
        f.show();
        frmCalendar& w = *f.window;
        clickBox(w.ui().optPattern[4]);
        QCOMPARE(f.state.MyPattern.text(), u"05"_s);
        QCOMPARE(f.window->choices().highlightGroup, u" 5"_s);

        clickBox(w.ui().optFourAndTwo);
        QCOMPARE(f.state.MyPattern.text(), u"2 0"_s);

        clickBox(w.ui().optPattern[9]);
        QCOMPARE(f.window->choices().highlightGroup, u"C"_s);
        QCOMPARE(f.state.MyPattern.text(), u"210"_s);
        QCOMPARE(w.ui().chkHighlightPayday->text(), u"Circle Paydays"_s);
        QVERIFY(w.ui().chkNoPatterns->isEnabled());
        clickBox(w.ui().chkNoPatterns);
        QVERIFY(w.ui().chkNoPatterns->isChecked());

        clickBox(w.ui().optNoHighlight);
        QCOMPARE(f.window->choices().highlightGroup, u" 0"_s);
        QCOMPARE(f.state.MyPattern.text(), u"2 0"_s);
        QCOMPARE(w.ui().chkHighlightPayday->text(), u"Highlight Paydays"_s);
        QVERIFY(!w.ui().chkNoPatterns->isChecked());
        QVERIFY(!w.ui().chkNoPatterns->isEnabled());
    }

    void colours_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("shade");
        QTest::addColumn<QColor>("rdo");
        QTest::addColumn<QColor>("holiday");
        QTest::addColumn<QColor>("rdoOnHoliday");
        QTest::newRow("grey +100 clamps") << "optGrey" << 100 << QColor(255, 255, 255)
                                          << QColor(255, 255, 255) << QColor(220, 220, 220);
        QTest::newRow("yellow -100") << "optYellow" << -100 << QColor(155, 155, 0)
                                     << QColor(100, 100, 100) << QColor(70, 70, 50);
        QTest::newRow("pink -50") << "optPink" << -50 << QColor(205, 130, 130)
                                  << QColor(150, 150, 150) << QColor(150, 50, 50);
    }

    void colours()
    {
        QFETCH(QString, family);
        QFETCH(int, shade);
        QFETCH(QColor, rdo);
        QFETCH(QColor, holiday);
        QFETCH(QColor, rdoOnHoliday);
        Fixture f;
        f.show();
        frmCalendar& w = *f.window;
        clickBox(w.findChild<QRadioButton*>(family));
        w.ui().hsbHighlightShade->setValue(shade);
        const std::array<QColor, 3> expected{rdo, holiday, rdoOnHoliday};
        for (int i = 0; i < 3; ++i)
            QCOMPARE(w.ui().shpColor[i]->palette().color(QPalette::Window), expected[i]);
        QCOMPARE(f.window->choices().shades.RdoColor, rdo);
        QCOMPARE(w.choices().shades.RdoOnHolidayColor, rdoOnHoliday);
    }

    void whosOffForAClickedDate()
    {
        Fixture f;
        f.show();
        frmCalendar& w = *f.window;
        w.ui().Calendar1->setSelectedDate(QDate(1901, 1, 1));
        QCOMPARE(f.whosOff(), (QStringList{"1 - 2", "5 - 6", "E - F", "4-5-6", "N-H-I", "A-D"}));

        // A week's adjustment shows the groups of 8 January once the date is clicked again.
        w.ui().txtPatternAdjustment->setText(u"7"_s);
        auto* view = w.ui().Calendar1->findChild<QTableView*>();
        QVERIFY(view);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualRect(view->currentIndex()).center());
        QCOMPARE(w.ui().Calendar1->selectedDate(), QDate(1901, 1, 1));
        QCOMPARE(f.whosOff(), (QStringList{"7 - 1", "4 - 5", "E - D", "3-4-5", "H-I-J", "C-D"}));
    }

    void movingTheCalendar_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<bool>("nextYear");
        QTest::addColumn<QDate>("landsOn");
        QTest::newRow("31st into a 30-day month")
            << QDate(2024, 3, 31) << false << QDate(2024, 4, 1);
        QTest::newRow("next year") << QDate(2024, 4, 15) << true << QDate(2025, 4, 15);
        QTest::newRow("29 February into a common year")
            << QDate(2024, 2, 29) << true << QDate(2025, 2, 1);
    }

    void movingTheCalendar()
    {
        QFETCH(QDate, from);
        QFETCH(bool, nextYear);
        QFETCH(QDate, landsOn);
        Fixture f;
        frmCalendar& w = *f.window;
        w.ui().Calendar1->setSelectedDate(from);
        QCOMPARE(w.ui().txtYear->text(), QString::number(from.year()));
        if (nextYear)
            w.ui().Calendar1->showNextYear();
        else
            w.ui().Calendar1->showNextMonth();
        QCOMPARE(w.ui().Calendar1->selectedDate(), landsOn);
        QCOMPARE(w.ui().txtYear->text(), QString::number(landsOn.year()));
        QStringList shown;
        for (const Rota& rota : WhosOff::Row())
            shown << rota.whosOffText(landsOn, 0);
        QCOMPARE(f.whosOff(), shown);
    }

    void holidayBoxesAndFrame()
    {
        Fixture f;
        f.show();
        frmCalendar& w = *f.window;
        QTest::mouseClick(w.ui().cmdSetHolidays, Qt::LeftButton);
        QVERIFY(w.ui().fraSetHolidays->isVisible());
        QCOMPARE(w.ui().cmdSetHolidays->text(), u"&Return"_s);

        clickBox(w.ui().chkHolidays[1]);
        clickBox(w.ui().chkHolidays[10]);
        QCOMPARE(f.state.HolidaySet, u"1011111100100"_s);
        QCOMPARE(w.choices().holidays[10], true);

        QTest::mouseClick(w.ui().cmdSetHolidays, Qt::LeftButton);
        QVERIFY(!w.ui().fraSetHolidays->isVisible());
        QCOMPARE(w.ui().cmdSetHolidays->text(), u"&Set Holidays"_s);
    }

    void choicesSnapshot()
    {
        Fixture f;
        f.show();
        frmCalendar& w = *f.window;
        clickBox(w.ui().optThreeAndThree);
        clickBox(w.ui().optPattern[16]);
        KeyInput::TypeInto(w.ui().txtReduction, u"80"_s);
        KeyInput::TypeInto(w.ui().txtPatternAdjustment, u"14"_s);
        clickBox(w.ui().chkNoPatterns);

        const CalendarChoices choices = w.choices();
        QCOMPARE(choices.yearText, u"2025"_s);
        QCOMPARE(choices.sizeText, u"80"_s);
        QCOMPARE(choices.adjustmentText, u"14"_s);
        QCOMPARE(choices.rota.kind(), RotaKind::ThreeThree);
        QCOMPARE(choices.highlightGroup, u"J"_s);
        QVERIFY(!choices.noHighlight);
        QVERIFY(choices.noPatterns);
        QCOMPARE(choices.calendarDate, Today);
    }

    void placesTheDatabaseAtStart_data()
    {
        QTest::addColumn<QString>("setUp"); // template, none, damaged
        QTest::addColumn<int>("answer");    // to the reminder; -1: not asked
        QTest::addColumn<bool>("attached");
        QTest::addColumn<QString>("title"); // of the one message; empty: none
        QTest::addColumn<QString>("noDatabaseStored");
        QTest::newRow("template copied") << "template" << -1 << true << ""
                                         << "0";
        QTest::newRow("none, Yes") << "none" << int(Prompter::Answer::Yes) << false
                                   << "DO YOU WANT TO SEE THIS REMINDER AGAIN?"
                                   << "0";
        QTest::newRow("none, No") << "none" << int(Prompter::Answer::No) << false
                                  << "DO YOU WANT TO SEE THIS REMINDER AGAIN?"
                                  << "1";
        QTest::newRow("damaged working copy") << "damaged" << -1 << false << "Kelvane"
                                              << "0";
    }

    void placesTheDatabaseAtStart()
    {
        QFETCH(QString, setUp);
        QFETCH(int, answer);
        QFETCH(bool, attached);
        QFETCH(QString, title);
        QFETCH(QString, noDatabaseStored);
        Fixture f({},
                  setUp == QLatin1String("template") ? Fixture::Database::Template
                                                     : Fixture::Database::None,
                  false);
        const QByteArray damaged("not a database at all");
        if (setUp == QLatin1String("template")) {
            QVERIFY(CalendarFixture::AddVacation(f.templatePath(), 2025, 6, 15, "Q"));
        } else if (setUp == QLatin1String("damaged")) {
            QDir().mkpath(f.folders.dataFolder);
            CalendarFixture::WriteFile(f.workingPath(), damaged);
        }
        if (answer >= 0)
            f.prompter.queueAnswer(static_cast<Prompter::Answer>(answer));
        f.open();

        QCOMPARE(f.state.DatabasePath, f.workingPath());
        QCOMPARE(f.window->entries() != nullptr, attached);
        QCOMPARE(f.window->Data1.isOpen(), attached);
        if (attached) {
            QVERIFY(QFileInfo::exists(f.workingPath()));
            const std::optional<VacationEntry> entry =
                f.window->entries()->lookUp(u"2025"_s, 6, 15);
            QVERIFY(entry);
            QCOMPARE(entry->type, u"Q"_s);
        }
        if (title.isEmpty()) {
            QVERIFY(f.prompter.shown().isEmpty());
        } else {
            QCOMPARE(f.prompter.shown().size(), 1);
            QCOMPARE(f.prompter.shown().at(0).title, title);
            if (answer >= 0) {
                QCOMPARE(f.prompter.shown().at(0).text, DatabasePlacement::ReminderText());
                QCOMPARE(f.prompter.shown().at(0).buttons, Prompter::Buttons::YesNo);
            }
        }
        if (setUp == QLatin1String("damaged")) {
            QFile file(f.workingPath());
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), damaged);
        }

        f.window->close();
        QCOMPARE(f.storedValue(u"NoDatabase"_s), noDatabaseStored);
    }

    void printButtonDrawsTheYearPage_data()
    {
        QTest::addColumn<bool>("vacations");
        QTest::addColumn<bool>("key");
        QTest::newRow("without entries") << false << false;
        QTest::newRow("with entries") << true << false;
        QTest::newRow("with entries and a key") << true << true;
    }

    void printButtonDrawsTheYearPage()
    {
        QFETCH(bool, vacations);
        QFETCH(bool, key);
        Fixture f({}, Fixture::Database::Template, false);
        QVERIFY(CalendarFixture::AddVacation(f.templatePath(), 2025, 3, 4, "Q", "010, 020, 030"));
        f.open();
        f.show();
        const QString trace = f.recordPrintouts();
        f.window->ui().chkHilightVacations->setChecked(vacations);
        // "Print a key" starts unticked: the page is the usual one.
        QVERIFY(!f.window->ui().chkPrintKey->isChecked());
        if (key)
            clickBox(f.window->ui().chkPrintKey);

        QTest::mouseClick(f.window->ui().cmdPrintRdoCalendar, Qt::LeftButton);
        QCOMPARE(f.stems, QStringList{"Kelvane 2025 RDO Calendar"});
        const QStringList lines = CalendarFixture::ReadText(trace).split(u'\n', Qt::SkipEmptyParts);
        QVERIFY(!lines.isEmpty());
        QCOMPARE(lines.first(), u"page 11520 15120"_s);
        QCOMPARE(lines.count(u"end"_s), 1);
        QCOMPARE(lines.last(), u"end"_s);
        QVERIFY(lines.contains(
            u"text 2492 -1000 18 1 1 0 #000000 \"DARIZU - 2025 6-2 RDO CALENDAR\""_s));
        // The entry of 4 March shows only while vacations are highlighted.
        QCOMPARE(CalendarFixture::ReadText(trace).contains(u"#0a141e"_s), vacations);
        QCOMPARE(lines.contains(u"text 250 13710 8 0 0 1 #000000 \"Holidays\""_s), key);
        QCOMPARE(CalendarFixture::ReadText(trace).contains(u"\"Entry Q\""_s), key);
        QCOMPARE(f.window->statusBar()->currentMessage(), u"Printed to the trace."_s);
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void batchButton_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("stopAtFirst"); // Cancel on the progress dialog
        QTest::addColumn<int>("calendars");
        QTest::newRow("Cancel") << int(Prompter::Answer::Cancel) << false << 0;
        QTest::newRow("No: fixed colour") << int(Prompter::Answer::No) << false << 14;
        QTest::newRow("stopped after the first") << int(Prompter::Answer::No) << true << 1;
    }

    void batchButton()
    {
        QFETCH(int, answer);
        QFETCH(bool, stopAtFirst);
        QFETCH(int, calendars);
        Fixture f;
        f.show();
        frmCalendar& w = *f.window;
        const QString trace = f.recordPrintouts();
        KeyInput::TypeInto(w.ui().txtCopies, u"2"_s);
        clickBox(w.ui().chkHilightVacations);
        clickBox(w.ui().optThreeAndThree);
        clickBox(w.ui().optPattern[15]);
        clickBox(w.ui().optBlue);
        const CalendarChoices before = w.choices();
        f.prompter.queueAnswer(static_cast<Prompter::Answer>(answer));
        if (stopAtFirst) {
            QTimer::singleShot(0, this, [] {
                if (auto* progress =
                        qobject_cast<QProgressDialog*>(QApplication::activeModalWidget())) {
                    QCOMPARE(progress->labelText(), u"Printing calendar 1 of 14"_s);
                    if (auto* cancel = progress->findChild<QPushButton*>())
                        cancel->click();
                }
            });
        }

        QTest::mouseClick(w.ui().cmdPrintAllPatterns, Qt::LeftButton);
        QCOMPARE(f.prompter.shown().size(), 1);
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(!w.findChild<QProgressDialog*>());

        if (calendars == 0) {
            QVERIFY(f.stems.isEmpty());
            QVERIFY(!QFileInfo::exists(trace));
            QVERIFY(w.ui().chkHilightVacations->isChecked());
            QCOMPARE(w.chosenKind(), RotaKind::ThreeThree);
            QVERIFY(w.ui().optPattern[15]->isChecked());
            QVERIFY(w.ui().optBlue->isChecked());
            QVERIFY(w.statusBar()->currentMessage().isEmpty());
            return;
        }

        // Each calendar is the page "Print" gives for that kind, group and yellow.
        QCOMPARE(f.stems, QStringList{"Kelvane 2025 All Patterns"});
        QString expected = u"page 11520 15120\n"_s;
        for (int i = 0; i < calendars; ++i) {
            CalendarChoices choices = before;
            choices.rota = Rota::BuiltIn(i < 7 ? RotaKind::CgSixTwo : RotaKind::FourTwo);
            choices.highlightGroup = RotaKinds::GroupForPatternButton(i);
            choices.noHighlight = false;
            choices.highlightVacations = false;
            choices.shades = ShadeColors::For(ColourFamily::Yellow, 0);
            AppState state;
            RecordingSurface page;
            YearCalendarPrinter::Print(page, choices, state);
            expected += page.trace().section(u'\n', 1);
        }
        QCOMPARE(CalendarFixture::ReadText(trace), expected);

        const QString message = w.statusBar()->currentMessage();
        if (stopAtFirst) {
            QCOMPARE(message, u"Stopped after calendar 1 of 14. Printed 1 calendar "
                              "to the trace."_s);
            return;
        }
        QCOMPARE(message, u"Printed 14 calendars to the trace."_s);
        QVERIFY(w.ui().optFourAndTwo->isChecked());
        QVERIFY(w.ui().optPattern[13]->isChecked());
        QVERIFY(w.ui().optYellow->isChecked());
        QVERIFY(!w.ui().chkHilightVacations->isChecked());
        QCOMPARE(f.window->choices().highlightGroup, u"G"_s);
        QCOMPARE(f.state.MyPattern.text(), u"214"_s);
    }

    void monthButtonOpensOneWindow()
    {
        Fixture f;
        f.show();
        frmCalendar& w = *f.window;
        w.ui().Calendar1->setSelectedDate(QDate(2025, 2, 20));
        QTest::mouseClick(w.ui().cmdShowMonth, Qt::LeftButton);
        const QPointer<frmMonth> month = w.monthWindow();
        QVERIFY(month);
        QVERIFY(month->isVisible());
        QVERIFY(!month->isModal());
        QCOMPARE(month->windowTitle(), u"Add Notes and Print Only This Month"_s);
        QCOMPARE(month->layout().firstOfMonth(), QDate(2025, 2, 1));
        QVERIFY(month->storesNotes());
        QCOMPARE(w.secondaryWindows(), QList<QWidget*>{month.data()});

        // A second press brings the open window forward instead of opening another.
        w.activateWindow();
        QTest::mouseClick(w.ui().cmdShowMonth, Qt::LeftButton);
        QCOMPARE(w.monthWindow(), month.data());
        QCOMPARE(w.findChildren<frmMonth*>().size(), 1);
        QTRY_COMPARE(QApplication::activeWindow(), month.data());
    }

    void closingTheMainWindowStoresTheMonthNotes()
    {
        Fixture f;
        f.show();
        frmCalendar& w = *f.window;
        w.cmdShowMonth_Click();
        const QPointer<frmMonth> month = w.monthWindow();
        QVERIFY(month);
        f.prompter.queueInput(u"Dentist"_s);
        month->lblFirstNote_Click(2);
        QCOMPARE(month->lblFirstNote(2)->text(), u"Dentist"_s);

        QVERIFY(w.close());
        QCOMPARE(f.storedValue(u"MyPattern"_s), u"000"_s);
        QTRY_VERIFY(!month);
        QCOMPARE(CalendarFixture::Scalar(
                     f.workingPath(),
                     u"SELECT \"Note3\" FROM \"Monthly Notes\" WHERE \"Month\" = ?"_s,
                     {MonthNotesTable::MonthKey(QDate(2025, 6, 1))})
                     .toString(),
                 u"Dentist"_s);
    }

    void terminationSignalEndsTheRunAsExitDoes_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGHUP") << SIGHUP;
        QTest::newRow("SIGINT") << SIGINT;
    }

    void terminationSignalEndsTheRunAsExitDoes()
    {
        QFETCH(int, signalNumber);
        Fixture f;
        f.show();
        frmCalendar& w = *f.window;
        TerminationSignals termination;
        connect(&termination, &TerminationSignals::received, &w, [&w] { w.endSession(); });
        w.ui().txtStation->setText(u"Quenbrook"_s);
        w.cmdShowMonth_Click();
        const QPointer<frmMonth> month = w.monthWindow();
        QVERIFY(month);
        f.prompter.queueInput(u"Dentist"_s);
        QTest::mouseClick(month->lblFirstNote(2), Qt::LeftButton);

        // The signal comes while an entry is being typed in the vacation window.
        QTimer::singleShot(0, this, [signalNumber] {
            auto* window = qobject_cast<frmInputVacations*>(QApplication::activeModalWidget());
            QVERIFY(window);
            KeyInput::TypeInto(window->findChild<QLineEdit*>(u"txtType"_s), u"v"_s);
            KeyInput::TypeInto(window->findChild<QLineEdit*>(u"txtMonth"_s), u"7"_s);
            KeyInput::TypeInto(window->findChild<QLineEdit*>(u"txtDay"_s), u"4"_s);
            ::raise(signalNumber);
        });
        QTest::mouseClick(w.ui().cmdInputVacations, Qt::LeftButton);

        QVERIFY(!w.isVisible());
        QTRY_VERIFY(!month);
        QCOMPARE(f.prompter.shown().size(), 1); // the note's input box, no question
        QCOMPARE(f.storedValue(u"Station"_s), u"Quenbrook"_s);
        const QString path = f.workingPath();
        QCOMPARE(
            CalendarFixture::Scalar(path, u"SELECT \"Note3\" FROM \"Monthly Notes\""_s).toString(),
            u"Dentist"_s);
        QCOMPARE(CalendarFixture::Scalar(
                     path, u"SELECT \"Type\" || \"Month\" || '/' || \"Day\" || '/' || "
                           "\"Year\" FROM \"Vacation\""_s)
                     .toString(),
                 u"V7/4/2025"_s);
    }

    void vacationsButtonOpensTheModalWindow()
    {
        Fixture f;
        f.show();
        // Each opening clicks the colour swatch once and closes; the window object lives on,
        // so the second opening continues the colour cycle.
        QStringList titles;
        QList<int> cycle;
        bool modal = true;
        auto openClickAndClose = [&] {
            QTimer::singleShot(0, this, [&] {
                if (auto* window =
                        qobject_cast<frmInputVacations*>(QApplication::activeModalWidget())) {
                    titles << window->windowTitle();
                    modal = modal && window->isModal();
                    QTest::mouseClick(window->findChild<QFrame*>(u"Frame1"_s), Qt::LeftButton);
                    cycle << window->colorCycleIndex();
                    window->reject();
                }
            });
            QTest::mouseClick(f.window->ui().cmdInputVacations, Qt::LeftButton);
        };
        openClickAndClose();
        openClickAndClose();
        QCOMPARE(titles, QStringList({"Input Vacations", "Input Vacations"}));
        QVERIFY(modal);
        QCOMPARE(cycle, QList<int>({1, 2}));
    }

    void exportDaysOff_data()
    {
        QTest::addColumn<int>("patternButton"); // -1: none highlighted
        QTest::addColumn<QString>("message");   // empty: the file is written
        const QString noGroup =
            u"Choose the pattern whose days off you want to export under \"Highlight pattern:\" "
            "first."_s;
        QTest::newRow("group 3 of 2025") << 2 << "";
        QTest::newRow("no group") << -1 << noGroup;
    }

    void exportDaysOff()
    {
        QFETCH(int, patternButton);
        QFETCH(QString, message);
        Fixture f;
        f.show();
        frmCalendar& w = *f.window;
        if (patternButton >= 0)
            clickBox(w.ui().optPattern[patternButton]);
        QString proposed;
        const QString chosen = f.dir.filePath(u"days.ics"_s);
        w.setSavePathChooser([&](const QString&, const QString& proposal, const QString&) {
            proposed = proposal;
            return chosen;
        });

        w.ui().mnuExportDaysOff->trigger();
        if (!message.isEmpty()) {
            QCOMPARE(f.prompter.shown().size(), 1);
            QCOMPARE(f.prompter.shown().at(0).text, message);
            QCOMPARE(f.prompter.shown().at(0).title, u"Export Days Off"_s);
            QVERIFY(proposed.isEmpty());
            QVERIFY(!QFileInfo::exists(chosen));
            return;
        }
        QVERIFY(f.prompter.shown().isEmpty());
        QCOMPARE(QFileInfo(proposed).fileName(), u"Kelvane RDO 2025 group 3.ics"_s);
        const QString calendar = CalendarFixture::ReadText(chosen);
        QVERIFY(calendar.startsWith(u"BEGIN:VCALENDAR\r\n"_s));
        // One event per day the who's-off list shows group 3 of the CG six-and-two rota off.
        const Rota rota = Rota::BuiltIn(RotaKind::CgSixTwo);
        qsizetype daysOff = 0;
        for (QDate day(2025, 1, 1); day.year() == 2025; day = day.addDays(1)) {
            if (rota.whosOffText(day, 0).contains(u'3')) {
                ++daysOff;
                QVERIFY(
                    calendar.contains(u"UID:rdo-cg-six-two-3-"_s + day.toString(u"yyyyMMdd"_s)));
            }
        }
        QCOMPARE(calendar.count(u"SUMMARY:RDO"_s), daysOff);
    }

    // A file that cannot be written (a full disk) is reported in a message; the file already
    // there stays as it was and the status bar never says it was written.
    void fileWriteFailuresAreReported_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("atFlush");
        for (const char* command : {"Save as PDF", "Print to a PDF", "Export Days Off"}) {
            for (const bool atFlush : {false, true})
                QTest::addRow("%s, %s", command, atFlush ? "final flush" : "first write")
                    << QString::fromLatin1(command) << atFlush;
        }
    }

    void fileWriteFailuresAreReported()
    {
        QFETCH(QString, command);
        QFETCH(bool, atFlush);
        Fixture f;
        f.show();
        frmCalendar& w = *f.window;
        clickBox(w.ui().optPattern[2]);
        const QString path =
            f.dir.filePath(command == u"Export Days Off"_s ? u"old.ics"_s : u"old.pdf"_s);
        const QByteArray old = "the old file\n";
        CalendarFixture::WriteFile(path, old);
        w.setSavePathChooser([&](const QString&, const QString&, const QString&) { return path; });
        w.setPrintDestinationSource(
            [&](const QString&) { return PrintDestination::OpenPdf(path); });

        const auto reset = qScopeGuard([] { SafeFile::FailNothing(); });
        if (atFlush)
            SafeFile::FailFlush();
        else
            SafeFile::FailWrite(1);
        if (command == u"Save as PDF"_s)
            w.ui().mnuSaveAsPdf->trigger();
        else if (command == u"Export Days Off"_s)
            w.ui().mnuExportDaysOff->trigger();
        else
            QTest::mouseClick(w.ui().cmdPrintRdoCalendar, Qt::LeftButton);

        QCOMPARE(f.prompter.shown().size(), 1);
        QVERIFY2(f.prompter.shown().at(0).text.contains(u"No space left on device"_s),
                 qPrintable(f.prompter.shown().at(0).text));
        const QString status = w.statusBar()->currentMessage();
        QVERIFY2(!status.startsWith(u"Printed"_s) && !status.startsWith(u"Exported"_s),
                 qPrintable(status));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), old);
        QCOMPARE(QDir(f.dir.path()).entryList({u"old.*"_s}, QDir::Files),
                 QStringList{QFileInfo(path).fileName()});
    }

    // Each window opens where it was closed (with the close box) in the run before, its place
    // stored beside the four settings; a place off the screen that is there now (a larger or
    // a missing one) comes back inside it.
    // A rota of the user's own, chosen below the calendar types: exactly its groups' buttons,
    // its who's-off box marked, and every printout drawn for it; the rota window open beside.
    void ownRotaDrivesTheWindow()
    {
        Fixture f({{u"MyPattern"_s, u"210"_s}}, Fixture::Database::Template, false);
        f.writeRota(u"four.rota"_s, RotaFiles::FourOnFourOff);
        const std::shared_ptr<const OwnRota> own = RotaFiles::Parsed(RotaFiles::FourOnFourOff);
        f.open();
        f.show();
        frmCalendar& w = *f.window;
        const QString trace = f.recordPrintouts();
        QVERIFY(w.ui().optFourAndTwo->isChecked());
        QCOMPARE(w.ui().cboOwnRota->currentText(), u"Four On Four Off"_s);
        QCOMPARE(w.ui().lblOwnWhosOff->toolTip(), u"Four On Four Off"_s);
        QCOMPARE(w.ui().txtOwnWhosOff->text(), Rota::FromFile(*own).whosOffText(Today, 0));

        clickBox(w.ui().optOwnRota);
        QVERIFY(w.ui().optOwnRota->isChecked());
        // Its groups in a list of their own, the pattern buttons off.
        QVERIFY(f.enabledPatternButtons().isEmpty());
        QStringList groups;
        for (int i = 0; i < w.ui().cboOwnGroup->count(); ++i)
            groups << w.ui().cboOwnGroup->itemText(i);
        QCOMPARE(groups, QStringList({"None", "Pattern A", "Pattern B", "Pattern C", "Pattern D"}));
        QCOMPARE(w.ui().cmdPrintAllPatterns->text(),
                 u"Print 1 Copy of All Four On Four Off Pa&tterns"_s);
        QVERIFY(w.ui().optNoHighlight->isChecked());
        QVERIFY(f.cyanBoxes().isEmpty());
        QCOMPARE(w.ui().txtOwnWhosOff->palette().color(QPalette::Base), Cyan);
        // The next day, by the keyboard: its groups off.
        QTest::keyClick(w.ui().Calendar1->focusProxy(), Qt::Key_Right);
        QCOMPARE(w.ui().Calendar1->selectedDate(), Today.addDays(1));
        QCOMPARE(w.ui().txtOwnWhosOff->text(),
                 Rota::FromFile(*own).whosOffText(Today.addDays(1), 0));
        pickItem(w.ui().cboOwnGroup, u"Pattern B"_s);
        QCOMPARE(w.choices().highlightGroup, u"B"_s);
        QVERIFY(!w.choices().noHighlight);
        QCOMPARE(w.choices().rota, Rota::FromFile(*own));
        QCOMPARE(f.state.MyPattern.text(), u"210"_s); // the calendar type's, as stored

        QTest::mouseClick(w.ui().cmdPrintRdoCalendar, Qt::LeftButton);
        QCOMPARE(f.stems, QStringList{"Kelvane 2025 Four On Four Off - Pattern B"});
        QVERIFY(CalendarFixture::ReadText(trace).contains(
            u"\"DARIZU - 2025 FOUR ON FOUR OFF RDO CALENDAR - PATTERN B\""_s));

        // All patterns: one calendar for each of its groups.
        f.prompter.queueAnswer(Prompter::Answer::No);
        QTest::mouseClick(w.ui().cmdPrintAllPatterns, Qt::LeftButton);
        QCOMPARE(w.statusBar()->currentMessage(), u"Printed 4 calendars to the trace."_s);
        QCOMPARE(CalendarFixture::ReadText(trace).count(u"FOUR ON FOUR OFF RDO CALENDAR"_s), 4);
        // The group chosen before the batch stays chosen.
        QCOMPARE(w.choices().highlightGroup, u"B"_s);
        QCOMPARE(w.ui().cboOwnGroup->currentText(), u"Pattern B"_s);
        QVERIFY(w.ui().optOwnRota->isChecked());
        QCOMPARE(f.prompter.shown().size(), 1);
        pickItem(w.ui().cboOwnGroup, u"Pattern D"_s);

        // The days off of group D as a calendar file.
        const QString ics = f.dir.filePath(u"days.ics"_s);
        w.setSavePathChooser([&](const QString&, const QString&, const QString&) { return ics; });
        w.ui().mnuExportDaysOff->trigger();
        qsizetype daysOff = 0;
        for (QDate day(2025, 1, 1); day.year() == 2025; day = day.addDays(1))
            daysOff += Rota::FromFile(*own).groupsOff(day, 0).value(0).contains(u"D"_s) ? 1 : 0;
        QCOMPARE(CalendarFixture::ReadText(ics).count(u"UID:rdo-own-"_s), daysOff);

        QTest::mouseClick(w.ui().cmdShowMonth, Qt::LeftButton);
        QVERIFY(w.monthWindow());
        QCOMPARE(w.monthWindow()->layout().days().first().groupsOffText,
                 u" "_s + Rota::FromFile(*own).groupsOff(QDate(2025, 6, 1), 0).value(0).join(u','));
        w.monthWindow()->close();

        // The rota window, from the File menu: removing the chosen rota there brings the
        // calendar type back.
        w.ui().mnuOwnRotas->trigger();
        frmRotas* rotas = w.rotasWindow();
        QVERIFY(rotas && rotas->isVisible());
        QCOMPARE(rotas->windowTitle(), u"Rotas of Your Own"_s);
        f.prompter.queueAnswer(Prompter::Answer::Yes);
        QTest::mouseClick(rotas->cmdRemove, Qt::LeftButton);
        QVERIFY(!QFileInfo::exists(f.rotaPath(u"four.rota"_s)));
        QVERIFY(w.ui().optFourAndTwo->isChecked());
        QVERIFY(!w.ui().optOwnRota->isEnabled());
        QVERIFY(!w.ui().txtOwnWhosOff->isVisible());
        QCOMPARE(f.enabledPatternButtons(), range(7, 13));
        QCOMPARE(
            w.statusBar()->currentMessage(),
            u"Your own rota could not be read: %1: no such file"_s.arg(f.rotaPath(u"four.rota"_s)));
        rotas->close();
    }

    // The own rota chosen is remembered beside the four settings, which keep the calendar type;
    // a rota that cannot be read at the next start gives that type back, and one line says why.
    // Set Holidays' calendar files: Add... copies the chosen file, its box counts it or not,
    // Remove takes it away with its copy, a refused file is not added, and the list with its
    // boxes is there again after a restart; a year outside a counted file is told once.
    void holidayFilesAreAddedCountedAndRemembered()
    {
        Fixture f({}, Fixture::Database::Template, false);
        const QString downloads = f.dir.filePath(u"downloads"_s);
        QDir().mkpath(downloads);
        CalendarFixture::WriteFile(downloads + u"/bank.ics"_s,
                                   "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:x\r\n"
                                   "X-WR-CALNAME:Bank holidays\r\nBEGIN:VEVENT\r\nUID:a\r\n"
                                   "DTSTART;VALUE=DATE:20250505\r\nRRULE:FREQ=YEARLY;COUNT=4\r\n"
                                   "SUMMARY:May Day\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
        CalendarFixture::WriteFile(downloads + u"/school.ics"_s,
                                   "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:b\r\n"
                                   "DTSTART;VALUE=DATE:20260105\r\nSUMMARY:Term\r\n"
                                   "END:VEVENT\r\nEND:VCALENDAR\r\n");
        CalendarFixture::WriteFile(downloads + u"/notes.ics"_s, "BEGIN:VTODO\r\n");
        QString chosen;
        const auto open = [&] {
            f.open();
            f.window->setHolidayFileChooser([&](QWidget*) { return chosen; });
            f.show();
            QTest::mouseClick(f.window->ui().cmdSetHolidays, Qt::LeftButton);
        };
        const auto add = [&](const QString& name) {
            chosen = downloads + u'/' + name;
            QTest::mouseClick(f.window->ui().fraHolidayFiles->cmdAdd, Qt::LeftButton);
        };
        open();
        frmCalendar* w = f.window.get();
        QListWidget* list = w->ui().fraHolidayFiles->lstFiles;
        const QString folder = w->holidayFolder();
        add(u"bank.ics"_s);
        add(u"school.ics"_s);
        add(u"notes.ics"_s);
        QCOMPARE(w->statusBar()->currentMessage(),
                 u"Not added: "_s + downloads + u"/notes.ics: not an iCalendar file"_s);
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(0)->text(), u"Bank holidays (2025-2028)"_s);
        QCOMPARE(list->item(1)->text(), u"school.ics (2026)"_s);
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList({"bank.ics", "school.ics"}));
        QCOMPARE(w->choices().holidayFiles.names(), QStringList({"Bank holidays", "school.ics"}));

        // The year field's 2026 is outside the bank holidays' years only after they are typed.
        KeyInput::TypeInto(w->ui().txtYear, u"2031"_s);
        QCOMPARE(w->statusBar()->currentMessage(),
                 u"Bank holidays covers 2025-2028; 2031 has none of its days  "
                 "school.ics covers 2026; 2031 has none of its days"_s);
        w->statusBar()->clearMessage();
        KeyInput::TypeInto(w->ui().txtYear, u"2031"_s);
        QVERIFY(w->statusBar()->currentMessage().isEmpty());

        // The first unticked by keyboard, the second removed.
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Home);
        QTest::keyClick(list, Qt::Key_Space);
        QCOMPARE(list->item(0)->checkState(), Qt::Unchecked);
        QCOMPARE(w->choices().holidayFiles.names(), QStringList({"school.ics"}));
        QTest::keyClick(list, Qt::Key_Down);
        QTest::mouseClick(w->ui().fraHolidayFiles->cmdRemove, Qt::LeftButton);
        QCOMPARE(list->count(), 1);
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList({"bank.ics"}));
        QVERIFY(w->choices().holidayFiles.isEmpty());
        // The download may go: the copy is read from now on.
        QVERIFY(QDir(downloads).removeRecursively());
        QVERIFY(w->close());

        QSettings stored(f.iniPath(), QSettings::IniFormat);
        QCOMPARE(stored.value(u"Holidays/Files"_s).toString(), u"bank.ics"_s);
        QCOMPARE(stored.value(u"Holidays/Counted"_s).toString(), u"0"_s);
        stored.beginGroup(u"Settings"_s);
        QCOMPARE(stored.childKeys().size(), 4);
        f.store = std::make_unique<SettingsStore>(f.iniPath());
        open();
        list = f.window->ui().fraHolidayFiles->lstFiles;
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->item(0)->text(), u"Bank holidays (2025-2028)"_s);
        QCOMPARE(list->item(0)->checkState(), Qt::Unchecked);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Home);
        QTest::keyClick(list, Qt::Key_Space);
        QCOMPARE(f.window->choices().holidayFiles.names(), QStringList({"Bank holidays"}));
    }

    void ownRotaIsRemembered_data()
    {
        QTest::addColumn<QByteArray>("file"); // the rota file at the next start; empty: none
        QTest::addColumn<QString>("reason");  // after the file's path; empty: it is chosen
        QTest::newRow("the rota") << RotaFiles::FourOnFourOff << "";
        QTest::newRow("missing") << QByteArray() << ": no such file";
        QTest::newRow("broken") << QByteArray(RotaFiles::FourOnFourOff).replace("O\n", "X\n")
                                << ":5: pattern has 'X'; use W and O";
    }

    void ownRotaIsRemembered()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, reason);
        Fixture f({{u"MyPattern"_s, u"210"_s}}, Fixture::Database::Template, false);
        f.writeRota(u"four.rota"_s, RotaFiles::FourOnFourOff);
        f.open();
        f.show();
        clickBox(f.window->ui().optOwnRota);
        pickItem(f.window->ui().cboOwnGroup, u"Pattern B"_s);
        f.window->close();
        QSettings stored(f.iniPath(), QSettings::IniFormat);
        QCOMPARE(stored.value(u"Rotas/OwnRota"_s).toString(), u"four.rota"_s);
        QCOMPARE(stored.value(u"Rotas/Group"_s).toString(), u"B"_s);
        QCOMPARE(stored.value(u"Settings/MyPattern"_s).toString(), u"210"_s);

        QFile::remove(f.rotaPath(u"four.rota"_s));
        if (!file.isEmpty())
            f.writeRota(u"four.rota"_s, file);
        f.store = std::make_unique<SettingsStore>(f.iniPath());
        f.open();
        f.show();
        frmCalendar& w = *f.window;
        if (reason.isEmpty()) {
            QVERIFY(w.ui().optOwnRota->isChecked());
            QCOMPARE(w.ui().cboOwnGroup->currentText(), u"Pattern B"_s);
            QCOMPARE(w.choices().rota.caption(), u"Four On Four Off"_s);
            QVERIFY(w.statusBar()->currentMessage().isEmpty());
        } else {
            QVERIFY(w.ui().optFourAndTwo->isChecked());
            QVERIFY(w.ui().optPattern[9]->isChecked()); // C, as MyPattern keeps it
            QCOMPARE(w.choices().rota.kind(), RotaKind::FourTwo);
            QCOMPARE(w.statusBar()->currentMessage(),
                     u"Your own rota could not be read: "_s + f.rotaPath(u"four.rota"_s) + reason);
        }
        w.close();
        QSettings again(f.iniPath(), QSettings::IniFormat);
        // A rota that could not be read stays remembered, so fixing its file brings it back.
        QCOMPARE(again.value(u"Rotas/OwnRota"_s).toString(), u"four.rota"_s);
        QCOMPARE(again.value(u"Rotas/Group"_s).toString(), u"B"_s);
        again.beginGroup(u"Settings"_s);
        QCOMPARE(again.childKeys(),
                 QStringList({"MyHolidays", "MyPattern", "NoDatabase", "Station"}));
        QCOMPARE(again.value(u"MyPattern"_s).toString(), u"210"_s);
    }

    // Rota files are followed while the window is open: the remembered rota, refused at the
    // start, comes back with its group once its file is fixed; a file added can be chosen.
    void rotaFilesFollowedWhileOpen()
    {
        Fixture f({{u"MyPattern"_s, u"210"_s}}, Fixture::Database::Template, false);
        f.writeRota(u"four.rota"_s, RotaFiles::FourOnFourOff);
        f.open();
        f.show();
        clickBox(f.window->ui().optOwnRota);
        pickItem(f.window->ui().cboOwnGroup, u"Pattern B"_s);
        f.window->close();

        f.writeRota(u"four.rota"_s, QByteArray(RotaFiles::FourOnFourOff).replace("O\n", "X\n"));
        f.store = std::make_unique<SettingsStore>(f.iniPath());
        f.open();
        f.show();
        frmCalendar& w = *f.window;
        QVERIFY(w.ui().optFourAndTwo->isChecked());
        f.writeRota(u"four.rota"_s, RotaFiles::FourOnFourOff);
        QTRY_VERIFY(w.ui().optOwnRota->isChecked());
        QCOMPARE(w.ui().cboOwnGroup->currentText(), u"Pattern B"_s);
        QCOMPARE(w.choices().highlightGroup, u"B"_s);

        f.writeRota(u"crews.rota"_s, QByteArray(RotaFiles::FourOnFourOff)
                                         .replace("Four On Four Off", "Crews")
                                         .append("group word = Crew\n"));
        QTRY_COMPARE(w.ui().cboOwnRota->count(), 2);
        QCOMPARE(w.ui().cboOwnRota->currentText(), u"Four On Four Off"_s);
    }

    void windowsOpenWhereTheyWereClosed_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QPoint>("place");
        QTest::addColumn<QSize>("grown");
        QTest::addColumn<bool>("onScreen");
        QTest::newRow("main window") << "main" << QPoint(60, 90) << QSize(-200, -100) << true;
        QTest::newRow("month window") << "month" << QPoint(70, 80) << QSize(-200, -150) << true;
        QTest::newRow("vacation entry window")
            << "vacations" << QPoint(50, 100) << QSize(-100, 10) << true;
        QTest::newRow("About window") << "about" << QPoint(300, 400) << QSize() << true;
        QTest::newRow("rota window") << "rotas" << QPoint(40, 60) << QSize(-50, -40) << true;
        QTest::newRow("main window off the screen")
            << "main" << QPoint(2500, 1800) << QSize(1200, 900) << false;
        QTest::newRow("month window off the screen")
            << "month" << QPoint(-3000, 40) << QSize() << false;
    }

    void windowsOpenWhereTheyWereClosed()
    {
        QFETCH(QString, window);
        QFETCH(QPoint, place);
        QFETCH(QSize, grown);
        QFETCH(bool, onScreen);
        Fixture f;
        // Opens the window and hands it to `use`, which closes it (the main window closes
        // with the run).
        const auto open = [&f, &window](const std::function<void(QWidget*)>& use) {
            f.store = std::make_unique<SettingsStore>(f.iniPath());
            f.open();
            f.show();
            frmCalendar& w = *f.window;
            const auto inModal = [&use] {
                QTimer::singleShot(0, [&use] { use(QApplication::activeModalWidget()); });
            };
            if (window == u"main"_s) {
                use(&w);
            } else if (window == u"month"_s) {
                QTest::mouseClick(w.ui().cmdShowMonth, Qt::LeftButton);
                use(w.monthWindow());
            } else if (window == u"rotas"_s) {
                w.ui().mnuOwnRotas->trigger();
                use(w.rotasWindow());
            } else if (window == u"vacations"_s) {
                inModal();
                QTest::mouseClick(w.ui().cmdInputVacations, Qt::LeftButton);
            } else {
                inModal();
                w.ui().mnuAbout->trigger();
            }
            if (f.window->isVisible())
                f.window->close();
        };

        QRect closedAt;
        open([&](QWidget* shown) {
            shown->setGeometry(QRect(place, shown->size() + grown));
            closedAt = shown->geometry();
            shown->close();
        });
        QRect openedAt;
        QRect area;
        open([&](QWidget* shown) {
            openedAt = shown->geometry();
            area = shown->screen()->availableGeometry();
            shown->close();
        });
        if (onScreen)
            QCOMPARE(openedAt, closedAt);
        else
            QVERIFY(area.contains(openedAt));
        // Beside the four settings, which stay as they were.
        QSettings stored(f.iniPath(), QSettings::IniFormat);
        stored.beginGroup(u"Settings"_s);
        QCOMPARE(stored.childKeys(),
                 QStringList({"MyHolidays", "MyPattern", "NoDatabase", "Station"}));
    }

    void aboutOpensFromTheHelpMenu()
    {
        Fixture f;
        f.show();
        QString title;
        QTimer::singleShot(0, this, [&title] {
            if (auto* about = qobject_cast<frmAbout*>(QApplication::activeModalWidget())) {
                title = about->windowTitle();
                about->cmdOK->click();
            }
        });
        f.window->ui().mnuAbout->trigger();
        QCOMPARE(title, u"About Kelvane"_s);
    }

    void printDialogOpensWithTheCopiesAndIsObeyed_data()
    {
        QTest::addColumn<bool>("batch");
        QTest::addColumn<QString>("what");
        QTest::addColumn<QByteArray>("pages");
        QTest::addColumn<QByteArray>("title");
        QTest::newRow("year calendar") << false << QString() << QByteArray("1")
                                       << QByteArray("Kelvane 2025 RDO Calendar - Pattern 3");
        QTest::newRow("batch, pages 2 to 3") << true << u"2 calendars "_s << QByteArray("2")
                                             << QByteArray("Kelvane 2025 All Patterns");
    }

    void printDialogOpensWithTheCopiesAndIsObeyed()
    {
        QFETCH(bool, batch);
        QFETCH(QString, what);
        QFETCH(QByteArray, pages);
        QFETCH(QByteArray, title);
        Fixture f;
        f.show();
        f.window->ui().optPattern[2]->click();
        f.window->ui().txtCopies->setText(u"2"_s);
        const QString path = f.dir.filePath(u"chosen.pdf"_s);
        int shownCopies = 0;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            auto* copies = dialog->findChild<QSpinBox*>(u"copies"_s);
            auto* printers = dialog->findChild<QComboBox*>(u"printers"_s);
            auto* file = dialog->findChild<QLineEdit*>(u"filename"_s);
            auto* range = dialog->findChild<QRadioButton*>(u"printRange"_s);
            auto* from = dialog->findChild<QSpinBox*>(u"from"_s);
            auto* to = dialog->findChild<QSpinBox*>(u"to"_s);
            if (copies)
                shownCopies = copies->value();
            if (printers)
                printers->setCurrentIndex(printers->count() - 1); // print to file
            if (file)
                file->setText(path);
            if (batch && range && from && to) {
                range->setChecked(true);
                from->setValue(2);
                to->setValue(3);
            }
            dialog->accept();
        });
        if (batch) {
            f.prompter.queueAnswer(Prompter::Answer::Yes); // random highlight colours
            f.window->ui().mnuPrintAllPatterns->trigger();
        } else {
            QTest::keyClick(f.window.get(), Qt::Key_P, Qt::ControlModifier);
        }
        QCOMPARE(shownCopies, 2);
        QCOMPARE(f.window->statusBar()->currentMessage(),
                 u"Printed %1to the PDF file %2."_s.arg(what, QDir::toNativeSeparators(path)));
        if (QStandardPaths::findExecutable(u"pdfinfo"_s).isEmpty())
            QSKIP("pdfinfo is not installed");
        const QByteArray text = CalendarFixture::PdfInfo(path);
        QVERIFY2(text.contains(QByteArray("Title:           " + title + '\n')), text.constData());
        QVERIFY2(text.contains(QByteArray("Pages:           " + pages + '\n')), text.constData());
        QVERIFY2(text.contains("Creator:         Kelvane\n"), text.constData());
    }
};

QTEST_MAIN(tst_frmCalendar)
#include "tst_frmcalendar.moc"
