#include "print/AllPatternsBatch.h"

#include "rota/NumberText.h"
#include "rota/RotaKind.h"

#include <QRandomGenerator>

#include <cmath>

using namespace Qt::StringLiterals;

QList<AllPatternsBatch::Job> AllPatternsBatch::Jobs(const Rota& chosen)
{
    QList<Job> jobs;
    for (const Rota& rota : chosen.allPatterns()) {
        for (const QString& group : rota.groups())
            jobs.append({rota, group});
    }
    return jobs;
}

AllPatternsBatch::AllPatternsBatch(QList<Job> jobs, UniformSource uniform)
    : m_jobs(std::move(jobs)), m_uniform(std::move(uniform))
{
    if (!m_uniform)
        m_uniform = [] { return QRandomGenerator::global()->generateDouble(); };
}

CalendarChoices AllPatternsBatch::choicesFor(const CalendarChoices& base, int index,
                                             ColourFamily colour, int shade) const
{
    const Job& job = m_jobs.at(index);
    CalendarChoices choices = base;
    choices.highlightVacations = false;
    choices.rota = job.rota;
    // As the pattern button writes it: " 3", "A".
    const std::optional<int> button = RotaKinds::PatternButtonForGroup(job.group);
    choices.highlightGroup = button ? RotaKinds::GroupForPatternButton(*button) : job.group;
    choices.noHighlight = false;
    choices.shades = ShadeColors::For(colour, shade);
    return choices;
}

AllPatternsBatch::Result AllPatternsBatch::run(const CalendarChoices& base, bool randomColours,
                                               int shade, const PrintCalendar& print)
{
    m_stopRequested = false;
    m_printed = 0;
    m_lastColour = ColourFamily::Yellow;
    for (int i = 0; i < m_jobs.size(); ++i) {
        if (m_stopRequested)
            return Result::Stopped;
        // One generator for the whole batch: re-seeding it from the clock before every
        // calendar could repeat the same colour within one clock tick.
        if (randomColours)
            m_lastColour = ColourFor(m_uniform());
        print(i, choicesFor(base, i, m_lastColour, shade));
        ++m_printed;
    }
    return Result::Printed;
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
