#include "print/PrintSurfaceBase.h"

int PrintSurfaceBase::ScaleWidth() const
{
    return m_orientation == 2 ? m_printable.height() : m_printable.width();
}

int PrintSurfaceBase::ScaleHeight() const
{
    return m_orientation == 2 ? m_printable.width() : m_printable.height();
}

void PrintSurfaceBase::setOrientation(int orientation)
{
    if (orientation == 1 || orientation == 2)
        m_orientation = orientation;
}

void PrintSurfaceBase::setCopies(int copies)
{
    if (copies >= 1)
        m_copies = copies;
}

void PrintSurfaceBase::setOrigin(int scaleLeft, int scaleTop)
{
    m_originLeft = scaleLeft;
    m_originTop = scaleTop;
}

void PrintSurfaceBase::setFontName(const QString& name)
{
    if (!name.isEmpty())
        m_fontName = name;
}

void PrintSurfaceBase::setFontSize(int points)
{
    if (points > 0)
        m_fontSize = points;
}

void PrintSurfaceBase::setForeColor(const QColor& color)
{
    if (color.isValid())
        m_foreColor = color;
}

void PrintSurfaceBase::setDrawWidth(int dots)
{
    // No pen is thinner than one dot.
    if (dots >= 1)
        m_drawWidth = dots;
}

void PrintSurfaceBase::setFillColor(const QColor& color)
{
    if (color.isValid())
        m_fillColor = color;
}

int PrintSurfaceBase::textWidth(const QString& text) const
{
    return m_measure.width(m_fontName, m_fontSize, m_bold, m_underline, text);
}

void PrintSurfaceBase::advancePen(int advance, int lineHeight, bool endLine)
{
    if (endLine) {
        m_x = m_originLeft;
        m_y += lineHeight;
    } else {
        m_x += advance;
    }
}

void PrintSurfaceBase::resetOrigin()
{
    m_originLeft = 0;
    m_originTop = 0;
    m_x = 0;
    m_y = 0;
}
