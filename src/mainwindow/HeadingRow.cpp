#include "mainwindow/HeadingRow.h"

#include <QFontMetrics>
#include <QLabel>

#include <algorithm>

namespace {

// Room between a heading and the row under it, and between two neighbouring widgets.
constexpr int RowGap = 2;
constexpr int ItemGap = 4;

} // namespace

HeadingRow::HeadingRow(const QString& heading, QWidget* parent)
    : QWidget(parent), m_label(new QLabel(heading, this))
{
    m_label->setTextFormat(Qt::PlainText);
    m_label->setMargin(0);
    m_label->setIndent(0);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void HeadingRow::add(QWidget* widget, const QString& word, bool fillToNext)
{
    const qsizetype from = m_items.isEmpty() ? 0 : m_items.last().start + 1;
    qsizetype start = m_label->text().indexOf(word, from);
    if (start < 0)
        start = from;
    widget->setParent(this);
    m_items.append({widget, start, fillToNext});
    updateGeometry();
    placeItems();
}

QList<QRect> HeadingRow::geometries() const
{
    const QString text = m_label->text();
    const QFontMetrics metrics = m_label->fontMetrics();
    const int textWidth = metrics.horizontalAdvance(text);
    const int top = m_label->sizeHint().height() + RowGap;

    QList<QRect> result;
    int previousRight = -ItemGap;
    for (qsizetype i = 0; i < m_items.size(); ++i) {
        const Item& item = m_items.at(i);
        const int wanted = metrics.horizontalAdvance(text.left(item.start));
        // Never overlap the neighbour, even when a font makes a widget wider than its word.
        const int left = std::max(wanted, previousRight + ItemGap);
        int width = item.widget->sizeHint().width();
        if (item.fillToNext) {
            const int next =
                i + 1 < m_items.size()
                    ? metrics.horizontalAdvance(text.left(m_items.at(i + 1).start)) - ItemGap
                    : textWidth;
            width = next - left;
        }
        width = std::max(width, item.widget->minimumSizeHint().width());
        width = std::clamp(width, item.widget->minimumWidth(), item.widget->maximumWidth());
        const int height = std::clamp(item.widget->sizeHint().height(),
                                      item.widget->minimumHeight(), item.widget->maximumHeight());
        result.append(QRect(left, top, width, height));
        previousRight = left + width;
    }
    return result;
}

void HeadingRow::placeItems()
{
    m_label->setGeometry(0, 0, std::max(m_label->sizeHint().width(), width()),
                         m_label->sizeHint().height());
    const QList<QRect> places = geometries();
    for (qsizetype i = 0; i < m_items.size(); ++i)
        m_items.at(i).widget->setGeometry(places.at(i));
}

QSize HeadingRow::sizeHint() const
{
    int width = m_label->sizeHint().width();
    int height = m_label->sizeHint().height();
    for (const QRect& place : geometries()) {
        width = std::max(width, place.right() + 1);
        height = std::max(height, place.bottom() + 1);
    }
    return {width, height};
}

QSize HeadingRow::minimumSizeHint() const
{
    return sizeHint();
}

void HeadingRow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeItems();
}
