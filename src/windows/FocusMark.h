#pragma once

#include <QObject>
#include <QPointer>

class QFocusFrame;
class QWidget;

// A frame drawn around whichever control of a window has the keyboard focus, so that the
// focus is plain to see on every kind of control (scroll bars and labels show none of their
// own), and that control scrolled into view.
class FocusMark : public QObject
{
    Q_OBJECT

public:
    static void Install(QWidget* window);

private:
    explicit FocusMark(QWidget* window);
    void follow(QWidget* now);

    QWidget* m_window;
    QPointer<QFocusFrame> m_frame;
};
