#pragma once

#include "mainwindow/HolidayFilesPanel.h"
#include "mainwindow/MainWindowFieldChecks.h"
#include "mainwindow/MainWindowPrinting.h"
#include "mainwindow/OwnRotaPicker.h"
#include "mainwindow/frmCalendarUi.h"
#include "print/CalendarChoices.h"
#include "store/CalendarDatabase.h"
#include "store/DatabasePlacement.h"
#include "store/HolidayFolder.h"
#include "store/OwnRotaFolder.h"
#include "store/SettingsStore.h"
#include "store/ShadeColors.h"
#include "windows/WindowPlaces.h"

#include <QColor>
#include <QList>
#include <QMainWindow>
#include <QPointer>

#include <memory>

struct AppState;
class Clock;
class Printers;
class Prompter;
class SettingsStore;
class VacationTable;
class EntryLookup;
class frmInputVacations;
class frmMonth;
class frmRotas;
class QLineEdit;

// The main window: every choice of a calendar is made here, and the printouts, the month
// sheet and the vacation window read those choices (through choices()) when they run.
// Its controls are built in frmCalendarUi (reached through ui()), what it prints and writes
// in MainWindowPrinting, the list of the user's rotas in OwnRotaPicker, the checks of its
// fields in MainWindowFieldChecks. The handlers are public and carry the names the other
// windows and the tests use; changing a control in code runs its handler at once, as a
// user's change would.
class frmCalendar : public QMainWindow
{
    Q_OBJECT

public:
    using PrintDestinationSource = MainWindowPrinting::PrintDestinationSource;
    using SavePathChooser = MainWindowPrinting::SavePathChooser;
    using HolidayFileChooser = HolidayFilesPanel::OpenPathChooser;

    // `folders`: where the calendar database lives and where its template is looked for.
    frmCalendar(AppState& state, Prompter& prompter, Clock& clock, SettingsStore& settings,
                Printers& printers, const PlacementFolders& folders = PlacementFolders::Standard(),
                QWidget* parent = nullptr);
    ~frmCalendar() override;

    // Replace the system's default printer (or PDF) and the save dialog, e.g. in tests.
    void setPrintDestinationSource(PrintDestinationSource source);
    void setSavePathChooser(SavePathChooser chooser);
    // Replace the file dialog of Set Holidays' Add..., e.g. in tests.
    void setHolidayFileChooser(HolidayFileChooser chooser);

    // The window's choices as they stand now.
    CalendarChoices choices() const;
    // The selected calendar type; six-and-two while none is selected.
    RotaKind chosenKind() const;
    // The rota of the user's own chosen in place of a calendar type; null while a type is.
    std::shared_ptr<const OwnRota> chosenOwnRota() const;
    // The rota the printouts draw: the rota of the user's own chosen, or the calendar type's.
    Rota chosenRota() const;
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
    // Where the copies of the user's holiday files are: "holidays" beside "rotas".
    QString holidayFolder() const { return HolidayFolder::In(m_folders.dataFolder); }

    // The personal entries of the calendar database; null when there is none.
    EntryLookup* entries() const;

    // The controls, built and laid out in one place.
    const frmCalendarUi& ui() const { return m_ui; }
    static constexpr int NoHighlightIndex = 14; // optNoHighlight's, index 14 of an array of its own

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

private:
    void connectHandlers();

    void setBoxColor(QLineEdit* box, const QColor& color);
    void centreOnScreen();
    void applyStoredSettings();
    // Lists the user's rotas in cboOwnRota again, keeping the one it shows where it can.
    void loadOwnRotas();
    // Chooses the rota of the file `fileName` of the rota folder, with `group` highlighted
    // where it has that group; when it cannot be read, the calendar type of MyPattern, and
    // one line in the status bar says why.
    void restoreOwnRota(const QString& fileName, const QString& group);
    // Highlights the group of the own rota's list at `index` (0: none).
    void chooseOwnGroup(int index);
    // "Print 1 Copy of All Patterns", or of all the chosen own rota's groups.
    void showBatchCaption();
    // The rota window saved or removed a rota.
    void ownRotasChanged();
    void showOwnWhosOff();
    // A year outside every date of a counted holiday file is told once in the status bar.
    void tellHolidayCoverage();
    // Stores the settings. When that fails the user chooses between trying again and quitting
    // without them; while the session ends nobody is asked, one line goes to standard error.
    void storeSettings();
    // Finds or copies the calendar database and points the record source at it.
    void placeDatabase();

    void onCalendarPageChanged(int year, int month);
    // Moves the selected date into the page the calendar now shows.
    void followShownPage();
    // The year, size and copies are checked before anything prints; false when one is refused.
    bool printFieldsHold();

    AppState& m_state;
    Prompter& m_prompter;
    Clock& m_clock;
    SettingsStore& m_settings;
    Printers& m_printers;
    frmCalendarUi m_ui;
    // The highlighted group (" 1".." 7", "A".."N", "0" or " 0") and the shades the printouts
    // draw with; choices() hands them on.
    QString m_highlightGroup = u"0"_s;
    ShadeColors m_shades = ShadeColors::For(ColourFamily::Yellow, 0);

    QColor m_normalBoxColor;
    bool m_windowShown = false;
    bool m_endingSession = false;
    bool m_followingPage = false;
    int m_shownYear = 0;
    QList<QPointer<QWidget>> m_secondaryWindows;
    std::unique_ptr<OwnRotaPicker> m_ownRotaPicker;
    bool m_ownRotaChosen = false; // rather than a calendar type
    // An own rota remembered but not read (its file refused or gone): kept for the settings
    // and chosen again once its file can be read.
    SettingsStore::OwnRota m_rememberedOwnRota;
    // Each window opens where it was last closed.
    WindowPlaces m_places;

    PlacementFolders m_folders;
    // Declared after Data1: its prepared look-up goes before the connection does.
    std::unique_ptr<VacationTable> m_vacations;
    QPointer<frmMonth> m_monthWindow;
    QPointer<frmRotas> m_rotasWindow;
    QPointer<frmInputVacations> m_vacationsWindow;
    MainWindowFieldChecks m_fieldChecks;
    MainWindowPrinting m_printing;
};
