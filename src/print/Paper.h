#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QSize>
#include <QString>

#include <optional>

// The papers the command line names (letter, legal, a4, a3, a5) and the page a file or a
// printer gets on them: the whole sheet with a quarter inch left free on every side.
namespace Paper {

// Each side of the page left free, in twips.
inline constexpr int MarginTwips = 360;

// The paper of a name, in any letter case; nullopt for anything else.
std::optional<QPageSize> Named(const QString& name);
// "letter, legal, a4, a3 or a5".
QString Names();
// The printable area of the paper with the page upright, in twips.
QSize PrintableTwips(const QPageSize& paper);
// The paper upright with its quarter-inch margins.
QPageLayout Layout(const QPageSize& paper);

} // namespace Paper
