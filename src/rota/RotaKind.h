#pragma once

#include <QList>
#include <QString>

#include <optional>

// The eight calendar types. The codes are stored in the "MyPattern" setting: never renumber.
enum class RotaKind : int {
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

inline constexpr int Count = 8;
// Pattern buttons 0..6 are groups 1..7, 7..13 groups A..G, 14..20 groups H..N.
inline constexpr int PatternButtonCount = 21;

std::optional<RotaKind> FromCode(int code);
int Code(RotaKind kind);

// The option button caption, with "&&" for a literal ampersand.
QString Caption(RotaKind kind);

// Command-line spelling: cg-six-two, mm-six-two, four-two, combination, five-three,
// three-three, none, five-two-five-three.
QString CommandName(RotaKind kind);
// Accepts a command name or a code "0".."7".
std::optional<RotaKind> FromCommandName(const QString& name);

// Pattern button indices that may be chosen under this kind.
QList<int> EnabledPatternButtons(RotaKind kind);
bool IsPatternButtonEnabled(RotaKind kind, int buttonIndex);

// Who's-off boxes (0..5) marked for this kind.
QList<int> MarkedWhosOffBoxes(RotaKind kind);

// The highlight group text a pattern button stands for: " 1".." 7", "A".."N".
QString GroupForPatternButton(int buttonIndex);
// Caption of pattern button i: "Pattern 1".."Pattern N".
QString PatternButtonCaption(int buttonIndex);
// The button naming a group letter ("1".."7", "A".."N"), or nullopt.
std::optional<int> PatternButtonForGroup(const QString& groupLetter);

} // namespace RotaKinds
