#include "rota/HolidayFileSet.h"

bool HolidayFileSet::marks(int index, QDate date) const
{
    return m_calendars.at(index)->isHoliday(date);
}

int HolidayFileSet::countOn(QDate date) const
{
    int count = 0;
    for (const Calendar& calendar : m_calendars)
        count += calendar->isHoliday(date) ? 1 : 0;
    return count;
}

QStringList HolidayFileSet::names() const
{
    QStringList names;
    for (const Calendar& calendar : m_calendars)
        names << calendar->name();
    return names;
}

QStringList HolidayFileSet::coverageNotes(int year) const
{
    QStringList notes;
    for (const Calendar& calendar : m_calendars) {
        const QString note = calendar->coverageNote(year);
        if (!note.isEmpty())
            notes << note;
    }
    return notes;
}

void HolidayFileSet::prepare(int year) const
{
    for (const Calendar& calendar : m_calendars)
        calendar->daysOf(year);
}
