#include "windows/PlaceholderTableView.h"

#include <QPainter>

void PlaceholderTableView::setPlaceholderText(const QString& text)
{
    m_placeholder = text;
    viewport()->update();
}

void PlaceholderTableView::paintEvent(QPaintEvent* event)
{
    QTableView::paintEvent(event);
    if (m_placeholder.isEmpty() || !model() || model()->rowCount(rootIndex()) > 0)
        return;
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::PlaceholderText));
    const int margin = fontMetrics().height();
    painter.drawText(viewport()->rect().adjusted(margin, margin, -margin, -margin),
                     Qt::AlignCenter | Qt::TextWordWrap, m_placeholder);
}
