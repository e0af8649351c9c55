#include "print/CalendarNames.h"

#include <array>

using namespace Qt::StringLiterals;

namespace CalendarNames {

QString Month(int month)
{
    static const std::array<QString, 12> names = {u"  JANUARY"_s,  u"  FEBRUARY"_s, u"    MARCH"_s,
                                                  u"     APRIL"_s, u"       MAY"_s, u"      JUNE"_s,
                                                  u"      JULY"_s, u"   AUGUST"_s,  u"SEPTEMBER"_s,
                                                  u"  OCTOBER"_s,  u" NOVEMBER"_s,  u" DECEMBER"_s};
    if (month < 1 || month > 12)
        return {};
    return names[static_cast<std::size_t>(month - 1)];
}

QStringList WeekdayLetters()
{
    return {u"S"_s, u"M"_s, u"T"_s, u"W"_s, u"T"_s, u"F"_s, u"S"_s};
}

} // namespace CalendarNames
