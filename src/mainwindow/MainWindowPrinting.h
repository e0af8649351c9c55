#pragma once

#include "print/AllPatternsBatch.h"
#include "print/PageFit.h"
#include "print/PrintDestination.h"

#include <QString>

#include <functional>

struct AppState;
class Printers;
class Prompter;
class PrintSurface;
class frmCalendar;

// What the main window prints and writes: the year calendar of its choices to the default
// printer, through the print dialog, the preview or a PDF file, the all-patterns batch, and
// the days off as an iCalendar file. The status bar says where each went; a failure is also
// told in a message box. The window checks its fields before it asks for any of them.
class MainWindowPrinting
{
public:
    // Opens where a printout goes; `pdfStem` names the PDF written when there is no printer.
    using PrintDestinationSource = std::function<PrintDestination(const QString& pdfStem)>;
    // Asks for the path of a file to write; empty when the user cancels.
    using SavePathChooser = std::function<QString(
        const QString& caption, const QString& proposedPath, const QString& filter)>;

    MainWindowPrinting(frmCalendar& window, AppState& state, Prompter& prompter,
                       Printers& printers);

    // Replace the system's default printer (or PDF) and the save dialog, e.g. in tests.
    void setPrintDestinationSource(PrintDestinationSource source);
    void setSavePathChooser(SavePathChooser chooser);

    // Draws the year page of the window's choices on `surface` and ends the document.
    PageFit printYearTo(PrintSurface& surface);
    PageFit printYearTo(PrintSurface& surface, const CalendarChoices& choices);

    // The year calendar to the default printer (or PDF).
    void printYear();
    // The year calendar through the print dialog.
    void printYearAsked();
    void preview();
    void saveAsPdf();
    // The batch to the default printer (or one PDF).
    void printAllPatterns();
    // The batch through the print dialog: its printer, paper, copies and pages 1..n.
    void printAllPatternsAsked();
    // The days off of the highlighted group in the year to print, as an iCalendar file.
    void exportDaysOff();

private:
    PrintDestination openDestination(const QString& pdfStem) const;
    // The batch of calendars `first`..`last` (from 1) to the destination `open` gives.
    void printBatch(const std::function<PrintDestination()>& open, int first, int last);
    // The number of calendars the batch prints for the choices as they are.
    int batchSize() const;
    // The choices the batch's calendars start from, with personal entries no longer
    // highlighted (a built-in kind's batch goes through calendar types, which draw their
    // patterns), and the window after its jobs: the colour of the last calendar, and the kind
    // and group of a built-in batch's last one; a rota of the user's own keeps its group.
    CalendarChoices startBatch();
    void showBatchEnd(const AllPatternsBatch& batch);
    // Ends a printout: the status line, and a message box when it failed.
    void finishPrint(PrintDestination& destination, const QString& what = QString(),
                     const PageFit& fit = PageFit());
    // The copies field, rounded as the print dialog takes it.
    int copies() const;
    QString choosePath(const QString& caption, const QString& proposedPath,
                       const QString& filter) const;
    // `fileName` in the documents folder, for a save dialog.
    static QString proposedPath(const QString& fileName);

    frmCalendar& m_window;
    AppState& m_state;
    Prompter& m_prompter;
    Printers& m_printers;
    PrintDestinationSource m_destinations;
    SavePathChooser m_savePath;
};
