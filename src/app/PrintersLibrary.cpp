// The printers library is the printers module as it stands (src/printers); its entry point,
// kelvane_printers(), is defined there and kept by the linker for this library.
