#include "app/OutputOptions.h"

#include "app/CommandLine.h"
#include "app/CommandOptions.h"
#include "print/Paper.h"
#include "print/Printers.h"
#include "store/MemoryFiles.h"

#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIODevice>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

constexpr int MinimumDpi = 10;
constexpr int MaximumDpi = 600;
constexpr int MinimumPageTwips = 1440;
constexpr int MaximumPageTwips = 50000;
// About 160 MB of page image.
constexpr qint64 MaximumImagePixels = 40'000'000;

bool refuse(QString* error, const QString& why)
{
    *error = why;
    return false;
}

} // namespace

QList<QCommandLineOption> OutputOptions::Options(Out out)
{
    QList<QCommandLineOption> options;
    if (out == Out::File) {
        options.append({u"out"_s,
                        u"Write the page to FILE (.pdf, .png or .ops) instead; - is standard "
                        "output."_s,
                        u"FILE"_s});
        options.append({u"format"_s,
                        u"Format of --out - (standard output): pdf (default), png or ops; a "
                        "FILE's name gives its own."_s,
                        u"FORMAT"_s});
    } else {
        options.append(
            {u"out"_s, u"Write the fourteen pages into the folder DIR instead."_s, u"DIR"_s});
        options.append(
            {u"format"_s, u"File format of --out: pdf (default), png or ops."_s, u"FORMAT"_s});
    }
    options += QList<QCommandLineOption>{
        {u"printer"_s, u"Print on the printer NAME instead of the default printer."_s, u"NAME"_s},
        {u"paper"_s,
         u"Paper of the printer or the file: %1, with quarter-inch margins (default: the "
         "printer's paper; US Letter for files)."_s.arg(Paper::Names()),
         u"PAPER"_s},
        {u"dpi"_s, u"Resolution of PNG output (default: 150)."_s, u"N"_s},
        {u"page"_s,
         u"Printable width and height in twips of file output (default: 11520,15120, US Letter "
         "less quarter-inch margins)."_s,
         u"W,H"_s},
    };
    return options;
}

std::optional<OutputOptions> OutputOptions::Read(const QCommandLineParser& parser, Out out,
                                                 Printers& printers, QString* error)
{
    OutputOptions options;
    options.m_printers = &printers;
    if (!options.readFileOptions(parser, error))
        return std::nullopt;
    options.m_toFiles = parser.isSet(u"out"_s);
    if (!options.readPrinterOptions(parser, error))
        return std::nullopt;
    options.m_path = parser.value(u"out"_s);
    if (options.m_toFiles && options.m_path.isEmpty()) {
        refuse(error, out == Out::File ? u"--out needs the name of a file"_s
                                       : u"--out needs the name of a folder"_s);
        return std::nullopt;
    }
    const QString placeholder = out == Out::File ? u"FILE"_s : u"DIR"_s;
    options.m_toStandardOutput = options.m_toFiles && options.m_path == u"-"_s;
    if (options.m_toStandardOutput && out == Out::Folder) {
        refuse(error, u"--out - (standard output) takes one page: give a folder for the "
                      "fourteen files"_s);
        return std::nullopt;
    }
    if (parser.isSet(u"format"_s)) {
        const QString name = parser.value(u"format"_s);
        const std::optional<SurfaceFactory::Format> named =
            SurfaceFactory::FormatNamed(name.trimmed().toLower());
        if (!named) {
            refuse(error, u"unknown format %1 (%2)"_s.arg(CommandOptions::Quoted(name),
                                                          SurfaceFactory::FormatNames()));
            return std::nullopt;
        }
        options.m_format = *named;
        if (!options.m_toFiles) {
            refuse(error, u"--format applies to file output only (--out %1)"_s.arg(placeholder));
            return std::nullopt;
        }
        if (out == Out::File && !options.m_toStandardOutput) {
            refuse(error, u"--format goes with --out - (a file's name gives its format)"_s);
            return std::nullopt;
        }
    }
    if (!options.m_toFiles) {
        if (parser.isSet(u"page"_s)) {
            refuse(error, u"--page applies to file output only (--out %1)"_s.arg(placeholder));
            return std::nullopt;
        }
        return options;
    }

    const QString& path = options.m_path;
    if (options.m_toStandardOutput) {
        // A page is no text for a terminal.
        if (options.m_format != SurfaceFactory::Format::Ops && ::isatty(STDOUT_FILENO)) {
            refuse(error, u"standard output is a terminal: send the page elsewhere with a "
                          "redirection, or give --out FILE"_s);
            return std::nullopt;
        }
        if (options.m_format == SurfaceFactory::Format::Png && !options.imageFits(error))
            return std::nullopt;
        return options;
    }
    if (out == Out::File) {
        const std::optional<SurfaceFactory::Format> format = SurfaceFactory::FormatOf(path);
        if (!format) {
            refuse(error,
                   u"cannot tell the format of %1: the name must end in .pdf, .png or .ops"_s.arg(
                       CommandOptions::Quoted(path)));
            return std::nullopt;
        }
        options.m_format = *format;
    }
    if (options.m_format == SurfaceFactory::Format::Png && !options.imageFits(error))
        return std::nullopt;
    const QFileInfo info(path);
    QString problem;
    if (out == Out::Folder) {
        if (info.exists() && !info.isDir())
            problem = u"%1 is a file, not a folder"_s.arg(CommandOptions::Quoted(path));
    } else if (info.isDir()) {
        problem = u"%1 is a folder, not a file"_s.arg(CommandOptions::Quoted(path));
    } else if (!info.absoluteDir().exists()) {
        // Not a wrong argument but a file that cannot be written: told when the page opens.
        options.m_cannotWrite =
            u"the folder of %1 does not exist"_s.arg(CommandOptions::Quoted(path));
    }
    if (!problem.isEmpty()) {
        *error = problem;
        return std::nullopt;
    }
    return options;
}

bool OutputOptions::readFileOptions(const QCommandLineParser& parser, QString* error)
{
    if (parser.isSet(u"dpi"_s)) {
        const QString text = parser.value(u"dpi"_s);
        const std::optional<qint64> dpi =
            CommandOptions::WholeNumber(text, u"the resolution (--dpi)"_s, MinimumDpi, error);
        if (!dpi)
            return false;
        if (*dpi > MaximumDpi)
            return refuse(error, u"the resolution (--dpi) must be at most %1: %2"_s.arg(MaximumDpi)
                                     .arg(CommandOptions::Quoted(text)));
        m_fileOptions.dpi = static_cast<int>(*dpi);
    }
    if (parser.isSet(u"page"_s)) {
        static const QRegularExpression shape(u"^\\s*(\\d{1,6})\\s*,\\s*(\\d{1,6})\\s*$"_s);
        const QString text = parser.value(u"page"_s);
        const QRegularExpressionMatch match = shape.match(text);
        const int width = match.hasMatch() ? match.captured(1).toInt() : 0;
        const int height = match.hasMatch() ? match.captured(2).toInt() : 0;
        const auto fits = [](int twips) {
            return twips >= MinimumPageTwips && twips <= MaximumPageTwips;
        };
        if (!fits(width) || !fits(height))
            return refuse(error, u"the page must be W,H in twips, each from %1 to %2: %3"_s
                                     .arg(MinimumPageTwips)
                                     .arg(MaximumPageTwips)
                                     .arg(CommandOptions::Quoted(text)));
        m_fileOptions.printable = QSize(width, height);
    }
    return true;
}

bool OutputOptions::readPrinterOptions(const QCommandLineParser& parser, QString* error)
{
    if (parser.isSet(u"paper"_s)) {
        const QString name = parser.value(u"paper"_s);
        m_paper = Paper::Named(name);
        if (!m_paper)
            return refuse(error, u"unknown paper %1 (%2)"_s.arg(CommandOptions::Quoted(name),
                                                                Paper::Names()));
        if (parser.isSet(u"page"_s))
            return refuse(error, u"give either --paper or --page, not both"_s);
        m_fileOptions.printable = Paper::PrintableTwips(*m_paper);
    }
    if (!parser.isSet(u"printer"_s))
        return true;
    if (m_toFiles)
        return refuse(error, u"--printer and --out exclude each other"_s);
    m_printer = parser.value(u"printer"_s);
    const QStringList printers = m_printers->names();
    // With no printer at all (or no printers plugin) the name is no wrong argument: printing
    // fails as it does without --printer, "no printer".
    if (printers.contains(m_printer) || printers.isEmpty())
        return true;
    return refuse(error, u"there is no printer %1; the printers are: %2"_s.arg(
                             CommandOptions::Quoted(m_printer), printers.join(u", "_s)));
}

bool OutputOptions::imageFits(QString* error) const
{
    const auto pixels = [this](int twips) {
        return qint64(twips + 720) * m_fileOptions.dpi / 1440 + 1;
    };
    const qint64 width = pixels(m_fileOptions.printable.width());
    const qint64 height = pixels(m_fileOptions.printable.height());
    if (width * height > MaximumImagePixels)
        return refuse(
            error,
            u"the page image would be %1 x %2 pixels: lower --dpi or --page"_s.arg(width).arg(
                height));
    return true;
}

bool OutputOptions::canDraw(QString* error) const
{
    // Fonts and painting need the GUI library started; the .ops trace does not. The program
    // starts it for every subcommand that draws; a caller that runs the command line in a
    // bare core application (the fuzzer) gets this line rather than Qt's abort.
    if (m_toFiles && m_format == SurfaceFactory::Format::Ops)
        return true;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return true;
    return refuse(error, u"cannot draw: the program was started without its graphics library"_s);
}

std::unique_ptr<PrintSurface> OutputOptions::openPrinter(QString* error) const
{
    std::unique_ptr<PrintSurface> printer = m_printers->open(m_printer, m_paper, error);
    if (!printer && m_printer.isEmpty() && *error == Printers::NoPrinterInstalled())
        *error = Printers::NoPrinterInstalled() + u" (write a file with --out FILE.pdf)"_s;
    else if (!printer && !m_printer.isEmpty() && m_printers->names().isEmpty() &&
             error->startsWith(u"there is no printer"_s))
        *error = u"there is no printer %1: no printer is installed"_s.arg(
            CommandOptions::Quoted(m_printer));
    return printer;
}

std::unique_ptr<PrintSurface> OutputOptions::openFile(const QString& path, QString* error,
                                                      const QString& name,
                                                      MemoryFiles* memory) const
{
    std::unique_ptr<PrintSurface> surface =
        SurfaceFactory::OpenFile(path, m_format, m_fileOptions, error, memory);
    if (surface && !name.isEmpty())
        surface->setDocumentName(name);
    return surface;
}

std::unique_ptr<PrintSurface> OutputOptions::open(int* status, QString* error,
                                                  const QString& name) const
{
    if (!m_cannotWrite.isEmpty() || !canDraw(error)) {
        if (!m_cannotWrite.isEmpty())
            *error = m_cannotWrite;
        *status = CommandLine::Failed;
        return nullptr;
    }
    std::unique_ptr<PrintSurface> surface =
        m_toFiles ? openFile(m_path, error, name, m_toStandardOutput ? &m_standardOutput : nullptr)
                  : openPrinter(error);
    if (surface && !m_toFiles)
        surface->setDocumentName(name);
    if (!surface)
        *status = m_toFiles ? CommandLine::Failed : CommandLine::NoPrinter;
    return surface;
}

void OutputOptions::deliver(QIODevice& bytesOut) const
{
    for (const MemoryFiles::File& file : m_standardOutput.files())
        bytesOut.write(file.bytes);
}

int OutputOptions::finishFailure() const
{
    // A refused job and an unwritable file alike: nothing came out.
    return CommandLine::Failed;
}
