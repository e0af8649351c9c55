#include "printers/SystemPrinters.h"

#include "print/PainterSurface.h"
#include "print/Paper.h"
#include "printers/QPrinterDevice.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

using namespace Qt::StringLiterals;

namespace {

// The printer a print dialog chose, with the pages asked for.
class ChosenPrinter final : public Printers::Chosen
{
public:
    explicit ChosenPrinter(std::unique_ptr<QPrinter> printer) : m_printer(std::move(printer))
    {
        if (m_printer->printRange() == QPrinter::PageRange) {
            m_first = m_printer->fromPage();
            m_last = m_printer->toPage();
        }
    }

    void offer(int first, int last)
    {
        if (m_first == 0) {
            m_first = first;
            m_last = last;
        }
    }
    int firstPage() const override { return m_first; }
    int lastPage() const override { return m_last; }

    PrintDestination open(const QString& name) override
    {
        const QString printerName = m_printer->printerName();
        const QString pdfPath = m_printer->outputFormat() == QPrinter::PdfFormat
                                    ? m_printer->outputFileName()
                                    : QString();
        // The dialog set the copies: the printout's own count does not replace them.
        return PrintDestination::OnPrinter(
            PainterSurface::ForPrinter(std::make_unique<QPrinterDevice>(std::move(m_printer)),
                                       PainterSurface::Copies::FromPrinter),
            name, printerName, pdfPath);
    }

private:
    std::unique_ptr<QPrinter> m_printer;
    int m_first = 0;
    int m_last = 0;
};

} // namespace

QStringList SystemPrinters::names()
{
    return QPrinterInfo::availablePrinterNames();
}

QString SystemPrinters::defaultName()
{
    const QString name = QPrinterInfo::defaultPrinterName();
    if (!name.isEmpty())
        return name;
    const QStringList all = names();
    return all.isEmpty() ? QString() : all.first();
}

std::unique_ptr<QPrinter> SystemPrinters::NewPrinter(const QString& name,
                                                     const std::optional<QPageSize>& paper)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(
        name.isEmpty() ? SystemPrinters().defaultName() : name);
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

std::unique_ptr<QPrinter> SystemPrinters::Prepared(int copies)
{
    std::unique_ptr<QPrinter> printer = NewPrinter();
    if (!printer) {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setCreator(u"Kelvane"_s);
    }
    printer->setCopyCount(copies > 0 ? copies : 1);
    return printer;
}

std::unique_ptr<PrintSurface> SystemPrinters::open(const QString& name,
                                                   const std::optional<QPageSize>& paper,
                                                   QString* error)
{
    std::unique_ptr<QPrinter> printer = NewPrinter(name, paper);
    if (!printer) {
        if (error)
            *error = name.isEmpty() ? NoPrinterInstalled()
                                    : u"there is no printer \"%1\""_s.arg(name);
        return nullptr;
    }
    return PainterSurface::ForPrinter(std::make_unique<QPrinterDevice>(std::move(printer)));
}

std::unique_ptr<Printers::Chosen> SystemPrinters::ask(QWidget* parent, const QString& title,
                                                      int copies, int firstPage, int lastPage)
{
    std::unique_ptr<QPrinter> printer = Prepared(copies);
    QPrintDialog dialog(printer.get(), parent);
    dialog.setWindowTitle(title);
    if (lastPage > firstPage) {
        dialog.setMinMax(firstPage, lastPage);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    }
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    auto chosen = std::make_unique<ChosenPrinter>(std::move(printer));
    chosen->offer(firstPage, lastPage);
    return chosen;
}

void SystemPrinters::preview(QWidget* parent, const QString& title, int copies,
                             const QString& name, const std::function<void(PrintSurface&)>& draw,
                             const std::function<void(const QString& error)>& failed)
{
    const std::unique_ptr<QPrinter> printer = Prepared(copies);
    printer->setDocName(name);
    QPrintPreviewDialog dialog(printer.get(), parent);
    dialog.setWindowTitle(title);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&draw, &failed](QPrinter* target) {
                         QPrinterDevice device(*target);
                         PainterSurface surface(&device, PainterSurface::Copies::FromPrinter);
                         draw(surface);
                         QString failure;
                         if (!surface.finish(&failure))
                             failed(failure);
                     });
    dialog.exec();
}

