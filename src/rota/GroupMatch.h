#pragma once

#include "rota/RotaDay.h"
#include "rota/RotaKind.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace GroupMatch {

// The groups off under the kind on the day just looked up: one list per column its cell
// writes, each in the rota table's order. Nothing for no pattern.
QList<QStringList> GroupsOff(RotaKind kind, const RotaDay& rota);

// Whether the highlighted group is among them. Digit groups compare numerically (" 3"
// matches 3), letter groups as exact text; "0" and " 0" never match.
bool IsHighlightedGroupOff(RotaKind kind, const QString& highlightGroup, const RotaDay& rota);

// The groups-off text the month sheet, the month printout and the year page write: " 1-2",
// " A-B", "1-2-3", "HIJ", " 1-2   A-B", " A-D", and nothing for no pattern.
QString GroupsOffText(RotaKind kind, const RotaDay& rota);
// One column of it: the groups joined by the kind's separator.
QString ColumnText(RotaKind kind, const QStringList& groups);

} // namespace GroupMatch
