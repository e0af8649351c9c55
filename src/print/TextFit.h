#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class PrintSurface;

// Fitting texts into the room a page gives them, measured in the surface's current font.
namespace TextFit {

// True when every line is at most as wide as its room (twips).
bool Fits(const PrintSurface& surface, const QStringList& lines, const QList<int>& room);

// Tries the font sizes from `largest` down to `smallest` and leaves the surface at the first
// at which every line fits its room; that size, or nullopt (the surface at `smallest`) when
// none does.
std::optional<int> LargestSize(PrintSurface& surface, const QStringList& lines,
                               const QList<int>& room, int largest, int smallest);

// Fits the lines to their room: leaves the size at `points` where they fit there, else at the
// largest smaller size at which they do (not below `smallest`), else at that smallest size
// with each line too wide cut short. Returns the size it set.
int Fit(PrintSurface& surface, QStringList& lines, const QList<int>& room, int points,
        int smallest);

// The text, cut at its end and closed by an ellipsis where it is wider than `room`.
QString Elided(const PrintSurface& surface, const QString& text, int room);

} // namespace TextFit
