#pragma once

#include <QString>

// Text from outside the program (a file, a file's name, an argument) as a line of a message:
// one line that cannot drive the terminal it is written to.
namespace OneLine {

// Control characters and line separators written as escapes (\n, \r, \t, \u001b), and each
// byte of a file name that is not UTF-8 as \xE9 (see NativeName).
QString Escaped(const QString& text);

} // namespace OneLine
