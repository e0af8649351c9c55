#pragma once

#include "rota/RotaDay.h"
#include "rota/RotaKind.h"

#include <QString>

namespace GroupMatch {

// Whether the highlighted group is off on the day just looked up. Digit groups compare
// numerically (" 3" matches 3), letter groups as exact text; "0" and " 0" never match.
// Kinds other than five-and-three and five-two-five-three test the union of the six-and-two,
// four-and-two and three-and-three fields: the three name families never overlap.
bool IsHighlightedGroupOff(RotaKind kind, const QString& highlightGroup, const RotaDay& rota);

// The groups-off text the month sheet and month printout write: " 1-2", " A-B", "1-2-3",
// "HIJ", " 1-2   A-B", " A-D", and nothing for no pattern.
QString GroupsOffText(RotaKind kind, const RotaDay& rota);

} // namespace GroupMatch
