#pragma once

#include "app/Subcommand.h"

#include <memory>

// `kelvane print-year` and `kelvane print-all`: the year calendar, and the fourteen
// calendars of the all-patterns batch, printed or written to PDF, PNG or an .ops trace.
namespace PrintCommands {

std::unique_ptr<Subcommand> PrintYear(const CommandContext& context);
std::unique_ptr<Subcommand> PrintAll(const CommandContext& context);

} // namespace PrintCommands
