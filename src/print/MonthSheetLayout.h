#pragma once

#include "store/EntryLookup.h"

#include <QDate>
#include <QLine>
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <optional>

struct AppState;
struct CalendarChoices;

// Everything the month sheet and the month page place for one month, without any widget:
// which cell each day takes, what marks it carries, where its notes, box and texts go. Sheet
// units make a day cell 500 x 500. The window draws in its twips, the origin 300 right of and
// 600 below the client area's corner; the page scales sheet units by its own factors.
class MonthSheetLayout
{
public:
    enum class Mark
    {
        HolidayStroke,
        DayOffStroke,
        EntryCross
    };

    // A rectangle in sheet units, both corners inclusive.
    struct Box
    {
        int left;
        int top;
        int right;
        int bottom;
    };

    struct Day
    {
        int day = 0;         // 1..31
        int column = 0;      // 0 = Sunday .. 6 = Saturday
        int row = 0;         // week row 0..5
        // A counted holiday file n that marks the day is holiday Holidays::Count + n.
        QList<int> holidays; // the chosen holidays the day is (at most one in practice)
        bool dayOff = false; // a day off of the highlighted group
        std::optional<VacationEntry> entry; // looked up only while entries are highlighted
        QString entryWord;                  // the entry type's word, empty for other types
        QString groupsOffText;              // what the cell writes; empty when nothing is written
        QList<Mark> marks;                  // in drawing order

        // Drawing coordinates of the day's controls and texts.
        QPoint firstNote() const;
        QPoint secondNote() const;
        QPoint checkBox() const;
        QPoint dayNumberPen() const;
        QPoint groupsOffPen() const;
        // The marks as black line segments, in drawing coordinates and drawing order.
        QList<QLine> strokes() const;

        // The month page's places, in sheet units.
        Box cell() const { return Cell(column, row); }
        // What a later fill takes of a cell that is already shaded: an entry's colour the top
        // right, a ticked highlight the top left.
        Box entryCorner() const;
        Box highlightCorner() const;
        // The pen of the day number, PageDayNumberDrop page twips lower.
        QPoint pageDayNumberPen() const;
        QPoint pageGroupsOffPen() const;
        // The pen of line 0 or 1 of note 0 (Note) or 1 (SecondNote); line 0 starts
        // PageNoteIndent page twips further left.
        QPoint pageNotePen(int note, int line) const;
    };

    // Sizes of the per-day controls, in twips.
    static constexpr int NoteWidth = 1300;
    static constexpr int NoteHeight = 195;
    static constexpr int CheckBoxWidth = 975;
    static constexpr int CheckBoxHeight = 195;
    // The drawing origin inside the client area, in twips.
    static constexpr int OriginX = 300;
    static constexpr int OriginY = 600;
    static constexpr int TitleFontSize = 30;
    static constexpr int TextFontSize = 14;
    // Page twips, after the page's scale: below the day number's pen, left of a note's first
    // line.
    static constexpr int PageDayNumberDrop = 50;
    static constexpr int PageNoteIndent = 20;
    // The page's origin from the printable area's corner, in page twips.
    static constexpr int PageOriginX = 300;
    static constexpr int PageOriginY = 800;
    // The grid's frame in sheet units: always six week rows.
    static constexpr Box Grid = {-30, 0, 3470, 3200};

    // Runs the look-ups for every day of the month of choices.calendarDate (GetGoodFriday once
    // through `state`, the rota's groups off per day) and the entry look-up per day while
    // entries are highlighted and `entries` is set.
    static MonthSheetLayout Build(const CalendarChoices& choices, AppState& state,
                                  EntryLookup* entries);

    QDate firstOfMonth() const { return m_firstOfMonth; }
    const QList<Day>& days() const { return m_days; }
    // Week rows that hold at least one day (4 to 6).
    int rowsUsed() const;

    // Month text and year with its leading blank: "    MARCH 2024".
    QString title() const;
    // In drawing coordinates.
    static QPoint TitlePen();
    static QPoint WeekdayLetterPen(int column);
    // On the page, in sheet units.
    static QPoint PageTitlePen();
    static QPoint PageWeekdayLetterPen(int column);

    // A point of sheet units in drawing coordinates: X = floor(3.0 x), Y = floor(1.7 y).
    static QPoint ToDrawing(int x, int y);
    // A day cell in sheet units: x from 500c - 30 to 500c + 470, y from 500r + 200 to 500r + 700.
    static Box Cell(int column, int row);
    // The lines of one mark, in drawing coordinates.
    static QList<QLine> MarkLines(Mark mark, int column, int row);
    // The frame and the inner lines of the grid (always six rows), in sheet units and in
    // drawing coordinates.
    static QList<QLine> GridLinesInSheetUnits();
    static QList<QLine> GridLines();

private:
    QDate m_firstOfMonth;
    QList<Day> m_days;
};
