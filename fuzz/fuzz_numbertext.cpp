// The leading-number conversion reads every number field of the windows and the command line.
#include "FuzzSupport.h"

#include "rota/NumberText.h"

#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdlib>

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzSupport::Start(argc, argv);
    // The C library's reading is the reference below; QCoreApplication set the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = FuzzSupport::Text(data, size);
    const double value = NumberText::Val(text);
    FuzzSupport::Check(std::isfinite(value), "Val gives a finite number");

    // Callers check IsNumeric and then take Val: both must see the same number, and what
    // follows a number never changes it.
    if (NumberText::IsNumeric(text)) {
        FuzzSupport::Check(NumberText::Val(text.trimmed()) == value,
                           "a text IsNumeric accepts reads as the number it shows");
        FuzzSupport::Check(NumberText::Val(QString(text + u"x1"_s)) == value,
                           "trailing text does not change the number");

        // The number itself, as the C library reads it; too large a number reads as the
        // largest there is.
        const QByteArray number = text.trimmed().toLatin1();
        double expected = std::strtod(number.constData(), nullptr);
        if (std::isinf(expected))
            expected = std::copysign(DBL_MAX, expected);
        FuzzSupport::Check(value == expected ||
                               (std::fabs(value) < DBL_MIN && std::fabs(expected) < DBL_MIN),
                           "the number is read as the C library reads it");
    }

    // The rounding helpers feed field checks and array indexes; they must stay in range.
    const qint64 rounded = NumberText::RoundHalfEven(value);
    const qint64 whole = NumberText::WholePart(value);
    FuzzSupport::Check(std::fabs(static_cast<double>(rounded) - value) <= 0.5 ||
                           std::fabs(value) > 9.0e18,
                       "RoundHalfEven rounds to a neighbour");
    FuzzSupport::Check(static_cast<double>(whole) <= value || std::fabs(value) > 9.0e18,
                       "WholePart rounds down");
    return 0;
}
