#pragma once

#include "print/CalendarChoices.h"
#include "print/PageFit.h"

#include <QStringList>

struct AppState;
class EntryLookup;
class PrintSurface;
struct MonthNotesRecord;

// The month sheet's page: the month of choices.calendarDate with the given notes and
// highlights, drawn through a PrintSurface and ended there. The window and the command line
// both print through this.
class MonthPrinter
{
public:
    static constexpr int MinimumPrintSize = 30;
    static constexpr int MaximumPrintSize = 110;
    static constexpr int DefaultPrintSize = 100;

    // `entries` may be null (no database): the page then has no personal-entry fills.
    MonthPrinter(const CalendarChoices& choices, AppState& state, EntryLookup* entries);

    // One page at `printSize` percent (30..110), or at the largest smaller size at which it
    // fits the paper. Notes "Click" print nothing; a note too wide for its cell is made
    // smaller, then cut short.
    PageFit print(PrintSurface& surface, const MonthNotesRecord& notes, int printSize) const;

    // s: the print size over 100, rounded to single precision.
    static float Scale(int printSize);
    static bool IsLandscape(int printSize) { return printSize > 75; }
    // The largest print size up to `printSize` at which the page lies within a printable area
    // of `width` by `height` twips (as the page is turned).
    static int FittingPrintSize(int printSize, int width, int height);
    // floor(s * points), the product in single precision.
    static int FontSize(int printSize, int points);
    // How a note prints: one line up to 25 characters, else two lines broken after the last
    // blank at positions 16..29, or after 25 characters with a "-".
    static QStringList NoteLines(const QString& note);

    // The fill of a ticked "Highlight" box.
    static QColor HighlightColor() { return {255, 140, 255}; }

private:
    CalendarChoices m_choices;
    AppState& m_state;
    EntryLookup* m_entries;
};
