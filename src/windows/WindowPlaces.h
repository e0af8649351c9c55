#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

// Where each window of the run was last closed, by the window's name, as
// QWidget::saveGeometry() gives it: a window that is kept opens there again.
class WindowPlaces final : public QObject
{
    Q_OBJECT

public:
    using Geometries = QMap<QString, QByteArray>;

    explicit WindowPlaces(QObject* parent = nullptr);

    // The places of an earlier run.
    void setPlaces(const Geometries& places);
    // Every place known: a window still open where it is now, the others where they closed.
    Geometries places() const;

    // Puts `window` (placed for a first opening, not yet shown) where a window of that name
    // was last closed, inside the screen there is now, and notes its place each time it
    // closes from then on.
    void keep(QWidget* window, const QString& name);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Kept
    {
        QPointer<QWidget> window;
        QString name;
    };

    Geometries m_places;
    QList<Kept> m_kept;
};
