#include "store/PatternSetting.h"

#include "rota/NumberText.h"
#include "rota/Rota.h"

using namespace Qt::StringLiterals;

std::optional<PatternSetting> PatternSetting::Parse(const QString& text)
{
    if (text.size() < 2 || text.size() > 3)
        return std::nullopt;
    const QChar kindChar = text.at(0);
    const auto kind = kindChar >= u'0' && kindChar <= u'9'
                          ? RotaKinds::FromCode(kindChar.unicode() - u'0')
                          : std::nullopt;
    if (!kind)
        return std::nullopt;
    const QString button = text.mid(1);
    if (button == QLatin1String("00") || button == QLatin1String(" 0"))
        return PatternSetting{*kind, std::nullopt, button.front() == u' '};
    // Exactly the plain digits the pattern buttons write: "1".."21", no leading zero.
    for (int number = 1; number <= RotaKinds::PatternButtonCount; ++number) {
        // A group the kind cannot highlight would leave a disabled button chosen.
        if (button == NumberText::Plain(number)) {
            if (!Rota::BuiltIn(*kind).isPatternButtonEnabled(number - 1))
                return std::nullopt;
            return PatternSetting{*kind, number - 1, false};
        }
    }
    return std::nullopt;
}

QString PatternSetting::text() const
{
    const QString code = NumberText::Plain(RotaKinds::Code(kind));
    if (button)
        return code + NumberText::Plain(*button + 1);
    return code + (blankNone ? u" 0"_s : u"00"_s);
}

PatternSetting PatternSetting::withKind(RotaKind other) const
{
    PatternSetting changed = *this;
    changed.kind = other;
    return changed;
}

PatternSetting PatternSetting::withButton(int index) const
{
    return {kind, index, false};
}

PatternSetting PatternSetting::withoutButton() const
{
    return {kind, std::nullopt, true};
}
