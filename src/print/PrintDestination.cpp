#include "print/PrintDestination.h"

#include "print/PainterSurface.h"
#include "print/SurfaceFactory.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

QString pdfDescription(const QString& path)
{
    return u"the PDF file "_s + QDir::toNativeSeparators(path);
}

QString printerDescription(const QString& name)
{
    return name.isEmpty() ? u"the printer"_s : u"the printer \"%1\""_s.arg(name);
}

} // namespace

PrintDestination PrintDestination::OpenDefault(const QString& name)
{
    const QString& pdfStem = name;
    PrintDestination destination;
    if (SurfaceFactory::HasPrinter()) {
        destination.surface = SurfaceFactory::OpenDefaultPrinter(&destination.error);
        if (destination.surface) {
            destination.surface->setDocumentName(name);
            destination.description = printerDescription(SurfaceFactory::DefaultPrinterName());
            destination.toPrinter = true;
            return destination;
        }
    }
    const QString folder = DocumentsFolder();
    if (folder.isEmpty()) {
        destination.error =
            u"no printer is installed and there is no documents folder for a PDF."_s;
        return destination;
    }
    const QString path = FreePath(folder, pdfStem, u".pdf"_s);
    destination = OpenPdf(path, name);
    destination.description += u" (no printer is installed)"_s;
    return destination;
}

PrintDestination PrintDestination::OpenPdf(const QString& path, const QString& name)
{
    PrintDestination destination;
    destination.surface =
        SurfaceFactory::OpenFile(path, SurfaceFactory::Format::Pdf, {}, &destination.error);
    if (destination.surface && !name.isEmpty())
        destination.surface->setDocumentName(name);
    destination.description = pdfDescription(path);
    return destination;
}

PrintDestination PrintDestination::OpenChosen(std::unique_ptr<QPrinter> printer,
                                              const QString& name)
{
    PrintDestination destination;
    destination.m_chosenPrinter = std::move(printer);
    QPrinter& chosen = *destination.m_chosenPrinter;
    // The dialog set the copies: the printout's own count does not replace them.
    destination.surface =
        std::make_unique<PainterSurface>(&chosen, PainterSurface::Copies::FromPrinter);
    destination.surface->setDocumentName(name);
    if (chosen.outputFormat() == QPrinter::PdfFormat) {
        destination.description = pdfDescription(chosen.outputFileName());
    } else {
        destination.description = printerDescription(chosen.printerName());
        destination.toPrinter = true;
    }
    return destination;
}

QString PrintDestination::FreePath(const QString& folder, const QString& stem,
                                   const QString& suffix)
{
    const QDir dir(folder);
    QString path = dir.filePath(stem + suffix);
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir.filePath(u"%1 (%2)%3"_s.arg(stem).arg(n).arg(suffix));
    return path;
}

QString PrintDestination::DocumentsFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return {};
    return folder;
}

QString PrintDestination::finish(const QString& what)
{
    const QString verb = toPrinter ? u"Sent"_s : u"Printed"_s;
    const QString printed = (what.isEmpty() ? verb : verb + u' ' + what) + u" to "_s;
    failed = true;
    if (!surface)
        return u"Nothing was printed: "_s +
               (error.isEmpty() ? u"no printer is available."_s : error);
    QString failure;
    const bool done = surface->finish(&failure);
    const QString notice = surface->notice();
    surface.reset();
    m_chosenPrinter.reset();
    if (!done)
        return u"Printing to "_s + description + u" failed: "_s + failure;
    failed = false;
    return printed + description + (notice.isEmpty() ? QString() : u" ("_s + notice + u')') + u'.';
}
