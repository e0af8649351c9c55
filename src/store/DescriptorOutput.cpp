#include "store/DescriptorOutput.h"

#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace DescriptorOutput {

QString Write(int fd, QByteArrayView bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written =
            ::write(fd, bytes.data() + done, static_cast<size_t>(bytes.size() - done));
        if (written > 0) {
            done += written;
            continue;
        }
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            pollfd ready = {fd, POLLOUT, 0};
            if (::poll(&ready, 1, -1) >= 0 || errno == EINTR)
                continue;
        }
        // Nothing taken and no reason given: the device is full.
        return qt_error_string(written == 0 ? ENOSPC : errno);
    }
    return {};
}

QString ToStandardOutput(QByteArrayView bytes)
{
    return Write(STDOUT_FILENO, bytes);
}

} // namespace DescriptorOutput
