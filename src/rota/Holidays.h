#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// Shared Good Friday look-up values: set GoodFridayYear, call GetGoodFriday, read the month
// and day. A year outside the table leaves the month and day as they were.
struct GoodFriday
{
    QString GoodFridayYear;
    qint16 GoodFridayMonth = 0;
    qint16 GoodFridayDay = 0;
};

// Known for the whole years 1875..2124; anything else (empty, fractional, out of range)
// leaves the previous month and day in place.
void GetGoodFriday(GoodFriday& goodFriday);

// The holiday dates of one drawn year that depend on Good Friday.
struct HolidayYear
{
    int goodFridayMonth = 0;
    int goodFridayDay = 0;
    // Two days after Good Friday in the drawn year; unset when that is no date.
    std::optional<int> easterMonth;
    std::optional<int> easterDay;

    static HolidayYear From(const GoodFriday& goodFriday, int year);
};

namespace Holidays {

inline constexpr int Count = 13;
// The eight "ZAZ Holidays" on, the five "Other Holidays" off.
inline constexpr char DefaultSet[] = "1111111100000";

QString Caption(int index);
// "ZAZ Holidays" for 0..7, "Other Holidays" for 8..12.
QString Frame(int index);
bool IsOnByDefault(int index);

// Whether the date (month 1..12, day 1..31, weekday column 0 = Sunday) is holiday `index`.
bool IsHoliday(int index, int month, int day, int weekday, const HolidayYear& year);

} // namespace Holidays
