#include "print/YearCalendarPrinter.h"

#include "print/CalendarNames.h"
#include "print/PrintSurface.h"
#include "print/TextFit.h"
#include "print/YearDayCell.h"
#include "rota/DayNumbering.h"
#include "rota/Holidays.h"
#include "rota/NumberText.h"
#include "store/AppState.h"
#include "store/ColorText.h"
#include "store/EntryLookup.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

constexpr int MonthsPerRow = 3;
constexpr int BlockWidth = 3800;
constexpr int BlockHeight = 3550;
// At most 31 days a month; the walk stops there whatever the dates say.
constexpr int MaxDaysPerMonth = 31;
// The drawing's reach in design twips from the printable area's corner, whose coordinates
// are (-350, -1200): the blocks' right edge and bottom, the key's left edge.
constexpr int AreaLeft = -350;
constexpr int AreaTop = -1200;
constexpr int DrawingRight = 11070;
constexpr int DrawingBottom = 13650;
constexpr int KeyLeft = -30;

} // namespace

YearCalendarPrinter::YearCalendarPrinter(PrintSurface& surface, const CalendarChoices& choices,
                                         AppState& state, EntryLookup* entries)
    : m_surface(surface), m_choices(choices), m_state(state)
{
    // A page asks for every day of the year: let the source answer in one go if it can.
    if (entries) {
        m_yearEntries.emplace(*entries);
        m_entries = &*m_yearEntries;
    }
}

PageFit YearCalendarPrinter::Print(PrintSurface& surface, const CalendarChoices& choices,
                                   AppState& state, EntryLookup* entries)
{
    return YearCalendarPrinter(surface, choices, state, entries).print();
}

double YearCalendarPrinter::SizeFactor(int printableWidth, int printableHeight,
                                       const QString& sizeText)
{
    double factor = printableWidth >= FullWidth ? 1.0 : printableWidth / double(DesignWidth);
    if (printableHeight < FullHeight && printableHeight / double(DesignHeight) < factor)
        factor = printableHeight / double(DesignHeight);
    const double size = NumberText::Val(sizeText) * 0.01;
    if (size < factor)
        factor = size;
    return factor;
}

int YearCalendarPrinter::Scaled(double design, double factor)
{
    return static_cast<int>(std::floor(design * factor));
}

QString YearCalendarPrinter::Title(const CalendarChoices& choices)
{
    const QString group = choices.noHighlight ? QString() : choices.highlightGroup;
    return (choices.station + u" - "_s + choices.yearText + choices.rota.titleSuffix() +
            choices.rota.titleGroup(group))
        .toUpper();
}

std::optional<QDate> YearCalendarPrinter::FirstDay(const QString& yearText)
{
    // "1/1/" and the year text read as a month/day/year date: blanks around the year are
    // fine, leading zeros count for nothing ("02024" is 2024), two digits mean 1930..2029,
    // anything else names no date.
    static const QRegularExpression digits(u"^\\d+$"_s);
    const QString trimmed = yearText.trimmed();
    if (!digits.match(trimmed).hasMatch())
        return std::nullopt;
    bool ok = false;
    int year = trimmed.toInt(&ok);
    if (!ok || year > 9999)
        return std::nullopt;
    if (trimmed.size() <= 2)
        year += year < 30 ? 2000 : 1900;
    const QDate date(year, 1, 1);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

int YearCalendarPrinter::FirstWeekNumber(QDate firstDay)
{
    const int column = DayNumbering::WeekdayColumn(DayNumbering::DayNumber(firstDay));
    return column >= 4 ? 0 : 1;
}

int YearCalendarPrinter::bottomAt(double factor) const
{
    if (!m_key)
        return DrawingBottom;
    const int width = Scaled(DrawingRight, factor) - Scaled(KeyLeft, factor);
    return DrawingBottom + YearKey::Gap +
           YearKey::LineHeight * m_key->lineCount(m_surface, factor, width);
}

double YearCalendarPrinter::fittingFactor(double factor, int width, int height) const
{
    const auto fits = [&](double f) {
        return Scaled(DrawingRight, f) - Scaled(AreaLeft, f) <= width &&
               Scaled(bottomAt(f), f) - Scaled(AreaTop, f) <= height;
    };
    if (fits(factor))
        return factor;
    for (int percent = static_cast<int>(std::ceil(factor * 100)) - 1; percent > 1; --percent) {
        if (fits(percent / 100.0))
            return percent / 100.0;
    }
    return 0.01;
}

YearKey::EntryKinds YearCalendarPrinter::entryKinds(QDate firstDay) const
{
    // Each type with the colour of its first entry of the year, in the order of the year.
    YearKey::EntryKinds kinds;
    if (!m_entries || !m_choices.highlightVacations)
        return kinds;
    for (QDate date = firstDay; date.year() == firstDay.year(); date = date.addDays(1)) {
        const std::optional<VacationEntry> entry =
            m_entries->lookUp(m_choices.yearText, date.month(), date.day());
        if (!entry)
            continue;
        const QColor color = ColorText::ParseColorText(entry->color);
        const bool known = std::any_of(kinds.begin(), kinds.end(), [&](const auto& kind) {
            return kind.first == entry->type && kind.second == color;
        });
        if (color.isValid() && !known)
            kinds.append({entry->type, color});
    }
    return kinds;
}

void YearCalendarPrinter::setUpPage()
{
    m_surface.setOrientation(1);
    const qint64 copies = NumberText::RoundHalfEven(NumberText::Val(m_choices.copiesText));
    m_surface.setCopies(
        static_cast<int>(std::clamp<qint64>(copies, 0, std::numeric_limits<int>::max())));
    m_surface.setFontName(u"Times New Roman"_s);
    m_surface.setFontSize(scaled(18));
    m_surface.setFontBold(true);
    m_surface.setFillStyle(PrintSurface::FillStyle::Transparent);
    m_surface.setFillColor(m_choices.shades.RdoColor);
    m_surface.setFontTransparent(false);
    m_surface.setFontUnderline(true);
    m_surface.setOrigin(scaled(-350), scaled(-1200));
    m_surface.setCurrentY(scaled(-1000));
}

void YearCalendarPrinter::printTitle()
{
    const QString title = Title(m_choices);
    int x = scaled(5672 - 106 * static_cast<double>(title.size()));
    // The placement assumes narrower letters than bold capitals have: a title that would
    // cross the printable area is centred on it instead, and made smaller until it fits.
    const int left = scaled(AreaLeft);
    const int width = m_surface.ScaleWidth();
    QString shown = title;
    if (x < left || x + m_surface.textWidth(title) > left + width) {
        if (!TextFit::LargestSize(m_surface, {title}, {width}, scaled(18), 1))
            shown = TextFit::Elided(m_surface, title, width);
        x = left + (width - m_surface.textWidth(shown)) / 2;
    }
    m_surface.setCurrentX(x);
    m_surface.print(shown, true);
    m_surface.setFontSize(scaled(18));
    m_surface.setFontTransparent(true);
    m_surface.setFontUnderline(false);
}

void YearCalendarPrinter::printMonthHeading(int monthIndex, int x0, int y0)
{
    m_surface.setCurrentY(scaled(y0 - 500));
    m_surface.setCurrentX(scaled(x0 + 1000));
    m_surface.setFontSize(scaled(12));
    m_surface.setFontBold(true);
    m_surface.print(CalendarNames::Month(monthIndex + 1), true);

    const QStringList letters = CalendarNames::WeekdayLetters();
    m_surface.setFontSize(scaled(10));
    m_surface.setFontBold(false);
    m_surface.setCurrentY(scaled(y0 - 200));
    for (int k = 0; k < 7; ++k) {
        m_surface.setCurrentX(scaled(x0 + 150 + 500 * k));
        m_surface.print(letters.at(k), k == 6);
    }
}

void YearCalendarPrinter::printGrid(int x0, int y0)
{
    // Drawn after the days, so the lines lie on top of every fill.
    const auto line = [this](int x1, int y1, int x2, int y2) {
        m_surface.line(scaled(x1), scaled(y1), scaled(x2), scaled(y2), Qt::black,
                       PrintSurface::LineMode::Line);
    };
    const int left = x0 - 30;
    const int right = x0 + 3470;
    const int top = y0 - 200;
    const int bottom = y0 + 3000;
    line(left, top, right, top);
    line(right, top, right, bottom);
    line(left, bottom, right, bottom);
    line(left, top, left, bottom);
    for (int k = 0; k < 6; ++k)
        line(left, y0 + 500 * k, right, y0 + 500 * k);
    for (int k = 0; k < 6; ++k)
        line(x0 + 470 + 500 * k, top, x0 + 470 + 500 * k, bottom);
}

PageFit YearCalendarPrinter::print()
{
    const int width = m_surface.ScaleWidth();
    const int height = m_surface.ScaleHeight();
    const std::optional<QDate> firstDay = FirstDay(m_choices.yearText);
    if (m_choices.printKey)
        m_key.emplace(m_choices, firstDay ? entryKinds(*firstDay) : YearKey::EntryKinds());
    const double factor = SizeFactor(width, height, m_choices.sizeText);
    m_scale = fittingFactor(factor, width, height);
    const PageFit fit{static_cast<int>(std::round(factor * 100)),
                      static_cast<int>(std::round(m_scale * 100))};
    if (m_scale < 0.5)
        m_surface.setPrintQualityHigh();

    m_state.goodFriday.GoodFridayYear = m_choices.yearText;
    GetGoodFriday(m_state.goodFriday);

    setUpPage();
    printTitle();

    // A year text that names no date leaves the days out; the blocks are still drawn.
    std::optional<YearDayCell> cell;
    YearDayCell::Walk walk;
    if (firstDay) {
        cell.emplace(m_surface, m_choices, m_entries, m_scale,
                     HolidayYear::From(m_state.goodFriday, firstDay->year()));
        walk.firstDay = *firstDay;
        walk.firstDayNumber = DayNumbering::DayNumber(*firstDay);
        walk.weekNumber = FirstWeekNumber(*firstDay);
    }

    for (int m = 0; m < 12; ++m) {
        const int x0 = BlockWidth * (m % MonthsPerRow);
        const int y0 = BlockHeight * (m / MonthsPerRow);
        printMonthHeading(m, x0, y0);
        if (cell) {
            walk.monthIndex = m;
            walk.x0 = x0;
            walk.y0 = y0;
            walk.weekRow = 0;
            for (int drawn = 0; drawn < MaxDaysPerMonth; ++drawn) {
                if (cell->draw(walk))
                    break;
            }
        }
        printGrid(x0, y0);
    }
    if (m_key)
        m_key->draw(m_surface, m_scale, KeyLeft, DrawingBottom + YearKey::Gap,
                    scaled(DrawingRight) - scaled(KeyLeft));
    m_surface.endDoc();
    return fit;
}
