#include "rota/OwnRota.h"

namespace {

// The remainder of a / b for b > 0, never negative: days before the start count backwards
// through the cycle.
qint64 positionIn(qint64 days, qint64 length)
{
    const qint64 remainder = days % length;
    return remainder < 0 ? remainder + length : remainder;
}

} // namespace

bool OwnRota::isOff(qsizetype index, QDate date) const
{
    if (index < 0 || index >= groups.size() || !start.isValid() || !date.isValid())
        return false;
    const qint64 days = start.daysTo(date);
    const auto own = groupPatterns.constFind(groups.at(index));
    const QString& cycle = own != groupPatterns.cend() ? *own : pattern;
    if (cycle.isEmpty())
        return false;
    const qint64 late = own != groupPatterns.cend() ? 0 : index * qint64(shift);
    return cycle.at(positionIn(days - late, cycle.size())) == u'O';
}

QStringList OwnRota::groupsOff(QDate date) const
{
    QStringList off;
    for (qsizetype i = 0; i < groups.size(); ++i) {
        if (isOff(i, date))
            off << groups.at(i);
    }
    return off;
}
