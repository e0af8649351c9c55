#pragma once

#include "app/Subcommand.h"

#include <QString>

#include <memory>

// `kelvane print-year` and `kelvane print-all`: the year calendar, and the fourteen
// calendars of the all-patterns batch, printed or written to PDF, PNG or an .ops trace.
namespace PrintCommands {

std::unique_ptr<Subcommand> PrintYear(const CommandContext& context);
std::unique_ptr<Subcommand> PrintAll(const CommandContext& context);

// The file name of calendar `index` (0..13) of print-all: "01-1" .. "07-7", "08-A" .. "14-G",
// with the extension.
QString BatchFileName(int index, const QString& extension);

} // namespace PrintCommands
