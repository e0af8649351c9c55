#include "mainwindow/MainWindowFieldChecks.h"

#include "mainwindow/frmCalendarUi.h"
#include "rota/NumberText.h"
#include "store/Clock.h"
#include "store/Prompter.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStringList>

using namespace Qt::StringLiterals;

using NumberText::Val;

namespace {

const QString YearMessage =
    u"Only years form 1901 to 2124 may be printed (use all four digits)! "_s;
const QString SizeMessage = u"Enter a value between 20 and 100"_s;
const QString AdjustmentMessage = u" Adjustment value must be between 0 and 48!"_s;

QString instructions()
{
    const QStringList lines = {
        u"First select a pattern type and print a calendar with zero in the adjustment"_s,
        u"box for a year that you already have a calendar to compare with."_s,
        u"Next count days between where a group has it's first Saturday off on your "
        "calendar"_s,
        u"and where the same group has it's first Saturday off on the one you just printed."_s,
        u"Next enter this number in the adjustment box (it should be a multiple of 7)."_s,
        u"Then check to see if the patterns match up using the Calendar."_s,
        u"Next print the calendar for the year you want."_s,
        u"Lastly make a note of the value to use next time!"_s,
    };
    return lines.join(u"\n\r"_s);
}

// A user's leaving of a field, as opposed to the window losing focus to another window,
// a message box or a menu.
bool isLeavingField(const QFocusEvent* event)
{
    switch (event->reason()) {
    case Qt::MouseFocusReason:
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::OtherFocusReason:
        return true;
    default:
        return false;
    }
}

} // namespace

MainWindowFieldChecks::MainWindowFieldChecks(const frmCalendarUi& ui, Prompter& prompter,
                                             Clock& clock)
    : m_ui(ui), m_prompter(prompter), m_clock(clock)
{
}

void MainWindowFieldChecks::watchFields()
{
    for (QLineEdit* field :
         {m_ui.txtYear, m_ui.txtReduction, m_ui.txtCopies, m_ui.txtPatternAdjustment})
        field->installEventFilter(this);
}

bool MainWindowFieldChecks::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && !m_checkRunning &&
        isLeavingField(static_cast<QFocusEvent*>(event))) {
        // The field finishes losing the focus first (it drops its selection then), so that a
        // check that sends the focus back leaves the field with a cursor and its selection.
        // A check that sends the focus back must not set off the check of the field the user
        // was going to either.
        m_checkRunning = true;
        QCoreApplication::sendEvent(watched, event);
        checkLeftField(watched);
        m_checkRunning = false;
        return true;
    }
    if (watched == m_ui.txtPatternAdjustment)
        watchAdjustmentClicks(event);
    return QObject::eventFilter(watched, event);
}

void MainWindowFieldChecks::checkLeftField(QObject* watched)
{
    if (watched == m_ui.txtYear)
        yearLeft();
    else if (watched == m_ui.txtReduction)
        sizeLeft();
    else if (watched == m_ui.txtCopies)
        wholeCopies();
    else if (watched == m_ui.txtPatternAdjustment)
        adjustmentLeft();
}

void MainWindowFieldChecks::watchAdjustmentClicks(const QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        m_skipNextAdjustmentRelease = true; // one click, one set of instructions
    } else if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<const QMouseEvent*>(event);
        const bool skip = m_skipNextAdjustmentRelease;
        m_skipNextAdjustmentRelease = false;
        // Not when a check of the field the user came from kept the focus there.
        if (!skip && mouse->button() == Qt::LeftButton && m_ui.txtPatternAdjustment->hasFocus() &&
            m_ui.txtPatternAdjustment->rect().contains(mouse->position().toPoint()))
            showAdjustmentInstructions();
    }
}

int MainWindowFieldChecks::nextYear() const
{
    return m_clock.today().year() + 1;
}

void MainWindowFieldChecks::yearChanged()
{
    if (!NumberText::IsNumeric(m_ui.txtYear->text())) {
        m_ui.txtYear->setText(NumberText::Plain(nextYear()));
        m_prompter.beep();
    }
}

bool MainWindowFieldChecks::IsPrintableYear(const QString& text)
{
    // All four digits of a year the calendars can be printed for, blanks around them aside.
    const QString digits = text.trimmed();
    if (digits.size() != 4)
        return false;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return false;
    }
    const int year = digits.toInt();
    return year >= 1901 && year <= 2124;
}

bool MainWindowFieldChecks::yearLeft()
{
    if (IsPrintableYear(m_ui.txtYear->text()))
        return true;
    m_prompter.message(YearMessage, u"Year out of range"_s, Prompter::Buttons::Ok);
    m_ui.txtYear->setFocus(Qt::OtherFocusReason);
    m_ui.txtYear->setText(NumberText::Blank(nextYear()));
    m_ui.txtYear->setSelection(1, 10);
    return false;
}

void MainWindowFieldChecks::sizeChanged()
{
    if (!NumberText::IsNumeric(m_ui.txtReduction->text())) {
        m_ui.txtReduction->setText(u"100"_s);
        m_prompter.beep();
    }
}

bool MainWindowFieldChecks::sizeLeft()
{
    m_ui.txtReduction->setText(
        NumberText::Plain(NumberText::WholePart(Val(m_ui.txtReduction->text()))));
    const double size = Val(m_ui.txtReduction->text());
    if (size >= 20 && size <= 100)
        return true;
    m_prompter.message(SizeMessage, u"Invalid size!"_s, Prompter::Buttons::Ok);
    m_ui.txtReduction->setText(u"100"_s);
    m_ui.txtReduction->setFocus(Qt::OtherFocusReason);
    m_ui.txtReduction->setSelection(0, 3);
    return false;
}

void MainWindowFieldChecks::wholeCopies()
{
    // The field keeps itself at 1 or more; a fraction of a copy is dropped.
    const QString whole = NumberText::Plain(NumberText::WholePart(Val(m_ui.txtCopies->text())));
    if (m_ui.txtCopies->text() != whole)
        m_ui.txtCopies->setText(whole);
}

bool MainWindowFieldChecks::holdForPrint()
{
    // The fields as a printout reads them, checked as leaving each of them checks it. A
    // check that sends the focus back must not set off the check of the field it leaves.
    const bool running = m_checkRunning;
    m_checkRunning = true;
    wholeCopies();
    const bool hold = yearLeft() && sizeLeft();
    m_checkRunning = running;
    return hold;
}

void MainWindowFieldChecks::copiesChanged()
{
    if (!NumberText::IsNumeric(m_ui.txtCopies->text())) {
        m_ui.txtCopies->setText(u"1"_s);
        m_prompter.beep();
    }
    if (Val(m_ui.txtCopies->text()) < 1) {
        m_ui.txtCopies->setText(u"1"_s);
        m_prompter.beep();
    }
}

void MainWindowFieldChecks::showAdjustmentInstructions()
{
    m_prompter.message(instructions(), u"INSTRUCTIONS"_s, Prompter::Buttons::Ok);
}

void MainWindowFieldChecks::adjustmentLeft()
{
    const double adjustment = Val(m_ui.txtPatternAdjustment->text());
    if (adjustment < 0 || adjustment > 48) {
        m_prompter.message(AdjustmentMessage, u"ERROR!"_s, Prompter::Buttons::Ok);
        m_ui.txtPatternAdjustment->setText(u"0"_s);
        m_ui.txtPatternAdjustment->setFocus(Qt::OtherFocusReason);
    } else {
        m_ui.txtPatternAdjustment->setText(NumberText::Plain(NumberText::WholePart(adjustment)));
    }
}
