#pragma once

#include "rota/Holidays.h"
#include "rota/OwnRota.h"
#include "rota/RotaChoice.h"
#include "rota/RotaDay.h"
#include "rota/RotaKind.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>

#include <array>
#include <memory>

// An iCalendar (RFC 5545) file of one group's days off, for calendar programs. Every event
// has a UID made of its rota, group and date, so importing a newer file updates the events
// instead of duplicating them.
class DaysOffCalendar
{
public:
    struct Request
    {
        RotaKind kind = RotaKind::CgSixTwo;
        std::shared_ptr<const OwnRota> ownRota; // when set, exported in the place of `kind`
        QString groupLetter;  // "1".."7" or "A".."N"
        QDate from;
        QDate to;             // inclusive
        double adjustment = 0;
        std::array<bool, Holidays::Count> holidays{};
        QDateTime stamp;      // DTSTAMP of every event (UTC)

        RotaChoice rota() const { return RotaChoice(kind, ownRota); }
    };

    // Whether the kind has a pattern button for the group.
    static bool KindAllowsGroup(RotaKind kind, const QString& groupLetter);

    // The whole file, lines ending in CRLF and folded at 75 octets.
    static QByteArray Build(const Request& request, RotaDay& rota, GoodFriday& goodFriday);
};
