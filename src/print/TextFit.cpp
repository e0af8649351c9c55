#include "print/TextFit.h"

#include "print/PrintSurface.h"

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

QString Elided(const PrintSurface& surface, const QString& text, int room)
{
    if (surface.textWidth(text) <= room)
        return text;
    const QString ellipsis = u"\u2026"_s;
    for (qsizetype keep = text.size() - 1; keep > 0; --keep) {
        QString cut = text.left(keep);
        while (cut.endsWith(u' '))
            cut.chop(1);
        cut += ellipsis;
        if (surface.textWidth(cut) <= room)
            return cut;
    }
    return ellipsis;
}

} // namespace TextFit
