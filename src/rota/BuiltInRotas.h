#pragma once

#include "rota/Rota.h"
#include "rota/RotaKind.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One built-in kind, as data: its cycle of groups off and everything the window, the pages,
// the who's-off row and the export say about it. BuiltInRotas.cpp holds all of them;
// docs/adding-a-rota-kind.md says how to add one.
struct BuiltInRota
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
    struct Button
    {
        QString caption; // "&&" for a literal "&"
        QString name;    // the option button's object name
        WindowColumn column;
        int row; // from the top of its column
    };
    struct WhosOff
    {
        QString heading; // empty: no box of its own
        QString separator;
        QString lead; // the blanks before the heading in the window's row of headings
    };

    RotaKind kind; // the settings code
    Button button;
    QString commandName; // the --kind value
    QString icsName;     // names the rota in an exported calendar
    // The groups it can highlight, in pattern-button order.
    QStringList groups{};
    // The cycle, one text per column: the positions apart by blanks, each the groups off at
    // that position in the order a cell writes them, one character a group ("34 45 56").
    QStringList columns{};
    // Or the built-in kinds it draws together, side by side, one column each.
    QList<RotaKind> together{};
    // Position of a day number: (day number + adjustment + offset) mod the cycle's length.
    int offset = 0;
    WhosOff whosOff{};
    QString titleSuffix{}; // after "STATION - YEAR" on the year page
    Rota::CellText cell{};
    QString keyLabel{}; // the key's name for a group's days off, %1 the group
    // "Print All Patterns" prints a calendar for each of its groups.
    bool inAllPatterns = false;
};

namespace BuiltInRotas {

// Every definition, in the order the who's-off row shows them.
const QList<BuiltInRota>& Definitions();
// The rota of every definition, in the same order.
const QList<Rota>& All();
std::optional<Rota> Find(RotaKind kind);

// A command name or a code.
std::optional<RotaKind> FromCommandName(const QString& name);
QStringList CommandNames();
// The codes: "0..7".
QString CodeRange();

// Puts `definitions` in place of the built-in ones while it lives: a test's made-up kind.
class Replacement
{
public:
    explicit Replacement(QList<BuiltInRota> definitions);
    ~Replacement();
    Replacement(const Replacement&) = delete;
    Replacement& operator=(const Replacement&) = delete;
};

} // namespace BuiltInRotas
