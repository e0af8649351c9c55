#pragma once

#include "app/CommandContext.h"

#include <QStringList>

// `kelvane export-ics`: one group's days off as an iCalendar file.
namespace ExportCommand {

int ExportIcs(const QStringList& arguments, const CommandContext& context);

} // namespace ExportCommand
