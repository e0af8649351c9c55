#pragma once

#include "print/Printers.h"

#include <QPageSize>
#include <QString>

#include <memory>
#include <optional>

class QPrinter;

// The printers of the print system, through Qt's printing library and the print dialogs.
class SystemPrinters final : public Printers
{
public:
    QStringList names() override;
    QString defaultName() override;
    std::unique_ptr<PrintSurface> open(const QString& name, const std::optional<QPageSize>& paper,
                                       QString* error) override;
    std::unique_ptr<Chosen> ask(QWidget* parent, const QString& title, int copies,
                                int firstPage = 1, int lastPage = 1) override;
    void preview(QWidget* parent, const QString& title, int copies, const QString& name,
                 const std::function<void(PrintSurface&)>& draw,
                 const std::function<void(const QString& error)>& failed) override;

    // A printer set up for the queue `name` (the default printer when empty): the queue's
    // default paper and margins, or `paper` with quarter-inch margins. Null when there is no
    // such printer.
    static std::unique_ptr<QPrinter> NewPrinter(const QString& name = QString(),
                                                const std::optional<QPageSize>& paper = {});
    // The default printer with its paper and `copies` copies, as the print dialog opens on it;
    // a PDF-file printer when the system has none.
    static std::unique_ptr<QPrinter> Prepared(int copies);
};
