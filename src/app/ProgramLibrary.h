#pragma once

// The parts of the program that need the GUI library are libraries of their own, loaded at run
// time by the program's executable: the one it needs, and only when it needs it.
namespace ProgramLibrary {

enum class Part
{
    // The subcommands that draw (libkelvane-drawing.so): the GUI library, no widgets.
    Drawing,
    // The window (libkelvane-window.so).
    Window
};

// Loads the library of `part` and runs it with the program's arguments; its exit status, or
// 1 when it cannot be loaded (said on standard error).
int Run(Part part, int argc, char* argv[]);

} // namespace ProgramLibrary
