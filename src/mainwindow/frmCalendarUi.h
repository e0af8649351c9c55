#pragma once

#include "rota/BuiltInRotas.h"
#include "rota/Holidays.h"
#include "rota/WhosOff.h"
#include "store/ShadeColors.h"

#include <QList>
#include <QString>

#include <array>

class QAction;
class QBoxLayout;
class QButtonGroup;
class QCalendarWidget;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class HolidayFilesPanel;
class QLabel;
class QLayout;
class QLineEdit;
class QMainWindow;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QScrollBar;
class QStackedWidget;
class QWidget;

// The controls of the main window, as a form designer would give them: setupUi() builds,
// names and lays them out, with the menus and the status bar, and sets the reading order.
// What they do is the window's business; nothing here is connected.
struct frmCalendarUi
{
    frmCalendarUi() = default;
    frmCalendarUi(const frmCalendarUi&) = delete;
    frmCalendarUi& operator=(const frmCalendarUi&) = delete;

    void setupUi(QMainWindow* window);

    // The calendar-type buttons of one column of the window, top first.
    QList<QRadioButton*> kindOptionsIn(BuiltInRota::WindowColumn column) const;
    QRadioButton* colourOption(ColourFamily family) const;
    // The calendar-type button of a kind.
    QRadioButton* kindOption(RotaKind kind) const;

    // Arrays are indexed from 0.
    QCalendarWidget* Calendar1 = nullptr;
    // The rotas of the who's-off row and their boxes, in the row's order.
    const QList<Rota> whosOffRotas = WhosOff::Row();
    QList<QLineEdit*> txtWhosOff;
    QLineEdit* txtYear = nullptr;
    QLineEdit* txtCopies = nullptr;
    QLineEdit* txtReduction = nullptr;
    QLineEdit* txtStation = nullptr;
    QLineEdit* txtPatternAdjustment = nullptr;

    // The calendar types, by RotaKind code, as their definitions in BuiltInRotas describe them;
    // null for a code no kind has.
    std::array<QRadioButton*, RotaKinds::MostCodes> optKind{};
    QRadioButton*& optSixAndTwo = optKind[0];
    QRadioButton*& optMMSixAndTwo = optKind[1];
    QRadioButton*& optFourAndTwo = optKind[2];
    QRadioButton*& optCombination = optKind[3];
    QRadioButton*& optFiveAndThree = optKind[4];
    QRadioButton*& optThreeAndThree = optKind[5];
    QRadioButton*& optNoPattern = optKind[6];
    QRadioButton*& optFiveTwoFiveThree = optKind[7];
    // A rota of the user's own, the one cboOwnRota shows, below the calendar types.
    QRadioButton* optOwnRota = nullptr;
    QComboBox* cboOwnRota = nullptr;
    // The groups of the own rota chosen, "None" first, to highlight one by its name ("Crew A1");
    // the pattern buttons are the built-in kinds'. Off while no own rota is chosen.
    QComboBox* cboOwnGroup = nullptr;
    static constexpr int OwnRotaOption = RotaKinds::MostCodes; // its id among the calendar types
    // Who is off in the rota cboOwnRota shows, beside the six boxes, under the rota's name.
    QLabel* lblOwnWhosOff = nullptr;
    QLineEdit* txtOwnWhosOff = nullptr;
    QButtonGroup* kindOptions = nullptr; // ids: RotaKind codes, OwnRotaOption

    std::array<QRadioButton*, RotaKinds::PatternButtonCount> optPattern{};
    QButtonGroup* highlightOptions = nullptr; // the pattern buttons and optNoHighlight
    QRadioButton* optNoHighlight = nullptr;
    QGroupBox* fraPatterns = nullptr;

    QRadioButton* optYellow = nullptr;
    QRadioButton* optBlue = nullptr;
    QRadioButton* optPink = nullptr;
    QRadioButton* optGrey = nullptr;
    QRadioButton* optGreen = nullptr;
    QButtonGroup* colourOptions = nullptr; // ids: ColourFamily values
    QScrollBar* hsbHighlightShade = nullptr;
    std::array<QFrame*, 3> shpColor{}; // RdoColor, HolidayColor, RdoOnHolidayColor

    QGroupBox* fraSetHolidays = nullptr; // holds the "ZAZ Holidays" and "Other Holidays" boxes
    std::array<QCheckBox*, Holidays::Count> chkHolidays{};
    // "Holidays from calendar files", under "Other Holidays".
    HolidayFilesPanel* fraHolidayFiles = nullptr;
    QPushButton* cmdSetHolidays = nullptr;
    // The pattern buttons, or the holidays while they are being set.
    QStackedWidget* highlightOrHolidays = nullptr;

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

    // What scrolls on a screen too small for the whole window.
    QScrollArea* scroller = nullptr;

private:
    void createFields(QWidget* parent);
    void createKindOptions(QWidget* parent);
    void createHighlightOptions(QWidget* parent);
    void createCommands(QWidget* parent);
    void createMenus(QMainWindow* window);

    QWidget* whosOffBox() const;
    QLayout* fieldsGrid() const;
    QLayout* optionsColumn() const;
    QWidget* commandBlock() const;
    QWidget* kindBox() const;
    QGroupBox* patternBox() const;
    QGroupBox* holidaysBox() const;
    QWidget* colourBox() const;

    void nameControls();
    void orderTabs(QWidget* window) const;
};
