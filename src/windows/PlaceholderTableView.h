#pragma once

#include <QString>
#include <QTableView>

// A table that says in grey in its body why it is empty, for as long as it has no rows.
class PlaceholderTableView final : public QTableView
{
    Q_OBJECT

public:
    using QTableView::QTableView;

    void setPlaceholderText(const QString& text);
    QString placeholderText() const { return m_placeholder; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_placeholder;
};
