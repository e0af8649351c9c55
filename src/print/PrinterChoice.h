#pragma once

#include <QString>

#include <memory>

class QPrinter;
class QWidget;

// The standard print dialog, opened on the default printer with its paper and the window's
// copy count; whatever the user then chooses there is what prints.
namespace PrinterChoice {

// The default printer with its paper and `copies` copies; a PDF-file printer when the system
// has no printer.
std::unique_ptr<QPrinter> Prepared(int copies);
// Shows the dialog titled `title` on `printer`, offering pages `firstPage`..`lastPage` when
// there is more than one. True when the user chose to print.
bool Ask(QPrinter& printer, QWidget* parent, const QString& title, int firstPage = 1,
         int lastPage = 1);

} // namespace PrinterChoice
