#pragma once

#include <QString>
#include <QStringList>

// Every message box, input box and beep of the program goes through this, so that tests can
// answer from a script and read back the exact texts. Multi-line texts keep their "\n\r"
// joins here; the on-screen version shows them as line breaks.
class Prompter
{
public:
    enum class Buttons { Ok, YesNo, YesNoCancel };
    enum class Answer { Ok, Yes, No, Cancel };

    virtual ~Prompter() = default;

    virtual Answer message(const QString& text, const QString& title, Buttons buttons) = 0;
    // A question with buttons of its own, first the default; returns the index of the one
    // chosen. It has no other way out: Escape and the close box do nothing. -1 when the
    // question was taken back unanswered (the session ends).
    virtual int choose(const QString& text, const QString& title, const QStringList& buttons) = 0;
    // Returns the typed text, or an empty text when the user cancels.
    virtual QString input(const QString& prompt, const QString& title, const QString& proposal) = 0;
    virtual void beep() = 0;
};
