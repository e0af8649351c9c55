#pragma once

#include "print/CalendarChoices.h"
#include "rota/Rota.h"
#include "store/ShadeColors.h"

#include <QList>
#include <QString>

#include <functional>

// "Print All Patterns": the year calendar once for each (rota, group) job, each with its group
// highlighted and no personal entries, in yellow or in a colour drawn at random for each
// calendar. The window's batch button, File > Print All Patterns and print-all all print
// through it.
class AllPatternsBatch
{
public:
    struct Job
    {
        Rota rota;
        QString group; // a pattern button's name: "3", "A"
    };
    // A uniform number in [0, 1).
    using UniformSource = std::function<double()>;
    // Prints job `index` (from 0) with its choices.
    using PrintCalendar = std::function<void(int index, const CalendarChoices& choices)>;
    enum class Result
    {
        Printed,
        Stopped
    };

    // The jobs while `chosen` is the rota chosen: each group of each of its allPatterns(), in
    // order (the built-in kinds: CG six-and-two 1..7, then four-and-two A..G).
    static QList<Job> Jobs(const Rota& chosen);

    // Without a source the system's random generator is used.
    explicit AllPatternsBatch(QList<Job> jobs, UniformSource uniform = {});

    const QList<Job>& jobs() const { return m_jobs; }
    // The choices of job `index`: `base` without personal entries, the job's rota with its
    // group highlighted, in `colour` with the shade of `shade`.
    CalendarChoices choicesFor(const CalendarChoices& base, int index, ColourFamily colour,
                               int shade) const;
    // Prints every job unless stopped: in yellow, or each in a colour of its own.
    Result run(const CalendarChoices& base, bool randomColours, int shade,
               const PrintCalendar& print);
    // Stops after the calendar that is printing now (a progress dialog's Cancel).
    void requestStop() { m_stopRequested = true; }
    // Calendars printed by the last run, and the colour of the last one.
    int printedCount() const { return m_printed; }
    ColourFamily lastColour() const { return m_lastColour; }

    // The question the window asks before the batch.
    static QString QuestionText(const QString& copiesText, const QString& yearText);
    static QString QuestionTitle();
    // floor(4u + 1): 1 yellow, 2 pink, 3 green, 4 blue.
    static ColourFamily ColourFor(double uniform);

private:
    QList<Job> m_jobs;
    UniformSource m_uniform;
    bool m_stopRequested = false;
    int m_printed = 0;
    ColourFamily m_lastColour = ColourFamily::Yellow;
};
