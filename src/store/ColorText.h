#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

// Colours of personal entries are stored as thirteen characters: "255, 180, 000".
namespace ColorText {

// "255, 180, 000" -> (255, 180, 0). Trims first, then reads characters 1-3, 6-8 and 11-13,
// each by its leading number, rounded half-even and clamped to 0..255.
QColor ParseColorText(const QString& text);

// "255, 255, 100", the colour of a new entry.
QString DefaultColor();

// The six colour texts in the entry window's cycle order (the last is the default).
QStringList Cycle();

} // namespace ColorText
