#include "windows/ElidingStatusBar.h"

#include <QDir>
#include <QFontMetrics>
#include <QPainter>
#include <QStyleOption>

using namespace Qt::StringLiterals;

namespace {

// Where the folders of the first path in `text` lie: from the separator that starts a word to
// the last separator before the file name (which ends at a parenthesis or the text's end).
// Empty when the text names no folder.
std::pair<qsizetype, qsizetype> folderSpan(const QString& text)
{
    const QChar separator = QDir::separator();
    qsizetype start = text.indexOf(separator);
    while (start > 0 && !text.at(start - 1).isSpace())
        start = text.indexOf(separator, start + 1);
    if (start < 0)
        return {0, 0};
    qsizetype limit = text.indexOf(u'(', start);
    if (limit < 0)
        limit = text.size();
    const qsizetype end = text.lastIndexOf(separator, limit - 1) + 1;
    return {start, end};
}

} // namespace

ElidingStatusBar::ElidingStatusBar(QWidget* parent) : QStatusBar(parent)
{
    connect(this, &QStatusBar::messageChanged, this,
            [this](const QString& message) { setToolTip(message); });
}

QString ElidingStatusBar::Shorten(const QString& text, const QFontMetrics& metrics, int width)
{
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    const QString ellipsis(QChar(0x2026));
    const auto [start, end] = folderSpan(text);
    QString shortest = text;
    if (end - start > 2) {
        // Keep `kept` characters of the folders, the first and last of them included, as many
        // as fit.
        const QString folders = text.mid(start, end - start);
        const auto shortened = [&](qsizetype kept) -> QString {
            const qsizetype head = (kept + 1) / 2;
            return text.left(start) + folders.left(head) + ellipsis + folders.right(kept - head) +
                   text.mid(end);
        };
        qsizetype low = 2;
        qsizetype high = folders.size() - 1;
        shortest = shortened(low);
        if (metrics.horizontalAdvance(shortest) <= width) {
            while (low < high) {
                const qsizetype middle = (low + high + 1) / 2;
                if (metrics.horizontalAdvance(shortened(middle)) <= width)
                    low = middle;
                else
                    high = middle - 1;
            }
            return shortened(low);
        }
    }
    return metrics.elidedText(shortest, Qt::ElideRight, width);
}

void ElidingStatusBar::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_PanelStatusBar, &option, &painter, this);
    const QString message = currentMessage();
    if (message.isEmpty())
        return;
    // The margins QStatusBar gives its message.
    const QRect area = rect().adjusted(6, 0, -12, 0);
    painter.setPen(palette().windowText().color());
    painter.drawText(area, Qt::AlignLeading | Qt::AlignVCenter | Qt::TextSingleLine,
                     Shorten(message, fontMetrics(), area.width()));
}
