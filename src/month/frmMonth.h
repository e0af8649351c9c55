#pragma once

#include "print/CalendarChoices.h"
#include "print/MonthSheetLayout.h"
#include "print/PageFit.h"
#include "print/PrintDestination.h"
#include "store/DatabasePlacement.h"
#include "store/MonthNotesTable.h"
#include "store/RecordSource.h"

#include <QPixmap>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class EntryLookup;
class PrintSurface;
class Printers;
class Prompter;
class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;
struct AppState;

// The month window: one month as a sheet the user annotates (two notes and a "Highlight" box
// per day, kept in the month's Monthly Notes record) and prints on a page of its own.
//
// The sheet is built once, in the constructor, from the main window's choices at that moment.
// The window is not modal and deletes itself when closed; closing it by any means stores the
// notes and ticks. The main window keeps a QPointer to it, raises it when it is already open,
// and close()s it before closing itself.
class frmMonth : public QWidget
{
    Q_OBJECT

public:
    // Where "&Print" sends the page (see PrintDestination).
    using PrintTarget = PrintDestination;
    using PrintTargetSource = std::function<PrintTarget(const QDate& firstOfMonth)>;

    static constexpr int Days = 31;

    // `choices.calendarDate` picks the month. `entries` is the main window's look-up of
    // personal entries (null without a database); it must outlive the window. The month's
    // notes live in the file state.DatabasePath; `folders` serve its recovery when missing.
    frmMonth(const CalendarChoices& choices, AppState& state, Prompter& prompter,
             Printers& printers, EntryLookup* entries, const PlacementFolders& folders,
             QWidget* parent = nullptr);
    ~frmMonth() override;

    // Replaces the default destination (the system's default printer, else a PDF file in the
    // documents folder).
    void setPrintTargetSource(PrintTargetSource source);
    // The name of the month's PDF when there is no printer: "Kelvane September 2024".
    static QString PdfStem(const QDate& firstOfMonth);

    // Controls, element k for day k + 1.
    QLabel* lblFirstNote(int k) const { return m_firstNotes.at(static_cast<std::size_t>(k)); }
    QLabel* lblSecondNote(int k) const { return m_secondNotes.at(static_cast<std::size_t>(k)); }
    QCheckBox* chkHighlight(int k) const { return m_highlights.at(static_cast<std::size_t>(k)); }
    QScrollBar* HScroll1() const { return m_printSizeBar; }
    QLabel* lblPrintSize() const { return m_printSizeLabel; }
    QFrame* shpHighlightColor() const { return m_highlightSwatch; }
    QFrame* shpDayOffColor() const { return m_dayOffSwatch; }
    QLabel* lblDayOffColor() const { return m_dayOffLabel; }
    QPushButton* cmdPrint() const { return m_printButton; }
    QPushButton* cmdExit() const { return m_exitButton; }
    QLabel* lblStatus() const { return m_statusLabel; }

    const MonthSheetLayout& layout() const { return m_layout; }
    // The notes and ticks as the controls show them: what "&Print" prints.
    MonthNotesRecord notes() const;
    int printSize() const;
    // True while the month's record is attached, i.e. the notes will be stored.
    bool storesNotes() const;
    // The sheet as drawn at load, without the controls.
    const QPixmap& sheet() const { return m_sheet; }

    // Stores what the sheet holds without asking anything (nobody may be there to answer: the
    // session ends); a failure is only logged. The window can then close without storing again.
    void storeUnattended();

    // Pixels of a point in drawing coordinates (15 twips per pixel).
    static QPoint ToPixels(const QPoint& drawing);

public slots:
    void lblFirstNote_Click(int index);
    void lblSecondNote_Click(int index);
    void chkHighlight_Click(int index);
    void HScroll1_Change();
    void HScroll1_Scroll();
    void cmdPrint_Click();
    // Ctrl+P: the print dialog first, then the page on the printer and paper chosen there.
    void printWithDialog();
    void cmdExit_Click();
    // Draws the page on `surface` and ends it; the window's printing without a destination.
    PageFit printTo(PrintSurface& surface) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    // Stores the notes; when that fails, asks whether to close anyway. False: stay open.
    bool Form_Unload();
    void createControls();
    void orderTabs();
    void openMonthNotes();
    void placeDays();
    void drawSheet();
    void editNote(QLabel* note);
    void setNote(QLabel* note, const QString& caption);
    void showPrintSize(int percent);
    void report(const QString& text);
    // Ends a printout: the status line, and a message box when it failed.
    void finishPrint(PrintTarget& target, const PageFit& fit);

    CalendarChoices m_choices;
    AppState& m_state;
    Prompter& m_prompter;
    Printers& m_printers;
    EntryLookup* m_entries;
    PlacementFolders m_folders;
    PrintTargetSource m_printTargets;

    MonthSheetLayout m_layout;
    RecordSource m_data1;
    bool m_unloaded = false;
    QPixmap m_sheet;
    QWidget* m_page = nullptr; // the sheet and its controls, scrolled inside the window

    std::array<QLabel*, Days> m_firstNotes{};
    std::array<QLabel*, Days> m_secondNotes{};
    std::array<QCheckBox*, Days> m_highlights{};
    QScrollBar* m_printSizeBar = nullptr;
    QLabel* m_printSizeLabel = nullptr;
    QFrame* m_highlightSwatch = nullptr;
    QLabel* m_highlightLabel = nullptr;
    QFrame* m_dayOffSwatch = nullptr;
    QLabel* m_dayOffLabel = nullptr;
    QLabel* m_clickNoteLabel = nullptr;
    QLabel* m_instructionsLabel = nullptr;
    QPushButton* m_printButton = nullptr;
    QPushButton* m_exitButton = nullptr;
    QLabel* m_statusLabel = nullptr;
};
