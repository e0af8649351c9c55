#pragma once

#include <QColor>
#include <QList>
#include <QString>

#include <utility>

struct CalendarChoices;
class PrintSurface;

// The line under the year page's blocks that says what each fill, strip and ring of this page
// means, in its own colours: the highlighted group's days off, holidays, days off on
// holidays, pay days and the personal entries by type. Printed only when asked for.
class YearKey
{
public:
    struct Item
    {
        enum class Mark
        {
            Fill,
            Ring
        };
        Mark mark = Mark::Fill;
        QColor color; // the swatch's fill; none when invalid
        QString label;
    };
    // The type and colour of each kind of personal entry on the page, in order of first use.
    using EntryKinds = QList<std::pair<QString, QColor>>;

    // Design twips: the key starts this far under the blocks, a line is this high.
    static constexpr int Gap = 60;
    static constexpr int LineHeight = 200;

    YearKey(const CalendarChoices& choices, const EntryKinds& entries);

    const QList<Item>& items() const { return m_items; }
    // Lines the key takes across `width` page twips at `scale`, in the surface's font.
    int lineCount(PrintSurface& surface, double scale, int width) const;
    // Draws the key with its first line's top at design y `top`, from design x `left` across
    // `width` page twips.
    void draw(PrintSurface& surface, double scale, int left, int top, int width) const;

private:
    // Page-twip x of each item from the line's start, and its line; calls `place` for each.
    template <typename Place>
    int layOut(PrintSurface& surface, double scale, int width, Place place) const;

    QList<Item> m_items;
};
