#include "print/SurfaceFactory.h"

#include "print/PainterSurface.h"
#include "print/Paper.h"
#include "print/RecordingSurface.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>

using namespace Qt::StringLiterals;

namespace SurfaceFactory {

std::optional<Format> FormatOf(const QString& path)
{
    return FormatNamed(QFileInfo(path).suffix().toLower());
}

QString Extension(Format format)
{
    switch (format) {
    case Format::Pdf:
        return u"pdf"_s;
    case Format::Png:
        return u"png"_s;
    case Format::Ops:
        return u"ops"_s;
    }
    return {};
}

std::optional<Format> FormatNamed(const QString& name)
{
    for (Format format : {Format::Pdf, Format::Png, Format::Ops}) {
        if (name == Extension(format))
            return format;
    }
    return std::nullopt;
}

std::unique_ptr<PrintSurface> OpenFile(const QString& path, Format format,
                                       const FileOptions& options, QString* error)
{
    const QFileInfo info(path);
    if (info.isDir() || !info.absoluteDir().exists()) {
        if (error)
            *error = info.isDir() ? u"%1 is a folder, not a file"_s.arg(path)
                                  : u"the folder of %1 does not exist"_s.arg(path);
        return nullptr;
    }
    switch (format) {
    case Format::Pdf:
        return PainterSurface::ForPdf(path, options.printable);
    case Format::Png:
        return PainterSurface::ForImage(path, options.dpi, options.printable);
    case Format::Ops:
        return std::make_unique<RecordingSurface>(options.printable.width(),
                                                  options.printable.height(), path);
    }
    return nullptr;
}

std::unique_ptr<PrintSurface> OpenFile(const QString& path, const FileOptions& options,
                                       QString* error)
{
    const std::optional<Format> format = FormatOf(path);
    if (!format) {
        if (error)
            *error = u"cannot tell the format of %1: the name must end in .pdf, .png or .ops"_s.arg(
                path);
        return nullptr;
    }
    return OpenFile(path, *format, options, error);
}

bool HasPrinter()
{
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

QStringList PrinterNames()
{
    return QPrinterInfo::availablePrinterNames();
}

QString DefaultPrinterName()
{
    const QString name = QPrinterInfo::defaultPrinterName();
    if (!name.isEmpty())
        return name;
    const QStringList names = PrinterNames();
    return names.isEmpty() ? QString() : names.first();
}

std::unique_ptr<QPrinter> NewPrinter(const QString& name, const std::optional<QPageSize>& paper)
{
    const QPrinterInfo info =
        QPrinterInfo::printerInfo(name.isEmpty() ? DefaultPrinterName() : name);
    if (info.isNull())
        return nullptr;
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setCreator(u"Kelvane"_s);
    // The printer starts on the platform's paper, not the queue's: set it, and the queue's
    // margins for it come with it.
    printer->setPageOrientation(QPageLayout::Portrait);
    if (paper) {
        printer->setPageSize(*paper);
        // A margin the printer cannot print keeps the printer's own.
        printer->setPageMargins(Paper::Layout(*paper).margins(), QPageLayout::Point);
    } else if (info.defaultPageSize().isValid()) {
        printer->setPageSize(info.defaultPageSize());
    }
    return printer;
}

std::unique_ptr<PrintSurface> OpenPrinter(const QString& name,
                                          const std::optional<QPageSize>& paper, QString* error)
{
    std::unique_ptr<QPrinter> printer = NewPrinter(name, paper);
    if (!printer) {
        if (error)
            *error = name.isEmpty() ? u"no printer is installed"_s
                                    : u"there is no printer \"%1\""_s.arg(name);
        return nullptr;
    }
    return PainterSurface::ForPrinter(std::move(printer));
}

std::unique_ptr<PrintSurface> OpenDefaultPrinter(QString* error)
{
    return OpenPrinter(QString(), std::nullopt, error);
}

} // namespace SurfaceFactory
