#pragma once

#include <QList>
#include <QString>

// Text counted and cut as the user sees it: by whole characters (grapheme clusters), so that
// an emoji, a letter with its accents or a surrogate pair is never split in two.
namespace WholeCharacters {

qsizetype Count(const QString& text);
// The first `count` characters of `text` (all of it when it is shorter).
QString Left(const QString& text, qsizetype count);
// The position in UTF-16 units after the first `count` characters.
qsizetype EndOf(const QString& text, qsizetype count);
// Where each character ends, in UTF-16 units: 0 first, then one entry per character.
QList<qsizetype> Ends(const QString& text);
// `text` with every half of a surrogate pair that has lost its other half replaced by U+FFFD,
// so that it has a UTF-8 form.
QString Mended(const QString& text);

} // namespace WholeCharacters
