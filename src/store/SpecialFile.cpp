#include "store/SpecialFile.h"

#include "store/DescriptorOutput.h"

#include <QFile>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// How long a FIFO may go without a reader: long enough for one started at the same moment.
constexpr auto ReaderWait = std::chrono::seconds(1);
constexpr auto ReaderPoll = std::chrono::milliseconds(10);

bool isSpecial(mode_t mode)
{
    return !S_ISREG(mode) && !S_ISDIR(mode);
}

bool isFifo(const QByteArray& name)
{
    struct stat status = {};
    return ::stat(name.constData(), &status) == 0 && S_ISFIFO(status.st_mode);
}

// While it lives, a reader that went away fails the write ("Broken pipe") instead of ending
// the program: a window would lose what it holds.
class QuietBrokenPipe
{
public:
    QuietBrokenPipe()
    {
        sigemptyset(&m_pipe);
        sigaddset(&m_pipe, SIGPIPE);
        m_wasPending = pending();
        pthread_sigmask(SIG_BLOCK, &m_pipe, &m_mask);
    }
    ~QuietBrokenPipe()
    {
        // Takes away the signal this write raised; one raised before is left for its owner.
        if (!m_wasPending && pending()) {
            const timespec now = {};
            sigtimedwait(&m_pipe, nullptr, &now);
        }
        pthread_sigmask(SIG_SETMASK, &m_mask, nullptr);
    }
    QuietBrokenPipe(const QuietBrokenPipe&) = delete;
    QuietBrokenPipe& operator=(const QuietBrokenPipe&) = delete;

private:
    static bool pending()
    {
        sigset_t set;
        sigemptyset(&set);
        return sigpending(&set) == 0 && sigismember(&set, SIGPIPE) == 1;
    }

    sigset_t m_pipe;
    sigset_t m_mask;
    bool m_wasPending = false;
};

} // namespace

bool SpecialFile::Is(const QString& path)
{
    struct stat status = {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 && isSpecial(status.st_mode);
}

SpecialFile::SpecialFile(const QString& path) : m_path(path) {}

SpecialFile::~SpecialFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool SpecialFile::fail(const QString& reason)
{
    if (m_reason.isEmpty())
        m_reason = reason;
    if (m_fd >= 0)
        ::close(std::exchange(m_fd, -1));
    return false;
}

bool SpecialFile::open()
{
    const QByteArray name = QFile::encodeName(m_path);
    // Without blocking, a FIFO opens only when someone reads it.
    const auto deadline = std::chrono::steady_clock::now() + ReaderWait;
    int error = 0;
    for (;;) {
        m_fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        error = errno;
        if (m_fd >= 0 || error != ENXIO || !isFifo(name))
            break;
        if (std::chrono::steady_clock::now() >= deadline)
            return fail(u"no one is reading the FIFO"_s);
        std::this_thread::sleep_for(ReaderPoll);
    }
    if (m_fd < 0)
        return fail(qt_error_string(error));
    struct stat status = {};
    if (::fstat(m_fd, &status) != 0 || !isSpecial(status.st_mode))
        return fail(u"it changed while it was opened"_s);
    // From here on a full FIFO waits for its reader, as any writer does.
    const int flags = ::fcntl(m_fd, F_GETFL);
    if (flags < 0 || ::fcntl(m_fd, F_SETFL, flags & ~O_NONBLOCK) != 0)
        return fail(qt_error_string(errno));
    return true;
}

bool SpecialFile::write(QByteArrayView bytes)
{
    if (m_fd < 0)
        return false;
    const QuietBrokenPipe quiet;
    const QString reason = DescriptorOutput::Write(m_fd, bytes);
    return reason.isEmpty() || fail(reason);
}

bool SpecialFile::close()
{
    if (m_fd < 0)
        return false;
    // Some devices report the fate of the last bytes only here.
    const int closed = ::close(std::exchange(m_fd, -1));
    return closed == 0 || errno == EINTR || fail(qt_error_string(errno));
}
