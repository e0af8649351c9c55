#pragma once

#include "store/Prompter.h"

// The on-screen Prompter: message boxes without an icon, input boxes and the system beep,
// each over the window the user is working in.
class MessageBoxPrompter final : public Prompter
{
public:
    Answer message(const QString& text, const QString& title, Buttons buttons) override;
    int choose(const QString& text, const QString& title, const QStringList& buttons) override;
    QString input(const QString& prompt, const QString& title, const QString& proposal) override;
    void beep() override;

    // The texts keep "\n\r" between lines; a box shows each join as one line break.
    static QString DisplayText(const QString& text);
};
