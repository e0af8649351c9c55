#pragma once

#include "app/Subcommand.h"

#include <memory>

// `kelvane export-ics`: one group's days off as an iCalendar file.
namespace ExportCommand {

std::unique_ptr<Subcommand> ExportIcs(const CommandContext& context);

} // namespace ExportCommand
