#pragma once

#include "app/Subcommand.h"

#include <memory>

// `kelvane whos-off` and `kelvane holidays`: answers without printing anything.
namespace LookupCommands {

std::unique_ptr<Subcommand> WhosOff(const CommandContext& context);
std::unique_ptr<Subcommand> Holidays(const CommandContext& context);

} // namespace LookupCommands
