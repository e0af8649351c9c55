#pragma once

#include <QString>
#include <QStringList>

// The names of months and weekdays the year page, the month page and the month sheet print.
namespace CalendarNames {

// "  JANUARY" .. " DECEMBER" for 1..12, padded to sit roughly centred over a year-page block;
// empty for any other month.
QString Month(int month);
// "S", "M", .. "S" from Sunday on.
QStringList WeekdayLetters();

} // namespace CalendarNames
