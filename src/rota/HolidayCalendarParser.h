#pragma once

#include "rota/HolidayCalendar.h"

#include <QByteArray>
#include <QString>
#include <QTimeZone>

#include <optional>

// Reads an iCalendar file (RFC 5545) of holidays with libical. Every VEVENT counts, its
// SUMMARY is the holiday's name (the calendar's name when it has none). A file the library
// cannot read whole, or with an event it cannot place, gives one line "FILE:LINE: reason" (or
// "FILE: reason" where no line can be named) and no calendar: nothing is half read.
class HolidayCalendarParser
{
public:
    struct Result
    {
        std::optional<HolidayCalendar> calendar;
        QString error; // set when there is no calendar
    };

    // An event (or a period of one) may last a year at most.
    static constexpr int LongestDays = 366;
    // Working out the years a file covers follows its rules this many steps at most: a file
    // whose rules need more (daily rules counted from the year 1) is refused rather than
    // read for minutes.
    static constexpr qint64 MostSteps = 1'000'000;

    // `fileName` begins the error line, and its last part names a calendar without
    // X-WR-CALNAME. Timed events mark the dates of `local`.
    static Result Parse(const QByteArray& bytes, const QString& fileName,
                        const QTimeZone& local = QTimeZone::systemTimeZone());
};
