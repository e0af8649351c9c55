#pragma once

#include "app/CommandContext.h"

#include <QStringList>

// `kelvane print-month`: the page the month window's "Print" gives for one month, with the
// notes and highlights stored for it, on the default printer or into a PDF, PNG or .ops file.
// It only reads the calendar database.
namespace MonthCommand {

int PrintMonth(const QStringList& arguments, const CommandContext& context);

} // namespace MonthCommand
