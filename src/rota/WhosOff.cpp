#include "rota/WhosOff.h"

#include "rota/DayNumbering.h"
#include "rota/NumberText.h"

using namespace Qt::StringLiterals;

namespace WhosOff {

QStringList Headings()
{
    return {u"CG 6-2"_s, u"MM 6-2"_s, u"4-2"_s, u"5-3"_s, u"3-3"_s, u"5-2-5-3"_s};
}

QStringList LookUp(QDate date, double adjustment, RotaDay& rota)
{
    using NumberText::Plain;
    QStringList boxes(BoxCount);
    const qint32 n = DayNumbering::DayNumber(date);

    rota.PatternDay = DayNumbering::PatternPosition(RotaKind::CgSixTwo, n, adjustment);
    GetPatterns(rota);
    boxes[0] = Plain(rota.SixTwoOff1) + u" - "_s + Plain(rota.SixTwoOff2);
    boxes[2] = rota.FourTwoOff1 + u" - "_s + rota.FourTwoOff2;
    boxes[3] = Plain(rota.FiveThreeOff1) + u'-' + Plain(rota.FiveThreeOff2) + u'-' +
               Plain(rota.FiveThreeOff3);
    boxes[4] = rota.ThreeThreeOff1 + u'-' + rota.ThreeThreeOff2 + u'-' + rota.ThreeThreeOff3;

    rota.PatternDay = DayNumbering::PatternPosition(RotaKind::FiveTwoFiveThree, n, adjustment);
    GetPatterns(rota);
    boxes[5] = rota.FiveTwoFiveThreeOff1 + u'-' + rota.FiveTwoFiveThreeOff2;

    rota.PatternDay = DayNumbering::PatternPosition(RotaKind::MmSixTwo, n, adjustment);
    GetPatterns(rota);
    boxes[1] = Plain(rota.SixTwoOff1) + u" - "_s + Plain(rota.SixTwoOff2);
    return boxes;
}

QString OwnGroupsOff(const OwnRota& rota, QDate date)
{
    const QStringList off = rota.groupsOff(date);
    return off.isEmpty() ? u"none"_s : off.join(u'-');
}

QString OwnLine(const OwnRota& rota, QDate date)
{
    return rota.name + u": "_s + OwnGroupsOff(rota, date);
}

} // namespace WhosOff
