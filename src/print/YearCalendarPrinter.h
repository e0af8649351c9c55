#pragma once

#include "print/CalendarChoices.h"
#include "print/PageFit.h"
#include "print/YearKey.h"
#include "store/YearEntries.h"

#include <QDate>
#include <QString>

#include <optional>

struct AppState;
class EntryLookup;
class PrintSurface;

// The year calendar page of "&Print R.D.O. Calendar": the title, twelve month blocks in four
// rows of three, each with its name, weekday letters, days (YearDayCell) and grid, and the
// end of the document. All positions are design twips at full size; each value handed to the
// surface is the design value times the size factor, rounded down on its own. A step the
// surface or the data cannot carry out is skipped and the page goes on.
class YearCalendarPrinter
{
public:
    // A printable area of at least this width keeps full size (the drawing needs 11620).
    static constexpr int FullWidth = 11520;
    // Below this height the page is reduced to fit 14980.
    static constexpr int FullHeight = 14880;
    static constexpr int DesignWidth = 11620;
    static constexpr int DesignHeight = 14980;

    YearCalendarPrinter(PrintSurface& surface, const CalendarChoices& choices, AppState& state,
                        EntryLookup* entries = nullptr);

    // Draws the page and ends the document. Writes the rota and Good Friday look-up values of
    // `state` as it goes, as every printout does. The size in percent the page was printed
    // at: smaller than asked for only where the page would not fit the paper.
    PageFit print();

    // One call: builds a printer for the choices and prints. `entries` null: no entry layer.
    static PageFit Print(PrintSurface& surface, const CalendarChoices& choices, AppState& state,
                         EntryLookup* entries = nullptr);

    // The size factor for a printable area (twips) and the size field: at most 1, smaller
    // when the page is small or the size is reduced.
    static double SizeFactor(int printableWidth, int printableHeight, const QString& sizeText);
    // floor(design * factor).
    static int Scaled(double design, double factor);
    // Station - year and the rota's suffix, upper-cased as printed.
    static QString Title(const CalendarChoices& choices);
    // 1 January of the year text; nullopt when the text names no year.
    static std::optional<QDate> FirstDay(const QString& yearText);
    // Week numbers start at 0 when 1 January is a Thursday, Friday or Saturday: a week row
    // counts in the year that holds its Wednesday.
    static int FirstWeekNumber(QDate firstDay);

private:
    int scaled(double design) const { return Scaled(design, m_scale); }
    // The factor itself where the page fits the printable area, else the largest whole
    // percent below it that does.
    double fittingFactor(double factor, int width, int height) const;
    // The design y of the page's lowest edge at `factor`: the blocks', or the key's.
    int bottomAt(double factor) const;
    YearKey::EntryKinds entryKinds(QDate firstDay) const;
    void setUpPage();
    void printTitle();
    void printMonthHeading(int monthIndex, int x0, int y0);
    void printGrid(int x0, int y0);

    PrintSurface& m_surface;
    const CalendarChoices& m_choices;
    AppState& m_state;
    std::optional<YearEntries> m_yearEntries;
    EntryLookup* m_entries = nullptr;
    double m_scale = 1.0;
    std::optional<YearKey> m_key;
};
