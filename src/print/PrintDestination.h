#pragma once

#include "print/PrintSurface.h"

#include <QString>

#include <memory>

class Printers;

// Where a printout goes: a surface to draw on and a short description of it for the status
// line ("the printer ...", "the PDF file ..."). A null surface means nothing can print, and
// `error` says why. The windows' print commands all open their destination here, so that
// "print" means the same everywhere.
struct PrintDestination
{
    std::unique_ptr<PrintSurface> surface;
    QString description;
    QString error;
    // A printer only tells later whether the job printed: its status line says "sent".
    bool toPrinter = false;
    // Set by finish(): nothing or not all of it went out.
    bool failed = false;

    // The default printer of `printers`; when there is none (or it cannot be opened), a new PDF
    // file "<name>.pdf" in the documents folder, so that a press of "Print" never goes
    // nowhere. An existing file is never replaced: the name gets " (2)", " (3)", ...
    // `name` is also the job's name and the PDF's title.
    static PrintDestination OpenDefault(Printers& printers, const QString& name);
    // A PDF file chosen by the user (replaced if it exists, as the save dialog confirmed),
    // titled `name`.
    static PrintDestination OpenPdf(const QString& path, const QString& name = QString());
    // A printer's surface, for a printout named `name`: the queue `printerName`, or the PDF
    // file `pdfPath` that a print dialog's printer writes.
    static PrintDestination OnPrinter(std::unique_ptr<PrintSurface> surface, const QString& name,
                                      const QString& printerName, const QString& pdfPath);

    // "<folder>/<stem><suffix>", or "<stem> (n)<suffix>" with the first n from 2 that names
    // no existing file.
    static QString FreePath(const QString& folder, const QString& stem, const QString& suffix);
    // The user's documents folder, created when missing; empty when there is none.
    static QString DocumentsFolder();

    // Ends the output and returns the status line: where it went, or why it did not.
    // `what` names what was printed ("14 calendars"); empty for a single page.
    QString finish(const QString& what = QString());
};
