#include "rota/DayNumbering.h"

#include "rota/NumberText.h"

namespace DayNumbering {

namespace {

qint16 remainderOf(double sum, qint64 modulus)
{
    qint64 whole = NumberText::RoundHalfEven(sum);
    // A 32-bit signed whole number, as the day count is held.
    if (whole > INT32_MAX || whole < INT32_MIN)
        whole = whole % modulus;
    return static_cast<qint16>(static_cast<qint32>(whole) % static_cast<qint32>(modulus));
}

} // namespace

QDate ReferenceDate()
{
    return QDate(1900, 1, 25);
}

qint32 DayNumber(QDate date)
{
    return static_cast<qint32>(ReferenceDate().daysTo(date));
}

int WeekdayColumn(qint32 dayNumber)
{
    return (dayNumber - 3) % 7;
}

int CyclePosition(qint32 dayNumber, double adjustment, int offset, int length)
{
    return remainderOf(static_cast<double>(dayNumber) + adjustment + offset, length);
}

} // namespace DayNumbering
