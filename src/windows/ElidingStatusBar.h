#pragma once

#include <QStatusBar>
#include <QString>

class QFontMetrics;

// A status bar whose message never runs off the window's edge: a long one gives up the middle
// of the folder path it names first, keeping the file name and what follows it, and only then
// its end. The whole message is the bar's tooltip. It holds no widgets of its own.
class ElidingStatusBar final : public QStatusBar
{
    Q_OBJECT

public:
    explicit ElidingStatusBar(QWidget* parent = nullptr);

    // `text` as it fits in `width` pixels of `metrics`.
    static QString Shorten(const QString& text, const QFontMetrics& metrics, int width);

protected:
    void paintEvent(QPaintEvent* event) override;
};
