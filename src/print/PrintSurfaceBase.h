#pragma once

#include "print/PrintSurface.h"
#include "print/SurfaceFont.h"

#include <QColor>
#include <QSize>
#include <QString>

using namespace Qt::StringLiterals;

// The properties every back-end keeps the same way: page size and orientation, copies, origin,
// font, colours, pen position and width, fill. Values a printer would refuse (a pen under one
// dot, no copies, an invalid colour) leave the property as it was. A back-end overrides only
// what draws or records.
class PrintSurfaceBase : public PrintSurface
{
public:
    // US Letter less quarter-inch margins.
    static constexpr int LetterWidth = 11520;
    static constexpr int LetterHeight = 15120;

    int ScaleWidth() const override;
    int ScaleHeight() const override;
    void setOrientation(int orientation) override;
    void setCopies(int copies) override;
    void setPrintQualityHigh() override {}
    void setOrigin(int scaleLeft, int scaleTop) override;
    void setFontName(const QString& name) override;
    void setFontSize(int points) override;
    void setFontBold(bool bold) override { m_bold = bold; }
    void setFontUnderline(bool underline) override { m_underline = underline; }
    void setFontTransparent(bool transparent) override { m_transparent = transparent; }
    void setForeColor(const QColor& color) override;
    void setCurrentX(int x) override { m_x = x; }
    void setCurrentY(int y) override { m_y = y; }
    int currentX() const override { return m_x; }
    int currentY() const override { return m_y; }
    int drawWidth() const override { return m_drawWidth; }
    void setDrawWidth(int dots) override;
    FillStyle fillStyle() const override { return m_fillStyle; }
    void setFillStyle(FillStyle style) override { m_fillStyle = style; }
    QColor fillColor() const override { return m_fillColor; }
    void setFillColor(const QColor& color) override;
    int textWidth(const QString& text) const override;

    int orientation() const { return m_orientation; }
    int copies() const { return m_copies; }
    int originLeft() const { return m_originLeft; }
    int originTop() const { return m_originTop; }
    const QString& fontName() const { return m_fontName; }
    int fontSize() const { return m_fontSize; }
    bool fontBold() const { return m_bold; }
    bool fontUnderline() const { return m_underline; }
    bool fontTransparent() const { return m_transparent; }
    const QColor& foreColor() const { return m_foreColor; }

protected:
    // `printable`: the printable area in twips with the page upright.
    explicit PrintSurfaceBase(QSize printable) : m_printable(printable) {}

    // Moves the pen past a text `advance` twips wide, or to the next line's left edge.
    void advancePen(int advance, int lineHeight, bool endLine);
    // Origin and pen back to the printable area's top-left corner.
    void resetOrigin();

private:
    QSize m_printable;
    int m_orientation = 1;
    int m_copies = 1;
    int m_originLeft = 0;
    int m_originTop = 0;
    QString m_fontName = u"Times New Roman"_s;
    int m_fontSize = 12;
    bool m_bold = false;
    bool m_underline = false;
    bool m_transparent = true;
    QColor m_foreColor = Qt::black;
    int m_x = 0;
    int m_y = 0;
    int m_drawWidth = 1;
    FillStyle m_fillStyle = FillStyle::Transparent;
    QColor m_fillColor = Qt::black;
    mutable SurfaceFont m_measure;
};
