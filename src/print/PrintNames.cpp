#include "print/PrintNames.h"

#include "rota/NumberText.h"

#include <QLocale>

using namespace Qt::StringLiterals;

namespace PrintNames {

namespace {

QString year(const QString& yearText)
{
    return NumberText::Plain(NumberText::WholePart(NumberText::Val(yearText)));
}

QString group(const CalendarChoices& choices)
{
    const QString highlighted = choices.highlightGroup.trimmed();
    if (choices.noHighlight || highlighted.isEmpty() || highlighted == u"0"_s)
        return {};
    return u" - "_s + choices.rota.groupCaption(highlighted);
}

} // namespace

QString YearCalendar(const CalendarChoices& choices)
{
    return u"Kelvane "_s + year(choices.yearText) + u' ' + choices.rota.printName() +
           group(choices);
}

QString BatchCalendar(const CalendarChoices& choices)
{
    return u"Kelvane "_s + year(choices.yearText) + u' ' + choices.rota.batchName() +
           group(choices);
}

QString Batch(const QString& yearText)
{
    return u"Kelvane "_s + year(yearText) + u" All Patterns"_s;
}

QString Month(const QDate& firstOfMonth)
{
    return u"Kelvane "_s + QLocale(QLocale::English).toString(firstOfMonth, u"MMMM yyyy"_s);
}

} // namespace PrintNames
