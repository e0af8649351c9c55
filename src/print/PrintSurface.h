#pragma once

#include <QColor>
#include <QString>

// The one page-drawing interface of every printout. Units are twips (1/1440 inch); text is
// placed by its top-left corner at the pen; drawing happens in call order, later over
// earlier. A back-end that cannot honour a setting (copies, quality, font) ignores it.
class PrintSurface
{
public:
    enum class LineMode { Line, Box, FilledBox };
    enum class FillStyle { Solid, Transparent };

    virtual ~PrintSurface() = default;

    // Printable width and height in twips, as the page stands before the origin moves.
    virtual int ScaleWidth() const = 0;
    virtual int ScaleHeight() const = 0;

    virtual void setOrientation(int orientation) = 0; // 1 portrait, 2 landscape
    virtual void setCopies(int copies) = 0;
    virtual void setPrintQualityHigh() = 0;
    // The coordinates given to the printable area's left and top edges; negative values move
    // the drawing origin into the page.
    virtual void setOrigin(int scaleLeft, int scaleTop) = 0;

    virtual void setFontName(const QString& name) = 0;
    virtual void setFontSize(int points) = 0;
    virtual void setFontBold(bool bold) = 0;
    virtual void setFontUnderline(bool underline) = 0;
    // On: text is drawn without filling its background.
    virtual void setFontTransparent(bool transparent) = 0;
    virtual void setForeColor(const QColor& color) = 0;

    virtual void setCurrentX(int x) = 0;
    virtual void setCurrentY(int y) = 0;
    virtual int currentX() const = 0;
    virtual int currentY() const = 0;

    virtual int drawWidth() const = 0;
    virtual void setDrawWidth(int dots) = 0;
    virtual FillStyle fillStyle() const = 0;
    virtual void setFillStyle(FillStyle style) = 0;
    virtual QColor fillColor() const = 0;
    virtual void setFillColor(const QColor& color) = 0;

    // The width in twips that `text` takes in the current font.
    virtual int textWidth(const QString& text) const = 0;
    // Draws the text at the pen. endLine: the pen returns to the left edge and moves down a
    // line; otherwise it moves to the end of the text on the same line.
    virtual void print(const QString& text, bool endLine) = 0;
    virtual void line(int x1, int y1, int x2, int y2, const QColor& color, LineMode mode) = 0;
    // Outline in `color` at the pen width; filled with fillColor() when the fill is solid.
    virtual void circle(int x, int y, int radius, const QColor& color) = 0;
    // Ends the document: the page is printed copies times.
    virtual void endDoc() = 0;
    // The name of the documents from the next one on: a print job's name, a PDF's title. Not
    // part of the drawing.
    virtual void setDocumentName(const QString& name) { Q_UNUSED(name); }
    // What the output could not do as asked, for the user to know (empty when nothing); read
    // after finish().
    virtual QString notice() const { return {}; }
    // Hands over whatever the back-end still holds (writes its file, closes the print job).
    // False, with one line in *error, when that failed. Nothing is drawn afterwards.
    virtual bool finish(QString* error = nullptr)
    {
        Q_UNUSED(error);
        return true;
    }
};
