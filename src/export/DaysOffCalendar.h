#pragma once

#include "rota/HolidayFileSet.h"
#include "rota/Holidays.h"
#include "rota/Rota.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>

#include <array>

// An iCalendar (RFC 5545) file of one group's days off, for calendar programs. Every event
// has a UID made of its rota, group and date (a holiday file's day: of its calendar's name, its
// own name and date), so importing a newer file updates the events instead of duplicating them.
class DaysOffCalendar
{
public:
    struct Request
    {
        Rota rota;
        QString groupLetter; // one of the rota's groups: "3", "A", "A1"
        QDate from;
        QDate to; // inclusive
        double adjustment = 0;
        std::array<bool, Holidays::Count> holidays{};
        HolidayFileSet holidayFiles; // their days are events as the thirteen are
        QDateTime stamp;             // DTSTAMP of every event (UTC)
    };

    // The whole file, lines ending in CRLF and folded at 75 octets.
    static QByteArray Build(const Request& request, GoodFriday& goodFriday);
};
