#include "print/Paper.h"

#include <QMarginsF>

#include "rota/NameTable.h"

#include <array>

using namespace Qt::StringLiterals;

namespace Paper {

namespace {

constexpr int TwipsPerPoint = 20;

constexpr std::array<NamedValue<QPageSize::PageSizeId>, 5> Papers{{
    {QPageSize::Letter, u"letter"},
    {QPageSize::Legal, u"legal"},
    {QPageSize::A4, u"a4"},
    {QPageSize::A3, u"a3"},
    {QPageSize::A5, u"a5"},
}};

} // namespace

std::optional<QPageSize> Named(const QString& name)
{
    const std::optional<QPageSize::PageSizeId> id =
        NameTable::Find(Papers, name.trimmed().toLower());
    return id ? std::optional(QPageSize(*id)) : std::nullopt;
}

QString Names()
{
    return NameTable::Alternatives(Papers);
}

QSize PrintableTwips(const QPageSize& paper)
{
    // Whole points, as the page sizes are known: A4 is 595 x 842.
    const QSize points = paper.sizePoints();
    return {points.width() * TwipsPerPoint - 2 * MarginTwips,
            points.height() * TwipsPerPoint - 2 * MarginTwips};
}

QPageLayout Layout(const QPageSize& paper)
{
    const double margin = double(MarginTwips) / TwipsPerPoint;
    return QPageLayout(paper, QPageLayout::Portrait, QMarginsF(margin, margin, margin, margin),
                       QPageLayout::Point);
}

} // namespace Paper
