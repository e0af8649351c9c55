#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QMap>
#include <QString>

#include <optional>
#include <utility>

// The INI files QSettings writes, handled as plain text: values are read and written as
// strings only, never decoded into other types ("@Variant(...)" and the like), and lines the
// program does not own are kept as they are.
namespace IniText {

// The values of the keys of `section` (every section of that name; a later key wins). A value
// that is not plain text, such as QSettings' typed "@Variant(...)", is left out.
QMap<QString, QString> Read(QByteArrayView file, const QString& section);

// `file` with `values` stored under `section`: their old lines give way to the new ones at
// the end of the section's first appearance; a missing section is added at the end.
QByteArray Write(QByteArrayView file, const QString& section,
                 const QList<std::pair<QString, QString>>& values);

// One value, as QSettings writes a string and reads it back.
QByteArray Escaped(const QString& value);
std::optional<QString> Unescaped(QByteArrayView raw);

} // namespace IniText
