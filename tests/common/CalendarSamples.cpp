#include "CalendarSamples.h"

#include "rota/DayNumbering.h"
#include "rota/NumberText.h"
#include "rota/Rota.h"

using namespace Qt::StringLiterals;

namespace CalendarSamples {

CalendarChoices Year(const QString& yearText, RotaKind kind, const QString& group)
{
    CalendarChoices choices;
    choices.yearText = yearText;
    choices.station = u"DARIZU"_s;
    choices.rota = Rota::BuiltIn(kind);
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
    const QString group = Rota::BuiltIn(RotaKind::CgSixTwo).groupsOff(date, 0).value(0).value(0);
    return NumberText::Blank(static_cast<qint64>(NumberText::Val(group)));
}

} // namespace CalendarSamples
