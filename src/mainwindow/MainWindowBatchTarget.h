#pragma once

#include "print/BatchTarget.h"

#include <functional>

class frmCalendar;

// The all-patterns batch over the main window: each step sets the control and runs its
// handler, as a user's click would, so every calendar of the batch is the one the user would
// get by choosing it by hand. The printout itself is handed in by whoever owns it.
class MainWindowBatchTarget final : public BatchTarget
{
public:
    using PrintCalendar = std::function<void()>;
    // Calendar `number` of `total` is about to print.
    using ShowProgress = std::function<void(int number, int total)>;

    MainWindowBatchTarget(frmCalendar& window, PrintCalendar printCalendar,
                          ShowProgress showProgress = {});
    ~MainWindowBatchTarget() override;

    QString copiesText() const override;
    QString yearText() const override;
    void untickVacations() override;
    void selectSixAndTwo() override;
    void selectFourAndTwo() override;
    void selectPattern(int index) override;
    void selectColour(ColourFamily family) override;
    void printCalendar() override;
    void setBusy(bool busy) override;
    void showProgress(int number, int total) override;

private:
    frmCalendar& m_window;
    PrintCalendar m_printCalendar;
    ShowProgress m_showProgress;
    bool m_busy = false;
};
