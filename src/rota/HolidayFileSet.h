#pragma once

#include "rota/HolidayCalendar.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

// The holiday calendar files counted for a printout or an export, in the order they were given:
// their days are shaded and listed like the thirteen holidays. Copies share the calendars.
class HolidayFileSet
{
public:
    using Calendar = std::shared_ptr<const HolidayCalendar>;

    HolidayFileSet() = default;
    explicit HolidayFileSet(QList<Calendar> calendars) : m_calendars(std::move(calendars)) {}

    bool isEmpty() const { return m_calendars.isEmpty(); }
    const QList<Calendar>& calendars() const { return m_calendars; }
    // Whether calendar `index` marks the date.
    bool marks(int index, QDate date) const;
    // How many of the calendars mark the date.
    int countOn(QDate date) const;
    QStringList names() const;
    // Works out every calendar's days of `year` now: pages of that year drawn side by side
    // then only read what is kept.
    void prepare(int year) const;
    // One line for each calendar that has no date in `year` (HolidayCalendar::coverageNote).
    QStringList coverageNotes(int year) const;

private:
    QList<Calendar> m_calendars;
};
