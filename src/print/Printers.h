#pragma once

#include "print/PrintDestination.h"
#include "print/PrintSurface.h"

#include <QPageSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QWidget;

// The system's printers and the print dialogs (SystemPrinters), handed to the windows and
// subcommands that print.
class Printers
{
public:
    // A printer chosen in the print dialog.
    class Chosen
    {
    public:
        virtual ~Chosen() = default;
        // The pages chosen, within those offered.
        virtual int firstPage() const = 0;
        virtual int lastPage() const = 0;
        // The destination on the chosen printer for a printout named `name`, with the
        // dialog's copies and paper. Once only.
        virtual PrintDestination open(const QString& name) = 0;
    };

    virtual ~Printers() = default;

    // The names of the system's printers.
    virtual QStringList names() = 0;
    // The default printer, or the first one when none is the default; empty when there is
    // none.
    virtual QString defaultName() = 0;
    // A surface on the queue `name` (the default printer when empty): the queue's default paper
    // and margins, or `paper` with quarter-inch margins. Null, with one line in *error, when
    // there is no such printer.
    virtual std::unique_ptr<PrintSurface> open(const QString& name,
                                               const std::optional<QPageSize>& paper,
                                               QString* error) = 0;
    // The print dialog titled `title`, on the default printer with its paper and `copies`
    // copies (a PDF-file printer when the system has none), offering pages `firstPage` ..
    // `lastPage` when there is more than one. Printing to a file proposes "<name>.pdf" in the
    // documents folder. Null when the user cancelled.
    virtual std::unique_ptr<Chosen> ask(QWidget* parent, const QString& title, int copies,
                                        const QString& name, int firstPage = 1,
                                        int lastPage = 1) = 0;
    // The print preview of the default printer with `copies` copies, for a printout named
    // `name` that `draw` puts on a surface; `failed` is told why a page could not be made.
    // Its print button asks with the print dialog.
    virtual void preview(QWidget* parent, const QString& title, int copies, const QString& name,
                         const std::function<void(PrintSurface&)>& draw,
                         const std::function<void(const QString& error)>& failed) = 0;

    // What open() says when the system has no printer at all.
    static QString NoPrinterInstalled();
};
