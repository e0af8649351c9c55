#include "print/PrinterChoice.h"

#include "print/SurfaceFactory.h"

#include <QPrintDialog>
#include <QPrinter>

using namespace Qt::StringLiterals;

namespace PrinterChoice {

std::unique_ptr<QPrinter> Prepared(int copies)
{
    std::unique_ptr<QPrinter> printer = SurfaceFactory::NewPrinter();
    if (!printer) {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setCreator(u"Kelvane"_s);
    }
    printer->setCopyCount(copies > 0 ? copies : 1);
    return printer;
}

bool Ask(QPrinter& printer, QWidget* parent, const QString& title, int firstPage, int lastPage)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(title);
    if (lastPage > firstPage) {
        dialog.setMinMax(firstPage, lastPage);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    }
    return dialog.exec() == QDialog::Accepted;
}

} // namespace PrinterChoice
