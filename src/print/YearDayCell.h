#pragma once

#include "print/CalendarChoices.h"
#include "rota/Holidays.h"
#include "rota/Rota.h"

#include <QColor>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

class EntryLookup;
class PrintSurface;

// One day of the year calendar in its 500 x 500 cell: the fills (holiday, the highlighted
// group's day off, personal entry, pay day), the pay-day ring, the day number, the groups
// off, the entry type and the week number in the margin. Positions are design twips; every
// value handed to the surface is scaled by the page's factor and rounded down on its own.
class YearDayCell
{
public:
    // Where the walk through the year stands. The cell advances it after each day.
    struct Walk
    {
        QDate firstDay;            // 1 January
        qint32 firstDayNumber = 0; // its day number
        int dayOffset = 0;         // days from 1 January; never reset between months
        int monthIndex = 0;        // 0 = January
        int x0 = 0;                // the month block's origin
        int y0 = 0;
        int weekRow = 0;    // 0..5 within the block
        int weekNumber = 0; // never reset between months; 0 is never printed
    };

    static const QColor PayDayColor;        // first kind, plain day
    static const QColor PayDayHolidayColor; // first kind, holiday
    static const QColor SecondPayDayColor;  // second kind, plain day
    static const QColor SecondPayDayHolidayColor;
    static const QColor PayDayDiscColor;
    static const QColor PayDayWeekNumberColor;

    YearDayCell(PrintSurface& surface, const CalendarChoices& choices, EntryLookup* entries,
                double scale, const HolidayYear& holidays);

    // Draws the day at walk.firstDay + walk.dayOffset and steps to the next day. Returns true
    // when that next day belongs to the next month.
    bool draw(Walk& walk);

    // The two kinds of pay day, every fourteen days, three days apart.
    static bool IsFirstPayDay(qint32 dayNumber) { return (dayNumber + 15) % 14 == 0; }
    static bool IsSecondPayDay(qint32 dayNumber) { return (dayNumber + 12) % 14 == 0; }

private:
    int scaled(double design) const;
    void fillCell(const QColor& color);
    void drawEntry(int month, int day);
    void ringPayDay();
    void printGroups(int x, int y);
    void printAt(int x, int y, const QString& text, bool endLine = true);

    PrintSurface& m_surface;
    const CalendarChoices& m_choices;
    EntryLookup* m_entries;
    double m_scale;
    HolidayYear m_holidays;
    double m_adjustment;
    Rota m_rota;
    // The day's groups off, one list per column.
    QList<QStringList> m_groupsOff;

    // The current cell in design twips.
    int m_left = 0;
    int m_top = 0;
    int m_right = 0;
    int m_bottom = 0;
    bool m_holiday = false;
    bool m_shaded = false;
    // Set when an entry is found; cleared only when its type is printed.
    bool m_entry = false;
    QString m_entryType;
    // The last row (month index * 6 + week row) whose week number was printed.
    int m_numberedRow = -1;
};
