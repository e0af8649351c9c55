#include "rota/RotaChoice.h"

#include "rota/DayNumbering.h"
#include "rota/GroupMatch.h"

#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

// The groups off of an own rota on the lower line, as most built-in kinds write theirs.
const RotaKindInfo::CellText OwnCell = {u" "_s, u"-"_s, 10, RotaKindInfo::YearCell::LowerLine,
                                        true};

} // namespace

RotaChoice::RotaChoice(RotaKind kind, std::shared_ptr<const OwnRota> own)
    : m_kind(kind), m_own(std::move(own))
{
}

QList<QStringList> RotaChoice::groupsOff(qint32 dayNumber, double adjustment, RotaDay& rota) const
{
    if (m_own)
        return {m_own->groupsOff(DayNumbering::ReferenceDate().addDays(dayNumber))};
    rota.PatternDay = DayNumbering::PatternPosition(m_kind, dayNumber, adjustment);
    GetPatterns(rota);
    return GroupMatch::GroupsOff(m_kind, rota);
}

bool RotaChoice::hasDay(qint32 dayNumber, double adjustment) const
{
    return m_own || DayNumbering::PatternPosition(m_kind, dayNumber, adjustment) >= 0;
}

const RotaKindInfo::CellText& RotaChoice::cell() const
{
    return m_own ? OwnCell : row().cell;
}

QString RotaChoice::titleSuffix() const
{
    return m_own ? u" "_s + m_own->name + u" RDO Calendar"_s : row().titleSuffix;
}

QString RotaChoice::keyLabel(const QString& group) const
{
    // Put together, not through arg(): the rota's name may hold "%1".
    if (m_own)
        return m_own->name + u": pattern "_s + group + u" days off"_s;
    return row().keyLabel.arg(group);
}

QString RotaChoice::icsName() const
{
    return m_own ? m_own->name : row().icsName;
}

QString RotaChoice::uidName() const
{
    // Apart from every built-in command name, and the same for the same rota name.
    if (m_own)
        return u"own-"_s + QString::fromLatin1(QUrl::toPercentEncoding(m_own->name));
    return row().commandName;
}

QStringList RotaChoice::groups() const
{
    if (m_own)
        return m_own->groups;
    QStringList letters;
    for (const QChar letter : row().groups)
        letters << QString(letter);
    return letters;
}

bool RotaChoice::hasGroup(const QString& groupLetter) const
{
    return m_own ? m_own->groups.contains(groupLetter)
                 : RotaKindTable::HasGroup(m_kind, groupLetter);
}

bool RotaChoice::isPatternButtonEnabled(int buttonIndex) const
{
    return hasGroup(RotaKinds::GroupForPatternButton(buttonIndex).trimmed());
}
