#pragma once

#include "rota/Holidays.h"
#include "rota/RotaDay.h"
#include "store/ShadeColors.h"

#include <QString>

using namespace Qt::StringLiterals;

// The values that live for the whole run, shared by reference between the windows and the
// printouts. No other globals.
struct AppState
{
    RotaDay rotaDay;
    GoodFriday goodFriday;
    QString HighlightGroup = u"0"_s;
    QString MyPattern = u"000"_s;
    QString HolidaySet = u"1111111100000"_s;
    qint16 NoDatabase = 0;
    QString DatabasePath;
    ShadeColors shades = ShadeColors::For(ColourFamily::Yellow, 0);
};
