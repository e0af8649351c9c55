#pragma once

#include <QStringList>
#include <QTextStream>

// `kelvane export-ics`: one group's days off as an iCalendar file.
namespace ExportCommand {

int ExportIcs(const QStringList& arguments, QTextStream& out, QTextStream& err);

} // namespace ExportCommand
