#include "print/MonthPrinter.h"

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
// A note too wide for its cell is made smaller, down to this size, before it is cut short.
constexpr int SmallestNotePoints = 5;
// The page's reach from the printable area's corner: the origin's offset and the grid's far
// edges in sheet units.
constexpr int OriginLeft = 300;
constexpr int OriginTop = 800;
constexpr int GridRight = 3470;
constexpr int GridBottom = 3200;

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

// Fits the lines of a note to the room left of its cell's right edge: the note's size where
// they fit, else the largest smaller size at which they do (not below SmallestNotePoints),
// else that smallest size with each line too wide cut short. Returns the size it set.
int fitNote(PrintSurface& surface, QStringList& lines, const QList<int>& room, int points)
{
    if (TextFit::Fits(surface, lines, room))
        return points;
    const int smallest = std::min(points, SmallestNotePoints);
    if (const std::optional<int> fitting =
            TextFit::LargestSize(surface, lines, room, points - 1, smallest))
        return *fitting;
    for (qsizetype i = 0; i < lines.size() && i < room.size(); ++i)
        lines[i] = TextFit::Elided(surface, lines.at(i), room.at(i));
    return smallest;
}

void printAt(PrintSurface& surface, int x, int y, const QString& text)
{
    surface.setCurrentX(x);
    surface.setCurrentY(y);
    surface.print(text, false);
}

void fill(PrintSurface& surface, const PageScale& scale, int left, int top, int right, int bottom,
          const QColor& color)
{
    surface.line(scale.x(left), scale.y(top), scale.x(right), scale.y(bottom), color,
                 PrintSurface::LineMode::FilledBox);
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
        if (OriginLeft + scale.x(GridRight) <= width && OriginTop + scale.y(GridBottom) <= height)
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
    const ShadeColors& shades = m_choices.shades;

    // The look-ups come first: GetGoodFriday once, then GetPatterns and the entry per day.
    const MonthSheetLayout layout = MonthSheetLayout::Build(m_choices, m_state, m_entries);

    // The size asked for turns the page; a page too large for the paper is made smaller.
    surface.setOrientation(IsLandscape(printSize) ? 2 : 1);
    const PageFit fit{printSize,
                      FittingPrintSize(printSize, surface.ScaleWidth(), surface.ScaleHeight())};
    const PageScale scale = pageScale(fit.used);
    surface.setFontName(u"Times New Roman"_s);
    surface.setFontSize(scale.font(18));
    surface.setFontBold(true);
    surface.setFillStyle(PrintSurface::FillStyle::Transparent);
    surface.setFillColor(shades.RdoColor);
    surface.setFontUnderline(true);
    surface.setFontTransparent(false);
    surface.print(QString(), true); // opens the page
    surface.setFontTransparent(true);
    surface.setOrigin(-300, -800);
    surface.setFontUnderline(false);

    if (layout.firstOfMonth().isValid()) {
        surface.setFontSize(scale.font(30));
        surface.setFontBold(true);
        printAt(surface, scale.x(1100), scale.y(-200),
                MonthSheetLayout::MonthTitle(layout.firstOfMonth().month()) + u' ' +
                    NumberText::Plain(layout.firstOfMonth().year()));
        surface.setFontSize(scale.font(18));
        surface.setFontBold(false);

        static constexpr std::array<int, 7> letterX = {180, 700, 1200, 1700, 2200, 2700, 3200};
        const QStringList letters = MonthSheetLayout::WeekdayLetters();
        for (int c = 0; c < 7; ++c)
            printAt(surface, scale.x(letterX[static_cast<std::size_t>(c)]), scale.y(50),
                    letters[c]);
    }

    const QColor black(0, 0, 0);
    surface.setFontSize(scale.font(14));
    for (const MonthSheetLayout::Day& day : layout.days()) {
        const int k = day.day - 1;
        const int l = 500 * day.column;
        const int t = 200 + 500 * day.row;
        bool holiday = false;
        bool shaded = false;

        for (int i = 0; i < day.holidays.size(); ++i) {
            fill(surface, scale, l - 30, t, l + 470, t + 500, shades.HolidayColor);
            holiday = true;
            shaded = true;
        }
        if (day.dayOff) {
            fill(surface, scale, l - 30, t, l + 470, t + 500,
                 holiday ? shades.RdoOnHolidayColor : shades.RdoColor);
            shaded = true;
        }
        if (day.entry) {
            const QColor color = ColorText::ParseColorText(day.entry->color);
            if (shaded) {
                fill(surface, scale, l + 220, t, l + 470, t + 110, color);
            } else {
                fill(surface, scale, l - 30, t, l + 470, t + 500, color);
                shaded = true;
            }
        }
        if (notes.Highlight[static_cast<std::size_t>(k)]) {
            if (shaded)
                fill(surface, scale, l - 30, t, l + 220, t + 110, HighlightColor());
            else
                fill(surface, scale, l - 30, t, l + 470, t + 500, HighlightColor());
        }

        // The day number always in the size of the numbers: without group texts nothing else
        // would set it back after the notes of the day before.
        surface.setFontSize(scale.font(14));
        surface.setCurrentX(scale.x(l));
        surface.setCurrentY(scale.y(t) + 50);
        surface.setFontBold(true);
        surface.setFontTransparent(true);
        surface.print(NumberText::Plain(day.day), false);
        surface.setFontBold(false);

        // A long first note leaves size 9 in force for the second one.
        int noteSize = scale.font(10);
        surface.setFontSize(noteSize);
        struct NoteSlot
        {
            const QString& text;
            int a;
            int b;
        };
        const std::array<NoteSlot, 2> noteSlots = {{
            {notes.Note[static_cast<std::size_t>(k)], 110, 180},
            {notes.SecondNote[static_cast<std::size_t>(k)], 260, 330},
        }};
        for (const NoteSlot& slot : noteSlots) {
            if (slot.text.isEmpty() || slot.text == NoteText::Placeholder())
                continue;
            QStringList lines = NoteLines(slot.text);
            if (lines.size() > 1) {
                noteSize = scale.font(9);
                surface.setFontSize(noteSize);
            }
            // Each line stays left of the cell's right edge, where the next day begins.
            const int firstX = scale.x(l) - 20;
            const int secondX = scale.x(l);
            const int edge = scale.x(l + 470);
            const int fitted = fitNote(surface, lines, {edge - firstX, edge - secondX}, noteSize);
            printAt(surface, firstX, scale.y(t + slot.a), lines.first());
            if (lines.size() > 1)
                printAt(surface, secondX, scale.y(t + slot.b), lines.at(1));
            if (fitted != noteSize)
                surface.setFontSize(noteSize);
        }

        if (!m_choices.noPatterns) {
            surface.setFontSize(scale.font(14));
            if (!day.groupsOffText.isEmpty())
                printAt(surface, scale.x(l), scale.y(t + 400), day.groupsOffText);
        }
    }

    for (const QLine& line : MonthSheetLayout::GridLinesInSheetUnits())
        surface.line(scale.x(line.x1()), scale.y(line.y1()), scale.x(line.x2()), scale.y(line.y2()),
                     black, PrintSurface::LineMode::Line);
    surface.endDoc();
    return fit;
}
