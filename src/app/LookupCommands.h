#pragma once

#include <QStringList>
#include <QTextStream>

// `kelvane whos-off` and `kelvane holidays`: answers without printing anything.
namespace LookupCommands {

int WhosOff(const QStringList& arguments, QTextStream& out, QTextStream& err);
int Holidays(const QStringList& arguments, QTextStream& out, QTextStream& err);

} // namespace LookupCommands
