#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

// What every fuzzer shares: Qt started once per process, the input as text, and a scratch
// folder that stands in for the user's home so that no run reaches real settings or files.
namespace FuzzSupport {

// Moves HOME and the XDG folders (and CUPS, out of reach) into the scratch folder, turns on Qt's
// test paths and starts the application object, which lives until the process exits: a
// QCoreApplication, or with `graphics` a QGuiApplication on the offscreen platform. Call from
// LLVMFuzzerInitialize.
void Start(int* argc, char*** argv, bool graphics = false);

// The input as the program would get it from a text box, a file or the command line.
QString Text(const uint8_t* data, size_t size);

// The scratch folder of this process (removed at exit).
QString ScratchFolder();

// Stops the run with the input saved by libFuzzer when a property does not hold.
void Check(bool holds, const char* what);

} // namespace FuzzSupport
