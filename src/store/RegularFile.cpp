#include "store/RegularFile.h"

#include "store/NativeName.h"

#include <QFile>
#include <QLocale>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

using namespace Qt::StringLiterals;

namespace RegularFile {

namespace {

bool failNextRead = false;

Contents unreadable(const QString& reason)
{
    return {Contents::State::Unreadable, {}, reason};
}

QString notRegular()
{
    return u"not a regular file"_s;
}

QString tooLarge(qint64 largest)
{
    return u"larger than %1"_s.arg(
        QLocale::c().formattedDataSize(largest, 0, QLocale::DataSizeIecFormat));
}

// Closes the descriptor on every way out.
class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

Contents Read(const QString& path, qint64 largest)
{
    const QByteArray name = NativeName::Encode(path);
    struct stat status = {};
    if (::stat(name.constData(), &status) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return {};
        return unreadable(qt_error_string(errno));
    }
    if (!S_ISREG(status.st_mode))
        return unreadable(notRegular());
    if (status.st_size > largest)
        return unreadable(tooLarge(largest));
    if (std::exchange(failNextRead, false))
        return unreadable(qt_error_string(EACCES));

    // Without blocking: something else may have taken the name since it was looked at.
    const Descriptor file(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.fd() < 0)
        return unreadable(qt_error_string(errno));
    if (::fstat(file.fd(), &status) != 0 || !S_ISREG(status.st_mode))
        return unreadable(notRegular());
    QByteArray bytes;
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t count = ::read(file.fd(), buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return unreadable(qt_error_string(errno));
        if (count == 0)
            break;
        bytes.append(buffer, count);
        // The file may have grown since it was measured.
        if (bytes.size() > largest)
            return unreadable(tooLarge(largest));
    }
    return {Contents::State::Read, bytes, {}};
}

void FailNextRead()
{
    failNextRead = true;
}

} // namespace RegularFile
