#pragma once

#include "store/ShadeColors.h"

#include <QString>

// What the all-patterns batch drives: the main window's own choices, as if the user clicked
// them (each call runs the control's handler), and its year printout. The command line
// implements it over a snapshot of the choices.
class BatchTarget
{
public:
    virtual ~BatchTarget() = default;

    // txtCopies and txtYear as typed, for the question.
    virtual QString copiesText() const = 0;
    virtual QString yearText() const = 0;

    // Clears "Highlight Vacations": the batch draws no personal entries.
    virtual void untickVacations() = 0;
    // optSixAndTwo / optFourAndTwo selected and their handlers run.
    virtual void selectSixAndTwo() = 0;
    virtual void selectFourAndTwo() = 0;
    // optPattern(index) selected and optPattern_Click(index) run: 0..6 groups 1..7,
    // 7..13 groups A..G.
    virtual void selectPattern(int index) = 0;
    // The colour option of the family selected and its handler run.
    virtual void selectColour(ColourFamily family) = 0;
    // cmdPrintRdoCalendar_Click: one document with the copies of txtCopies.
    virtual void printCalendar() = 0;

    // The busy pointer, on for the whole batch.
    virtual void setBusy(bool busy) { Q_UNUSED(busy); }
    // Calendar `number` (1-based) of `total` is about to print.
    virtual void showProgress(int number, int total)
    {
        Q_UNUSED(number);
        Q_UNUSED(total);
    }
};
