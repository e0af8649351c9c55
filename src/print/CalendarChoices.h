#pragma once

#include "rota/HolidayFileSet.h"
#include "rota/Holidays.h"
#include "rota/Rota.h"
#include "rota/RotaKind.h"
#include "store/ShadeColors.h"

#include <QDate>
#include <QString>

#include <array>

using namespace Qt::StringLiterals;

// A snapshot of the main window's choices, taken at the moment a printout or the month sheet
// runs. The command line builds the same value, so both print through one code path.
// Texts are kept as typed: the printouts apply the leading-number conversion themselves.
struct CalendarChoices
{
    QString yearText;                  // txtYear
    QString station = u"Darizu"_s;
    QString sizeText = u"100"_s;      // txtReduction, percent of full size
    QString copiesText = u"1"_s;      // txtCopies
    QString adjustmentText = u"0"_s;  // txtPatternAdjustment
    Rota rota = Rota::BuiltIn(RotaKind::CgSixTwo); // a built-in kind or a rota file's
    QString highlightGroup = u" 0"_s; // HighlightGroup
    bool noHighlight = true;                       // optNoHighlight selected
    std::array<bool, Holidays::Count> holidays{true, true, true, true, true, true, true,
                                               true, false, false, false, false, false};
    HolidayFileSet holidayFiles;                   // the holiday calendar files counted
    bool highlightVacations = false;               // chkHilightVacations
    bool highlightPayday = false;                  // chkHighlightPayday
    bool noPatterns = false;                       // chkNoPatterns
    bool printKey = false;                         // a key under the year page's blocks
    ShadeColors shades = ShadeColors::For(ColourFamily::Yellow, 0);
    QDate calendarDate;                            // Calendar1: the month sheet's month
};
