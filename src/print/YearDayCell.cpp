#include "print/YearDayCell.h"

#include "print/PrintSurface.h"
#include "print/TextFit.h"
#include "rota/DayNumbering.h"
#include "rota/GroupMatch.h"
#include "rota/NumberText.h"
#include "store/ColorText.h"
#include "store/EntryLookup.h"

#include <cmath>

using namespace Qt::StringLiterals;

const QColor YearDayCell::PayDayColor(255, 140, 255);
const QColor YearDayCell::PayDayHolidayColor(200, 100, 200);
const QColor YearDayCell::SecondPayDayColor(180, 255, 180);
const QColor YearDayCell::SecondPayDayHolidayColor(100, 255, 100);
const QColor YearDayCell::PayDayDiscColor(255, 255, 185);
const QColor YearDayCell::PayDayWeekNumberColor(0, 0, 255);

namespace {

constexpr int Wednesday = 3;
// The size of the day numbers and of most groups-off texts.
constexpr int TextPoints = 10;
// A groups-off text too wide for its cell is made smaller, down to this size, before it is cut
// short.
constexpr int SmallestPoints = 5;

} // namespace

YearDayCell::YearDayCell(PrintSurface& surface, const CalendarChoices& choices,
                         EntryLookup* entries, double scale, const HolidayYear& holidays)
    : m_surface(surface), m_choices(choices), m_entries(entries), m_scale(scale),
      m_holidays(holidays), m_adjustment(NumberText::Val(choices.adjustmentText)),
      m_rota(choices.rota)
{
}

int YearDayCell::scaled(double design) const
{
    return static_cast<int>(std::floor(design * m_scale));
}

void YearDayCell::fillCell(const QColor& color)
{
    m_surface.line(scaled(m_left), scaled(m_top), scaled(m_right), scaled(m_bottom), color,
                   PrintSurface::LineMode::FilledBox);
}

void YearDayCell::printAt(int x, int y, const QString& text, bool endLine)
{
    m_surface.setCurrentX(x);
    m_surface.setCurrentY(y);
    m_surface.print(text, endLine);
}

bool YearDayCell::draw(Walk& walk)
{
    const QDate date = walk.firstDay.addDays(walk.dayOffset);
    const qint32 dayNumber = walk.firstDayNumber + walk.dayOffset;
    const int column = DayNumbering::WeekdayColumn(dayNumber);
    const int month = walk.monthIndex + 1;
    const int day = date.day();
    const int x0 = walk.x0;
    const int y0 = walk.y0;
    const int w = walk.weekRow;
    m_left = x0 - 30 + 500 * column;
    m_right = x0 + 470 + 500 * column;
    m_top = y0 + 500 * w;
    m_bottom = y0 + 500 * w + 500;

    m_holiday = false;
    m_shaded = false;

    m_groupsOff = m_rota.groupsOff(dayNumber, m_adjustment);

    const ShadeColors& shades = m_choices.shades;
    for (int i = 0; i < Holidays::Count; ++i) {
        if (m_choices.holidays[static_cast<std::size_t>(i)] &&
            Holidays::IsHoliday(i, month, day, column, m_holidays)) {
            fillCell(shades.HolidayColor);
            m_holiday = true;
            m_shaded = true;
        }
    }
    // A counted calendar file's day is shaded as one of the thirteen is.
    for (int n = m_choices.holidayFiles.countOn(date); n > 0; --n) {
        fillCell(shades.HolidayColor);
        m_holiday = true;
        m_shaded = true;
    }

    if (GroupMatch::IsAmong(m_choices.highlightGroup, m_groupsOff)) {
        fillCell(m_holiday ? shades.RdoOnHolidayColor : shades.RdoColor);
        m_shaded = true;
    }

    if (m_choices.highlightVacations)
        drawEntry(month, day);

    if (m_choices.highlightPayday) {
        if (IsFirstPayDay(dayNumber)) {
            if (m_choices.noHighlight)
                fillCell(m_holiday ? PayDayHolidayColor : PayDayColor);
            ringPayDay();
        } else if (IsSecondPayDay(dayNumber)) {
            if (m_choices.noHighlight)
                fillCell(m_holiday ? SecondPayDayHolidayColor : SecondPayDayColor);
        }
    }

    const int textX = scaled(x0 + 500 * column);
    m_surface.setFontBold(true);
    m_surface.setFontTransparent(true);
    printAt(textX, scaled(y0 + 500 * w), NumberText::Plain(day));
    m_surface.setFontBold(false);

    if (!m_choices.noPatterns)
        printGroups(x0 + 500 * column, y0 + 500 * w);

    // Groups stacked at the cell's right take the place of the entry's type.
    const bool typeHasRoom = m_rota.cell().yearLayout != Rota::YearCell::SecondColumnAtRight;
    if (m_choices.highlightVacations && typeHasRoom && m_entry) {
        m_surface.setFontSize(scaled(8));
        printAt(scaled(x0 + 500 * column + 300), scaled(y0 + 30 + 500 * w), m_entryType);
        m_entry = false;
        m_surface.setFontSize(scaled(TextPoints));
    }

    m_surface.setCurrentX(scaled(x0 - 300));
    m_surface.setCurrentY(scaled(y0 + 500 * w + 120));
    if (m_choices.highlightPayday)
        m_surface.setForeColor(PayDayWeekNumberColor);
    // The last days of December print the number only from the Wednesday cell, so that a
    // week mostly in the next year carries no number of this one.
    // Each row shows its number once, from the first of its days that prints it.
    const bool lateDecember = month == 12 && day > 22;
    const int row = walk.monthIndex * 6 + w;
    if (walk.weekNumber != 0 && (!lateDecember || column == Wednesday) && row != m_numberedRow) {
        m_surface.print(NumberText::Blank(walk.weekNumber), true);
        m_numberedRow = row;
    }
    m_surface.setForeColor(Qt::black);

    ++walk.dayOffset;
    const QDate next = walk.firstDay.addDays(walk.dayOffset);
    if (DayNumbering::WeekdayColumn(dayNumber + 1) < column) {
        ++walk.weekRow;
        ++walk.weekNumber;
    }
    return next.day() < day;
}

void YearDayCell::drawEntry(int month, int day)
{
    if (!m_entries)
        return;
    const std::optional<VacationEntry> entry = m_entries->lookUp(m_choices.yearText, month, day);
    if (!entry)
        return;
    const QColor color = ColorText::ParseColorText(entry->color);
    if (color.isValid()) {
        if (m_shaded) {
            const int left = scaled(m_left + 250);
            const int top = scaled(m_top);
            const int right = scaled(m_right);
            const int bottom = scaled(m_bottom - 250);
            m_surface.line(left, top, right, bottom, Qt::black, PrintSurface::LineMode::Box);
            m_surface.line(left, top, right, bottom, color, PrintSurface::LineMode::FilledBox);
        } else {
            fillCell(color);
        }
    }
    m_shaded = true;
    m_entry = true;
    m_entryType = entry->type;
}

void YearDayCell::ringPayDay()
{
    const int width = m_surface.drawWidth();
    const QColor fill = m_surface.fillColor();
    const PrintSurface::FillStyle style = m_surface.fillStyle();
    const double s = m_scale;
    const int x = static_cast<int>(std::floor(std::floor(125 * s) + s * m_left));
    const int y = static_cast<int>(std::floor(125 * s) + std::floor(s * m_top));
    m_surface.setFillStyle(PrintSurface::FillStyle::Solid);
    m_surface.setFillColor(PayDayDiscColor);
    m_surface.circle(x, y, scaled(120), Qt::black);
    m_surface.setDrawWidth(scaled(3));
    m_surface.setFillColor(fill);
    m_surface.setFillStyle(style);
    m_surface.circle(x, y, scaled(125), Qt::black);
    m_surface.setDrawWidth(width);
}

void YearDayCell::printGroups(int x, int y)
{
    const Rota::CellText& cell = m_rota.cell();
    const QList<QStringList>& groups = m_groupsOff;
    if (!GroupMatch::AnyGroup(groups))
        return;
    bool otherSize = cell.yearPoints != TextPoints;
    if (otherSize)
        m_surface.setFontSize(scaled(cell.yearPoints));
    const int lowerX = scaled(x);
    const int lowerY = scaled(y + 250);
    if (cell.yearLayout == Rota::YearCell::SecondColumnAtRight && groups.size() > 1) {
        const QStringList& right = groups.at(1);
        printAt(scaled(x + 320), scaled(y), right.value(0));
        printAt(lowerX, lowerY, cell.lead + groups.at(0).join(cell.separator), false);
        // Same line: only the pen's x moves.
        m_surface.setCurrentX(scaled(x + 320));
        m_surface.print(right.value(1), true);
    } else {
        QStringList text = {GroupMatch::Text(cell, groups)};
        if (cell.fitToCell) {
            const int points = scaled(cell.yearPoints);
            if (TextFit::Fit(m_surface, text, {scaled(m_right) - lowerX}, points,
                             scaled(SmallestPoints)) != points)
                otherSize = true;
        }
        printAt(lowerX, lowerY, text.first());
    }
    if (otherSize)
        m_surface.setFontSize(scaled(TextPoints));
}
