#include "about/AppIcon.h"

#include <QPainter>

#include <algorithm>

namespace AppIcon {

QPixmap Pixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    const qreal unit = size / 16.0;
    const QRectF page(unit * 1, unit * 1.5, unit * 14, unit * 13);
    painter.setPen(QPen(QColor(60, 60, 60), std::max<qreal>(1.0, unit * 0.5)));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(page, unit, unit);

    // The month's title band.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(190, 30, 45));
    painter.drawRect(QRectF(page.left(), page.top(), page.width(), unit * 3.5));

    // A four-by-three block of days, one of them shaded as a day off.
    const qreal cell = unit * 2.5;
    const qreal left = page.left() + unit * 1.75;
    const qreal top = page.top() + unit * 4.5;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column) {
            const bool dayOff = row == 1 && column == 2;
            painter.setBrush(dayOff ? QColor(255, 255, 100) : QColor(225, 225, 225));
            painter.setPen(dayOff ? QPen(QColor(170, 170, 50), std::max<qreal>(1.0, unit * 0.25))
                                  : Qt::NoPen);
            painter.drawRect(QRectF(left + column * cell + unit * 0.2,
                                    top + row * cell + unit * 0.2, cell - unit * 0.4,
                                    cell - unit * 0.4));
        }
    }
    return pixmap;
}

QIcon Icon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(Pixmap(size));
    return icon;
}

} // namespace AppIcon
