#pragma once

// Fonts take a good part of a printout's time before anything is drawn: fontconfig reads its
// configuration (a few dozen XML files), then Qt reads the list of the system's fonts. The
// program's executable has fontconfig start on a thread of its own while the rest of the
// program loads; once the application object is made, Qt reads its list on another. Meanwhile
// the start-up work that needs no font goes on (the arguments, the database). Everything that
// is about to ask the GUI library for a font waits for both first.
namespace FontSetup {

// What waits for fontconfig; nothing by default.
void WaitWith(void (*wait)());
// Has Qt read the system's fonts on a thread of its own. Only with the GUI application object
// made, which must outlive Finish().
void ReadFontList();
// Waits for all of it; cheap once done. Any thread may call it.
void Finish();

} // namespace FontSetup
