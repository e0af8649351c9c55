#pragma once

#include <QObject>

class QBoxLayout;
class QScrollArea;
class QWidget;

// Keeps a block of controls in sight on a page that scrolls: the block stays in its place on
// the page while the whole page fits the scroll area's height, and moves into a band under the
// scroll area, where it never scrolls away, while the page would have to scroll up and down.
// A control on the page that gets the focus from outside it (from the band) scrolls into view.
class PinnedBlock final : public QObject
{
    Q_OBJECT

public:
    // `block` is in the layout `home` of the scroll area's page; the widget of the layout
    // `band` lies under the scroll area in the same window, hidden while the block is home.
    PinnedBlock(QScrollArea* scroller, QWidget* block, QBoxLayout* home, QBoxLayout* band);

    bool isPinned() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void update();

    QScrollArea* m_scroller;
    QWidget* m_block;
    QBoxLayout* m_home;
    int m_homeIndex;
    QBoxLayout* m_band;
    // The page's least height with the block in its place, as last measured there.
    int m_pageHeight = 0;
    bool m_updatePending = false;
};
