#pragma once

#include "print/PrintSurfaceBase.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QSize>

#include <map>
#include <memory>
#include <optional>
#include <tuple>

class QBuffer;
class QPdfWriter;
class QTextLayout;
class PrinterDevice;
class MemoryFiles;
class SafeFile;

// The print surface on a QPainter: the system printer, a PDF file or a PNG image. The painter
// is scaled so that one unit is one twip, with (0, 0) at the printable area's top-left corner
// until the origin moves. A pen width of one dot is one device pixel (the PDF is laid out for
// a 600 dpi printer). The page opens with its first drawing, so orientation and copies still
// reach a printer set up before it; a page already open keeps its orientation, and only a
// printer makes copies. Ending a document and drawing again starts the next one:
// a new print job on a printer (a new page when the printer writes a PDF file), a new page of
// the same PDF, the next image file.
// A job the print system refuses, or a printer left in its error state, fails the surface.
class PainterSurface final : public PrintSurfaceBase
{
public:
    // Each side of a PDF or PNG page.
    static constexpr int MarginTwips = 360;
    static constexpr int PdfResolution = 600;

    // Whose copy count a printer job gets: the printout's, or the one already set on the
    // printer (a print dialog's choice, never overwritten).
    enum class Copies
    {
        FromPrintout,
        FromPrinter
    };

    // A printer the caller keeps (a preview's).
    explicit PainterSurface(PrinterDevice* printer, Copies copies = Copies::FromPrintout);
    // A printer the surface owns (the default printer, a print dialog's).
    static std::unique_ptr<PainterSurface> ForPrinter(std::unique_ptr<PrinterDevice> printer,
                                                      Copies copies = Copies::FromPrintout);
    // A PDF file whose pages have the given printable area (twips) and quarter-inch margins.
    // The file appears only when finish() succeeds; with `memory`, it is kept there instead.
    static std::unique_ptr<PainterSurface> ForPdf(const QString& path,
                                                  QSize printable = {LetterWidth, LetterHeight},
                                                  MemoryFiles* memory = nullptr);
    // A PNG image per document, at `dpi`, with the same page as the PDF. A second document
    // goes to "<name>-2.png", and so on. With `memory`, the images are kept there.
    static std::unique_ptr<PainterSurface> ForImage(const QString& path, int dpi,
                                                    QSize printable = {LetterWidth, LetterHeight},
                                                    MemoryFiles* memory = nullptr);

    ~PainterSurface() override;
    PainterSurface(const PainterSurface&) = delete;
    PainterSurface& operator=(const PainterSurface&) = delete;

    // Documents ended so far.
    int documentCount() const { return m_documents; }

    void setOrigin(int scaleLeft, int scaleTop) override;
    void print(const QString& text, bool endLine) override;
    void line(int x1, int y1, int x2, int y2, const QColor& color, LineMode mode) override;
    void circle(int x, int y, int radius, const QColor& color) override;
    void endDoc() override;
    bool finish(QString* error = nullptr) override;
    // A printer's next job name; a PDF's title until its first page (a title given when the
    // file was opened stays).
    void setDocumentName(const QString& name) override;
    // A file holds one copy of each page: says so when more were asked for.
    QString notice() const override;

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
    QString printerName() const;
    void endJob();
    QString imagePathFor(int document) const;
    void fail(const QString& message);

    Target m_target;
    PrinterDevice* m_printer = nullptr;
    Copies m_copiesFrom = Copies::FromPrintout;
    int m_copiesAsked = 1;
    std::unique_ptr<PrinterDevice> m_ownedPrinter;
    std::unique_ptr<SafeFile> m_file;
    MemoryFiles* m_memory = nullptr;
    std::unique_ptr<QBuffer> m_pdfBytes;
    std::unique_ptr<QPdfWriter> m_pdf;
    QImage m_image;
    QString m_path;
    int m_dpi = PdfResolution;
    QPainter m_painter;
    bool m_pageOpen = false;
    bool m_finished = false;
    int m_documents = 0;
    QString m_error;

    // Fonts are built once per name, size and style: the page switches between a handful.
    struct CachedFont
    {
        QFont font;
        QFontMetricsF metrics;
    };
    using FontKey = std::tuple<QString, int, bool, bool>;
    // A text measured and laid out in one font at the surface's resolution.
    struct ShapedText
    {
        std::optional<double> advance;
        std::unique_ptr<QTextLayout> layout;
    };
    ShapedText& shaped(const QString& text);
    double advanceOf(const QString& text);
    void drawText(const QPointF& topLeft, const QString& text);
    std::map<FontKey, CachedFont> m_fonts;
    std::map<FontKey, CachedFont>::const_iterator m_current = m_fonts.cend();
    std::map<std::tuple<FontKey, QString>, ShapedText> m_texts;
    bool m_painterHasFont = false;
};
