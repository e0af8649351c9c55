#pragma once

// Fontconfig reads its configuration (a few dozen XML files) the first time anything asks
// for a font, which takes a good part of a printout's time. Begun on a thread of its own as
// the program starts, the reading goes on while the start-up work that needs no font is done:
// loading the database driver, opening the database, reading the entries.
namespace FontSetup {

// Starts the reading on another thread; does nothing once Finish() has run.
void BeginEarly();
// Waits for the reading begun by BeginEarly(), if any. Everything that is about to ask the
// GUI library for a font calls this first; it is cheap once done.
void Finish();

} // namespace FontSetup
