#include "print/PrintDestination.h"

#include "print/Printers.h"
#include "print/SurfaceFactory.h"

#include <QDir>
#include <QFileInfo>
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

PrintDestination PrintDestination::OpenDefault(Printers& printers, const QString& name)
{
    const QString& pdfStem = name;
    PrintDestination destination;
    if (!printers.names().isEmpty()) {
        destination.surface = printers.open(QString(), std::nullopt, &destination.error);
        if (destination.surface) {
            destination.surface->setDocumentName(name);
            destination.description = printerDescription(printers.defaultName());
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

PrintDestination PrintDestination::OnPrinter(std::unique_ptr<PrintSurface> surface,
                                             const QString& name, const QString& printerName,
                                             const QString& pdfPath)
{
    PrintDestination destination;
    destination.surface = std::move(surface);
    destination.surface->setDocumentName(name);
    if (!pdfPath.isEmpty()) {
        destination.description = pdfDescription(pdfPath);
    } else {
        destination.description = printerDescription(printerName);
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
    if (!done)
        return u"Printing to "_s + description + u" failed: "_s + failure;
    failed = false;
    return printed + description + (notice.isEmpty() ? QString() : u" ("_s + notice + u')') + u'.';
}
