#include "rota/GroupMatch.h"

#include "rota/NumberText.h"
#include "rota/RotaKindTable.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace GroupMatch {

QList<QStringList> GroupsOff(RotaKind kind, const RotaDay& rota)
{
    QList<QStringList> groups;
    for (CycleColumn column : RotaKindTable::Of(kind).columns)
        groups.append(ColumnGroups(rota, column));
    return groups;
}

bool AnyGroup(const QList<QStringList>& groupsOff)
{
    return std::any_of(groupsOff.cbegin(), groupsOff.cend(),
                       [](const QStringList& column) { return !column.isEmpty(); });
}

bool IsAmong(const QString& highlightGroup, const QList<QStringList>& groupsOff)
{
    const double number = NumberText::Val(highlightGroup);
    for (const QStringList& column : groupsOff) {
        for (const QString& group : column) {
            const bool digit = !group.isEmpty() && group.front().isDigit();
            if (digit ? number == NumberText::Val(group) : highlightGroup == group)
                return true;
        }
    }
    return false;
}

bool IsHighlightedGroupOff(RotaKind kind, const QString& highlightGroup, const RotaDay& rota)
{
    return IsAmong(highlightGroup, GroupsOff(kind, rota));
}

QString Text(const RotaKindInfo::CellText& cell, const QList<QStringList>& groupsOff)
{
    if (!AnyGroup(groupsOff))
        return {};
    QStringList columns;
    for (const QStringList& column : groupsOff)
        columns << column.join(cell.separator);
    return cell.lead + columns.join(u"   "_s);
}

QString GroupsOffText(RotaKind kind, const RotaDay& rota)
{
    return Text(RotaKindTable::Of(kind).cell, GroupsOff(kind, rota));
}

} // namespace GroupMatch
