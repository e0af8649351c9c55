#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QString>

#include <map>
#include <tuple>

// The font a surface draws a text in, and the width that text takes. Every surface builds its
// fonts here, so that a page laid out on one (the recording of a trace) measures its texts
// as the printer or the PDF draws them.
class SurfaceFont
{
public:
    // `points` at twenty units to the point: one unit is one twip.
    static QFont Make(const QString& name, int points, bool bold, bool underline);

    // The advance of `text` in twips, rounded up. Without the GUI library (no fonts to ask)
    // half an em per character stands in.
    int width(const QString& name, int points, bool bold, bool underline, const QString& text);

private:
    using Key = std::tuple<QString, int, bool, bool>;
    std::map<Key, QFontMetricsF> m_metrics;
};
