#pragma once

#include "rota/RotaKind.h"

#include <QDate>

namespace DayNumbering {

// 25 January 1900, a Thursday: day number 0 of every rota.
QDate ReferenceDate();

// Signed whole days from the reference date to `date` (1 January 1901 is 341).
qint32 DayNumber(QDate date);

// 0 = Sunday .. 6 = Saturday for every date from 28 January 1900 on; the remainder keeps
// the dividend's sign, so earlier dates give negative columns.
int WeekdayColumn(qint32 dayNumber);

// Cycle position of a day under a rota kind: the sum is rounded (halves to even) and the
// remainder taken with the dividend's sign, so it may be negative for dates before 1900.
// MM six-and-two reads 21 days later; five-two-five-three uses a 15-day cycle, offset -3.
qint16 PatternPosition(RotaKind kind, qint32 dayNumber, double adjustment);

// The three formulas by name, for callers that need a particular one.
qint16 FortyNineDayPosition(double sum);
qint16 FifteenDayPosition(double sum);

} // namespace DayNumbering
