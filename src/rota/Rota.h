#pragma once

#include "rota/RotaKind.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

struct BuiltInRota;
struct OwnRota;

// A rota: a cycle of positions, each holding the groups off on a day at that position, in the
// order a cell writes them (one list per column: the combination kind draws two rotas side by
// side). A start places the cycle on the calendar: a built-in kind's is moved by the
// adjustment, a rota file's start date is where its first position falls. It also says how the
// pages, the who's-off row and the export name and draw it. A value: copies share the table.
//
// BuiltInRotas holds the built-in kinds as data; FromFile reads a rota file's rota.
class Rota
{
public:
    // How a day of the year page writes the groups off.
    enum class YearCell
    {
        // The cell text on the line under the day number.
        LowerLine,
        // The first column's groups on the lower line; the second column's two groups at the
        // cell's right, one beside the day number and one on the lower line.
        SecondColumnAtRight,
    };
    // A day's groups off as the month sheet and the year page write them: the lead, then each
    // column's groups joined by the separator, columns three blanks apart.
    struct CellText
    {
        QString lead;
        QString separator;
        int yearPoints = 10; // font size on the year page
        YearCell yearLayout = YearCell::LowerLine;
        // A text too wide for its cell is made smaller, then cut short.
        bool fitToCell = false;
    };

    // No groups, never off: "No Pattern".
    Rota();
    explicit Rota(const BuiltInRota& definition);
    static Rota FromFile(const OwnRota& file);
    // The built-in kind of the code, as BuiltInRotas defines it (the first one for an unknown
    // code).
    static Rota BuiltIn(RotaKind kind);

    // The cycle position of a day number (days from DayNumbering::ReferenceDate), or nullopt
    // where the day falls outside the cycle (a built-in kind before 1900).
    std::optional<int> position(qint32 dayNumber, double adjustment) const;
    int length() const;
    // The groups off on a day, one list per column; nothing outside the cycle.
    QList<QStringList> groupsOff(qint32 dayNumber, double adjustment) const;
    QList<QStringList> groupsOff(QDate date, double adjustment) const;
    // Whether the adjustment moves the rota (a built-in kind); a rota file's start places it.
    bool isAdjustable() const;

    // The settings code and button of a built-in kind; nothing for a rota file.
    std::optional<RotaKind> kind() const;
    // Names it in the window: "CG Six and Two", a rota file's name.
    QString caption() const;
    // After "STATION - YEAR" on the year page.
    QString titleSuffix() const;
    // After the suffix, for the group highlighted: " - Crew C" for a rota file's group, so
    // that the sheets of a batch can be handed out; nothing for a built-in kind.
    QString titleGroup(const QString& group) const;
    // In the name of a print job or a saved PDF, after the year: "RDO Calendar", "All
    // Patterns" (a calendar of the batch); a rota file's name for both.
    QString printName() const;
    QString batchName() const;
    const CellText& cell() const;
    // The key's name for a group's days off.
    QString keyLabel(const QString& group) const;
    // The --kind value (a built-in kind only) and the name in an exported calendar and in its
    // events' identities.
    QString commandName() const;
    // How the command line's messages name it: the command name, or a rota file's name in
    // double quotes.
    QString argumentName() const;
    QString icsName() const;
    QString uidName() const;
    // The groups it can highlight: a built-in kind's each a pattern button's name ("3", "A"),
    // a rota file's as the file writes them ("A1", "Red").
    const QStringList& groups() const;
    bool hasGroup(const QString& group) const;
    // The group a text names, spelled as the rota spells it: "a" or " 3" or "03" for "A" or
    // "3"; nothing when it names none.
    std::optional<QString> group(const QString& written) const;
    // What a group is called, "Pattern" or a rota file's word ("Crew"), and a group named
    // with it: "Pattern 3", "Crew C".
    QString groupWord() const;
    QString groupCaption(const QString& group) const;
    bool isPatternButtonEnabled(int buttonIndex) const;

    // Its box in the who's-off row: the heading (empty: it has none) and the text of a day,
    // its groups off joined by the separator, or "none".
    QString whosOffHeading() const;
    QString whosOffText(QDate date, double adjustment) const;
    // The built-in kinds whose who's-off boxes stand for it: itself, or the rotas it draws
    // together.
    QList<RotaKind> whosOffKinds() const;
    // What "Print All Patterns" prints while it is chosen, calendar by calendar.
    QList<Rota> allPatterns() const;

    // The same built-in kind, or read from the same rota file content.
    friend bool operator==(const Rota& a, const Rota& b);

private:
    struct Data;
    explicit Rota(std::shared_ptr<const Data> data);

    std::shared_ptr<const Data> m_data;
};
