#pragma once

#include "store/ShadeColors.h"

#include <QString>

#include <functional>

class BatchTarget;
class Prompter;

// "Print All Patterns": the year calendar once for each group of the CG six-and-two rota
// (1..7) and of the four-and-two rota (A..G), each with its group highlighted, in yellow or
// in a colour drawn at random for each calendar.
class AllPatternsBatch
{
public:
    static constexpr int CalendarCount = 14;
    // A uniform number in [0, 1).
    using UniformSource = std::function<double()>;
    enum class Result
    {
        Cancelled,
        Printed,
        Stopped
    };

    // Without a source the system's random generator is used.
    explicit AllPatternsBatch(BatchTarget& target, UniformSource uniform = {});

    // Asks whether the colours should be random (Yes / No / Cancel), then prints. Cancel
    // changes and prints nothing.
    Result run(Prompter& prompter);
    // The printing after the question: fourteen calendars unless stopped.
    Result printAll(bool randomColours);
    // Stops after the calendar that is printing now (a progress dialog's Cancel).
    void requestStop() { m_stopRequested = true; }
    // Calendars printed by the last run.
    int printedCount() const { return m_printed; }

    static QString QuestionText(const QString& copiesText, const QString& yearText);
    static QString QuestionTitle();
    // floor(4u + 1): 1 yellow, 2 pink, 3 green, 4 blue.
    static ColourFamily ColourFor(double uniform);
    // The group a calendar of the batch highlights: "1".."7", then "A".."G".
    static QString GroupOf(int index);

private:
    BatchTarget& m_target;
    UniformSource m_uniform;
    bool m_stopRequested = false;
    int m_printed = 0;
};
