#include "rota/RotaKind.h"

#include "rota/NumberText.h"

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
        return QStringLiteral("CG Six and Two");
    case RotaKind::MmSixTwo:
        return QStringLiteral("MM Six and Two");
    case RotaKind::FourTwo:
        return QStringLiteral("Four and Two");
    case RotaKind::Combination:
        return QStringLiteral("Combination CG 6 && 2 and 4 && 2");
    case RotaKind::FiveThree:
        return QStringLiteral("Five and Three");
    case RotaKind::ThreeThree:
        return QStringLiteral("Three and Three");
    case RotaKind::NoPattern:
        return QStringLiteral("No Pattern");
    case RotaKind::FiveTwoFiveThree:
        return QStringLiteral("Five Two Five Three");
    }
    return {};
}

QString CommandName(RotaKind kind)
{
    switch (kind) {
    case RotaKind::CgSixTwo:
        return QStringLiteral("cg-six-two");
    case RotaKind::MmSixTwo:
        return QStringLiteral("mm-six-two");
    case RotaKind::FourTwo:
        return QStringLiteral("four-two");
    case RotaKind::Combination:
        return QStringLiteral("combination");
    case RotaKind::FiveThree:
        return QStringLiteral("five-three");
    case RotaKind::ThreeThree:
        return QStringLiteral("three-three");
    case RotaKind::NoPattern:
        return QStringLiteral("none");
    case RotaKind::FiveTwoFiveThree:
        return QStringLiteral("five-two-five-three");
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
    return QStringLiteral(" 0");
}

QString PatternButtonCaption(int buttonIndex)
{
    return QStringLiteral("Pattern ") + GroupForPatternButton(buttonIndex).trimmed();
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
