#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// The shared rota result record: a caller sets PatternDay, calls GetPatterns and reads the
// fields it needs at once. Fields not overwritten by a look-up keep their earlier values.
struct RotaDay
{
    qint16 PatternDay = 0;
    qint16 SixTwoOff1 = 0;
    qint16 SixTwoOff2 = 0;
    QString FourTwoOff1;
    QString FourTwoOff2;
    qint16 FiveThreeOff1 = 0;
    qint16 FiveThreeOff2 = 0;
    qint16 FiveThreeOff3 = 0;
    QString ThreeThreeOff1;
    QString ThreeThreeOff2;
    QString ThreeThreeOff3;
    QString FiveTwoFiveThreeOff1;
    QString FiveTwoFiveThreeOff2;
};

// Looks PatternDay up in the rota table. A position outside 0..48 leaves every field as it
// was; positions 15..48 leave the five-two-five-three pair as it was.
void GetPatterns(RotaDay& rota);

// The columns of the rota table, one rota family each.
enum class CycleColumn
{
    SixTwo,
    FourTwo,
    FiveThree,
    ThreeThree,
    FiveTwoFiveThree,
};

// The groups of one column as the record holds them now, as group letters ("3", "A") in the
// table's order.
QStringList ColumnGroups(const RotaDay& rota, CycleColumn column);
