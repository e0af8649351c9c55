#pragma once

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

#include <memory>

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

using Handler = int (*)(const QStringList& arguments, QTextStream& out, QTextStream& err);
// The handler of a subcommand that draws, by name; null for any other name.
using Drawing = Handler (*)(const QString& name);

// Runs one subcommand, the help or the version; `arguments` starts with the program name.
// The subcommands that draw are taken from `drawing`.
int RunWith(const QStringList& arguments, QTextStream& out, QTextStream& err, Drawing drawing);
// The same with every subcommand, those that draw included.
int Run(const QStringList& arguments, QTextStream& out, QTextStream& err);
// The handler of each subcommand that draws.
Handler DrawingCommand(const QString& name);

// The application object for a run of the command line.
using ApplicationMaker = std::unique_ptr<QCoreApplication> (*)(int& argc, char* argv[]);
// A whole run of the command line on standard output and error: the application object made
// by `makeApplication`, then RunWith().
int Main(int argc, char* argv[], ApplicationMaker makeApplication, Drawing drawing);
// The organisation and application names the settings are stored under.
void NameApplication();

// The overall help text.
QString HelpText();

} // namespace CommandLine
