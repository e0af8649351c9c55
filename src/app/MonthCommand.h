#pragma once

#include <QStringList>
#include <QTextStream>

class Clock;

// `kelvane print-month`: the page the month window's "Print" gives for one month, with the
// notes and highlights stored for it, on the default printer or into a PDF, PNG or .ops file.
// It only reads the calendar database.
namespace MonthCommand {

int PrintMonth(const QStringList& arguments, QTextStream& out, QTextStream& err);
// The same with "today" from `clock`.
int RunPrintMonth(const QStringList& arguments, QTextStream& out, QTextStream& err,
                  const Clock& clock);

} // namespace MonthCommand
