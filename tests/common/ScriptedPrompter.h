#pragma once

#include "store/Prompter.h"

#include <QList>
#include <QString>
#include <QStringList>

// A Prompter for tests: answers from a queue and records every prompt it was shown.
//
// A question the test did not script fails the test: every test class using this prompter
// calls VerifyAllScripted() from its cleanup(). A question is unscripted when a Yes/No
// message, a choice or an input box finds its queue empty (it is still answered Yes / with
// the last button / with the proposal, so the run goes on to the check). A message with only
// an Ok button has one answer and needs none queued, but the test must have read it back
// through shown() (or queued Ok for it) before the prompter goes: an error box nobody looked
// at is unscripted.
class ScriptedPrompter final : public Prompter
{
public:
    struct Shown
    {
        enum class Kind
        {
            Message,
            Choice,
            Input
        };
        Kind kind;
        QString text;
        QString title;
        Buttons buttons = Buttons::Ok;
        QString proposal;
        QStringList choices; // the buttons of a choice
    };

    ScriptedPrompter() = default;
    ScriptedPrompter(const ScriptedPrompter&) = delete;
    ScriptedPrompter& operator=(const ScriptedPrompter&) = delete;
    ~ScriptedPrompter() override;

    // Answers for message() in order.
    void queueAnswer(Answer answer) { m_answers.append(answer); }
    // Answers for input() in order.
    void queueInput(const QString& text) { m_inputs.append(text); }
    // Button indexes for choose() in order.
    void queueChoice(int index) { m_choices.append(index); }

    Answer message(const QString& text, const QString& title, Buttons buttons) override;
    int choose(const QString& text, const QString& title, const QStringList& buttons) override;
    QString input(const QString& prompt, const QString& title, const QString& proposal) override;
    void beep() override { ++m_beeps; }

    // Reading the prompts counts as having seen every Ok-only message shown so far.
    const QList<Shown>& shown() const
    {
        m_seen = m_shown.size();
        return m_shown;
    }
    int beeps() const { return m_beeps; }
    void clear()
    {
        noteUnseenMessages();
        m_shown.clear();
        m_unscriptedOk.clear();
        m_seen = 0;
        m_beeps = 0;
    }

    // Fails the running test naming every unscripted question of every prompter since the
    // last call, then forgets them.
    static void VerifyAllScripted();

private:
    void noteUnseenMessages();

    QList<Answer> m_answers;
    QList<QString> m_inputs;
    QList<int> m_choices;
    QList<Shown> m_shown;
    QList<qsizetype> m_unscriptedOk; // Ok-only messages answered without a queued answer
    mutable qsizetype m_seen = 0;
    int m_beeps = 0;
};
