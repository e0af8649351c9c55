#pragma once

#include "app/Subcommand.h"

#include <memory>

// `kelvane print-month`: the page the month window's "Print" gives for one month, with the
// notes and highlights stored for it, on the default printer or into a PDF, PNG or .ops file.
// It only reads the calendar database.
namespace MonthCommand {

std::unique_ptr<Subcommand> PrintMonth(const CommandContext& context);

} // namespace MonthCommand
