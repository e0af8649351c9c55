#include "store/ColorText.h"

#include "rota/NumberText.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace ColorText {

QColor ParseColorText(const QString& text)
{
    const QString trimmed = text.trimmed();
    const auto component = [&trimmed](qsizetype start) {
        const qint64 value = NumberText::RoundHalfEven(NumberText::Val(trimmed.mid(start, 3)));
        // QColor rejects values outside 0..255; a hand-edited record must not give an
        // invalid colour.
        return static_cast<int>(std::clamp<qint64>(value, 0, 255));
    };
    return QColor(component(0), component(5), component(10));
}

QString DefaultColor()
{
    return u"255, 255, 100"_s;
}

QStringList Cycle()
{
    return {u"180, 255, 180"_s, u"180, 255, 255"_s, u"180, 180, 255"_s,
            u"255, 180, 180"_s, u"255, 180, 000"_s, DefaultColor()};
}

} // namespace ColorText
