#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// The rules of the values of a rota file, one key each, for the file reader and for a window
// that checks them as they are typed. Each takes the value as written (blanks around it gone),
// puts what it reads into *out and returns why the value is refused, or nothing.
namespace OwnRotaRules {

inline constexpr int LongestName = 30;
inline constexpr int MostGroups = 14;
inline constexpr int LongestPattern = 400;
inline constexpr int LargestShift = 399;

// A value as a reason quotes it: in single quotes, cut short so that the reason stays short.
QString Quoted(const QString& value);

QString Name(const QString& value);
// YYYY-MM-DD.
QString Start(const QString& value, QDate* out);
// Pattern-button names in any case, apart by blanks or commas; read in upper case.
QString Groups(const QString& value, QStringList* out);
// One pattern-button name in any case, read in upper case.
QString Group(const QString& value, QString* out);
// W and O in any case, blanks between them allowed; read in upper case without blanks. `key`
// names the pattern in the reason: "pattern" or "pattern A".
QString Pattern(const QString& key, const QString& value, QString* out);
QString Shift(const QString& value, int* out);

} // namespace OwnRotaRules
