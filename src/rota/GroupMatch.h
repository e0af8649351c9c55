#pragma once

#include "rota/RotaDay.h"
#include "rota/RotaKind.h"
#include "rota/RotaKindTable.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace GroupMatch {

// The groups off under the kind on the day just looked up: one list per column its cell
// writes, each in the rota table's order. Nothing for no pattern.
QList<QStringList> GroupsOff(RotaKind kind, const RotaDay& rota);

// Whether any column holds a group.
bool AnyGroup(const QList<QStringList>& groupsOff);

// Whether the highlighted group is among the groups off. Digit groups compare numerically
// (" 3" matches 3), letter groups as exact text; "0" and " 0" never match.
bool IsAmong(const QString& highlightGroup, const QList<QStringList>& groupsOff);
bool IsHighlightedGroupOff(RotaKind kind, const QString& highlightGroup, const RotaDay& rota);

// The groups-off text the month sheet, the month printout and the year page write: the lead,
// then each column's groups joined by the separator, columns three blanks apart: " 1-2",
// " A-B", "1-2-3", "HIJ", " 1-2   A-B", " A-D"; nothing where no column holds a group.
QString Text(const RotaKindInfo::CellText& cell, const QList<QStringList>& groupsOff);
QString GroupsOffText(RotaKind kind, const RotaDay& rota);

} // namespace GroupMatch
