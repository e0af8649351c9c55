#include "print/SurfaceFont.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cmath>

QFont SurfaceFont::Make(const QString& name, int points, bool bold, bool underline)
{
    QFont font(name);
    font.setPixelSize(points * 20);
    font.setBold(bold);
    font.setUnderline(underline);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

int SurfaceFont::width(const QString& name, int points, bool bold, bool underline,
                       const QString& text)
{
    if (text.isEmpty())
        return 0;
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return static_cast<int>(text.size()) * points * 10;
    const Key key{name, points, bold, underline};
    auto found = m_metrics.find(key);
    if (found == m_metrics.end())
        found = m_metrics.emplace(key, QFontMetricsF(Make(name, points, bold, underline))).first;
    return static_cast<int>(std::ceil(found->second.horizontalAdvance(text)));
}
