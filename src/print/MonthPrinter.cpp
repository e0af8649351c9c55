#include "print/MonthPrinter.h"

#include "print/CalendarNames.h"
#include "print/MonthSheetLayout.h"
#include "print/NoteText.h"
#include "print/PrintSurface.h"
#include "print/TextFit.h"
#include "rota/NumberText.h"
#include "store/AppState.h"
#include "store/ColorText.h"
#include "store/MonthNotesTable.h"
#include "store/WholeCharacters.h"

#include <algorithm>
#include <array>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

constexpr int ShortNoteLength = 25;
// A note or a groups-off text too wide for its cell is made smaller, down to this size, before
// it is cut short.
constexpr int SmallestPoints = 5;

// Page positions: sheet units scaled by H across and V down, each floored on its own.
struct PageScale
{
    float s;
    double h;
    double v;

    int x(int sheetX) const { return static_cast<int>(std::floor(h * sheetX)); }
    int y(int sheetY) const { return static_cast<int>(std::floor(v * sheetY)); }
    // A single-precision product, as the scale itself: at 90 % the title is 27 points.
    int font(int points) const
    {
        return static_cast<int>(std::floor(s * static_cast<float>(points)));
    }
};

PageScale pageScale(int printSize)
{
    // H and V are formed in double precision from the single-precision s: at 100 % the
    // title starts at x 4620 and the grid's right edge lies at x 14574.
    const float s = MonthPrinter::Scale(printSize);
    return {s, static_cast<double>(s) * 4.2, static_cast<double>(s) * 3.25};
}

void printAt(PrintSurface& surface, int x, int y, const QString& text)
{
    surface.setCurrentX(x);
    surface.setCurrentY(y);
    surface.print(text, false);
}

void fill(PrintSurface& surface, const PageScale& scale, const MonthSheetLayout::Box& box,
          const QColor& color)
{
    surface.line(scale.x(box.left), scale.y(box.top), scale.x(box.right), scale.y(box.bottom),
                 color, PrintSurface::LineMode::FilledBox);
}

// The page's first settings; the empty line opens the page.
void openPage(PrintSurface& surface, const PageScale& scale, const QColor& fillColor)
{
    surface.setFontName(u"Times New Roman"_s);
    surface.setFontSize(scale.font(18));
    surface.setFontBold(true);
    surface.setFillStyle(PrintSurface::FillStyle::Transparent);
    surface.setFillColor(fillColor);
    surface.setFontUnderline(true);
    surface.setFontTransparent(false);
    surface.print(QString(), true);
    surface.setFontTransparent(true);
    surface.setOrigin(-MonthSheetLayout::PageOriginX, -MonthSheetLayout::PageOriginY);
    surface.setFontUnderline(false);
}

void printTitle(PrintSurface& surface, const PageScale& scale, const MonthSheetLayout& layout)
{
    surface.setFontSize(scale.font(MonthSheetLayout::TitleFontSize));
    surface.setFontBold(true);
    const QPoint title = MonthSheetLayout::PageTitlePen();
    printAt(surface, scale.x(title.x()), scale.y(title.y()), layout.title());
    surface.setFontSize(scale.font(18));
    surface.setFontBold(false);

    const QStringList letters = CalendarNames::WeekdayLetters();
    for (int c = 0; c < letters.size(); ++c) {
        const QPoint pen = MonthSheetLayout::PageWeekdayLetterPen(c);
        printAt(surface, scale.x(pen.x()), scale.y(pen.y()), letters.at(c));
    }
}

// The fills of one day, each covering the one before or, on a shaded cell, taking a corner.
void fillDay(PrintSurface& surface, const PageScale& scale, const MonthSheetLayout::Day& day,
             const ShadeColors& shades, bool highlighted)
{
    const bool holiday = !day.holidays.isEmpty();
    bool shaded = false;
    for (int i = 0; i < day.holidays.size(); ++i) {
        fill(surface, scale, day.cell(), shades.HolidayColor);
        shaded = true;
    }
    if (day.dayOff) {
        fill(surface, scale, day.cell(), holiday ? shades.RdoOnHolidayColor : shades.RdoColor);
        shaded = true;
    }
    if (day.entry) {
        const QColor color = ColorText::ParseColorText(day.entry->color);
        fill(surface, scale, shaded ? day.entryCorner() : day.cell(), color);
        shaded = true;
    }
    if (highlighted)
        fill(surface, scale, shaded ? day.highlightCorner() : day.cell(),
             MonthPrinter::HighlightColor());
}

// Notes "Click" print nothing. A long first note leaves size 9 in force for the second one.
void printNotes(PrintSurface& surface, const PageScale& scale, const MonthSheetLayout::Day& day,
                const std::array<QString, 2>& notes)
{
    int noteSize = scale.font(10);
    surface.setFontSize(noteSize);
    for (int note = 0; note < 2; ++note) {
        const QString& text = notes[static_cast<std::size_t>(note)];
        if (text.isEmpty() || text == NoteText::Placeholder())
            continue;
        QStringList lines = MonthPrinter::NoteLines(text);
        if (lines.size() > 1) {
            noteSize = scale.font(9);
            surface.setFontSize(noteSize);
        }
        // Each line stays left of the cell's right edge, where the next day begins.
        const QPoint first = day.pageNotePen(note, 0);
        const QPoint second = day.pageNotePen(note, 1);
        const int firstX = scale.x(first.x()) - MonthSheetLayout::PageNoteIndent;
        const int secondX = scale.x(second.x());
        const int edge = scale.x(day.cell().right);
        const int fitted =
            TextFit::Fit(surface, lines, {edge - firstX, edge - secondX}, noteSize, SmallestPoints);
        printAt(surface, firstX, scale.y(first.y()), lines.first());
        if (lines.size() > 1)
            printAt(surface, secondX, scale.y(second.y()), lines.at(1));
        if (fitted != noteSize)
            surface.setFontSize(noteSize);
    }
}

void printDay(PrintSurface& surface, const PageScale& scale, const MonthSheetLayout::Day& day,
              const MonthNotesRecord& notes, const CalendarChoices& choices)
{
    const auto k = static_cast<std::size_t>(day.day - 1);
    fillDay(surface, scale, day, choices.shades, notes.Highlight[k]);

    // The day number always in the size of the numbers: without group texts nothing else
    // would set it back after the notes of the day before.
    const QPoint number = day.pageDayNumberPen();
    surface.setFontSize(scale.font(MonthSheetLayout::TextFontSize));
    surface.setCurrentX(scale.x(number.x()));
    surface.setCurrentY(scale.y(number.y()) + MonthSheetLayout::PageDayNumberDrop);
    surface.setFontBold(true);
    surface.setFontTransparent(true);
    surface.print(NumberText::Plain(day.day), false);
    surface.setFontBold(false);

    printNotes(surface, scale, day, {notes.Note[k], notes.SecondNote[k]});

    if (!choices.noPatterns) {
        const int size = scale.font(MonthSheetLayout::TextFontSize);
        surface.setFontSize(size);
        const QPoint groups = day.pageGroupsOffPen();
        QStringList text = {day.groupsOffText};
        if (choices.rota.cell().fitToCell)
            TextFit::Fit(surface, text, {scale.x(day.cell().right) - scale.x(groups.x())}, size,
                         SmallestPoints);
        if (!day.groupsOffText.isEmpty())
            printAt(surface, scale.x(groups.x()), scale.y(groups.y()), text.first());
    }
}

void printGrid(PrintSurface& surface, const PageScale& scale)
{
    for (const QLine& line : MonthSheetLayout::GridLinesInSheetUnits())
        surface.line(scale.x(line.x1()), scale.y(line.y1()), scale.x(line.x2()), scale.y(line.y2()),
                     Qt::black, PrintSurface::LineMode::Line);
}

} // namespace

MonthPrinter::MonthPrinter(const CalendarChoices& choices, AppState& state, EntryLookup* entries)
    : m_choices(choices), m_state(state), m_entries(entries)
{
}

float MonthPrinter::Scale(int printSize)
{
    return static_cast<float>(printSize / 100.0);
}

int MonthPrinter::FittingPrintSize(int printSize, int width, int height)
{
    for (int size = printSize; size > 1; --size) {
        const PageScale scale = pageScale(size);
        if (MonthSheetLayout::PageOriginX + scale.x(MonthSheetLayout::Grid.right) <= width &&
            MonthSheetLayout::PageOriginY + scale.y(MonthSheetLayout::Grid.bottom) <= height)
            return size;
    }
    return 1;
}

int MonthPrinter::FontSize(int printSize, int points)
{
    return PageScale{Scale(printSize), 0, 0}.font(points);
}

QStringList MonthPrinter::NoteLines(const QString& note)
{
    // Positions count whole characters: a line never ends inside an emoji.
    const QList<qsizetype> ends = WholeCharacters::Ends(note);
    const qsizetype length = ends.size() - 1;
    if (length <= ShortNoteLength)
        return {note};
    const auto part = [&](qsizetype from, qsizetype count) {
        const qsizetype start = ends[std::min(from, length)];
        return note.sliced(start, ends[std::min(from + count, length)] - start);
    };
    // The last blank at positions 29 down to 15 (from 1); one at 15 still breaks at 25.
    int blank = 0;
    for (int position = 29; position >= 15; --position) {
        if (position <= length && part(position - 1, 1) == u" "_s) {
            blank = position;
            break;
        }
    }
    if (blank >= 16)
        return {part(0, blank), part(blank, ShortNoteLength)};
    return {part(0, ShortNoteLength) + u'-', part(ShortNoteLength, ShortNoteLength)};
}

PageFit MonthPrinter::print(PrintSurface& surface, const MonthNotesRecord& notes,
                            int printSize) const
{
    // The look-ups come first: GetGoodFriday once, then the groups off and the entry per day.
    const MonthSheetLayout layout = MonthSheetLayout::Build(m_choices, m_state, m_entries);

    // The size asked for turns the page; a page too large for the paper is made smaller.
    surface.setOrientation(IsLandscape(printSize) ? 2 : 1);
    const PageFit fit{printSize,
                      FittingPrintSize(printSize, surface.ScaleWidth(), surface.ScaleHeight())};
    const PageScale scale = pageScale(fit.used);
    openPage(surface, scale, m_choices.shades.RdoColor);
    if (layout.firstOfMonth().isValid())
        printTitle(surface, scale, layout);
    surface.setFontSize(scale.font(MonthSheetLayout::TextFontSize));
    for (const MonthSheetLayout::Day& day : layout.days())
        printDay(surface, scale, day, notes, m_choices);
    printGrid(surface, scale);
    surface.endDoc();
    return fit;
}
