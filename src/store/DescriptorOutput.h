#pragma once

#include <QByteArrayView>
#include <QString>

// Bytes written to a descriptor that is already open: standard output, or a device or FIFO
// written in place. Every write is checked, as coreutils do.
namespace DescriptorOutput {

// Writes all of `bytes` to `fd`, again after a signal or a short write, waiting while a
// non-blocking descriptor is full. Empty when every byte went; otherwise the reason the write
// failed, as strerror() words it ("No space left on device", "Broken pipe", "Bad file
// descriptor"). A reader that went away ends the program by SIGPIPE unless that is ignored.
[[nodiscard]] QString Write(int fd, QByteArrayView bytes);

// The same on standard output.
[[nodiscard]] QString ToStandardOutput(QByteArrayView bytes);

} // namespace DescriptorOutput
