#pragma once

#include "app/CommandContext.h"

#include <QStringList>

// `kelvane print-year` and `kelvane print-all`: the year calendar, and the fourteen
// calendars of the all-patterns batch, printed or written to PDF, PNG or an .ops trace.
namespace PrintCommands {

int PrintYear(const QStringList& arguments, const CommandContext& context);
int PrintAll(const QStringList& arguments, const CommandContext& context);

// The file name of calendar `index` (0..13) of print-all: "01-1" .. "07-7", "08-A" .. "14-G",
// with the extension.
QString BatchFileName(int index, const QString& extension);

} // namespace PrintCommands
