#pragma once

#include "rota/OwnRota.h"
#include "rota/RotaDay.h"

#include <QDate>
#include <QStringList>

namespace WhosOff {

inline constexpr int BoxCount = 6;

// Headings of the six boxes: CG 6-2, MM 6-2, 4-2, 5-3, 3-3, 5-2-5-3.
QStringList Headings();

// The six who's-off texts for a date, looked up in the order the main window does it
// (49-day position, then the 15-day one, then MM), through the shared record: a position
// outside the table leaves the earlier look-up's groups in place.
QStringList LookUp(QDate date, double adjustment, RotaDay& rota);

// A rota of the user's own: its groups off joined by "-" ("A-C"), or "none".
QString OwnGroupsOff(const OwnRota& rota, QDate date);
// Its line: "NAME: A-C", or "NAME: none".
QString OwnLine(const OwnRota& rota, QDate date);

} // namespace WhosOff
