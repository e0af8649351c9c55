#include "print/PrintDestination.h"

#include "print/SurfaceFactory.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

QString pdfDescription(const QString& path)
{
    return u"the PDF file "_s + QDir::toNativeSeparators(path);
}

} // namespace

PrintDestination PrintDestination::OpenDefault(const QString& pdfStem)
{
    PrintDestination destination;
    if (SurfaceFactory::HasPrinter()) {
        destination.surface = SurfaceFactory::OpenDefaultPrinter(&destination.error);
        if (destination.surface) {
            const QString name = QPrinterInfo::defaultPrinterName();
            destination.description =
                name.isEmpty() ? u"the printer"_s : u"the printer \"%1\""_s.arg(name);
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
    destination.surface =
        SurfaceFactory::OpenFile(path, SurfaceFactory::Format::Pdf, {}, &destination.error);
    destination.description = pdfDescription(path) + u" (no printer is installed)"_s;
    return destination;
}

PrintDestination PrintDestination::OpenPdf(const QString& path)
{
    PrintDestination destination;
    destination.surface =
        SurfaceFactory::OpenFile(path, SurfaceFactory::Format::Pdf, {}, &destination.error);
    destination.description = pdfDescription(path);
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
    const QString printed = what.isEmpty() ? u"Printed to "_s : u"Printed "_s + what + u" to "_s;
    if (!surface)
        return u"Nothing was printed: "_s +
               (error.isEmpty() ? u"no printer is available."_s : error);
    QString failure;
    const bool done = surface->finish(&failure);
    surface.reset();
    if (done)
        return printed + description + u'.';
    failed = true;
    return u"Printing to "_s + description + u" failed: "_s + failure;
}
