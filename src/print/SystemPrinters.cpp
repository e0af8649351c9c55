#include "print/SystemPrinters.h"

#include "print/PainterSurface.h"
#include "print/Paper.h"
#include "print/PrintSystem.h"

using namespace Qt::StringLiterals;

namespace {

// The printer a print dialog chose, with the pages asked for.
class ChosenPrinter final : public Printers::Chosen
{
public:
    explicit ChosenPrinter(PrintSystem::Choice choice) : m_choice(std::move(choice)) {}

    int firstPage() const override { return m_choice.firstPage; }
    int lastPage() const override { return m_choice.lastPage; }

    PrintDestination open(const QString& name) override
    {
        const PrinterDevice& printer = *m_choice.printer;
        const QString printerName = printer.name();
        const QString pdfPath = printer.writesPdfFile() ? printer.outputFileName() : QString();
        // The dialog set the copies: the printout's own count does not replace them.
        return PrintDestination::OnPrinter(
            PainterSurface::ForPrinter(std::move(m_choice.printer),
                                       PainterSurface::Copies::FromPrinter),
            name, printerName, pdfPath);
    }

private:
    PrintSystem::Choice m_choice;
};

} // namespace

SystemPrinters::SystemPrinters(Loader load) : m_load(std::move(load)) {}

SystemPrinters::SystemPrinters(PrintSystem& system) : m_loaded(true), m_system(&system) {}

PrintSystem* SystemPrinters::system()
{
    if (!m_loaded) {
        m_loaded = true;
        QString error;
        m_system = m_load(&error);
        m_unavailable = u"printing is not available: "_s + error;
    }
    return m_system;
}

QStringList SystemPrinters::names()
{
    return system() ? m_system->names() : QStringList();
}

QString SystemPrinters::defaultName()
{
    return system() ? m_system->defaultName() : QString();
}

std::unique_ptr<PrintSurface>
SystemPrinters::open(const QString& name, const std::optional<QPageSize>& paper, QString* error)
{
    std::unique_ptr<PrinterDevice> printer;
    if (system())
        printer = m_system->open(name, paper ? std::optional(Paper::Layout(*paper)) : std::nullopt);
    if (!printer) {
        if (error)
            *error = !m_system        ? m_unavailable
                     : name.isEmpty() ? NoPrinterInstalled()
                                      : u"there is no printer \"%1\""_s.arg(name);
        return nullptr;
    }
    return PainterSurface::ForPrinter(std::move(printer));
}

std::unique_ptr<Printers::Chosen> SystemPrinters::ask(QWidget* parent, const QString& title,
                                                      int copies, const QString& name,
                                                      int firstPage, int lastPage)
{
    if (!system())
        return nullptr;
    std::optional<PrintSystem::Choice> choice =
        m_system->ask(parent, title, copies, name, firstPage, lastPage);
    if (!choice)
        return nullptr;
    return std::make_unique<ChosenPrinter>(std::move(*choice));
}

void SystemPrinters::preview(QWidget* parent, const QString& title, int copies, const QString& name,
                             const std::function<void(PrintSurface&)>& draw,
                             const std::function<void(const QString& error)>& failed)
{
    if (!system()) {
        failed(m_unavailable);
        return;
    }
    m_system->preview(parent, title, copies, name, [&draw, &failed](PrinterDevice& printer) {
        PainterSurface surface(&printer, PainterSurface::Copies::FromPrinter);
        draw(surface);
        QString failure;
        if (!surface.finish(&failure))
            failed(failure);
    });
}
