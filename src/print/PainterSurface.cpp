#include "print/PainterSurface.h"

#include "print/PrinterDevice.h"
#include "store/MemoryFiles.h"
#include "store/SafeFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPaintEngine>
#include <QPdfWriter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

constexpr double TwipsPerInch = 1440.0;
constexpr double TwipsPerPoint = 20.0;
// Light compression: a calendar page is mostly white, and the strongest setting costs more
// time than it saves bytes.
constexpr int PngQuality = 80;

QPageLayout::Orientation layoutOrientation(int orientation)
{
    return orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait;
}

// The printer's printable area with the page upright, in twips.
QSize printableOf(const QPagedPaintDevice& printer)
{
    QPageLayout layout = printer.pageLayout();
    layout.setOrientation(QPageLayout::Portrait);
    const QRectF area = layout.paintRect(QPageLayout::Point);
    return QSize(static_cast<int>(std::floor(area.width() * TwipsPerPoint)),
                 static_cast<int>(std::floor(area.height() * TwipsPerPoint)));
}

} // namespace

PainterSurface::PainterSurface(PrinterDevice* printer, Copies copies)
    : PrintSurfaceBase(printableOf(printer->device())), m_target(Target::Printer),
      m_printer(printer), m_copiesFrom(copies)
{
    m_dpi = printer->resolution() > 0 ? printer->resolution() : PdfResolution;
    // The page stands as the printer was set up until a printout turns it.
    PrintSurfaceBase::setOrientation(
        printer->device().pageLayout().orientation() == QPageLayout::Landscape ? 2 : 1);
}

PainterSurface::PainterSurface(Target target, QSize printable)
    : PrintSurfaceBase(printable), m_target(target)
{
}

std::unique_ptr<PainterSurface> PainterSurface::ForPrinter(std::unique_ptr<PrinterDevice> printer,
                                                           Copies copies)
{
    std::unique_ptr<PainterSurface> surface(new PainterSurface(printer.get(), copies));
    surface->m_ownedPrinter = std::move(printer);
    return surface;
}

std::unique_ptr<PainterSurface> PainterSurface::ForPdf(const QString& path, QSize printable,
                                                       MemoryFiles* memory)
{
    std::unique_ptr<PainterSurface> surface(new PainterSurface(Target::Pdf, printable));
    surface->m_path = path;
    surface->m_dpi = PdfResolution;
    surface->m_memory = memory;
    // Drawn in memory and written whole at the end: a failed printout leaves no file. The file
    // is started at once, so that one that cannot be written is told before any drawing.
    if (!memory) {
        surface->m_file = std::make_unique<SafeFile>(path);
        if (!surface->m_file->open()) {
            surface->fail(surface->m_file->error());
            return surface;
        }
    }
    surface->m_pdfBytes = std::make_unique<QBuffer>();
    surface->m_pdfBytes->open(QIODevice::WriteOnly);
    surface->m_pdf = std::make_unique<QPdfWriter>(surface->m_pdfBytes.get());
    surface->m_pdf->setResolution(PdfResolution);
    surface->m_pdf->setCreator(u"Kelvane"_s);
    const QSizeF pagePoints((printable.width() + 2 * MarginTwips) / TwipsPerPoint,
                            (printable.height() + 2 * MarginTwips) / TwipsPerPoint);
    QPageSize pageSize(pagePoints, QPageSize::Point, QString(), QPageSize::FuzzyMatch);
    const double margin = MarginTwips / TwipsPerPoint;
    surface->m_pdf->setPageLayout(QPageLayout(pageSize, QPageLayout::Portrait,
                                              QMarginsF(margin, margin, margin, margin),
                                              QPageLayout::Point));
    return surface;
}

std::unique_ptr<PainterSurface> PainterSurface::ForImage(const QString& path, int dpi,
                                                         QSize printable, MemoryFiles* memory)
{
    std::unique_ptr<PainterSurface> surface(new PainterSurface(Target::Image, printable));
    surface->m_path = path;
    surface->m_memory = memory;
    surface->m_dpi = dpi > 0 ? dpi : 150;
    return surface;
}

PainterSurface::~PainterSurface()
{
    finish();
}

void PainterSurface::fail(const QString& message)
{
    if (m_error.isEmpty())
        m_error = message;
}

double PainterSurface::penTwips(int dots) const
{
    return dots * TwipsPerInch / m_dpi;
}

QString PainterSurface::imagePathFor(int document) const
{
    if (document <= 1)
        return m_path;
    const QFileInfo info(m_path);
    const QString name = info.completeBaseName() + u'-' + QString::number(document) +
                         (info.suffix().isEmpty() ? QString() : u'.' + info.suffix());
    return info.dir().filePath(name);
}

void PainterSurface::setOrigin(int scaleLeft, int scaleTop)
{
    PrintSurfaceBase::setOrigin(scaleLeft, scaleTop);
    if (m_pageOpen)
        applyTransform();
}

bool PainterSurface::openPage()
{
    if (m_finished || !m_error.isEmpty())
        return false;
    if (m_pageOpen)
        return true;
    const QPageLayout::Orientation orientation = layoutOrientation(this->orientation());
    switch (m_target) {
    case Target::Printer:
        if (m_printer->sendsJob()) {
            const QString refusal = m_printer->queueRefusal();
            if (!refusal.isEmpty()) {
                fail(u"the printer \"%1\" refused the job: %2"_s.arg(printerName(), refusal));
                return false;
            }
        }
        m_printer->device().setPageOrientation(orientation);
        if (m_copiesFrom == Copies::FromPrintout)
            m_printer->setCopyCount(copies());
        if (m_painter.isActive()) {
            // A printer writing a PDF file: the next document is its next page.
            if (!m_printer->device().newPage()) {
                fail(u"cannot start another page in %1"_s.arg(printerName()));
                return false;
            }
        } else if (!m_painter.begin(&m_printer->device())) {
            fail(u"the printer \"%1\" did not accept the page"_s.arg(printerName()));
            return false;
        }
        break;
    case Target::Pdf:
        m_pdf->setPageOrientation(orientation);
        if (!m_painter.isActive()) {
            if (!m_painter.begin(m_pdf.get())) {
                fail(u"cannot write %1"_s.arg(m_path));
                return false;
            }
        } else if (!m_pdf->newPage()) {
            fail(u"cannot start another page in %1"_s.arg(m_path));
            return false;
        }
        break;
    case Target::Image: {
        const QSize pageTwips(ScaleWidth() + 2 * MarginTwips, ScaleHeight() + 2 * MarginTwips);
        const QSize pixels(qRound(pageTwips.width() * m_dpi / TwipsPerInch),
                           qRound(pageTwips.height() * m_dpi / TwipsPerInch));
        m_image = QImage(pixels, QImage::Format_RGB32);
        if (m_image.isNull()) {
            fail(u"the page image is too large (%1 x %2 pixels)"_s.arg(pixels.width())
                     .arg(pixels.height()));
            return false;
        }
        const int dotsPerMetre = qRound(m_dpi / 0.0254);
        m_image.setDotsPerMeterX(dotsPerMetre);
        m_image.setDotsPerMeterY(dotsPerMetre);
        m_image.fill(Qt::white);
        if (!m_painter.begin(&m_image)) {
            fail(u"cannot draw the page image"_s);
            return false;
        }
        break;
    }
    }
    m_pageOpen = true;
    m_painterHasFont = false;
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    applyTransform();
    return true;
}

void PainterSurface::applyTransform()
{
    const double unitsPerTwip = m_dpi / TwipsPerInch;
    QTransform transform;
    transform.scale(unitsPerTwip, unitsPerTwip);
    // The printer and the PDF writer already paint inside their margins.
    if (m_target == Target::Image)
        transform.translate(MarginTwips, MarginTwips);
    transform.translate(-originLeft(), -originTop());
    m_painter.setTransform(transform);
}

void PainterSurface::useFont()
{
    const FontKey key{fontName(), fontSize(), fontBold(), fontUnderline()};
    if (m_current == m_fonts.cend() || m_current->first != key) {
        m_current = m_fonts.find(key);
        if (m_current == m_fonts.cend()) {
            // The font the page's texts were measured in.
            const QFont font =
                SurfaceFont::Make(fontName(), fontSize(), fontBold(), fontUnderline());
            m_current = m_fonts.emplace(key, CachedFont{font, QFontMetricsF(font)}).first;
        }
        m_painterHasFont = false;
    }
    if (!m_painterHasFont) {
        m_painter.setFont(m_current->second.font);
        m_painterHasFont = true;
    }
}

void PainterSurface::print(const QString& text, bool endLine)
{
    if (!openPage())
        return;
    useFont();
    const QFontMetricsF& metrics = m_current->second.metrics;
    // The width is measured only when something needs it.
    const bool needsWidth = !text.isEmpty() && (!endLine || !fontTransparent());
    const double advance = needsWidth ? advanceOf(text) : 0.0;
    if (!text.isEmpty()) {
        const QPointF pen(currentX(), currentY());
        if (!fontTransparent())
            m_painter.fillRect(QRectF(pen, QSizeF(advance, metrics.height())), Qt::white);
        m_painter.setPen(foreColor());
        drawText(pen, text);
    }
    advancePen(qRound(advance), qRound(metrics.lineSpacing()), endLine);
}

// A page draws the same short texts (day numbers, groups, week numbers) many times: each is
// measured and shaped once per font.
PainterSurface::ShapedText& PainterSurface::shaped(const QString& text)
{
    // Only a flood of distinct texts reaches this; it starts over rather than grow.
    constexpr std::size_t MaximumTexts = 20000;
    if (m_texts.size() >= MaximumTexts)
        m_texts.clear();
    return m_texts[{m_current->first, text}];
}

double PainterSurface::advanceOf(const QString& text)
{
    ShapedText& entry = shaped(text);
    if (!entry.advance)
        entry.advance = m_current->second.metrics.horizontalAdvance(text);
    return *entry.advance;
}

void PainterSurface::drawText(const QPointF& topLeft, const QString& text)
{
    const CachedFont& font = m_current->second;
    // Underlined text keeps the painter's own decoration.
    if (font.font.underline()) {
        m_painter.drawText(topLeft + QPointF(0, font.metrics.ascent()), text);
        return;
    }
    std::unique_ptr<QTextLayout>& layout = shaped(text).layout;
    if (!layout) {
        // Laid out in the painter's font, which carries the page's resolution.
        layout = std::make_unique<QTextLayout>(text, m_painter.font());
        layout->setCacheEnabled(true);
        QTextOption option;
        option.setWrapMode(QTextOption::NoWrap);
        layout->setTextOption(option);
        layout->beginLayout();
        layout->createLine();
        layout->endLayout();
    }
    // The line's baseline is its top plus the font's ascent, as for drawText().
    layout->lineAt(0).draw(&m_painter, topLeft);
}

void PainterSurface::line(int x1, int y1, int x2, int y2, const QColor& color, LineMode mode)
{
    if (!openPage())
        return;
    const QRectF rect = QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized();
    if (mode == LineMode::FilledBox) {
        m_painter.fillRect(rect, color);
        return;
    }
    QPen pen(color, penTwips(drawWidth()), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    pen.setCosmetic(false);
    m_painter.setPen(pen);
    m_painter.setBrush(Qt::NoBrush);
    if (mode == LineMode::Line)
        m_painter.drawLine(QLineF(x1, y1, x2, y2));
    else
        m_painter.drawRect(rect);
}

void PainterSurface::circle(int x, int y, int radius, const QColor& color)
{
    if (!openPage())
        return;
    QPen pen(color, penTwips(drawWidth()));
    pen.setCosmetic(false);
    m_painter.setPen(pen);
    if (fillStyle() == FillStyle::Solid)
        m_painter.setBrush(fillColor());
    else
        m_painter.setBrush(Qt::NoBrush);
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.drawEllipse(QPointF(x, y), radius, radius);
    m_painter.setRenderHint(QPainter::Antialiasing, false);
}

void PainterSurface::endDoc()
{
    if (!openPage())
        return;
    switch (m_target) {
    case Target::Printer:
        // A second job would replace the file a PDF printer writes: its painter stays open.
        if (!m_printer->writesPdfFile())
            endJob();
        break;
    case Target::Pdf:
        // The writer stays open: the next document is the next page.
        m_copiesAsked = std::max(m_copiesAsked, copies());
        break;
    case Target::Image: {
        m_painter.end();
        const QString path = imagePathFor(m_documents + 1);
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        QString error;
        if (!m_image.save(&png, "PNG", PngQuality))
            fail(u"cannot write %1: the image could not be encoded"_s.arg(path));
        else if (!MemoryFiles::Write(m_memory, path, png.data(), &error))
            fail(error);
        m_image = QImage();
        m_copiesAsked = std::max(m_copiesAsked, copies());
        break;
    }
    }
    m_pageOpen = false;
    ++m_documents;
    resetOrigin();
}

QString PainterSurface::printerName() const
{
    return m_printer->name().isEmpty() ? m_printer->outputFileName() : m_printer->name();
}

void PainterSurface::endJob()
{
    // The job goes to the printer now; the next document is a job of its own.
    const bool job = m_printer->sendsJob();
    m_painter.end();
    if (m_printer->failed()) {
        fail(u"the printer \"%1\" refused the job: the printer reported an error"_s.arg(
            printerName()));
        return;
    }
    if (job) {
        const QString refusal = m_printer->lastJobRefusal();
        if (!refusal.isEmpty())
            fail(u"the printer \"%1\" refused the job: %2"_s.arg(printerName(), refusal));
    }
}

void PainterSurface::setDocumentName(const QString& name)
{
    switch (m_target) {
    case Target::Printer:
        // A printer writing one PDF file keeps the file's first title, as a PDF does.
        if (!m_printer->writesPdfFile() || m_printer->jobName().isEmpty())
            m_printer->setJobName(name);
        break;
    case Target::Pdf:
        if (m_pdf && !m_painter.isActive() && m_pdf->title().isEmpty())
            m_pdf->setTitle(name);
        break;
    case Target::Image:
        break;
    }
}

QString PainterSurface::notice() const
{
    if (m_target == Target::Printer || m_copiesAsked <= 1)
        return {};
    return u"the file holds one copy of each page; %1 copies were asked for"_s.arg(m_copiesAsked);
}

bool PainterSurface::finish(QString* error)
{
    if (!m_finished) {
        if (m_pageOpen)
            endDoc();
        if (m_target == Target::Pdf && m_error.isEmpty() && m_documents == 0) {
            // A PDF needs a page even when nothing was drawn.
            if (openPage())
                endDoc();
        }
        if (m_painter.isActive() && !m_painter.end() && m_target == Target::Pdf)
            fail(u"cannot write %1: the PDF could not be completed"_s.arg(m_path));
        if (m_target == Target::Pdf && m_pdf) {
            m_pdf.reset(); // flushes the writer into the buffer
            if (m_error.isEmpty() && m_memory)
                m_memory->keep(m_path, m_pdfBytes->data());
            else if (m_error.isEmpty() && !(m_file->write(m_pdfBytes->data()) && m_file->commit()))
                fail(m_file->error());
            m_file.reset(); // an unfinished file is thrown away
        }
        m_finished = true;
    }
    if (!m_error.isEmpty() && error)
        *error = m_error;
    return m_error.isEmpty();
}
