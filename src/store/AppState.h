#pragma once

#include "rota/Holidays.h"
#include "rota/RotaDay.h"
#include "store/ShadeColors.h"

#include <QString>

// The values that live for the whole run, shared by reference between the windows and the
// printouts. No other globals.
struct AppState
{
    RotaDay rotaDay;
    GoodFriday goodFriday;
    QString HighlightGroup = QStringLiteral("0");
    QString MyPattern = QStringLiteral("000");
    QString HolidaySet = QStringLiteral("1111111100000");
    qint16 NoDatabase = 0;
    QString DatabasePath;
    ShadeColors shades = ShadeColors::For(ColourFamily::Yellow, 0);
};
