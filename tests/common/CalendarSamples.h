#pragma once

#include "print/CalendarChoices.h"

#include <QDate>
#include <QString>

// The window's choices as the printout tests start from them.
namespace CalendarSamples {

// A year page of station DARIZU; `group` empty: no group highlighted.
CalendarChoices Year(const QString& yearText, RotaKind kind = RotaKind::CgSixTwo,
                     const QString& group = QString());
// The month sheet of `date`'s month, entries looked up under its year.
CalendarChoices Month(QDate date);
// The highlight text of the CG six-and-two group that is off on `date` (adjustment 0).
QString GroupOffOn(QDate date);

} // namespace CalendarSamples
