#pragma once

#include <QString>

#include <optional>

// The codes of the built-in calendar types, stored in the "MyPattern" setting: never renumber.
// Everything else about a kind is in its definition in BuiltInRotas; a kind added there may
// take the next free code without a name here (RotaKind{8}).
enum class RotaKind : int
{
    CgSixTwo = 0,
    MmSixTwo = 1,
    FourTwo = 2,
    Combination = 3,
    FiveThree = 4,
    ThreeThree = 5,
    NoPattern = 6,
    FiveTwoFiveThree = 7,
};

namespace RotaKinds {

// A code is one digit of the "MyPattern" setting: at most ten kinds.
inline constexpr int MostCodes = 10;
// Pattern buttons 0..6 are groups 1..7, 7..13 groups A..G, 14..20 groups H..N.
inline constexpr int PatternButtonCount = 21;

// The kind of a code that BuiltInRotas defines.
std::optional<RotaKind> FromCode(int code);
int Code(RotaKind kind);

// The highlight group text a pattern button stands for: " 1".." 7", "A".."N".
QString GroupForPatternButton(int buttonIndex);
// Caption of pattern button i: "Pattern 1".."Pattern N".
QString PatternButtonCaption(int buttonIndex);
// The button naming a group letter ("1".."7", "A".."N"), or nullopt.
std::optional<int> PatternButtonForGroup(const QString& groupLetter);

} // namespace RotaKinds
