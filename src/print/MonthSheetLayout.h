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

// Everything the month sheet places for one month, without any widget: which cell each day
// takes, what marks it carries, where its notes and box go. Sheet units make a day cell
// 500 x 500; drawing coordinates are the window's twips, the origin 300 right of and 600
// below the client area's corner. The month printout reads the same per-day facts.
class MonthSheetLayout
{
public:
    enum class Mark
    {
        HolidayStroke,
        DayOffStroke,
        EntryCross
    };

    struct Day
    {
        int day = 0;         // 1..31
        int column = 0;      // 0 = Sunday .. 6 = Saturday
        int row = 0;         // week row 0..5
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

    // Runs the rota look-ups for every day of the month of choices.calendarDate (GetGoodFriday
    // once, GetPatterns per day, through `state`) and the entry look-up per day while entries
    // are highlighted and `entries` is set.
    static MonthSheetLayout Build(const CalendarChoices& choices, AppState& state,
                                  EntryLookup* entries);

    QDate firstOfMonth() const { return m_firstOfMonth; }
    const QList<Day>& days() const { return m_days; }
    // Week rows that hold at least one day (4 to 6).
    int rowsUsed() const;

    // Month text and year with its leading blank: "    MARCH 2024".
    QString title() const;
    static QPoint TitlePen();
    static QPoint WeekdayLetterPen(int column);

    // "  JANUARY" .. " DECEMBER", padded as the sheet and the page print them.
    static QString MonthTitle(int month);
    static QStringList WeekdayLetters();

    // A point of sheet units in drawing coordinates: X = floor(3.0 x), Y = floor(1.7 y).
    static QPoint ToDrawing(int x, int y);
    // A day cell in sheet units: x from 500c - 30 to 500c + 470, y from 500r + 200 to 500r + 700.
    static int CellLeft(int column) { return 500 * column - 30; }
    static int CellRight(int column) { return 500 * column + 470; }
    static int CellTop(int row) { return 500 * row + 200; }
    static int CellBottom(int row) { return 500 * row + 700; }
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
