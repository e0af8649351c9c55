#pragma once

#include "print/AllPatternsBatch.h"

#include <QStringList>

class BatchTarget;
class Prompter;

// "Print All Patterns" for a rota of the user's own: its year calendar once for each of its
// groups, in its file's order, each with its group highlighted, after the same question about
// random colours as the built-in batch asks.
class OwnRotaBatch
{
public:
    using Result = AllPatternsBatch::Result;

    // `groups`: the rota's groups, "1".."7" and "A".."N".
    OwnRotaBatch(BatchTarget& target, const QStringList& groups,
                 AllPatternsBatch::UniformSource uniform = {});

    Result run(Prompter& prompter);
    // Stops after the calendar that is printing now.
    void requestStop() { m_stopRequested = true; }
    int calendarCount() const { return static_cast<int>(m_buttons.size()); }

private:
    BatchTarget& m_target;
    QList<int> m_buttons; // the groups' pattern buttons
    AllPatternsBatch::UniformSource m_uniform;
    bool m_stopRequested = false;
};
