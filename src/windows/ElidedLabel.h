#pragma once

#include <QLabel>
#include <QSize>

// A one-line label that keeps its place and height whatever it says: a text too long for its
// width is drawn cut short with "...", and an empty one still takes its line, so the controls
// around it never move. text() stays the whole text; whoever sets it gives the whole text as
// the tooltip and the accessible description too.
class ElidedLabel final : public QLabel
{
    Q_OBJECT

public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
