#pragma once

#include "print/Printers.h"

#include <functional>

class PrintSystem;

// The system's printers for the windows and the subcommands: the print system's devices and
// dialogs, drawn on through a painter surface. The print system is asked for the first time a
// printer is needed.
class SystemPrinters final : public Printers
{
public:
    // Gives the print system, or null with one line in *error when there is none.
    using Loader = std::function<PrintSystem*(QString* error)>;

    explicit SystemPrinters(Loader load);
    explicit SystemPrinters(PrintSystem& system);

    QStringList names() override;
    QString defaultName() override;
    std::unique_ptr<PrintSurface> open(const QString& name, const std::optional<QPageSize>& paper,
                                       QString* error) override;
    std::unique_ptr<Chosen> ask(QWidget* parent, const QString& title, int copies,
                                const QString& name, int firstPage = 1,
                                int lastPage = 1) override;
    void preview(QWidget* parent, const QString& title, int copies, const QString& name,
                 const std::function<void(PrintSurface&)>& draw,
                 const std::function<void(const QString& error)>& failed) override;

private:
    PrintSystem* system();

    Loader m_load;
    bool m_loaded = false;
    PrintSystem* m_system = nullptr;
    QString m_unavailable;
};
