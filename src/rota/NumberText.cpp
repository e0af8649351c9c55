#include "rota/NumberText.h"

#include <cmath>
#include <limits>

namespace NumberText {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The same blanks IsNumeric trims, so that a text it accepts reads as the number it shows.
bool isBlank(QChar c)
{
    return c.isSpace();
}

// Reads a number starting at `pos`; returns the index just after it, or `pos` when none.
qsizetype scanNumber(QStringView text, qsizetype pos, double* value)
{
    qsizetype i = pos;
    const qsizetype n = text.size();
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    QString digits;
    bool anyDigit = false;
    while (i < n && isDigit(text[i])) {
        digits += text[i++];
        anyDigit = true;
    }
    if (i < n && text[i] == u'.') {
        qsizetype j = i + 1;
        QString fraction;
        while (j < n && isDigit(text[j]))
            fraction += text[j++];
        if (anyDigit || !fraction.isEmpty()) {
            digits += u'.' + fraction;
            anyDigit = true;
            i = j;
        }
    }
    if (!anyDigit)
        return pos;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        QString exponent;
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            exponent += text[j++];
        qsizetype start = j;
        while (j < n && isDigit(text[j]))
            exponent += text[j++];
        if (j > start) {
            digits += u'e' + exponent;
            i = j;
        }
    }
    // Too large a number comes back as infinity (and not ok); the largest number stands in.
    double parsed = digits.toDouble();
    if (!std::isfinite(parsed))
        parsed = std::numeric_limits<double>::max();
    *value = negative ? -parsed : parsed;
    return i;
}

} // namespace

double Val(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    double value = 0.0;
    scanNumber(text, i, &value);
    return value;
}

bool IsNumeric(QStringView text)
{
    QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return false;
    double value = 0.0;
    return scanNumber(trimmed, 0, &value) == trimmed.size();
}

QString Plain(qint64 value)
{
    return QString::number(value);
}

QString Blank(qint64 value)
{
    return value >= 0 ? u' ' + QString::number(value) : QString::number(value);
}

qint64 RoundHalfEven(double value)
{
    if (!std::isfinite(value))
        return 0;
    double floorValue = std::floor(value);
    double diff = value - floorValue;
    double result = floorValue;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(floorValue, 2.0) != 0.0))
        result = floorValue + 1.0;
    constexpr double limit = 9.0e18;
    if (result > limit)
        return static_cast<qint64>(limit);
    if (result < -limit)
        return static_cast<qint64>(-limit);
    return static_cast<qint64>(result);
}

qint64 WholePart(double value)
{
    if (!std::isfinite(value))
        return 0;
    constexpr double limit = 9.0e18;
    double result = std::floor(value);
    if (result > limit)
        return static_cast<qint64>(limit);
    if (result < -limit)
        return static_cast<qint64>(-limit);
    return static_cast<qint64>(result);
}

} // namespace NumberText
