#pragma once

#include "print/PrintSystem.h"

class QPrinter;

// The print system through Qt's printing library: the queues of CUPS, the print dialog and
// the preview.
class QtPrintSystem : public PrintSystem
{
public:
    QStringList names() override;
    QString defaultName() override;
    std::unique_ptr<PrinterDevice> open(const QString& name,
                                        const std::optional<QPageLayout>& layout) override;
    std::optional<Choice> ask(QWidget* parent, const QString& title, int copies,
                              const QString& name, int firstPage, int lastPage) override;
    void preview(QWidget* parent, const QString& title, int copies, const QString& name,
                 const std::function<void(PrinterDevice&)>& draw) override;

private:
    std::unique_ptr<QPrinter> newPrinter(const QString& name,
                                         const std::optional<QPageLayout>& layout);
    // The default printer with its paper and `copies` copies, as the print dialog opens on it;
    // a PDF-file printer when the system has none.
    std::unique_ptr<QPrinter> prepared(int copies);
};
