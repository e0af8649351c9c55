#include "rota/GroupMatch.h"

#include "rota/NumberText.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace GroupMatch {

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

QString Text(const Rota::CellText& cell, const QList<QStringList>& groupsOff)
{
    if (!AnyGroup(groupsOff))
        return {};
    QStringList columns;
    for (const QStringList& column : groupsOff)
        columns << column.join(cell.separator);
    return cell.lead + columns.join(u"   "_s);
}

} // namespace GroupMatch
