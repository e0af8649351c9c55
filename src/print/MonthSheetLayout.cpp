#include "print/MonthSheetLayout.h"

#include "print/CalendarChoices.h"
#include "print/CalendarNames.h"
#include "print/NoteText.h"
#include "rota/DayNumbering.h"
#include "rota/GroupMatch.h"
#include "rota/NumberText.h"
#include "store/AppState.h"
#include "store/YearEntries.h"

#include <array>

using namespace Qt::StringLiterals;

namespace {

// Whole-number floor of a / b for b > 0, also for negative a.
int floorDiv(int a, int b)
{
    const int quotient = a / b;
    return (a % b != 0 && a < 0) ? quotient - 1 : quotient;
}

} // namespace

QPoint MonthSheetLayout::ToDrawing(int x, int y)
{
    // 1.7 as 17/10 in whole numbers, so no rounding of the factor can move a line.
    return {3 * x, floorDiv(17 * y, 10)};
}

QPoint MonthSheetLayout::Day::firstNote() const
{
    return ToDrawing(500 * column + 10, 500 * row + 350);
}

QPoint MonthSheetLayout::Day::secondNote() const
{
    const QPoint top = ToDrawing(500 * column + 10, 500 * row + 200);
    return {top.x(), top.y() + 440};
}

QPoint MonthSheetLayout::Day::checkBox() const
{
    const QPoint corner = ToDrawing(500 * column + 140, 500 * row + 200);
    return {corner.x(), corner.y() + 50};
}

QPoint MonthSheetLayout::Day::dayNumberPen() const
{
    return ToDrawing(500 * column, 500 * row + 200);
}

QPoint MonthSheetLayout::Day::groupsOffPen() const
{
    return ToDrawing(500 * column, 500 * row + 550);
}

QList<QLine> MonthSheetLayout::Day::strokes() const
{
    QList<QLine> lines;
    for (Mark mark : marks)
        lines += MarkLines(mark, column, row);
    return lines;
}

MonthSheetLayout::Box MonthSheetLayout::Day::entryCorner() const
{
    const Box whole = cell();
    return {whole.left + 250, whole.top, whole.right, whole.top + 110};
}

MonthSheetLayout::Box MonthSheetLayout::Day::highlightCorner() const
{
    const Box whole = cell();
    return {whole.left, whole.top, whole.left + 250, whole.top + 110};
}

QPoint MonthSheetLayout::Day::pageDayNumberPen() const
{
    return {500 * column, cell().top};
}

QPoint MonthSheetLayout::Day::pageGroupsOffPen() const
{
    return {500 * column, cell().top + 400};
}

QPoint MonthSheetLayout::Day::pageNotePen(int note, int line) const
{
    // From the cell's top: the lines of the first note, then those of the second.
    static constexpr int lineTops[2][2] = {{110, 180}, {260, 330}};
    return {500 * column, cell().top + lineTops[note == 0 ? 0 : 1][line == 0 ? 0 : 1]};
}

MonthSheetLayout::Box MonthSheetLayout::Cell(int column, int row)
{
    return {500 * column - 30, 500 * row + 200, 500 * column + 470, 500 * row + 700};
}

QList<QLine> MonthSheetLayout::MarkLines(Mark mark, int column, int row)
{
    const Box cell = Cell(column, row);
    const QPoint leftTop = ToDrawing(cell.left, cell.top);
    const QPoint rightBottom = ToDrawing(cell.right, cell.bottom);
    const QLine holiday(rightBottom.x(), leftTop.y(), leftTop.x(), rightBottom.y());
    const QLine dayOff(leftTop, rightBottom);
    switch (mark) {
    case Mark::HolidayStroke:
        return {holiday};
    case Mark::DayOffStroke:
        return {dayOff};
    case Mark::EntryCross:
        return {holiday, dayOff};
    }
    return {};
}

QList<QLine> MonthSheetLayout::GridLinesInSheetUnits()
{
    const auto [left, top, right, bottom] = Grid;
    QList<QLine> lines = {
        {left, top, right, top},
        {right, top, right, bottom},
        {left, bottom, right, bottom},
        {left, top, left, bottom},
    };
    for (int y = 200; y <= 2700; y += 500)
        lines.append({left, y, right, y});
    for (int x = 470; x <= 2970; x += 500)
        lines.append({x, top, x, bottom});
    return lines;
}

QList<QLine> MonthSheetLayout::GridLines()
{
    QList<QLine> lines;
    for (const QLine& line : GridLinesInSheetUnits())
        lines.append({ToDrawing(line.x1(), line.y1()), ToDrawing(line.x2(), line.y2())});
    return lines;
}

QString MonthSheetLayout::title() const
{
    if (!m_firstOfMonth.isValid())
        return {};
    return CalendarNames::Month(m_firstOfMonth.month()) + NumberText::Blank(m_firstOfMonth.year());
}

QPoint MonthSheetLayout::TitlePen()
{
    return ToDrawing(900, -400);
}

QPoint MonthSheetLayout::WeekdayLetterPen(int column)
{
    return ToDrawing(150 + 500 * column, 0);
}

QPoint MonthSheetLayout::PageTitlePen()
{
    return {1100, -200};
}

QPoint MonthSheetLayout::PageWeekdayLetterPen(int column)
{
    // Sunday's letter sits a little further in than the others.
    return {column == 0 ? 180 : 200 + 500 * column, 50};
}

int MonthSheetLayout::rowsUsed() const
{
    return m_days.isEmpty() ? 0 : m_days.constLast().row + 1;
}

MonthSheetLayout MonthSheetLayout::Build(const CalendarChoices& choices, AppState& state,
                                         EntryLookup* entries)
{
    MonthSheetLayout layout;
    const QDate date = choices.calendarDate;
    if (!date.isValid())
        return layout;
    layout.m_firstOfMonth = QDate(date.year(), date.month(), 1);
    const int month = date.month();
    const qint32 firstDayNumber = DayNumbering::DayNumber(layout.m_firstOfMonth);
    const double adjustment = NumberText::Val(choices.adjustmentText);

    state.goodFriday.GoodFridayYear = NumberText::Plain(date.year());
    GetGoodFriday(state.goodFriday);
    const HolidayYear holidayYear = HolidayYear::From(state.goodFriday, date.year());

    const Rota& rota = choices.rota;
    std::optional<YearEntries> monthEntries; // the month's entries in one read
    if (entries)
        entries = &monthEntries.emplace(*entries, month, month);
    const int daysInMonth = layout.m_firstOfMonth.daysInMonth();
    int row = 0;
    for (int d = 1; d <= daysInMonth; ++d) {
        const qint32 dayNumber = firstDayNumber + (d - 1);
        Day day;
        day.day = d;
        day.column = DayNumbering::WeekdayColumn(dayNumber);
        day.row = row;

        const QList<QStringList> groupsOff = rota.groupsOff(dayNumber, adjustment);

        for (int i = 0; i < Holidays::Count; ++i) {
            if (choices.holidays[static_cast<std::size_t>(i)] &&
                Holidays::IsHoliday(i, month, d, day.column, holidayYear)) {
                day.holidays.append(i);
                day.marks.append(Mark::HolidayStroke);
            }
        }
        const HolidayFileSet& files = choices.holidayFiles;
        for (int n = 0; n < files.calendars().size(); ++n) {
            if (files.marks(n, layout.m_firstOfMonth.addDays(d - 1))) {
                day.holidays.append(Holidays::Count + n);
                day.marks.append(Mark::HolidayStroke);
            }
        }
        if (choices.highlightVacations && entries) {
            day.entry = entries->lookUp(choices.yearText, month, d);
            if (day.entry) {
                day.marks.append(Mark::EntryCross);
                day.entryWord = NoteText::EntryWord(day.entry->type);
            }
        }
        day.dayOff = GroupMatch::IsAmong(choices.highlightGroup, groupsOff);
        if (day.dayOff)
            day.marks.append(Mark::DayOffStroke);
        if (!choices.noPatterns)
            day.groupsOffText = GroupMatch::Text(rota.cell(), groupsOff);

        layout.m_days.append(day);
        // The day after a Saturday starts the next week row.
        if (DayNumbering::WeekdayColumn(dayNumber + 1) < day.column)
            ++row;
    }
    return layout;
}
