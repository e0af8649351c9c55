#include "store/ShadeColors.h"

#include "rota/NameTable.h"

#include <array>
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

namespace {

constexpr std::array<NamedValue<ColourFamily>, 5> Names{{
    {ColourFamily::Yellow, u"yellow"},
    {ColourFamily::Blue, u"blue"},
    {ColourFamily::Pink, u"pink"},
    {ColourFamily::Grey, u"grey"},
    {ColourFamily::Green, u"green"},
}};

} // namespace

QString CommandName(ColourFamily family)
{
    return NameTable::NameOf(Names, family);
}

std::optional<ColourFamily> FromCommandName(const QString& name)
{
    return NameTable::Find(Names, name);
}

QString CommandNames()
{
    return NameTable::Alternatives(Names);
}

} // namespace ColourFamilies

ShadeColors ShadeColors::For(ColourFamily family, int shade)
{
    const Bases bases = basesOf(family);
    return {shaded(bases.rdo, shade), shaded(bases.holiday, shade),
            shaded(bases.rdoOnHoliday, shade)};
}
