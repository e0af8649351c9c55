#include "ScriptedPrompter.h"

Prompter::Answer ScriptedPrompter::message(const QString& text, const QString& title,
                                           Buttons buttons)
{
    m_shown.append({Shown::Kind::Message, text, title, buttons, {}});
    if (!m_answers.isEmpty())
        return m_answers.takeFirst();
    return buttons == Buttons::Ok ? Answer::Ok : Answer::Yes;
}

QString ScriptedPrompter::input(const QString& prompt, const QString& title,
                                const QString& proposal)
{
    m_shown.append({Shown::Kind::Input, prompt, title, Buttons::Ok, proposal});
    if (!m_inputs.isEmpty())
        return m_inputs.takeFirst();
    return proposal;
}
