#pragma once

#include <QDate>

namespace DayNumbering {

// 25 January 1900, a Thursday: day number 0 of every rota.
QDate ReferenceDate();

// Signed whole days from the reference date to `date` (1 January 1901 is 341).
qint32 DayNumber(QDate date);

// 0 = Sunday .. 6 = Saturday for every date from 28 January 1900 on; the remainder keeps
// the dividend's sign, so earlier dates give negative columns.
int WeekdayColumn(qint32 dayNumber);

// Position of a day in a built-in kind's cycle: (day number + adjustment + offset) rounded
// (halves to even), the remainder taken with the dividend's sign, so it is negative for dates
// before 1900.
int CyclePosition(qint32 dayNumber, double adjustment, int offset, int length);

} // namespace DayNumbering
