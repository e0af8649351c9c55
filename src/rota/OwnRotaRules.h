#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// The rules of the values of a rota file, one key each, for the file reader and for a window
// that checks them as they are typed. Each takes the value as written (blanks around it gone),
// puts what it reads into *out and returns why the value is refused, or nothing.
namespace OwnRotaRules {

inline constexpr int LongestName = 30;
inline constexpr int MostGroups = 26;
inline constexpr int LongestGroup = 4;
inline constexpr int LongestGroupWord = 20;
inline constexpr int LongestPattern = 400;
inline constexpr int LargestShift = 399;

// A value as a reason quotes it: in single quotes, cut short so that the reason stays short.
QString Quoted(const QString& value);

QString Name(const QString& value);
// YYYY-MM-DD.
QString Start(const QString& value, QDate* out);
// Group names apart by blanks or commas, no two the same by GroupKey.
QString Groups(const QString& value, QStringList* out);
// One group name: 1..4 letters or digits ("A", "3", "A1", "Red"), case kept; not "0" nor
// "none", which stand for no group.
QString Group(const QString& value, QString* out);
// What two names of the same group share: "a" and "A", "3" and "03".
QString GroupKey(const QString& name);
// What a group is called: 1..20 letters, digits, blanks or hyphens, starting with a letter.
QString GroupWord(const QString& value);
// W and O in any case, blanks between them allowed; read in upper case without blanks. `key`
// names the pattern in the reason: "pattern" or "pattern A".
QString Pattern(const QString& key, const QString& value, QString* out);
QString Shift(const QString& value, int* out);

} // namespace OwnRotaRules
