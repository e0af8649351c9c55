#include "store/ShadeColors.h"

#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

struct Bases
{
    int rdo[3];
    int holiday[3];
    int rdoOnHoliday[3];
};

Bases basesOf(ColourFamily family)
{
    switch (family) {
    case ColourFamily::Yellow:
        return {{255, 255, 100}, {200, 200, 200}, {170, 170, 50}};
    case ColourFamily::Blue:
        return {{180, 180, 255}, {200, 200, 200}, {100, 100, 200}};
    case ColourFamily::Green:
        return {{180, 255, 180}, {200, 200, 200}, {100, 255, 100}};
    case ColourFamily::Grey:
        return {{220, 220, 220}, {180, 180, 180}, {120, 120, 120}};
    case ColourFamily::Pink:
        return {{255, 180, 180}, {200, 200, 200}, {200, 100, 100}};
    }
    return basesOf(ColourFamily::Yellow);
}

QColor shaded(const int (&base)[3], int shade)
{
    auto component = [shade](int b) { return std::min(std::abs(shade + b), 255); };
    return QColor(component(base[0]), component(base[1]), component(base[2]));
}

} // namespace

namespace ColourFamilies {

QString CommandName(ColourFamily family)
{
    switch (family) {
    case ColourFamily::Yellow:
        return u"yellow"_s;
    case ColourFamily::Blue:
        return u"blue"_s;
    case ColourFamily::Pink:
        return u"pink"_s;
    case ColourFamily::Grey:
        return u"grey"_s;
    case ColourFamily::Green:
        return u"green"_s;
    }
    return {};
}

std::optional<ColourFamily> FromCommandName(const QString& name)
{
    for (ColourFamily family : {ColourFamily::Yellow, ColourFamily::Blue, ColourFamily::Pink,
                                ColourFamily::Grey, ColourFamily::Green}) {
        if (CommandName(family) == name)
            return family;
    }
    return std::nullopt;
}

} // namespace ColourFamilies

ShadeColors ShadeColors::For(ColourFamily family, int shade)
{
    const Bases bases = basesOf(family);
    return {shaded(bases.rdo, shade), shaded(bases.holiday, shade),
            shaded(bases.rdoOnHoliday, shade)};
}
