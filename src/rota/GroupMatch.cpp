#include "rota/GroupMatch.h"

#include "rota/NumberText.h"
#include "rota/RotaKindTable.h"

using namespace Qt::StringLiterals;

namespace GroupMatch {

QList<QStringList> GroupsOff(RotaKind kind, const RotaDay& rota)
{
    QList<QStringList> groups;
    for (CycleColumn column : RotaKindTable::Of(kind).columns)
        groups.append(ColumnGroups(rota, column));
    return groups;
}

bool IsHighlightedGroupOff(RotaKind kind, const QString& highlightGroup, const RotaDay& rota)
{
    const double number = NumberText::Val(highlightGroup);
    for (const QStringList& column : GroupsOff(kind, rota)) {
        for (const QString& group : column) {
            const bool digit = !group.isEmpty() && group.front().isDigit();
            if (digit ? number == NumberText::Val(group) : highlightGroup == group)
                return true;
        }
    }
    return false;
}

QString ColumnText(RotaKind kind, const QStringList& groups)
{
    return groups.join(RotaKindTable::Of(kind).cell.separator);
}

QString GroupsOffText(RotaKind kind, const RotaDay& rota)
{
    const QList<QStringList> groups = GroupsOff(kind, rota);
    if (groups.isEmpty())
        return {};
    QStringList columns;
    for (const QStringList& column : groups)
        columns << ColumnText(kind, column);
    return RotaKindTable::Of(kind).cell.lead + columns.join(u"   "_s);
}

} // namespace GroupMatch
