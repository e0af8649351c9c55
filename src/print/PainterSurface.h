#pragma once

#include "print/PrintSurface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QSize>

#include <map>
#include <memory>
#include <tuple>

class QPdfWriter;
class QPrinter;
class QSaveFile;

// The print surface on a QPainter: the system printer, a PDF file or a PNG image. The painter
// is scaled so that one unit is one twip, with (0, 0) at the printable area's top-left corner
// until the origin moves. A pen width of one dot is one device pixel (the PDF is laid out for
// a 600 dpi printer). The page opens with its first drawing, so orientation and copies still
// reach a printer set up before it. Ending a document and drawing again starts the next one:
// a new print job on a printer, a new page of the same PDF, the next image file.
class PainterSurface final : public PrintSurface
{
public:
    // US Letter less quarter-inch margins.
    static constexpr int LetterWidth = 11520;
    static constexpr int LetterHeight = 15120;
    // Each side of a PDF or PNG page.
    static constexpr int MarginTwips = 360;
    static constexpr int PdfResolution = 600;

    // A printer the caller keeps (the default printer, a print dialog's, a preview's).
    explicit PainterSurface(QPrinter* printer);
    // A printer the surface owns.
    static std::unique_ptr<PainterSurface> ForPrinter(std::unique_ptr<QPrinter> printer);
    // A PDF file whose pages have the given printable area (twips) and quarter-inch margins.
    // The file appears only when finish() succeeds.
    static std::unique_ptr<PainterSurface> ForPdf(const QString& path,
                                                  QSize printable = {LetterWidth, LetterHeight});
    // A PNG image per document, at `dpi`, with the same page as the PDF. A second document
    // goes to "<name>-2.png", and so on.
    static std::unique_ptr<PainterSurface> ForImage(const QString& path, int dpi,
                                                    QSize printable = {LetterWidth, LetterHeight});

    ~PainterSurface() override;
    PainterSurface(const PainterSurface&) = delete;
    PainterSurface& operator=(const PainterSurface&) = delete;

    // Documents ended so far.
    int documentCount() const { return m_documents; }

    int ScaleWidth() const override;
    int ScaleHeight() const override;
    void setOrientation(int orientation) override;
    void setCopies(int copies) override;
    void setPrintQualityHigh() override {}
    void setOrigin(int scaleLeft, int scaleTop) override;
    void setFontName(const QString& name) override;
    void setFontSize(int points) override;
    void setFontBold(bool bold) override;
    void setFontUnderline(bool underline) override;
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
    void print(const QString& text, bool endLine) override;
    void line(int x1, int y1, int x2, int y2, const QColor& color, LineMode mode) override;
    void circle(int x, int y, int radius, const QColor& color) override;
    void endDoc() override;
    bool finish(QString* error = nullptr) override;

private:
    enum class Target
    {
        Printer,
        Pdf,
        Image
    };

    PainterSurface(Target target, QSize printable);
    bool openPage();
    void applyTransform();
    void useFont();
    double penTwips(int dots) const;
    QString imagePathFor(int document) const;
    void fail(const QString& message);

    Target m_target;
    QPrinter* m_printer = nullptr;
    std::unique_ptr<QPrinter> m_ownedPrinter;
    std::unique_ptr<QSaveFile> m_file;
    std::unique_ptr<QPdfWriter> m_pdf;
    QImage m_image;
    QString m_path;
    int m_dpi = PdfResolution;
    QPainter m_painter;
    QSize m_printable; // portrait, twips
    bool m_pageOpen = false;
    bool m_finished = false;
    int m_documents = 0;
    QString m_error;

    int m_orientation = 1;
    int m_copies = 1;
    int m_originLeft = 0;
    int m_originTop = 0;
    QString m_fontName = QStringLiteral("Times New Roman");
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

    // Fonts are built once per name, size and style: the page switches between a handful.
    struct CachedFont
    {
        QFont font;
        QFontMetricsF metrics;
    };
    using FontKey = std::tuple<QString, int, bool, bool>;
    std::map<FontKey, CachedFont> m_fonts;
    const CachedFont* m_current = nullptr;
    bool m_fontDirty = true;
    bool m_painterHasFont = false;
};
