#include "rota/Holidays.h"

#include "rota/NumberText.h"

#include <QDate>

#include <array>

using namespace Qt::StringLiterals;

namespace {

// Gregorian computus (anonymous algorithm): Easter Sunday of `year`.
QDate easterSunday(int year)
{
    const int a = year % 19;
    const int b = year / 100;
    const int c = year % 100;
    const int d = b / 4;
    const int e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4;
    const int k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31;
    const int day = ((h + l - 7 * m + 114) % 31) + 1;
    return QDate(year, month, day);
}

struct HolidayInfo
{
    const char16_t* caption;
    bool zaz;
};

constexpr std::array<HolidayInfo, Holidays::Count> holidayTable = {{
    {u"New Years Day", true},
    {u"Good Friday", true},
    {u"Memorial Day", true},
    {u"Independence Day", true},
    {u"Labor Day", true},
    {u"Thanksgiving", true},
    {u"Day After Thanksgiving", true},
    {u"Christmas", true},
    {u"Martin Luther King Day", false},
    {u"Presidents Day", false},
    {u"Easter", false},
    {u"Columbus Day", false},
    {u"Veterans Day", false},
}};

constexpr int Sunday = 0;
constexpr int Monday = 1;
constexpr int Thursday = 4;
constexpr int Friday = 5;

} // namespace

void GetGoodFriday(GoodFriday& goodFriday)
{
    const double year = NumberText::Val(goodFriday.GoodFridayYear);
    if (year < 1875.0 || year > 2124.0 || year != static_cast<double>(static_cast<int>(year)))
        return;
    const QDate friday = easterSunday(static_cast<int>(year)).addDays(-2);
    goodFriday.GoodFridayMonth = static_cast<qint16>(friday.month());
    goodFriday.GoodFridayDay = static_cast<qint16>(friday.day());
}

HolidayYear HolidayYear::From(const GoodFriday& goodFriday, int year)
{
    HolidayYear result;
    result.goodFridayMonth = goodFriday.GoodFridayMonth;
    result.goodFridayDay = goodFriday.GoodFridayDay;
    const QDate friday(year, goodFriday.GoodFridayMonth, goodFriday.GoodFridayDay);
    if (friday.isValid()) {
        const QDate easter = friday.addDays(2);
        result.easterMonth = easter.month();
        result.easterDay = easter.day();
    }
    return result;
}

namespace Holidays {

QString Caption(int index)
{
    if (index < 0 || index >= Count)
        return {};
    return QString::fromUtf16(holidayTable[static_cast<std::size_t>(index)].caption);
}

QString Frame(int index)
{
    return IsOnByDefault(index) ? u"ZAZ Holidays"_s : u"Other Holidays"_s;
}

bool IsOnByDefault(int index)
{
    return index >= 0 && index < Count && holidayTable[static_cast<std::size_t>(index)].zaz;
}

bool IsHoliday(int index, int month, int day, int weekday, const HolidayYear& year)
{
    switch (index) {
    case 0:
        return month == 1 && day == 1;
    case 1:
        return month == year.goodFridayMonth && day == year.goodFridayDay && weekday == Friday;
    case 2:
        return month == 5 && day > 24 && weekday == Monday;
    case 3:
        return month == 7 && day == 4;
    case 4:
        return month == 9 && day < 8 && weekday == Monday;
    case 5:
        return month == 11 && day > 21 && day < 29 && weekday == Thursday;
    case 6:
        return month == 11 && day > 22 && day < 30 && weekday == Friday;
    case 7:
        return month == 12 && day == 25;
    case 8:
        return month == 1 && day > 14 && day < 22 && weekday == Monday;
    case 9:
        return month == 2 && day > 14 && day < 22 && weekday == Monday;
    case 10:
        return year.easterMonth && month == *year.easterMonth && day == *year.easterDay &&
               weekday == Sunday;
    case 11:
        return month == 10 && day == 12;
    case 12:
        return month == 11 && day == 11;
    default:
        return false;
    }
}

} // namespace Holidays
