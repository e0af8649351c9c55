#include "mainwindow/OwnRotaBatch.h"

#include "print/BatchTarget.h"
#include "rota/RotaKind.h"
#include "store/Prompter.h"

#include <QRandomGenerator>

OwnRotaBatch::OwnRotaBatch(BatchTarget& target, const QStringList& groups,
                           AllPatternsBatch::UniformSource uniform)
    : m_target(target), m_uniform(std::move(uniform))
{
    for (const QString& group : groups) {
        if (const std::optional<int> button = RotaKinds::PatternButtonForGroup(group))
            m_buttons.append(*button);
    }
    if (!m_uniform)
        m_uniform = [] { return QRandomGenerator::global()->generateDouble(); };
}

OwnRotaBatch::Result OwnRotaBatch::run(Prompter& prompter)
{
    const Prompter::Answer answer =
        prompter.message(AllPatternsBatch::QuestionText(m_target.copiesText(), m_target.yearText()),
                         AllPatternsBatch::QuestionTitle(), Prompter::Buttons::YesNoCancel);
    if (answer != Prompter::Answer::Yes && answer != Prompter::Answer::No)
        return Result::Cancelled;
    const bool randomColours = answer == Prompter::Answer::Yes;

    m_stopRequested = false;
    m_target.untickVacations();
    m_target.setBusy(true);
    m_target.selectColour(ColourFamily::Yellow);
    Result result = Result::Printed;
    for (int i = 0; i < m_buttons.size(); ++i) {
        if (m_stopRequested) {
            result = Result::Stopped;
            break;
        }
        m_target.selectPattern(m_buttons.at(i));
        if (randomColours)
            m_target.selectColour(AllPatternsBatch::ColourFor(m_uniform()));
        m_target.showProgress(i + 1, calendarCount());
        m_target.printCalendar();
    }
    m_target.setBusy(false);
    return result;
}
