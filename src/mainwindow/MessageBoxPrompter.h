#pragma once

#include "store/Prompter.h"

#include <QList>
#include <QPointer>

class QDialog;

// The on-screen Prompter: message boxes without an icon, input boxes and the system beep,
// each over the window the user is working in.
class MessageBoxPrompter final : public Prompter
{
public:
    // Takes back every box on the screen, and answers every later question at once without a
    // box (the session ends: nobody may be there to answer). A box taken back gives the answer
    // that does least: Ok, No, Cancel; no button for choose(); the proposal unchanged for an
    // input box.
    void withdrawAll();

    Answer message(const QString& text, const QString& title, Buttons buttons) override;
    int choose(const QString& text, const QString& title, const QStringList& buttons) override;
    QString input(const QString& prompt, const QString& title, const QString& proposal) override;
    void beep() override;

    // The texts keep "\n\r" between lines; a box shows each join as one line break.
    static QString DisplayText(const QString& text);

private:
    // Shows `box` until it is answered; false when it was taken back instead.
    bool answered(QDialog& box);

    QList<QPointer<QDialog>> m_open;
    QList<QDialog*> m_withdrawn;
    bool m_withdrawing = false;
};
