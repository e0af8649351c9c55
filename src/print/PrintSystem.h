#pragma once

#include "print/PrinterDevice.h"

#include <QPageLayout>
#include <QString>
#include <QStringList>
#include <QtPlugin>

#include <functional>
#include <memory>
#include <optional>

class QWidget;

// The print system's queues and dialogs, as printer devices; drawing on them is the program's
// (SystemPrinters). It comes in the printers plugin, which links Qt's printing library and
// CUPS: a run that prints nothing never loads them. The plugin and the program must agree on
// this class and on PrinterDevice: change either, and raise the interface's version below.
class PrintSystem
{
public:
    virtual ~PrintSystem() = default;

    // A print dialog's choice: its printer, with the dialog's copies and paper, and the pages.
    struct Choice
    {
        std::unique_ptr<PrinterDevice> printer;
        int firstPage = 1;
        int lastPage = 1;
    };

    virtual QStringList names() = 0;
    // The default printer, or the first one when none is the default; empty when there is
    // none.
    virtual QString defaultName() = 0;
    // The queue `name` (the default printer when empty) on its default paper and margins, or on
    // `layout`'s paper with its margins (those it can print). Null when there is no such queue.
    virtual std::unique_ptr<PrinterDevice> open(const QString& name,
                                                const std::optional<QPageLayout>& layout) = 0;
    // The print dialog on the default printer (a PDF-file printer when there is none) with
    // `copies` copies, offering pages `firstPage` .. `lastPage` when there is more than one,
    // for a printout named `name`: printing to a file proposes "<name>.pdf" in the documents
    // folder. Nullopt when the user cancelled.
    virtual std::optional<Choice> ask(QWidget* parent, const QString& title, int copies,
                                      const QString& name, int firstPage, int lastPage) = 0;
    // The print preview of the default printer with `copies` copies, for a printout named
    // `name`; `draw` puts the pages on the preview's printer each time it asks.
    virtual void preview(QWidget* parent, const QString& title, int copies, const QString& name,
                         const std::function<void(PrinterDevice&)>& draw) = 0;
};

#define KelvanePrintSystem_iid "io.github.kelvane.Kelvane.PrintSystem/2"
Q_DECLARE_INTERFACE(PrintSystem, KelvanePrintSystem_iid)
