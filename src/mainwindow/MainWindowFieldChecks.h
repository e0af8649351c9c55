#pragma once

#include <QObject>
#include <QString>

class Clock;
class Prompter;
class frmCalendarUi;

// The checks of the main window's year, size, copies and adjustment fields: as their text
// changes, as the user leaves them (not when the window loses focus to another window, a
// message box or a menu), and before anything prints. A refused value is told in a message
// box and the field gets the focus back. Replacing a field's text runs its change check
// again for the new text; the replacements are always valid, so that second run changes
// nothing.
class MainWindowFieldChecks : public QObject
{
public:
    MainWindowFieldChecks(const frmCalendarUi& ui, Prompter& prompter, Clock& clock);

    // Starts watching the fields being left; once the controls are built.
    void watchFields();

    void yearChanged();
    // False when the value was refused (the field then has the focus back).
    bool yearLeft();
    void sizeChanged();
    bool sizeLeft();
    void copiesChanged();
    // Copies as a whole number.
    void wholeCopies();
    void showAdjustmentInstructions();
    void adjustmentLeft();
    // The year, size and copies are checked before anything prints; false when one is refused.
    bool holdForPrint();

    // A year the calendars can be printed for: four digits, 1901..2124.
    static bool IsPrintableYear(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Runs the check of the field `watched` being left.
    void checkLeftField(QObject* watched);
    // A click in the adjustment field shows the instructions, once per click.
    void watchAdjustmentClicks(const QEvent* event);
    int nextYear() const;

    const frmCalendarUi& m_ui;
    Prompter& m_prompter;
    Clock& m_clock;
    bool m_checkRunning = false;
    bool m_skipNextAdjustmentRelease = false;
};
