#pragma once

#include <QByteArray>
#include <QString>

// File names as the system keeps them: bytes, mostly UTF-8. Qt reads a name that is not
// UTF-8 with U+FFFD in place of each stray byte, and cannot find the file by it again; here
// each such byte is kept as the lone surrogate U+DC80..U+DCFF, so that the name goes back to
// the very bytes it came from.
namespace NativeName {

QString Decode(const QByteArray& bytes);
QByteArray Encode(const QString& name);
// Whether Qt's own file classes can open `name` (it has no stray byte).
bool QtCanOpen(const QString& name);

} // namespace NativeName
