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

qint16 FortyNineDayPosition(double sum)
{
    return remainderOf(sum, 49);
}

qint16 FifteenDayPosition(double sum)
{
    return remainderOf(sum, 15);
}

qint16 PatternPosition(RotaKind kind, qint32 dayNumber, double adjustment)
{
    switch (kind) {
    case RotaKind::MmSixTwo:
        return FortyNineDayPosition(static_cast<double>(dayNumber) + adjustment + 21.0);
    case RotaKind::FiveTwoFiveThree:
        return FifteenDayPosition(static_cast<double>(dayNumber) + adjustment - 3.0);
    default:
        return FortyNineDayPosition(static_cast<double>(dayNumber) + adjustment);
    }
}

} // namespace DayNumbering
