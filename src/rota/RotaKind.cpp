#include "rota/RotaKind.h"

#include "rota/BuiltInRotas.h"
#include "rota/NumberText.h"

using namespace Qt::StringLiterals;

namespace RotaKinds {

std::optional<RotaKind> FromCode(int code)
{
    for (const BuiltInRota& definition : BuiltInRotas::Definitions()) {
        if (Code(definition.kind) == code)
            return definition.kind;
    }
    return std::nullopt;
}

int Code(RotaKind kind)
{
    return static_cast<int>(kind);
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
