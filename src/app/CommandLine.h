#pragma once

#include "app/CommandContext.h"

#include <QString>
#include <QStringList>

namespace CommandLine {

// Exit statuses shared by every subcommand: done; could not do it (a file that cannot be
// written or read, a database in use, a printer that refused the job); bad arguments; no
// printer.
inline constexpr int Success = 0;
inline constexpr int Failed = 1;
inline constexpr int BadArguments = 2;
inline constexpr int NoPrinter = 3;

// The lightest application object a run needs: the subcommands that only look things up run
// on Qt's core alone, those that draw need the GUI library (fonts, painting) but no windows,
// and the window needs the widgets.
enum class Application
{
    Core,
    Gui,
    Widgets
};

// What the arguments (program name first) ask for: no subcommand opens the window.
Application ApplicationFor(const QStringList& arguments);

// Runs one subcommand, the help or the version; `arguments` starts with the program name.
int Run(const QStringList& arguments, const CommandContext& context);

// The organisation and application names the settings are stored under.
void NameApplication();

// The overall help text: every subcommand with every option.
QString HelpText(const CommandContext& context);

} // namespace CommandLine
