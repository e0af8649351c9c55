#include "rota/GroupMatch.h"

#include "rota/OwnRotaRules.h"

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
    const QString key = OwnRotaRules::GroupKey(highlightGroup.trimmed());
    if (key.isEmpty() || key == u"0"_s)
        return false;
    for (const QStringList& column : groupsOff) {
        for (const QString& group : column) {
            if (OwnRotaRules::GroupKey(group) == key)
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
