#pragma once

// The program's executable has fontconfig read its configuration (a few dozen XML files) on a
// second thread while the rest of the program loads; the reading can go on while the start-up
// work that needs no font is done (the application object, the arguments, the database).
// Everything that is about to ask the GUI library for a font waits for it first.
namespace FontSetup {

// What Finish() waits for; nothing by default.
void WaitWith(void (*wait)());
// Waits for the reading, if any; cheap once done. Any thread may call it.
void Finish();

} // namespace FontSetup
