#pragma once

#include <QStringList>
#include <QTextStream>

namespace CommandLine {

// Exit statuses shared by every subcommand.
inline constexpr int Success = 0;
inline constexpr int WriteFailed = 1;
inline constexpr int BadArguments = 2;
inline constexpr int NoPrinter = 3;

// True when the arguments (program name first) name a subcommand or ask for help or the
// version, i.e. when no window is wanted.
bool WantsCommandLine(const QStringList& arguments);

// True when the arguments name a subcommand that draws (prints pages); the others run without
// the GUI library.
bool Draws(const QStringList& arguments);

// Runs one subcommand; `arguments` starts with the program name.
int Run(const QStringList& arguments, QTextStream& out, QTextStream& err);

// The overall help text.
QString HelpText();

} // namespace CommandLine
