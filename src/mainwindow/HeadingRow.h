#pragma once

#include <QList>
#include <QWidget>

class QLabel;

// A one-line heading over a row of widgets, each widget starting under its own word of the
// heading. The headings keep their exact text (with the blanks that spread them out) and the
// widgets follow the text as the font draws it, so the two line up at any font size.
class HeadingRow : public QWidget
{
public:
    explicit HeadingRow(const QString& heading, QWidget* parent = nullptr);

    QLabel* label() const { return m_label; }

    // Places `widget` under the first occurrence of `word` after the previous widget's word.
    // fillToNext: the widget reaches up to the next widget's word (or the heading's end);
    // otherwise it keeps its own preferred width.
    void add(QWidget* widget, const QString& word, bool fillToNext);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Item
    {
        QWidget* widget;
        qsizetype start;
        bool fillToNext;
    };

    QList<QRect> geometries() const;
    void placeItems();

    QLabel* m_label;
    QList<Item> m_items;
};
