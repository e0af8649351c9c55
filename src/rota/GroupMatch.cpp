#include "rota/GroupMatch.h"

#include "rota/NumberText.h"

using namespace Qt::StringLiterals;

namespace GroupMatch {

bool IsHighlightedGroupOff(RotaKind kind, const QString& highlightGroup, const RotaDay& rota)
{
    const double number = NumberText::Val(highlightGroup);
    auto numberIs = [number](qint16 field) { return number == static_cast<double>(field); };
    const bool fiveTwoFiveThree =
        highlightGroup == rota.FiveTwoFiveThreeOff1 || highlightGroup == rota.FiveTwoFiveThreeOff2;
    switch (kind) {
    case RotaKind::FiveTwoFiveThree:
        return fiveTwoFiveThree;
    case RotaKind::FiveThree:
        return numberIs(rota.FiveThreeOff1) || numberIs(rota.FiveThreeOff2) ||
               numberIs(rota.FiveThreeOff3) || fiveTwoFiveThree;
    default:
        return numberIs(rota.SixTwoOff1) || numberIs(rota.SixTwoOff2) ||
               highlightGroup == rota.FourTwoOff1 || highlightGroup == rota.FourTwoOff2 ||
               highlightGroup == rota.ThreeThreeOff1 || highlightGroup == rota.ThreeThreeOff2 ||
               highlightGroup == rota.ThreeThreeOff3;
    }
}

QString GroupsOffText(RotaKind kind, const RotaDay& rota)
{
    using NumberText::Plain;
    switch (kind) {
    case RotaKind::CgSixTwo:
    case RotaKind::MmSixTwo:
        return u' ' + Plain(rota.SixTwoOff1) + u'-' + Plain(rota.SixTwoOff2);
    case RotaKind::FourTwo:
        return u' ' + rota.FourTwoOff1 + u'-' + rota.FourTwoOff2;
    case RotaKind::FiveThree:
        return Plain(rota.FiveThreeOff1) + u'-' + Plain(rota.FiveThreeOff2) + u'-' +
               Plain(rota.FiveThreeOff3);
    case RotaKind::ThreeThree:
        return rota.ThreeThreeOff1.trimmed() + rota.ThreeThreeOff2.trimmed() +
               rota.ThreeThreeOff3.trimmed();
    case RotaKind::Combination:
        return u' ' + Plain(rota.SixTwoOff1) + u'-' + Plain(rota.SixTwoOff2) + u"   "_s +
               rota.FourTwoOff1 + u'-' + rota.FourTwoOff2;
    case RotaKind::FiveTwoFiveThree:
        return u' ' + rota.FiveTwoFiveThreeOff1 + u'-' + rota.FiveTwoFiveThreeOff2;
    case RotaKind::NoPattern:
        return {};
    }
    return {};
}

} // namespace GroupMatch
