#include "print/TextFit.h"

#include "print/PrintSurface.h"
#include "store/WholeCharacters.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace TextFit {

bool Fits(const PrintSurface& surface, const QStringList& lines, const QList<int>& room)
{
    for (qsizetype i = 0; i < lines.size() && i < room.size(); ++i) {
        if (surface.textWidth(lines.at(i)) > room.at(i))
            return false;
    }
    return true;
}

std::optional<int> LargestSize(PrintSurface& surface, const QStringList& lines,
                               const QList<int>& room, int largest, int smallest)
{
    for (int points = largest; points >= smallest; --points) {
        surface.setFontSize(points);
        if (Fits(surface, lines, room))
            return points;
    }
    surface.setFontSize(smallest);
    return std::nullopt;
}

int Fit(PrintSurface& surface, QStringList& lines, const QList<int>& room, int points, int smallest)
{
    if (Fits(surface, lines, room))
        return points;
    smallest = std::min(points, smallest);
    if (const std::optional<int> fitting = LargestSize(surface, lines, room, points - 1, smallest))
        return *fitting;
    for (qsizetype i = 0; i < lines.size() && i < room.size(); ++i)
        lines[i] = Elided(surface, lines.at(i), room.at(i));
    return smallest;
}

QString Elided(const PrintSurface& surface, const QString& text, int room)
{
    if (surface.textWidth(text) <= room)
        return text;
    const QString ellipsis = u"\u2026"_s;
    // Cut only between whole characters, so an emoji or an accented letter is never halved.
    const QList<qsizetype> ends = WholeCharacters::Ends(text);
    const auto cut = [&](qsizetype characters) -> QString {
        QString kept = text.left(ends.at(characters));
        while (kept.endsWith(u' '))
            kept.chop(1);
        return kept + ellipsis;
    };
    // The longest start that fits with the ellipsis, found by halving: a long text is
    // measured a few times, not once per character.
    qsizetype fits = 0;
    qsizetype tooLong = ends.size() - 1;
    while (tooLong - fits > 1) {
        const qsizetype middle = fits + (tooLong - fits) / 2;
        if (surface.textWidth(cut(middle)) <= room)
            fits = middle;
        else
            tooLong = middle;
    }
    return cut(fits);
}

} // namespace TextFit
