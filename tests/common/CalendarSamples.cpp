#include "CalendarSamples.h"

#include "rota/DayNumbering.h"
#include "rota/NumberText.h"
#include "rota/RotaDay.h"

using namespace Qt::StringLiterals;

namespace CalendarSamples {

CalendarChoices Year(const QString& yearText, RotaKind kind, const QString& group)
{
    CalendarChoices choices;
    choices.yearText = yearText;
    choices.station = u"DARIZU"_s;
    choices.kind = kind;
    if (!group.isEmpty()) {
        choices.highlightGroup = group;
        choices.noHighlight = false;
    }
    return choices;
}

CalendarChoices Month(QDate date)
{
    CalendarChoices choices;
    choices.calendarDate = date;
    choices.yearText = QString::number(date.year());
    return choices;
}

QString GroupOffOn(QDate date)
{
    RotaDay rota;
    rota.PatternDay =
        DayNumbering::PatternPosition(RotaKind::CgSixTwo, DayNumbering::DayNumber(date), 0);
    GetPatterns(rota);
    return NumberText::Blank(rota.SixTwoOff1);
}

} // namespace CalendarSamples
