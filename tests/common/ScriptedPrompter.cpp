#include "ScriptedPrompter.h"

#include <QTest>

#include <utility>

using namespace Qt::StringLiterals;

namespace {

QStringList& Unscripted()
{
    static QStringList questions;
    return questions;
}

void NoteUnscripted(const ScriptedPrompter::Shown& shown)
{
    Unscripted().append(u"\"%1\" (title \"%2\")"_s.arg(shown.text, shown.title));
}

} // namespace

ScriptedPrompter::~ScriptedPrompter()
{
    noteUnseenMessages();
}

Prompter::Answer ScriptedPrompter::message(const QString& text, const QString& title,
                                           Buttons buttons)
{
    m_shown.append({Shown::Kind::Message, text, title, buttons, {}, {}});
    if (!m_answers.isEmpty())
        return m_answers.takeFirst();
    if (buttons == Buttons::Ok) {
        m_unscriptedOk.append(m_shown.size() - 1);
        return Answer::Ok;
    }
    NoteUnscripted(m_shown.last());
    return Answer::Yes;
}

int ScriptedPrompter::choose(const QString& text, const QString& title, const QStringList& buttons)
{
    m_shown.append({Shown::Kind::Choice, text, title, Buttons::Ok, {}, buttons});
    if (!m_choices.isEmpty())
        return m_choices.takeFirst();
    NoteUnscripted(m_shown.last());
    return static_cast<int>(buttons.size()) - 1;
}

QString ScriptedPrompter::input(const QString& prompt, const QString& title,
                                const QString& proposal)
{
    m_shown.append({Shown::Kind::Input, prompt, title, Buttons::Ok, proposal, {}});
    if (!m_inputs.isEmpty())
        return m_inputs.takeFirst();
    NoteUnscripted(m_shown.last());
    return proposal;
}

void ScriptedPrompter::noteUnseenMessages()
{
    for (const qsizetype index : std::as_const(m_unscriptedOk)) {
        if (index >= m_seen)
            NoteUnscripted(m_shown.at(index));
    }
    m_unscriptedOk.clear();
}

void ScriptedPrompter::VerifyAllScripted()
{
    const QStringList questions = std::exchange(Unscripted(), {});
    QVERIFY2(questions.isEmpty(),
             qPrintable(u"unscripted question(s): "_s + questions.join(u"; "_s)));
}
