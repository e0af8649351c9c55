#pragma once

#include "rota/OwnRota.h"
#include "rota/RotaDay.h"
#include "rota/RotaKind.h"
#include "rota/RotaKindTable.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

// The rota a page, a sheet or an export is drawn for: a built-in kind, or a rota of the user's
// own in its place. The printouts ask it what the kind table answers for a built-in kind, so
// one code path draws both.
class RotaChoice
{
public:
    // With `own` set, the own rota is drawn and `kind` is not.
    explicit RotaChoice(RotaKind kind, std::shared_ptr<const OwnRota> own = nullptr);

    RotaKind kind() const { return m_kind; }
    const OwnRota* own() const { return m_own.get(); }

    // The groups off on a day, one list per column its cell writes. A built-in kind reads them
    // through the shared record: its cycle's position, moved by the adjustment, then
    // GetPatterns; a position outside the table leaves an earlier day's groups. An own rota's
    // start date places it: the adjustment does not move it, and the record is not used.
    QList<QStringList> groupsOff(qint32 dayNumber, double adjustment, RotaDay& rota) const;
    // False where a built-in kind's position falls outside its table: groupsOff then gave an
    // earlier day's groups.
    bool hasDay(qint32 dayNumber, double adjustment) const;

    // How a cell writes the groups off.
    const RotaKindInfo::CellText& cell() const;
    // After "STATION - YEAR" on the year page.
    QString titleSuffix() const;
    // The key's name for a group's days off.
    QString keyLabel(const QString& group) const;
    // Names the rota in an exported calendar, and in its events' identities.
    QString icsName() const;
    QString uidName() const;
    // The groups it can highlight: a built-in kind's in pattern-button order, an own rota's in
    // its file's order.
    QStringList groups() const;
    bool hasGroup(const QString& groupLetter) const;
    bool isPatternButtonEnabled(int buttonIndex) const;

private:
    const RotaKindInfo& row() const { return RotaKindTable::Of(m_kind); }

    RotaKind m_kind;
    std::shared_ptr<const OwnRota> m_own;
};
