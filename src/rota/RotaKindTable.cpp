#include "rota/RotaKindTable.h"

#include "rota/NumberText.h"

using namespace Qt::StringLiterals;

namespace RotaKindTable {

namespace {

using Column = RotaKindInfo::WindowColumn;
using YearCell = RotaKindInfo::YearCell;

} // namespace

const std::array<RotaKindInfo, RotaKinds::Count>& Rows()
{
    // The buttons name groups "Pattern 3", and so does the key.
    static const QString PatternDaysOff = u"Pattern %1 days off"_s;
    static const std::array<RotaKindInfo, RotaKinds::Count> rows = {{
        {.kind = RotaKind::CgSixTwo,
         .button = {u"CG Six and Two"_s, u"optSixAndTwo"_s, Column::EightHour, 0},
         .commandName = u"cg-six-two"_s,
         .icsName = u"CG Six and Two"_s,
         .groups = u"1234567"_s,
         .columns = {CycleColumn::SixTwo},
         .cycle = {49, 0},
         .whosOffBoxes = {0},
         .titleSuffix = u" 6-2 RDO Calendar"_s,
         .cell = {u" "_s, u"-"_s, 10, YearCell::LowerLine},
         .keyLabel = PatternDaysOff},
        // The CG rota's six-and-two column read 21 days later.
        {.kind = RotaKind::MmSixTwo,
         .button = {u"MM Six and Two"_s, u"optMMSixAndTwo"_s, Column::EightHour, 1},
         .commandName = u"mm-six-two"_s,
         .icsName = u"MM Six and Two"_s,
         .groups = u"1234567"_s,
         .columns = {CycleColumn::SixTwo},
         .cycle = {49, 21},
         .whosOffBoxes = {1},
         .titleSuffix = u" 6-2 RDO Calendar"_s,
         .cell = {u" "_s, u"-"_s, 10, YearCell::LowerLine},
         .keyLabel = PatternDaysOff},
        {.kind = RotaKind::FourTwo,
         .button = {u"Four and Two"_s, u"optFourAndTwo"_s, Column::EightHour, 2},
         .commandName = u"four-two"_s,
         .icsName = u"Four and Two"_s,
         .groups = u"ABCDEFG"_s,
         .columns = {CycleColumn::FourTwo},
         .cycle = {49, 0},
         .whosOffBoxes = {2},
         .titleSuffix = u" 4-2 RDO Calendar"_s,
         .cell = {u" "_s, u"-"_s, 10, YearCell::LowerLine},
         .keyLabel = PatternDaysOff},
        {.kind = RotaKind::Combination,
         .button = {u"Combination CG 6 && 2 and 4 && 2"_s, u"optCombination"_s, Column::Below, 0},
         .commandName = u"combination"_s,
         .icsName = u"Combination CG 6 & 2 and 4 & 2"_s,
         .groups = u"1234567ABCDEFG"_s,
         .columns = {CycleColumn::SixTwo, CycleColumn::FourTwo},
         .cycle = {49, 0},
         .whosOffBoxes = {0, 2},
         .titleSuffix = u" 6-2 And 4-2 RDO Calendar"_s,
         .cell = {u" "_s, u"-"_s, 9, YearCell::SecondColumnAtRight},
         .keyLabel = PatternDaysOff},
        {.kind = RotaKind::FiveThree,
         .button = {u"Five and Three"_s, u"optFiveAndThree"_s, Column::TenHour, 0},
         .commandName = u"five-three"_s,
         .icsName = u"Five and Three"_s,
         .groups = u"1234567"_s,
         .columns = {CycleColumn::FiveThree},
         .cycle = {49, 0},
         .whosOffBoxes = {3},
         .titleSuffix = u" 10 Hour 5-3 RDO Calendar"_s,
         .cell = {QString(), u"-"_s, 10, YearCell::LowerLine},
         .keyLabel = PatternDaysOff},
        {.kind = RotaKind::ThreeThree,
         .button = {u"Three and Three"_s, u"optThreeAndThree"_s, Column::TenHour, 1},
         .commandName = u"three-three"_s,
         .icsName = u"Three and Three"_s,
         .groups = u"HIJKLMN"_s,
         .columns = {CycleColumn::ThreeThree},
         .cycle = {49, 0},
         .whosOffBoxes = {4},
         .titleSuffix = u" 10 Hour 3-3 RDO Calendar"_s,
         .cell = {QString(), QString(), 9, YearCell::LowerLine},
         .keyLabel = PatternDaysOff},
        {.kind = RotaKind::NoPattern,
         .button = {u"No Pattern"_s, u"optNoPattern"_s, Column::Others, 1},
         .commandName = u"none"_s,
         .icsName = u"No Pattern"_s,
         .groups = QString(),
         .columns = {},
         .cycle = {49, 0},
         .whosOffBoxes = {},
         .titleSuffix = u" Calendar"_s,
         .cell = {QString(), QString(), 10, YearCell::LowerLine},
         .keyLabel = PatternDaysOff},
        // A 15-day cycle: five on, two off, five on, three off.
        {.kind = RotaKind::FiveTwoFiveThree,
         .button = {u"Five Two Five Three"_s, u"optFiveTwoFiveThree"_s, Column::Others, 0},
         .commandName = u"five-two-five-three"_s,
         .icsName = u"Five Two Five Three"_s,
         .groups = u"ABCDEF"_s,
         .columns = {CycleColumn::FiveTwoFiveThree},
         .cycle = {15, -3},
         .whosOffBoxes = {5},
         .titleSuffix = u" 5-2-5-3 RDO Calendar"_s,
         .cell = {u" "_s, u"-"_s, 10, YearCell::LowerLine},
         .keyLabel = PatternDaysOff},
    }};
    return rows;
}

const RotaKindInfo& Of(RotaKind kind)
{
    const std::optional<RotaKind> known = RotaKinds::FromCode(RotaKinds::Code(kind));
    return Rows()[static_cast<std::size_t>(RotaKinds::Code(known.value_or(RotaKind::CgSixTwo)))];
}

std::optional<RotaKind> FromCommandName(const QString& name)
{
    for (const RotaKindInfo& row : Rows()) {
        if (name == row.commandName || name == NumberText::Plain(RotaKinds::Code(row.kind)))
            return row.kind;
    }
    return std::nullopt;
}

QStringList CommandNames()
{
    QStringList names;
    for (const RotaKindInfo& row : Rows())
        names << row.commandName;
    return names;
}

QString CodeRange()
{
    return u"0.."_s + NumberText::Plain(RotaKinds::Count - 1);
}

bool HasGroup(RotaKind kind, const QString& groupLetter)
{
    return groupLetter.size() == 1 && Of(kind).groups.contains(groupLetter);
}

bool IsPatternButtonEnabled(RotaKind kind, int buttonIndex)
{
    return HasGroup(kind, RotaKinds::GroupForPatternButton(buttonIndex).trimmed());
}

} // namespace RotaKindTable
