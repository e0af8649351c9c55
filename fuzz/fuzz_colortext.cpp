// Entry colours come from database records that anyone can edit by hand.
#include "FuzzSupport.h"

#include "store/ColorText.h"

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzSupport::Start(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QColor colour = ColorText::ParseColorText(FuzzSupport::Text(data, size));
    FuzzSupport::Check(colour.isValid() && colour.spec() == QColor::Rgb, "an RGB colour");
    FuzzSupport::Check(colour.alpha() == 255, "an opaque colour");

    // Whatever the record holds, a colour the entry window writes reads back exactly.
    if (size >= 3) {
        const QString written = u"%1, %2, %3"_s.arg(data[0], 3, 10, QLatin1Char('0'))
                                    .arg(data[1], 3, 10, QLatin1Char('0'))
                                    .arg(data[2], 3, 10, QLatin1Char('0'));
        FuzzSupport::Check(ColorText::ParseColorText(written) == QColor(data[0], data[1], data[2]),
                           "a written colour text reads back");
    }
    return 0;
}
