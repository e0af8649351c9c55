#include "rota/RotaDay.h"

#include "rota/NumberText.h"

#include <array>

namespace {

// One row per cycle position: six-and-two pair, four-and-two pair, five-and-three triple,
// three-and-three triple, and (rows 0..14 only) the five-two-five-three pair. The order
// within a cell is the order the who's-off boxes show.
struct RotaRow
{
    char sixTwo[2];
    char fourTwo[2];
    char fiveThree[3];
    char threeThree[3];
    char fiveTwoFiveThree[2];
};

constexpr std::array<RotaRow, 49> rotaTable = {{
    {{'3', '4'}, {'C', 'D'}, {'1', '6', '7'}, {'I', 'J', 'K'}, {'C', 'D'}}, // 0
    {{'4', '5'}, {'C', 'B'}, {'1', '2', '7'}, {'J', 'K', 'L'}, {'A', 'D'}}, // 1
    {{'5', '6'}, {'A', 'G'}, {'1', '2', '3'}, {'L', 'M', 'N'}, {'A', 'E'}}, // 2
    {{'5', '6'}, {'A', 'G'}, {'1', '2', '3'}, {'L', 'M', 'N'}, {'B', 'E'}}, // 3
    {{'6', '7'}, {'E', 'F'}, {'2', '3', '4'}, {'N', 'H', 'I'}, {'B', 'E'}}, // 4
    {{'7', '1'}, {'E', 'D'}, {'3', '4', '5'}, {'H', 'I', 'J'}, {'B', 'F'}}, // 5
    {{'1', '2'}, {'C', 'D'}, {'4', '5', '6'}, {'I', 'J', 'K'}, {'C', 'F'}}, // 6
    {{'2', '3'}, {'C', 'B'}, {'5', '6', '7'}, {'J', 'K', 'L'}, {'C', 'D'}}, // 7
    {{'3', '4'}, {'A', 'B'}, {'1', '6', '7'}, {'K', 'L', 'M'}, {'A', 'D'}}, // 8
    {{'4', '5'}, {'G', 'F'}, {'1', '2', '7'}, {'M', 'N', 'H'}, {'A', 'D'}}, // 9
    {{'4', '5'}, {'G', 'F'}, {'1', '2', '7'}, {'M', 'N', 'H'}, {'A', 'E'}}, // 10
    {{'5', '6'}, {'E', 'D'}, {'1', '2', '3'}, {'H', 'I', 'J'}, {'B', 'E'}}, // 11
    {{'6', '7'}, {'C', 'D'}, {'2', '3', '4'}, {'I', 'J', 'K'}, {'B', 'F'}}, // 12
    {{'7', '1'}, {'C', 'B'}, {'3', '4', '5'}, {'J', 'K', 'L'}, {'C', 'F'}}, // 13
    {{'1', '2'}, {'A', 'B'}, {'4', '5', '6'}, {'K', 'L', 'M'}, {'C', 'F'}}, // 14
    {{'2', '3'}, {'A', 'G'}, {'5', '6', '7'}, {'L', 'M', 'N'}, {0, 0}}, // 15
    {{'3', '4'}, {'E', 'F'}, {'1', '6', '7'}, {'N', 'H', 'I'}, {0, 0}}, // 16
    {{'3', '4'}, {'E', 'F'}, {'1', '6', '7'}, {'N', 'H', 'I'}, {0, 0}}, // 17
    {{'4', '5'}, {'C', 'D'}, {'1', '2', '7'}, {'I', 'J', 'K'}, {0, 0}}, // 18
    {{'5', '6'}, {'C', 'B'}, {'1', '2', '3'}, {'J', 'K', 'L'}, {0, 0}}, // 19
    {{'6', '7'}, {'A', 'B'}, {'2', '3', '4'}, {'K', 'L', 'M'}, {0, 0}}, // 20
    {{'7', '1'}, {'A', 'G'}, {'3', '4', '5'}, {'L', 'M', 'N'}, {0, 0}}, // 21
    {{'1', '2'}, {'G', 'F'}, {'4', '5', '6'}, {'M', 'N', 'H'}, {0, 0}}, // 22
    {{'2', '3'}, {'E', 'D'}, {'5', '6', '7'}, {'H', 'I', 'J'}, {0, 0}}, // 23
    {{'2', '3'}, {'E', 'D'}, {'5', '6', '7'}, {'H', 'I', 'J'}, {0, 0}}, // 24
    {{'3', '4'}, {'C', 'B'}, {'1', '6', '7'}, {'J', 'K', 'L'}, {0, 0}}, // 25
    {{'4', '5'}, {'A', 'B'}, {'1', '2', '7'}, {'K', 'L', 'M'}, {0, 0}}, // 26
    {{'5', '6'}, {'A', 'G'}, {'1', '2', '3'}, {'L', 'M', 'N'}, {0, 0}}, // 27
    {{'6', '7'}, {'G', 'F'}, {'2', '3', '4'}, {'M', 'N', 'H'}, {0, 0}}, // 28
    {{'7', '1'}, {'E', 'F'}, {'3', '4', '5'}, {'N', 'H', 'I'}, {0, 0}}, // 29
    {{'1', '2'}, {'C', 'D'}, {'4', '5', '6'}, {'I', 'J', 'K'}, {0, 0}}, // 30
    {{'1', '2'}, {'C', 'D'}, {'4', '5', '6'}, {'I', 'J', 'K'}, {0, 0}}, // 31
    {{'2', '3'}, {'A', 'B'}, {'5', '6', '7'}, {'K', 'L', 'M'}, {0, 0}}, // 32
    {{'3', '4'}, {'A', 'G'}, {'1', '6', '7'}, {'L', 'M', 'N'}, {0, 0}}, // 33
    {{'4', '5'}, {'G', 'F'}, {'1', '2', '7'}, {'M', 'N', 'H'}, {0, 0}}, // 34
    {{'5', '6'}, {'E', 'F'}, {'1', '2', '3'}, {'N', 'H', 'I'}, {0, 0}}, // 35
    {{'6', '7'}, {'E', 'D'}, {'2', '3', '4'}, {'H', 'I', 'J'}, {0, 0}}, // 36
    {{'7', '1'}, {'C', 'B'}, {'3', '4', '5'}, {'J', 'K', 'L'}, {0, 0}}, // 37
    {{'7', '1'}, {'C', 'B'}, {'3', '4', '5'}, {'J', 'K', 'L'}, {0, 0}}, // 38
    {{'1', '2'}, {'A', 'G'}, {'4', '5', '6'}, {'L', 'M', 'N'}, {0, 0}}, // 39
    {{'2', '3'}, {'G', 'F'}, {'5', '6', '7'}, {'M', 'N', 'H'}, {0, 0}}, // 40
    {{'3', '4'}, {'E', 'F'}, {'1', '6', '7'}, {'N', 'H', 'I'}, {0, 0}}, // 41
    {{'4', '5'}, {'E', 'D'}, {'1', '2', '7'}, {'H', 'I', 'J'}, {0, 0}}, // 42
    {{'5', '6'}, {'C', 'D'}, {'1', '2', '3'}, {'I', 'J', 'K'}, {0, 0}}, // 43
    {{'6', '7'}, {'A', 'B'}, {'2', '3', '4'}, {'K', 'L', 'M'}, {0, 0}}, // 44
    {{'6', '7'}, {'A', 'B'}, {'2', '3', '4'}, {'K', 'L', 'M'}, {0, 0}}, // 45
    {{'7', '1'}, {'G', 'F'}, {'3', '4', '5'}, {'M', 'N', 'H'}, {0, 0}}, // 46
    {{'1', '2'}, {'E', 'F'}, {'4', '5', '6'}, {'N', 'H', 'I'}, {0, 0}}, // 47
    {{'2', '3'}, {'E', 'D'}, {'5', '6', '7'}, {'H', 'I', 'J'}, {0, 0}}, // 48
}};

qint16 digit(char c)
{
    return static_cast<qint16>(c - '0');
}

QString letter(char c)
{
    return QString(QChar(static_cast<char16_t>(c)));
}

} // namespace

void GetPatterns(RotaDay& rota)
{
    const int position = rota.PatternDay;
    if (position < 0 || position >= static_cast<int>(rotaTable.size()))
        return;
    const RotaRow& row = rotaTable[static_cast<std::size_t>(position)];
    rota.SixTwoOff1 = digit(row.sixTwo[0]);
    rota.SixTwoOff2 = digit(row.sixTwo[1]);
    rota.FourTwoOff1 = letter(row.fourTwo[0]);
    rota.FourTwoOff2 = letter(row.fourTwo[1]);
    rota.FiveThreeOff1 = digit(row.fiveThree[0]);
    rota.FiveThreeOff2 = digit(row.fiveThree[1]);
    rota.FiveThreeOff3 = digit(row.fiveThree[2]);
    rota.ThreeThreeOff1 = letter(row.threeThree[0]);
    rota.ThreeThreeOff2 = letter(row.threeThree[1]);
    rota.ThreeThreeOff3 = letter(row.threeThree[2]);
    if (row.fiveTwoFiveThree[0] != 0) {
        rota.FiveTwoFiveThreeOff1 = letter(row.fiveTwoFiveThree[0]);
        rota.FiveTwoFiveThreeOff2 = letter(row.fiveTwoFiveThree[1]);
    }
}

QStringList ColumnGroups(const RotaDay& rota, CycleColumn column)
{
    using NumberText::Plain;
    switch (column) {
    case CycleColumn::SixTwo:
        return {Plain(rota.SixTwoOff1), Plain(rota.SixTwoOff2)};
    case CycleColumn::FourTwo:
        return {rota.FourTwoOff1, rota.FourTwoOff2};
    case CycleColumn::FiveThree:
        return {Plain(rota.FiveThreeOff1), Plain(rota.FiveThreeOff2), Plain(rota.FiveThreeOff3)};
    case CycleColumn::ThreeThree:
        return {rota.ThreeThreeOff1, rota.ThreeThreeOff2, rota.ThreeThreeOff3};
    case CycleColumn::FiveTwoFiveThree:
        return {rota.FiveTwoFiveThreeOff1, rota.FiveTwoFiveThreeOff2};
    }
    return {};
}
