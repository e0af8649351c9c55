#include "mainwindow/MainWindowBatchTarget.h"

#include "mainwindow/frmCalendar.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

MainWindowBatchTarget::MainWindowBatchTarget(frmCalendar& window, PrintCalendar printCalendar,
                                             ShowProgress showProgress)
    : m_window(window), m_printCalendar(std::move(printCalendar)),
      m_showProgress(std::move(showProgress))
{
}

MainWindowBatchTarget::~MainWindowBatchTarget()
{
    setBusy(false);
}

QString MainWindowBatchTarget::copiesText() const
{
    return m_window.ui().txtCopies->text();
}

QString MainWindowBatchTarget::yearText() const
{
    return m_window.ui().txtYear->text();
}

void MainWindowBatchTarget::untickVacations()
{
    m_window.ui().chkHilightVacations->setChecked(false);
}

// Selecting runs the handler when the option was not selected yet; the explicit call makes
// sure it runs in any case (a second run changes nothing).
void MainWindowBatchTarget::selectSixAndTwo()
{
    m_window.ui().optSixAndTwo->setChecked(true);
    m_window.chooseCalendarType(RotaKind::CgSixTwo);
}

void MainWindowBatchTarget::selectFourAndTwo()
{
    m_window.ui().optFourAndTwo->setChecked(true);
    m_window.chooseCalendarType(RotaKind::FourTwo);
}

void MainWindowBatchTarget::selectPattern(int index)
{
    if (index < 0 || index >= static_cast<int>(m_window.ui().optPattern.size()))
        return;
    m_window.ui().optPattern[index]->setChecked(true);
    m_window.optPattern_Click(index);
}

void MainWindowBatchTarget::selectColour(ColourFamily family)
{
    m_window.ui().colourOption(family)->setChecked(true);
    m_window.paintShades(family);
}

void MainWindowBatchTarget::printCalendar()
{
    if (m_printCalendar)
        m_printCalendar();
}

void MainWindowBatchTarget::showProgress(int number, int total)
{
    if (m_showProgress)
        m_showProgress(number, total);
}

void MainWindowBatchTarget::setBusy(bool busy)
{
    if (busy == m_busy)
        return;
    m_busy = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}
