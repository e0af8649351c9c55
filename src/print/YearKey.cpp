#include "print/YearKey.h"

#include "print/CalendarChoices.h"
#include "print/NoteText.h"
#include "print/PrintSurface.h"
#include "print/YearDayCell.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

constexpr int FontPoints = 8;
constexpr int SwatchWidth = 220;
constexpr int SwatchHeight = 130;
constexpr int SwatchTop = 30;
// From a swatch's left edge to its label, and from a label to the next swatch.
constexpr int LabelOffset = 280;
constexpr int ItemGap = 260;

int scaled(double design, double scale)
{
    return static_cast<int>(std::floor(design * scale));
}

} // namespace

YearKey::YearKey(const CalendarChoices& choices, const EntryKinds& entries)
{
    const QString group = choices.highlightGroup.trimmed();
    const bool highlighted = !choices.noHighlight && !group.isEmpty() && group != u"0"_s;
    const bool holidays =
        std::any_of(choices.holidays.begin(), choices.holidays.end(), [](bool on) { return on; }) ||
        !choices.holidayFiles.isEmpty();
    // The calendar files counted are named: "Holidays: Bank holidays, School terms".
    const QString holidaysLabel =
        choices.holidayFiles.isEmpty()
            ? u"Holidays"_s
            : u"Holidays: "_s + choices.holidayFiles.names().join(u", "_s);
    const ShadeColors& shades = choices.shades;
    const QString daysOff = choices.rota.keyLabel(group);
    if (highlighted)
        m_items.append({Item::Mark::Fill, shades.RdoColor, daysOff});
    if (holidays)
        m_items.append({Item::Mark::Fill, shades.HolidayColor, holidaysLabel});
    if (highlighted && holidays)
        m_items.append({Item::Mark::Fill, shades.RdoOnHolidayColor, daysOff + u" on holidays"_s});
    if (choices.highlightPayday) {
        // The ring always; the fills only while no group is highlighted.
        m_items.append({Item::Mark::Ring, choices.noHighlight ? YearDayCell::PayDayColor : QColor(),
                        u"Pay day"_s});
        if (choices.noHighlight)
            m_items.append({Item::Mark::Fill, YearDayCell::SecondPayDayColor, u"Second pay day"_s});
    }
    // An entry type of a standard code is told with the month sheet's word for it.
    for (const auto& [type, color] : entries) {
        const QString shown = type.trimmed();
        const QString word = NoteText::EntryWord(type);
        m_items.append({Item::Mark::Fill, color,
                        !word.isEmpty()   ? shown + u' ' + word
                        : shown.isEmpty() ? u"Entry"_s
                                          : u"Entry %1"_s.arg(shown)});
    }
}

template <typename Place>
int YearKey::layOut(PrintSurface& surface, double scale, int width, Place place) const
{
    surface.setFontSize(scaled(FontPoints, scale));
    surface.setFontBold(false);
    surface.setFontUnderline(false);
    int x = 0;
    int line = 0;
    for (const Item& item : m_items) {
        const int itemWidth = scaled(LabelOffset, scale) + surface.textWidth(item.label);
        if (x > 0 && x + itemWidth > width) {
            x = 0;
            ++line;
        }
        place(item, x, line);
        x += itemWidth + scaled(ItemGap, scale);
    }
    return m_items.isEmpty() ? 0 : line + 1;
}

int YearKey::lineCount(PrintSurface& surface, double scale, int width) const
{
    return layOut(surface, scale, width, [](const Item&, int, int) {});
}

void YearKey::draw(PrintSurface& surface, double scale, int left, int top, int width) const
{
    const int x0 = scaled(left, scale);
    surface.setForeColor(Qt::black);
    surface.setFontTransparent(true);
    layOut(surface, scale, width, [&](const Item& item, int x, int line) {
        const int y = top + LineHeight * line;
        const int swatchLeft = x0 + x;
        const int swatchTop = scaled(y + SwatchTop, scale);
        const int swatchRight = swatchLeft + scaled(SwatchWidth, scale);
        const int swatchBottom = scaled(y + SwatchTop + SwatchHeight, scale);
        if (item.color.isValid()) {
            surface.line(swatchLeft, swatchTop, swatchRight, swatchBottom, item.color,
                         PrintSurface::LineMode::FilledBox);
            surface.line(swatchLeft, swatchTop, swatchRight, swatchBottom, Qt::black,
                         PrintSurface::LineMode::Box);
        }
        if (item.mark == Item::Mark::Ring) {
            // The pay day's disc, as the cells show it.
            const PrintSurface::FillStyle style = surface.fillStyle();
            const QColor fill = surface.fillColor();
            surface.setFillStyle(PrintSurface::FillStyle::Solid);
            surface.setFillColor(YearDayCell::PayDayDiscColor);
            surface.circle((swatchLeft + swatchRight) / 2, (swatchTop + swatchBottom) / 2,
                           scaled(SwatchHeight / 2 - 10, scale), Qt::black);
            surface.setFillColor(fill);
            surface.setFillStyle(style);
        }
        surface.setCurrentX(swatchLeft + scaled(LabelOffset, scale));
        surface.setCurrentY(scaled(y, scale));
        surface.print(item.label, true);
    });
}
