#include "print/SurfaceFactory.h"

#include "print/PainterSurface.h"
#include "print/RecordingSurface.h"

#include "rota/NameTable.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace SurfaceFactory {

std::optional<Format> FormatOf(const QString& path)
{
    return FormatNamed(QFileInfo(path).suffix().toLower());
}

namespace {

constexpr std::array<NamedValue<Format>, 3> Extensions{{
    {Format::Pdf, u"pdf"},
    {Format::Png, u"png"},
    {Format::Ops, u"ops"},
}};

} // namespace

QString Extension(Format format)
{
    return NameTable::NameOf(Extensions, format);
}

std::optional<Format> FormatNamed(const QString& name)
{
    return NameTable::Find(Extensions, name);
}

QString FormatNames()
{
    return NameTable::Alternatives(Extensions);
}

std::unique_ptr<PrintSurface> OpenFile(const QString& path, Format format,
                                       const FileOptions& options, QString* error,
                                       MemoryFiles* memory)
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
        return PainterSurface::ForPdf(path, options.printable, memory);
    case Format::Png:
        return PainterSurface::ForImage(path, options.dpi, options.printable, memory);
    case Format::Ops:
        return std::make_unique<RecordingSurface>(options.printable.width(),
                                                  options.printable.height(), path, memory);
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

} // namespace SurfaceFactory
