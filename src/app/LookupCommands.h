#pragma once

#include "app/CommandContext.h"

#include <QStringList>

// `kelvane whos-off` and `kelvane holidays`: answers without printing anything.
namespace LookupCommands {

int WhosOff(const QStringList& arguments, const CommandContext& context);
int Holidays(const QStringList& arguments, const CommandContext& context);

} // namespace LookupCommands
