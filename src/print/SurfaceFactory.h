#pragma once

#include "print/PrintSurface.h"

#include <QPageSize>
#include <QSize>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QPrinter;

// Opens the print surface for an output: a file by its ending, or the default printer.
namespace SurfaceFactory {

enum class Format
{
    Pdf,
    Png,
    Ops
};

struct FileOptions
{
    int dpi = 150;                 // PNG resolution
    QSize printable{11520, 15120}; // printable area in twips: US Letter less quarter inches
};

// ".pdf", ".png" or ".ops", in any letter case; nullopt for anything else.
std::optional<Format> FormatOf(const QString& path);
// "pdf", "png", "ops".
QString Extension(Format format);
std::optional<Format> FormatNamed(const QString& name);

// A surface writing `path` in `format`; the file is written by finish(). Null, with one line
// in *error, when it cannot be set up.
std::unique_ptr<PrintSurface> OpenFile(const QString& path, Format format,
                                       const FileOptions& options, QString* error);
// The same, the format taken from the path's ending.
std::unique_ptr<PrintSurface> OpenFile(const QString& path, const FileOptions& options,
                                       QString* error);

// Whether the system has a printer at all.
bool HasPrinter();
// The names of the system's printers.
QStringList PrinterNames();
// The name of the default printer, or of the first one when none is the default; empty when
// there is none.
QString DefaultPrinterName();
// A printer set up for the queue `name` (the default printer when empty): the queue's default
// paper and margins, or `paper` with quarter-inch margins. Null when there is no such printer.
std::unique_ptr<QPrinter> NewPrinter(const QString& name = QString(),
                                     const std::optional<QPageSize>& paper = std::nullopt);
// A surface on NewPrinter(name, paper); null with one line in *error when there is none.
std::unique_ptr<PrintSurface> OpenPrinter(const QString& name,
                                          const std::optional<QPageSize>& paper, QString* error);
// The default printer (or the first one when none is the default); null with "no printer is
// installed" in *error when there is none.
std::unique_ptr<PrintSurface> OpenDefaultPrinter(QString* error);

} // namespace SurfaceFactory
