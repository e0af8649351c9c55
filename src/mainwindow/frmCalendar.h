#pragma once

#include "print/AllPatternsBatch.h"
#include "print/CalendarChoices.h"
#include "print/PageFit.h"
#include "print/PrintDestination.h"
#include "rota/BuiltInRotas.h"
#include "rota/Holidays.h"
#include "rota/WhosOff.h"
#include "store/CalendarDatabase.h"
#include "store/DatabasePlacement.h"
#include "store/OwnRotaFolder.h"
#include "store/ShadeColors.h"
#include "windows/WindowPlaces.h"

#include <QColor>
#include <QList>
#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>

struct AppState;
class Clock;
class Printers;
class Prompter;
class SettingsStore;
class VacationTable;
class EntryLookup;
class PrintSurface;
class frmInputVacations;
class frmMonth;
class frmRotas;
class QAction;
class QButtonGroup;
class QCalendarWidget;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QScrollBar;
class QStackedWidget;

// The main window: every choice of a calendar is made here, and the printouts, the month
// sheet and the vacation window read those choices (through choices()) when they run.
// Controls and handlers are public and carry the names the other windows and the tests use;
// changing a control in code runs its handler at once, as a user's change would.
class frmCalendar : public QMainWindow
{
    Q_OBJECT

public:
    // Opens where a printout goes; `pdfStem` names the PDF written when there is no printer.
    using PrintDestinationSource = std::function<PrintDestination(const QString& pdfStem)>;
    // Asks for the path of a file to write; empty when the user cancels.
    using SavePathChooser = std::function<QString(
        const QString& caption, const QString& proposedPath, const QString& filter)>;

    // `folders`: where the calendar database lives and where its template is looked for.
    frmCalendar(AppState& state, Prompter& prompter, Clock& clock, SettingsStore& settings,
                Printers& printers, const PlacementFolders& folders = PlacementFolders::Standard(),
                QWidget* parent = nullptr);
    ~frmCalendar() override;

    // Replace the system's default printer (or PDF) and the save dialog, e.g. in tests.
    void setPrintDestinationSource(PrintDestinationSource source);
    void setSavePathChooser(SavePathChooser chooser);

    // The window's choices as they stand now.
    CalendarChoices choices() const;
    // The selected calendar type; six-and-two while none is selected.
    RotaKind chosenKind() const;
    // The rota the printouts draw: the rota of the user's own chosen, or the calendar type's.
    Rota chosenRota() const;
    // The rota of the user's own chosen in place of a calendar type; null while a type is.
    std::shared_ptr<const OwnRota> chosenOwnRota() const;
    // False while the window loads, true from its first showing on.
    bool windowShown() const { return m_windowShown; }

    // The whole window without scrolling.
    QSize sizeHint() const override;

    // Windows opened from here (the month sheet) close, last opened first, before this one.
    void addSecondaryWindow(QWidget* window);
    QList<QWidget*> secondaryWindows() const;
    // The month window while it is open.
    frmMonth* monthWindow() const;
    // The window of the user's rotas while it is open.
    frmRotas* rotasWindow() const;
    // Where the user's rota files are: "rotas" beside the calendar database.
    QString rotaFolder() const { return OwnRotaFolder::In(m_folders.dataFolder); }

    // The personal entries of the calendar database; null when there is none.
    EntryLookup* entries() const;
    // Draws the year page of the current choices on `surface` and ends the document.
    PageFit printYearTo(PrintSurface& surface);

    // Controls. Arrays are indexed from 0.
    QCalendarWidget* Calendar1 = nullptr;
    // One box for each built-in rota of the who's-off row (WhosOff::Row()), in its order.
    QList<QLineEdit*> txtWhosOff;
    QLineEdit* txtYear = nullptr;
    QLineEdit* txtCopies = nullptr;
    QLineEdit* txtReduction = nullptr;
    QLineEdit* txtStation = nullptr;
    QLineEdit* txtPatternAdjustment = nullptr;

    // The calendar types, by RotaKind code, as the rota-kind table describes them.
    std::array<QRadioButton*, RotaKinds::Count> optKind{};
    QRadioButton*& optSixAndTwo = optKind[0];
    QRadioButton*& optMMSixAndTwo = optKind[1];
    QRadioButton*& optFourAndTwo = optKind[2];
    QRadioButton*& optCombination = optKind[3];
    QRadioButton*& optFiveAndThree = optKind[4];
    QRadioButton*& optThreeAndThree = optKind[5];
    QRadioButton*& optNoPattern = optKind[6];
    QRadioButton*& optFiveTwoFiveThree = optKind[7];
    // A rota of the user's own, the one cboOwnRota shows, below the calendar types. The
    // option and the list are disabled while the user has no rotas.
    QRadioButton* optOwnRota = nullptr;
    QComboBox* cboOwnRota = nullptr;
    static constexpr int OwnRotaOption = RotaKinds::Count; // its id among the calendar types
    // Who is off in the rota cboOwnRota shows, beside the six boxes, under the rota's name;
    // hidden while the user has no rotas.
    QLabel* lblOwnWhosOff = nullptr;
    QLineEdit* txtOwnWhosOff = nullptr;

    std::array<QRadioButton*, RotaKinds::PatternButtonCount> optPattern{};
    QRadioButton* optNoHighlight = nullptr; // index 14 of an array of its own
    static constexpr int NoHighlightIndex = 14;

    QRadioButton* optYellow = nullptr;
    QRadioButton* optBlue = nullptr;
    QRadioButton* optPink = nullptr;
    QRadioButton* optGrey = nullptr;
    QRadioButton* optGreen = nullptr;
    QScrollBar* hsbHighlightShade = nullptr;
    std::array<QFrame*, 3> shpColor{}; // RdoColor, HolidayColor, RdoOnHolidayColor

    QGroupBox* fraSetHolidays = nullptr; // holds the "ZAZ Holidays" and "Other Holidays" boxes
    std::array<QCheckBox*, Holidays::Count> chkHolidays{};
    QPushButton* cmdSetHolidays = nullptr;

    QCheckBox* chkHilightVacations = nullptr;
    QCheckBox* chkHighlightPayday = nullptr;
    QCheckBox* chkNoPatterns = nullptr;
    QCheckBox* chkPrintKey = nullptr; // "Print a key": a key under the year page's blocks

    QPushButton* cmdPrintRdoCalendar = nullptr;
    QPushButton* cmdPrintAllPatterns = nullptr;
    QPushButton* cmdShowMonth = nullptr;
    QPushButton* cmdInputVacations = nullptr;
    QPushButton* cmdExit = nullptr;

    QAction* mnuPrint = nullptr;
    QAction* mnuPrintAllPatterns = nullptr;
    QAction* mnuPrintPreview = nullptr;
    QAction* mnuSaveAsPdf = nullptr;
    QAction* mnuExportDaysOff = nullptr;
    QAction* mnuOwnRotas = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuAbout = nullptr;

    // The calendar database; closed when there is none.
    CalendarDatabase Data1;

    // Window events.
    void Form_Load();
    void Form_Activate();
    // Closes the other windows, then stores the settings; false when a window stays open.
    bool Form_Unload();
    // Ends the run as File > Exit does when nobody may be there to answer a question (a
    // termination signal, the session ending): what the windows hold and the settings are
    // stored without asking anything, and every window closes.
    void endSession();

    // Field checks.
    void txtYear_Change();
    // False when the value was refused (the field then has the focus back).
    bool txtYear_LostFocus();
    void txtReduction_Change();
    bool txtReduction_LostFocus();
    void txtCopies_Change();
    void txtPatternAdjustment_Click();
    void txtPatternAdjustment_LostFocus();
    // A year the calendars can be printed for: four digits, 1901..2124.
    static bool IsPrintableYear(const QString& text);

    // Who's off on the calendar's date.
    void Calendar1_Click();
    void Calendar1_NewMonth();
    void Calendar1_NewYear();

    // Choices. A calendar type or a colour family runs its handler when it becomes selected.
    // A calendar type enables its pattern buttons, clears the highlight, keeps its code in
    // MyPattern and marks its who's-off boxes.
    void chooseCalendarType(RotaKind kind);
    // The rota cboOwnRota shows, in place of a calendar type: its groups' pattern buttons
    // enabled, the highlight cleared and its who's-off box marked. MyPattern keeps the last
    // calendar type and its group meanwhile.
    void chooseOwnRota();
    void optPattern_Click(int index);
    void optNoHighlight_Click(int index);
    // The three shade colours of the family at the shade's value, shown in the swatches.
    void paintShades(ColourFamily family);
    QRadioButton* colourOption(ColourFamily family) const;
    void hsbHighlightShade_Change();
    void chkHolidays_Click(int index);
    void cmdSetHolidays_Click();

    // Commands.
    void cmdPrintRdoCalendar_Click();
    void cmdPrintAllPatterns_Click();
    void cmdShowMonth_Click();
    void cmdInputVacations_Click();
    void cmdExit_Click();
    void mnuPrint_Click();
    // The batch through the print dialog: its printer, paper, copies and pages 1..14.
    void mnuPrintAllPatterns_Click();
    void mnuPrintPreview_Click();
    void mnuSaveAsPdf_Click();
    void mnuExportDaysOff_Click();
    // Opens the window of the user's rotas, or raises it when it is open.
    void mnuOwnRotas_Click();
    void mnuExit_Click();
    void mnuAbout_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildLayout();
    void nameControls();
    void orderTabs();
    void connectHandlers();
    // The calendar-type buttons of one column of the window, top first.
    QList<QRadioButton*> kindOptionsIn(BuiltInRota::WindowColumn column) const;

    void setBoxColor(QLineEdit* box, const QColor& color);
    void centreOnScreen();
    void applyStoredSettings();
    // Lists the user's rotas in cboOwnRota again, keeping the one it shows where it can.
    void loadOwnRotas();
    // Chooses the rota of the file `fileName` of the rota folder, with `group` highlighted
    // where it has that group; when it cannot be read, the calendar type of MyPattern, and
    // one line in the status bar says why.
    void restoreOwnRota(const QString& fileName, const QString& group);
    // The rota window saved or removed a rota.
    void ownRotasChanged();
    void showOwnWhosOff();
    // The number of calendars "Print All Patterns" prints for the choices as they are.
    int batchSize() const;
    // Stores the settings. When that fails the user chooses between trying again and quitting
    // without them; while the session ends nobody is asked, one line goes to standard error.
    void storeSettings();
    // Finds or copies the calendar database and points the record source at it.
    void placeDatabase();

    void onCalendarPageChanged(int year, int month);
    // Moves the selected date into the page the calendar now shows.
    void followShownPage();
    int nextYear() const;
    // Copies as a whole number.
    void wholeCopies();
    // The year, size and copies are checked before anything prints; false when one is refused.
    bool printFieldsHold();

    PrintDestination openDestination(const QString& pdfStem) const;
    // The batch of calendars `first`..`last` (1..14) to the destination `open` gives.
    void printAllPatterns(const std::function<PrintDestination()>& open, int first, int last);
    // The window after the batch: the last calendar's colour, and a built-in kind's batch on
    // its last kind and group.
    void showBatchEnd(const AllPatternsBatch& batch, bool ownRota);
    PageFit printYearTo(PrintSurface& surface, const CalendarChoices& choices);
    // Ends a printout: the status line, and a message box when it failed.
    void finishPrint(PrintDestination& destination, const QString& what = QString(),
                     const PageFit& fit = PageFit());
    QString choosePath(const QString& caption, const QString& proposedPath,
                       const QString& filter) const;
    // `fileName` in the documents folder, for a save dialog.
    static QString proposedPath(const QString& fileName);

    AppState& m_state;
    Prompter& m_prompter;
    Clock& m_clock;
    SettingsStore& m_settings;
    Printers& m_printers;
    // The highlighted group (" 1".." 7", "A".."N", "0" or " 0") and the shades the printouts
    // draw with; choices() hands them on.
    QString m_highlightGroup = u"0"_s;
    // The rotas of the who's-off boxes, txtWhosOff's order.
    const QList<Rota> m_whosOffRotas = WhosOff::Row();
    ShadeColors m_shades = ShadeColors::For(ColourFamily::Yellow, 0);

    QButtonGroup* m_kindOptions = nullptr;   // ids: RotaKind codes
    QButtonGroup* m_colourOptions = nullptr; // ids: ColourFamily values
    QStackedWidget* m_highlightOrHolidays = nullptr;
    QScrollArea* m_scroller = nullptr;
    QGroupBox* m_fraPatterns = nullptr;
    QColor m_normalBoxColor;
    bool m_windowShown = false;
    bool m_endingSession = false;
    bool m_fieldCheckRunning = false;
    bool m_followingPage = false;
    bool m_skipNextAdjustmentRelease = false;
    int m_shownYear = 0;
    QList<QPointer<QWidget>> m_secondaryWindows;
    // The user's rotas that could be read, as cboOwnRota lists them.
    QList<OwnRotaFolder::Entry> m_ownRotas;
    bool m_ownRotaChosen = false;
    // Each window opens where it was last closed.
    WindowPlaces m_places;

    PlacementFolders m_folders;
    // Declared after Data1: its prepared look-up goes before the connection does.
    std::unique_ptr<VacationTable> m_vacations;
    QPointer<frmMonth> m_monthWindow;
    QPointer<frmRotas> m_rotasWindow;
    QPointer<frmInputVacations> m_vacationsWindow;
    PrintDestinationSource m_destinations;
    SavePathChooser m_savePath;
};
