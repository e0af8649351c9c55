#pragma once

#include "rota/RotaKind.h"

#include <QString>

#include <optional>

// The "MyPattern" setting: the last built-in calendar type chosen and the pattern button it
// highlights. Stored as the kind's code, then the button's number "1".."21" without a leading
// zero, or "00" or " 0" for no highlight ("000", "210", "05", "2 0").
struct PatternSetting
{
    RotaKind kind = RotaKind::CgSixTwo;
    std::optional<int> button; // 0..20; nothing: no highlight
    // No highlight is written " 0" once the window cleared it, "00" as first stored.
    bool blankNone = false;

    // The value of a stored text, or nothing for a text the program could never have written
    // (an unknown kind, a button number out of range or one the kind cannot highlight).
    static std::optional<PatternSetting> Parse(const QString& text);
    // The text as stored.
    QString text() const;

    // The same setting with another kind; the button stays.
    PatternSetting withKind(RotaKind other) const;
    // The same kind with the button, or with no highlight (" 0").
    PatternSetting withButton(int index) const;
    PatternSetting withoutButton() const;

    friend bool operator==(const PatternSetting&, const PatternSetting&) = default;
};
