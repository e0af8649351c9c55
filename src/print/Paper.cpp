#include "print/Paper.h"

#include <QMarginsF>

#include <array>
#include <utility>

using namespace Qt::StringLiterals;

namespace Paper {

namespace {

constexpr int TwipsPerPoint = 20;

const std::array<std::pair<QStringView, QPageSize::PageSizeId>, 5>& papers()
{
    static const std::array<std::pair<QStringView, QPageSize::PageSizeId>, 5> list{{
        {u"letter", QPageSize::Letter},
        {u"legal", QPageSize::Legal},
        {u"a4", QPageSize::A4},
        {u"a3", QPageSize::A3},
        {u"a5", QPageSize::A5},
    }};
    return list;
}

} // namespace

std::optional<QPageSize> Named(const QString& name)
{
    const QString wanted = name.trimmed().toLower();
    for (const auto& [text, id] : papers()) {
        if (wanted == text)
            return QPageSize(id);
    }
    return std::nullopt;
}

QString Names()
{
    return u"letter, legal, a4, a3 or a5"_s;
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
