#include "printers/QtPrintSystem.h"

#include "printers/QPrinterDevice.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

QStringList QtPrintSystem::names()
{
    return QPrinterInfo::availablePrinterNames();
}

QString QtPrintSystem::defaultName()
{
    const QString name = QPrinterInfo::defaultPrinterName();
    if (!name.isEmpty())
        return name;
    const QStringList all = names();
    return all.isEmpty() ? QString() : all.first();
}

std::unique_ptr<QPrinter> QtPrintSystem::newPrinter(const QString& name,
                                                    const std::optional<QPageLayout>& layout)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(name.isEmpty() ? defaultName() : name);
    if (info.isNull())
        return nullptr;
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setCreator(u"Kelvane"_s);
    // The printer starts on the platform's paper, not the queue's: set it, and the queue's
    // margins for it come with it.
    printer->setPageOrientation(QPageLayout::Portrait);
    if (layout) {
        printer->setPageSize(layout->pageSize());
        // A margin the printer cannot print keeps the printer's own.
        printer->setPageMargins(layout->margins(), layout->units());
    } else if (info.defaultPageSize().isValid()) {
        printer->setPageSize(info.defaultPageSize());
    }
    return printer;
}

std::unique_ptr<QPrinter> QtPrintSystem::prepared(int copies)
{
    std::unique_ptr<QPrinter> printer = newPrinter(QString(), std::nullopt);
    if (!printer) {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setCreator(u"Kelvane"_s);
    }
    printer->setCopyCount(copies > 0 ? copies : 1);
    return printer;
}

std::unique_ptr<PrinterDevice> QtPrintSystem::open(const QString& name,
                                                   const std::optional<QPageLayout>& layout)
{
    std::unique_ptr<QPrinter> printer = newPrinter(name, layout);
    if (!printer)
        return nullptr;
    return std::make_unique<QPrinterDevice>(std::move(printer));
}

std::optional<PrintSystem::Choice> QtPrintSystem::ask(QWidget* parent, const QString& title,
                                                      int copies, const QString& name,
                                                      int firstPage, int lastPage)
{
    std::unique_ptr<QPrinter> printer = prepared(copies);
    printer->setDocName(name);
    QPrintDialog dialog(printer.get(), parent);
    dialog.setWindowTitle(title);
    // Printing to a file proposes what Save as PDF proposes, not the dialog's "print.pdf" in
    // the current folder; the home folder when there is no documents folder (the dialog
    // refuses a file in a folder that does not exist).
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QFileInfo(folder).isDir())
        folder = QDir::homePath();
    if (auto* file = dialog.findChild<QLineEdit*>(u"filename"_s))
        file->setText(QDir(folder).filePath(name + u".pdf"_s));
    if (lastPage > firstPage) {
        dialog.setMinMax(firstPage, lastPage);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    }
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    Choice choice{nullptr, firstPage, lastPage};
    if (printer->printRange() == QPrinter::PageRange && printer->fromPage() != 0) {
        choice.firstPage = printer->fromPage();
        choice.lastPage = printer->toPage();
    }
    choice.printer = std::make_unique<QPrinterDevice>(std::move(printer));
    return choice;
}

void QtPrintSystem::preview(QWidget* parent, const QString& title, int copies, const QString& name,
                            const std::function<void(PrinterDevice&)>& draw)
{
    const std::unique_ptr<QPrinter> printer = prepared(copies);
    printer->setDocName(name);
    QPrintPreviewDialog dialog(printer.get(), parent);
    dialog.setWindowTitle(title);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&draw](QPrinter* target) {
                         QPrinterDevice device(*target);
                         draw(device);
                     });
    dialog.exec();
}
