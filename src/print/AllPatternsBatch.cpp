#include "print/AllPatternsBatch.h"

#include "print/BatchTarget.h"
#include "rota/NumberText.h"
#include "rota/RotaKind.h"
#include "store/Prompter.h"

#include <QRandomGenerator>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// Pattern buttons 7..13 are the four-and-two groups A..G.
constexpr int FirstFourTwoButton = 7;

} // namespace

AllPatternsBatch::AllPatternsBatch(BatchTarget& target, UniformSource uniform)
    : m_target(target), m_uniform(std::move(uniform))
{
    if (!m_uniform)
        m_uniform = [] { return QRandomGenerator::global()->generateDouble(); };
}

QString AllPatternsBatch::QuestionText(const QString& copiesText, const QString& yearText)
{
    const QString phrase = NumberText::Val(copiesText) > 1 ? u" highlighted copies of each "_s
                                                           : u" highlighted copy of each "_s;
    return u"Do you want the highlight color to be random?"_s + u"\n\r"_s + u"Printing "_s +
           copiesText + phrase + yearText + u" RDO pattern."_s;
}

QString AllPatternsBatch::QuestionTitle()
{
    return u"Randomize colors to make printer cartridges last longer!"_s;
}

ColourFamily AllPatternsBatch::ColourFor(double uniform)
{
    const int k = static_cast<int>(std::floor(4 * uniform + 1));
    switch (k) {
    case 2:
        return ColourFamily::Pink;
    case 3:
        return ColourFamily::Green;
    default:
        break;
    }
    return k >= 4 ? ColourFamily::Blue : ColourFamily::Yellow;
}

QString AllPatternsBatch::GroupOf(int index)
{
    return RotaKinds::GroupForPatternButton(index).trimmed();
}

AllPatternsBatch::Result AllPatternsBatch::run(Prompter& prompter)
{
    const Prompter::Answer answer =
        prompter.message(QuestionText(m_target.copiesText(), m_target.yearText()), QuestionTitle(),
                         Prompter::Buttons::YesNoCancel);
    if (answer != Prompter::Answer::Yes && answer != Prompter::Answer::No)
        return Result::Cancelled;
    return printAll(answer == Prompter::Answer::Yes);
}

AllPatternsBatch::Result AllPatternsBatch::printAll(bool randomColours)
{
    m_stopRequested = false;
    m_printed = 0;
    m_target.untickVacations();
    m_target.setBusy(true);
    m_target.selectSixAndTwo();
    m_target.selectColour(ColourFamily::Yellow);
    Result result = Result::Printed;
    for (int i = 0; i < CalendarCount; ++i) {
        if (m_stopRequested) {
            result = Result::Stopped;
            break;
        }
        if (i == FirstFourTwoButton)
            m_target.selectFourAndTwo();
        m_target.selectPattern(i);
        // One generator for the whole batch: re-seeding it from the clock before every
        // calendar could repeat the same colour within one clock tick.
        if (randomColours)
            m_target.selectColour(ColourFor(m_uniform()));
        m_target.showProgress(i + 1, CalendarCount);
        m_target.printCalendar();
        ++m_printed;
    }
    m_target.setBusy(false);
    return result;
}
