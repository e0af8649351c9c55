#pragma once

#include "rota/RotaDay.h"
#include "rota/RotaKind.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// Every fact of one rota kind. The main window, the command line, the printouts and the
// calendar export read them here; docs/adding-a-rota-kind.md says how to add a row.
struct RotaKindInfo
{
    // The columns of calendar types in the main window, under their headings, and the row of
    // wide buttons below them.
    enum class WindowColumn
    {
        EightHour,
        TenHour,
        Others,
        Below,
    };
    // How a day of the year page writes the groups off.
    enum class YearCell
    {
        // The cell text on the line under the day number.
        LowerLine,
        // The first column's groups on the lower line; the second column's two groups at the
        // cell's right, one beside the day number and one on the lower line.
        SecondColumnAtRight,
    };

    struct Button
    {
        QString caption; // "&&" for a literal "&"
        QString name;    // the option button's object name
        WindowColumn column;
        int row; // from the top of its column
    };
    // Position of a day number: (day number + adjustment + offset) mod length.
    struct Cycle
    {
        int length;
        int offset;
    };
    // A day's groups off as the month sheet and the year page write them: the lead, then each
    // column's groups joined by the separator, columns three blanks apart.
    struct CellText
    {
        QString lead;
        QString separator;
        int yearPoints; // font size on the year page
        YearCell yearLayout;
        // A text too wide for its cell is made smaller, then cut short: the groups a rota of
        // the user's own has off on a day are not known in advance.
        bool fitToCell = false;
    };

    RotaKind kind;
    Button button;
    QString commandName; // the --kind value
    QString icsName;     // names the rota in an exported calendar
    // The groups the kind can highlight, one letter each, in pattern-button order; they are
    // the pattern buttons the kind enables.
    QString groups;
    // Where the groups off of a position are read, in the order the cell writes them.
    // GroupMatch::GroupsOff is the one place that turns them into groups off: the highlight,
    // the cell texts and the export all ask it.
    QList<CycleColumn> columns;
    Cycle cycle;
    QList<int> whosOffBoxes; // marked in the main window while the kind is chosen
    QString titleSuffix;     // after "STATION - YEAR" on the year page
    CellText cell;
    QString keyLabel; // the key's name for a group's days off, %1 the group
};

namespace RotaKindTable {

// Every row, in code order.
const std::array<RotaKindInfo, RotaKinds::Count>& Rows();
const RotaKindInfo& Of(RotaKind kind);

// A command name or a code "0".."7".
std::optional<RotaKind> FromCommandName(const QString& name);
// The command names in code order.
QStringList CommandNames();
// "0..7".
QString CodeRange();

// Whether the kind can highlight the group ("3", "A").
bool HasGroup(RotaKind kind, const QString& groupLetter);
bool IsPatternButtonEnabled(RotaKind kind, int buttonIndex);

} // namespace RotaKindTable
