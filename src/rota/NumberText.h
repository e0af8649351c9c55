#pragma once

#include <QString>
#include <QStringView>

// The small number conversions every window and printout shares.
namespace NumberText {

// The number at the start of a text (leading blanks skipped, optional sign, digits, one
// decimal point, optional exponent); 0 when the text does not start with a number.
double Val(QStringView text);

// True when the whole text, blanks around it aside, is one number. An empty text is not.
bool IsNumeric(QStringView text);

// Digits only: 7 -> "7", -7 -> "-7".
QString Plain(qint64 value);

// One blank before a non-negative number: 7 -> " 7", -7 -> "-7".
QString Blank(qint64 value);

// Nearest whole number, halves going to the even neighbour (2.5 -> 2, 3.5 -> 4).
qint64 RoundHalfEven(double value);

// Whole-number part for field checks: rounds down (7.8 -> 7, -0.5 -> -1).
qint64 WholePart(double value);

} // namespace NumberText
