#pragma once

#include "rota/Holidays.h"
#include "store/PatternSetting.h"

#include <QString>

using namespace Qt::StringLiterals;

// The values that live for the whole run, shared by reference between the windows and the
// printouts: the holiday look-up's record, the stored settings as the window keeps them,
// and where the calendar database is. A printout's choices (the highlighted group and the
// shades among them) are in CalendarChoices. No other globals.
struct AppState
{
    GoodFriday goodFriday;
    PatternSetting MyPattern;
    QString HolidaySet = u"1111111100000"_s;
    qint16 NoDatabase = 0;
    QString DatabasePath;
};
