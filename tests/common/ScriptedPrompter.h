#pragma once

#include "store/Prompter.h"

#include <QList>
#include <QString>

// A Prompter for tests: answers from a queue and records every prompt it was shown.
class ScriptedPrompter final : public Prompter
{
public:
    struct Shown
    {
        enum class Kind { Message, Input };
        Kind kind;
        QString text;
        QString title;
        Buttons buttons = Buttons::Ok;
        QString proposal;
    };

    // Answers for message() in order; when the queue is empty, Ok / Yes is answered.
    void queueAnswer(Answer answer) { m_answers.append(answer); }
    // Answers for input() in order; when the queue is empty, the proposal is accepted.
    void queueInput(const QString& text) { m_inputs.append(text); }

    Answer message(const QString& text, const QString& title, Buttons buttons) override;
    QString input(const QString& prompt, const QString& title, const QString& proposal) override;
    void beep() override { ++m_beeps; }

    const QList<Shown>& shown() const { return m_shown; }
    int beeps() const { return m_beeps; }
    void clear()
    {
        m_shown.clear();
        m_beeps = 0;
    }

private:
    QList<Answer> m_answers;
    QList<QString> m_inputs;
    QList<Shown> m_shown;
    int m_beeps = 0;
};
