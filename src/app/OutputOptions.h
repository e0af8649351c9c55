#pragma once

#include "print/PrintSurface.h"
#include "print/SurfaceFactory.h"
#include "store/MemoryFiles.h"

#include <QCommandLineParser>
#include <QPageSize>
#include <QString>

#include <memory>
#include <optional>

class Printers;
class QIODevice;

// Where a print subcommand sends its pages: --out (one FILE, whose ending names the format, or
// a folder DIR with --format), --dpi and --page for files. Without --out the pages go to the
// default printer, or to --printer NAME. --paper names the paper of either.
class OutputOptions
{
public:
    enum class Out
    {
        File,
        Folder
    };

    static QList<QCommandLineOption> Options(Out out);
    // Checks the values together: the file's format and folder, the size of a PNG page, no file
    // settings for the printer. nullopt with one line in *error when one is refused.
    // `printers` are asked for --printer and must outlive the options.
    static std::optional<OutputOptions> Read(const QCommandLineParser& parser, Out out,
                                             Printers& printers, QString* error);

    bool toPrinter() const { return !m_toFiles; }
    // The --out file or folder.
    const QString& path() const { return m_path; }
    SurfaceFactory::Format format() const { return m_format; }

    // False, with one line in *error, when the pages need painting and the program was started
    // without its graphics library.
    bool canDraw(QString* error) const;
    std::unique_ptr<PrintSurface> openPrinter(QString* error) const;
    // A file surface titled `name` (the PDF's title); kept in `memory` when given.
    std::unique_ptr<PrintSurface> openFile(const QString& path, QString* error,
                                           const QString& name = QString(),
                                           MemoryFiles* memory = nullptr) const;
    // The surface of a single page named `name`: the --out file or the printer. Null, with the
    // exit status and one line in *error, when it cannot be opened.
    std::unique_ptr<PrintSurface> open(int* status, QString* error,
                                       const QString& name = QString()) const;
    // With --out -, writes the finished page to standard output (whose errors the program
    // tells once the run is over).
    void deliver(QIODevice& bytesOut) const;
    // The exit status when handing the pages over fails.
    int finishFailure() const;

private:
    bool readFileOptions(const QCommandLineParser& parser, QString* error);
    bool readPrinterOptions(const QCommandLineParser& parser, QString* error);
    bool imageFits(QString* error) const;

    bool m_toFiles = false;
    QString m_path;
    bool m_toStandardOutput = false;
    // The page for standard output, once finished.
    mutable MemoryFiles m_standardOutput;
    // Why the --out file cannot be written, found while reading the options.
    QString m_cannotWrite;
    SurfaceFactory::Format m_format = SurfaceFactory::Format::Pdf;
    SurfaceFactory::FileOptions m_fileOptions;
    Printers* m_printers = nullptr;
    QString m_printer;
    std::optional<QPageSize> m_paper;
};
