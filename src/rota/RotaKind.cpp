#include "rota/RotaKind.h"

#include "rota/NumberText.h"

using namespace Qt::StringLiterals;

namespace RotaKinds {

std::optional<RotaKind> FromCode(int code)
{
    if (code < 0 || code >= Count)
        return std::nullopt;
    return static_cast<RotaKind>(code);
}

int Code(RotaKind kind)
{
    return static_cast<int>(kind);
}

QString Caption(RotaKind kind)
{
    switch (kind) {
    case RotaKind::CgSixTwo:
        return u"CG Six and Two"_s;
    case RotaKind::MmSixTwo:
        return u"MM Six and Two"_s;
    case RotaKind::FourTwo:
        return u"Four and Two"_s;
    case RotaKind::Combination:
        return u"Combination CG 6 && 2 and 4 && 2"_s;
    case RotaKind::FiveThree:
        return u"Five and Three"_s;
    case RotaKind::ThreeThree:
        return u"Three and Three"_s;
    case RotaKind::NoPattern:
        return u"No Pattern"_s;
    case RotaKind::FiveTwoFiveThree:
        return u"Five Two Five Three"_s;
    }
    return {};
}

QString CommandName(RotaKind kind)
{
    switch (kind) {
    case RotaKind::CgSixTwo:
        return u"cg-six-two"_s;
    case RotaKind::MmSixTwo:
        return u"mm-six-two"_s;
    case RotaKind::FourTwo:
        return u"four-two"_s;
    case RotaKind::Combination:
        return u"combination"_s;
    case RotaKind::FiveThree:
        return u"five-three"_s;
    case RotaKind::ThreeThree:
        return u"three-three"_s;
    case RotaKind::NoPattern:
        return u"none"_s;
    case RotaKind::FiveTwoFiveThree:
        return u"five-two-five-three"_s;
    }
    return {};
}

std::optional<RotaKind> FromCommandName(const QString& name)
{
    for (int code = 0; code < Count; ++code) {
        RotaKind kind = static_cast<RotaKind>(code);
        if (name == CommandName(kind) || name == NumberText::Plain(code))
            return kind;
    }
    return std::nullopt;
}

namespace {

QList<int> range(int first, int last)
{
    QList<int> result;
    for (int i = first; i <= last; ++i)
        result.append(i);
    return result;
}

} // namespace

QList<int> EnabledPatternButtons(RotaKind kind)
{
    switch (kind) {
    case RotaKind::CgSixTwo:
    case RotaKind::MmSixTwo:
    case RotaKind::FiveThree:
        return range(0, 6);
    case RotaKind::FourTwo:
        return range(7, 13);
    case RotaKind::Combination:
        return range(0, 13);
    case RotaKind::ThreeThree:
        return range(14, 20);
    case RotaKind::NoPattern:
        return {};
    case RotaKind::FiveTwoFiveThree:
        return range(7, 12);
    }
    return {};
}

bool IsPatternButtonEnabled(RotaKind kind, int buttonIndex)
{
    return EnabledPatternButtons(kind).contains(buttonIndex);
}

QList<int> MarkedWhosOffBoxes(RotaKind kind)
{
    switch (kind) {
    case RotaKind::CgSixTwo:
        return {0};
    case RotaKind::MmSixTwo:
        return {1};
    case RotaKind::FourTwo:
        return {2};
    case RotaKind::Combination:
        return {0, 2};
    case RotaKind::FiveThree:
        return {3};
    case RotaKind::ThreeThree:
        return {4};
    case RotaKind::NoPattern:
        return {};
    case RotaKind::FiveTwoFiveThree:
        return {5};
    }
    return {};
}

QString GroupForPatternButton(int buttonIndex)
{
    if (buttonIndex >= 0 && buttonIndex <= 6)
        return NumberText::Blank(buttonIndex + 1);
    if (buttonIndex >= 7 && buttonIndex < PatternButtonCount)
        return QString(QChar(u'A' + (buttonIndex - 7)));
    return u" 0"_s;
}

QString PatternButtonCaption(int buttonIndex)
{
    return u"Pattern "_s + GroupForPatternButton(buttonIndex).trimmed();
}

std::optional<int> PatternButtonForGroup(const QString& groupLetter)
{
    for (int i = 0; i < PatternButtonCount; ++i) {
        if (GroupForPatternButton(i).trimmed() == groupLetter)
            return i;
    }
    return std::nullopt;
}

} // namespace RotaKinds
