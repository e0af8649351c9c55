#pragma once

#include "print/PrintSurface.h"

#include <QSize>
#include <QString>

#include <memory>
#include <optional>

class MemoryFiles;

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
// "pdf, png or ops".
QString FormatNames();

// A surface writing `path` in `format`; the file is written by finish(), or kept in `memory`
// when given. Null, with one line in *error, when it cannot be set up.
std::unique_ptr<PrintSurface> OpenFile(const QString& path, Format format,
                                       const FileOptions& options, QString* error,
                                       MemoryFiles* memory = nullptr);
// The same, the format taken from the path's ending.
std::unique_ptr<PrintSurface> OpenFile(const QString& path, const FileOptions& options,
                                       QString* error);

} // namespace SurfaceFactory
