#pragma once

// The part of the program that needs the GUI library: the window and the subcommands that
// draw. It is a library of its own, loaded at run time by the program's executable.
namespace ProgramLibrary {

// The file name of the library.
inline constexpr const char* FileName = "libkelvane-program.so";

// Loads the library and runs it with the program's arguments; its exit status, or 1 when
// it cannot be loaded (said on standard error).
int Run(int argc, char* argv[]);

} // namespace ProgramLibrary
