#include "rota/BuiltInRotas.h"

#include "rota/NumberText.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

using Column = BuiltInRota::WindowColumn;
using YearCell = Rota::YearCell;

// The cycles, position 0 first. The MM six-and-two rota is the CG one read 21 days later; the
// combination draws the CG six-and-two and the four-and-two rotas together.
const QString SixTwo =
    u"34 45 56 56 67 71 12 23 34 45 45 56 67 71 12 23 34 34 45 56 67 71 12 23 "
    "23 34 45 56 67 71 12 12 23 34 45 56 67 71 71 12 23 34 45 56 67 67 71 12 23"_s;
const QString FourTwo =
    u"CD CB AG AG EF ED CD CB AB GF GF ED CD CB AB AG EF EF CD CB AB AG GF ED "
    "ED CB AB AG GF EF CD CD AB AG GF EF ED CB CB AG GF EF ED CD AB AB GF EF ED"_s;
const QString FiveThree =
    u"167 127 123 123 234 345 456 567 167 127 127 123 234 345 456 567 167 167 127 123 234 345 456 "
    "567 567 167 127 123 234 345 456 456 567 167 127 123 234 345 345 456 567 167 127 123 234 234 "
    "345 456 567"_s;
const QString ThreeThree =
    u"IJK JKL LMN LMN NHI HIJ IJK JKL KLM MNH MNH HIJ IJK JKL KLM LMN NHI NHI IJK JKL KLM LMN MNH "
    "HIJ HIJ JKL KLM LMN MNH NHI IJK IJK KLM LMN MNH NHI HIJ JKL JKL LMN MNH NHI HIJ IJK KLM KLM "
    "MNH NHI HIJ"_s;
// Five on, two off, five on, three off.
const QString FiveTwoFiveThree = u"CD AD AE BE BE BF CF CD AD AD AE BE BF CF CF"_s;

const QStringList Digits = {u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s};
// The buttons name groups "Pattern 3", and so does the key.
const QString PatternDaysOff = u"Pattern %1 days off"_s;

QList<BuiltInRota> Defined()
{
    return {
        {.kind = RotaKind::CgSixTwo,
         .button = {u"CG Six and Two"_s, u"optSixAndTwo"_s, Column::EightHour, 0},
         .commandName = u"cg-six-two"_s,
         .icsName = u"CG Six and Two"_s,
         .groups = Digits,
         .columns = {SixTwo},
         .whosOff = {u"CG 6-2"_s, u" - "_s, u" "_s},
         .titleSuffix = u" 6-2 RDO Calendar"_s,
         .cell = {u" "_s, u"-"_s, 10, YearCell::LowerLine},
         .keyLabel = PatternDaysOff,
         .inAllPatterns = true},
        {.kind = RotaKind::MmSixTwo,
         .button = {u"MM Six and Two"_s, u"optMMSixAndTwo"_s, Column::EightHour, 1},
         .commandName = u"mm-six-two"_s,
         .icsName = u"MM Six and Two"_s,
         .groups = Digits,
         .columns = {SixTwo},
         .offset = 21,
         .whosOff = {u"MM 6-2"_s, u" - "_s, u"     "_s},
         .titleSuffix = u" 6-2 RDO Calendar"_s,
         .cell = {u" "_s, u"-"_s, 10, YearCell::LowerLine},
         .keyLabel = PatternDaysOff},
        {.kind = RotaKind::FourTwo,
         .button = {u"Four and Two"_s, u"optFourAndTwo"_s, Column::EightHour, 2},
         .commandName = u"four-two"_s,
         .icsName = u"Four and Two"_s,
         .groups = {u"A"_s, u"B"_s, u"C"_s, u"D"_s, u"E"_s, u"F"_s, u"G"_s},
         .columns = {FourTwo},
         .whosOff = {u"4-2"_s, u" - "_s, u"       "_s},
         .titleSuffix = u" 4-2 RDO Calendar"_s,
         .cell = {u" "_s, u"-"_s, 10, YearCell::LowerLine},
         .keyLabel = PatternDaysOff,
         .inAllPatterns = true},
        {.kind = RotaKind::Combination,
         .button = {u"Combination CG 6 && 2 and 4 && 2"_s, u"optCombination"_s, Column::Below, 0},
         .commandName = u"combination"_s,
         .icsName = u"Combination CG 6 & 2 and 4 & 2"_s,
         .groups = Digits + QStringList{u"A"_s, u"B"_s, u"C"_s, u"D"_s, u"E"_s, u"F"_s, u"G"_s},
         .together = {RotaKind::CgSixTwo, RotaKind::FourTwo},
         .titleSuffix = u" 6-2 And 4-2 RDO Calendar"_s,
         .cell = {u" "_s, u"-"_s, 9, YearCell::SecondColumnAtRight},
         .keyLabel = PatternDaysOff},
        {.kind = RotaKind::FiveThree,
         .button = {u"Five and Three"_s, u"optFiveAndThree"_s, Column::TenHour, 0},
         .commandName = u"five-three"_s,
         .icsName = u"Five and Three"_s,
         .groups = Digits,
         .columns = {FiveThree},
         .whosOff = {u"5-3"_s, u"-"_s, u"           "_s},
         .titleSuffix = u" 10 Hour 5-3 RDO Calendar"_s,
         .cell = {QString(), u"-"_s, 10, YearCell::LowerLine},
         .keyLabel = PatternDaysOff},
        {.kind = RotaKind::ThreeThree,
         .button = {u"Three and Three"_s, u"optThreeAndThree"_s, Column::TenHour, 1},
         .commandName = u"three-three"_s,
         .icsName = u"Three and Three"_s,
         .groups = {u"H"_s, u"I"_s, u"J"_s, u"K"_s, u"L"_s, u"M"_s, u"N"_s},
         .columns = {ThreeThree},
         .whosOff = {u"3-3"_s, u"-"_s, u"           "_s},
         .titleSuffix = u" 10 Hour 3-3 RDO Calendar"_s,
         .cell = {QString(), QString(), 9, YearCell::LowerLine},
         .keyLabel = PatternDaysOff},
        {.kind = RotaKind::NoPattern,
         .button = {u"No Pattern"_s, u"optNoPattern"_s, Column::Others, 1},
         .commandName = u"none"_s,
         .icsName = u"No Pattern"_s,
         .titleSuffix = u" Calendar"_s,
         .cell = {QString(), QString(), 10, YearCell::LowerLine},
         .keyLabel = PatternDaysOff},
        {.kind = RotaKind::FiveTwoFiveThree,
         .button = {u"Five Two Five Three"_s, u"optFiveTwoFiveThree"_s, Column::Others, 0},
         .commandName = u"five-two-five-three"_s,
         .icsName = u"Five Two Five Three"_s,
         .groups = {u"A"_s, u"B"_s, u"C"_s, u"D"_s, u"E"_s, u"F"_s},
         .columns = {FiveTwoFiveThree},
         .offset = -3,
         .whosOff = {u"5-2-5-3"_s, u"-"_s, u"         "_s},
         .titleSuffix = u" 5-2-5-3 RDO Calendar"_s,
         .cell = {u" "_s, u"-"_s, 10, YearCell::LowerLine},
         .keyLabel = PatternDaysOff},
    };
}

struct Table
{
    QList<BuiltInRota> definitions;
    QList<Rota> rotas;
};

// The rotas are made after all definitions are in place: a combination reads the others'.
void Fill(Table& table, QList<BuiltInRota> definitions)
{
    table.definitions = std::move(definitions);
    table.rotas.clear();
    for (const BuiltInRota& definition : table.definitions) {
        BuiltInRota drawn = definition;
        for (const RotaKind kind : definition.together) {
            for (const BuiltInRota& other : table.definitions) {
                if (other.kind == kind) {
                    drawn.columns += other.columns;
                    drawn.offset = other.offset;
                }
            }
        }
        table.rotas.append(Rota(drawn));
    }
}

Table& Current()
{
    static Table table = [] {
        Table defined;
        Fill(defined, Defined());
        return defined;
    }();
    return table;
}

} // namespace

namespace BuiltInRotas {

const QList<BuiltInRota>& Definitions()
{
    return Current().definitions;
}

const QList<Rota>& All()
{
    return Current().rotas;
}

std::optional<Rota> Find(RotaKind kind)
{
    for (const Rota& rota : All()) {
        if (rota.kind() == kind)
            return rota;
    }
    return std::nullopt;
}

std::optional<RotaKind> FromCommandName(const QString& name)
{
    for (const BuiltInRota& definition : Definitions()) {
        if (name == definition.commandName ||
            name == NumberText::Plain(RotaKinds::Code(definition.kind)))
            return definition.kind;
    }
    return std::nullopt;
}

QStringList CommandNames()
{
    QList<const BuiltInRota*> byCode;
    for (const BuiltInRota& definition : Definitions())
        byCode.append(&definition);
    std::stable_sort(byCode.begin(), byCode.end(), [](const BuiltInRota* a, const BuiltInRota* b) {
        return RotaKinds::Code(a->kind) < RotaKinds::Code(b->kind);
    });
    QStringList names;
    for (const BuiltInRota* definition : byCode)
        names << definition->commandName;
    return names;
}

QString CodeRange()
{
    int highest = 0;
    for (const BuiltInRota& definition : Definitions())
        highest = std::max(highest, RotaKinds::Code(definition.kind));
    return u"0.."_s + NumberText::Plain(highest);
}

Replacement::Replacement(QList<BuiltInRota> definitions)
{
    Fill(Current(), std::move(definitions));
}

Replacement::~Replacement()
{
    Fill(Current(), Defined());
}

} // namespace BuiltInRotas
