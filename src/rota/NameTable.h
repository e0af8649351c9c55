#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// A value of an enumeration and the name it goes by on the command line.
template <typename Value> struct NamedValue
{
    Value value;
    QStringView name;
};

// Lookups both ways in a plain table of named values (an array of NamedValue), so that each
// enumeration's names are written once, in one place.
namespace NameTable {

template <typename Table>
auto Find(const Table& table, QStringView name) -> std::optional<decltype(table.begin()->value)>
{
    for (const auto& entry : table) {
        if (entry.name == name)
            return entry.value;
    }
    return std::nullopt;
}

template <typename Table, typename Value> QString NameOf(const Table& table, Value value)
{
    for (const auto& entry : table) {
        if (entry.value == value)
            return entry.name.toString();
    }
    return {};
}

// The names as a sentence offers them: "a, b or c".
template <typename Table> QString Alternatives(const Table& table)
{
    QString text;
    const auto count = static_cast<qsizetype>(std::size(table));
    qsizetype index = 0;
    for (const auto& entry : table) {
        if (index > 0)
            text += index + 1 == count ? QStringView(u" or ") : QStringView(u", ");
        text += entry.name;
        ++index;
    }
    return text;
}

} // namespace NameTable
