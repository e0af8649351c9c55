#pragma once

#include "rota/Rota.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace GroupMatch {

// Whether any column holds a group.
bool AnyGroup(const QList<QStringList>& groupsOff);

// Whether the highlighted group is among the groups off, the same group by
// OwnRotaRules::GroupKey: blanks around it aside (" 3" matches "3"), case aside, numbers by
// value; "A" never matches "A1", nor "1" "1A". "0" and " 0" never match.
bool IsAmong(const QString& highlightGroup, const QList<QStringList>& groupsOff);

// The groups-off text the month sheet, the month printout and the year page write: the lead,
// then each column's groups joined by the separator, columns three blanks apart: " 1-2",
// " A-B", "1-2-3", "HIJ", " 1-2   A-B", " A,D", " A1,C7"; nothing where no column holds a group.
QString Text(const Rota::CellText& cell, const QList<QStringList>& groupsOff);

} // namespace GroupMatch
