#include "windows/PinnedBlock.h"

#include <QApplication>
#include <QBoxLayout>
#include <QEvent>
#include <QScrollArea>
#include <QScrollBar>

PinnedBlock::PinnedBlock(QScrollArea* scroller, QWidget* block, QBoxLayout* home, QBoxLayout* band)
    : QObject(scroller), m_scroller(scroller), m_block(block), m_home(home),
      m_homeIndex(home->indexOf(block)), m_band(band)
{
    m_band->parentWidget()->hide();
    m_scroller->installEventFilter(this);
    if (QWidget* page = m_scroller->widget())
        page->installEventFilter(this);
    // Within the page the scroll area follows the focus itself.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* from, QWidget* to) {
        const QWidget* page = m_scroller->widget();
        if (page && to && page->isAncestorOf(to) && !(from && page->isAncestorOf(from)))
            m_scroller->ensureWidgetVisible(to);
    });
}

bool PinnedBlock::isPinned() const
{
    return m_block->parentWidget() == m_band->parentWidget();
}

bool PinnedBlock::eventFilter(QObject* watched, QEvent* event)
{
    // A new size of the scroll area, or a page whose content changed its size. The block moves
    // once the layouts have done with the change: a layout that is busy with its children
    // would not see the band grow.
    if ((event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest) &&
        !m_updatePending) {
        m_updatePending = true;
        QMetaObject::invokeMethod(this, &PinnedBlock::update, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void PinnedBlock::update()
{
    m_updatePending = false;
    const QWidget* page = m_scroller->widget();
    if (!page)
        return;
    QWidget* band = m_band->parentWidget();
    const bool pinned = isPinned();
    if (!pinned)
        m_pageHeight = page->minimumSizeHint().height();
    // The height the page would have with the block back in its place, under a horizontal
    // scroll bar when it is too wide.
    const int frame = m_scroller->frameWidth() * 2;
    int room = m_scroller->height() - frame;
    if (pinned)
        room += band->sizeHint().height();
    if (page->minimumSizeHint().width() > m_scroller->width() - frame)
        room -= m_scroller->horizontalScrollBar()->sizeHint().height();
    const bool pin = m_pageHeight > room;
    if (pin && !pinned) {
        m_band->insertWidget(0, m_block);
        band->show();
    } else if (!pin && pinned) {
        m_home->insertWidget(m_homeIndex, m_block);
        band->hide();
    }
}
