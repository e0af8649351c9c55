#pragma once

#include <QObject>

class QWidget;

// Makes the keyboard press a window's buttons the way the mouse does. A click first moves the
// focus to the button, so the field being left is checked and a refused value keeps the focus
// and stops the click. An access key (Alt+letter) and Return or Enter on a focused button go
// the same way: the focus moves to the button, and the button is clicked only when it got it.
class ButtonKeys : public QObject
{
    Q_OBJECT

public:
    // Watches every button inside `window` now; call it once the window's buttons exist.
    static void Install(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit ButtonKeys(QObject* parent);
};
