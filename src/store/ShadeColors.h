#pragma once

#include <QColor>
#include <QString>

#include <optional>

enum class ColourFamily { Yellow, Blue, Pink, Grey, Green };

namespace ColourFamilies {
// Command-line spelling: yellow, blue, pink, grey, green.
QString CommandName(ColourFamily family);
std::optional<ColourFamily> FromCommandName(const QString& name);
// "yellow, blue, pink, grey or green".
QString CommandNames();
} // namespace ColourFamilies

// The three shade colours of the printouts, recomputed from a colour family and the shade bar
// value (-100 darker .. 100 lighter): each component is |shade + base|, at most 255.
struct ShadeColors
{
    QColor RdoColor;
    QColor HolidayColor;
    QColor RdoOnHolidayColor;

    static ShadeColors For(ColourFamily family, int shade);

    friend bool operator==(const ShadeColors&, const ShadeColors&) = default;
};
