#include "store/SafeFile.h"

#include "store/SpecialFile.h"

#include <QDir>

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// Large writes go to the disk piece by piece, so that a full disk is seen where it happens.
constexpr qsizetype ChunkBytes = 64 * 1024;

int writesUntilFailure = 0;
bool failNextFlush = false;

const QString InjectedReason = u"No space left on device"_s;

bool injectedWriteFailure()
{
    return writesUntilFailure > 0 && --writesUntilFailure == 0;
}

bool injectedFlushFailure()
{
    return std::exchange(failNextFlush, false);
}

} // namespace

SafeFile::SafeFile(const QString& path) : m_file(path) {}

SafeFile::~SafeFile()
{
    if (m_file.isOpen())
        m_file.cancelWriting();
}

bool SafeFile::isOpen() const
{
    return m_special || m_file.isOpen();
}

void SafeFile::fail(const QString& reason)
{
    if (m_error.isEmpty())
        m_error = u"cannot write %1: %2"_s.arg(QDir::toNativeSeparators(m_file.fileName()), reason);
    if (m_file.isOpen())
        m_file.cancelWriting();
    m_special.reset();
}

bool SafeFile::open()
{
    if (SpecialFile::Is(m_file.fileName())) {
        m_special = std::make_unique<SpecialFile>(m_file.fileName());
        if (!m_special->open()) {
            fail(m_special->reason());
            return false;
        }
        return true;
    }
    if (!m_file.open(QIODevice::WriteOnly)) {
        fail(m_file.errorString());
        return false;
    }
    return true;
}

bool SafeFile::write(const QByteArray& bytes)
{
    if (!m_error.isEmpty() || !isOpen())
        return false;
    for (qsizetype done = 0; done < bytes.size(); done += ChunkBytes) {
        const qsizetype size = std::min(ChunkBytes, bytes.size() - done);
        if (injectedWriteFailure()) {
            fail(InjectedReason);
            return false;
        }
        if (!writeChunk(bytes.constData() + done, size))
            return false;
    }
    return true;
}

bool SafeFile::writeChunk(const char* bytes, qsizetype size)
{
    if (m_special) {
        if (!m_special->write(QByteArrayView(bytes, size)))
            fail(m_special->reason());
        return m_error.isEmpty();
    }
    for (qsizetype done = 0; done < size;) {
        // A short write is followed by another, which tells why the disk took no more.
        const qint64 written = m_file.write(bytes + done, size - done);
        if (written <= 0 || m_file.error() != QFileDevice::NoError) {
            fail(m_file.errorString());
            return false;
        }
        done += written;
    }
    return true;
}

bool SafeFile::flushed()
{
    return m_file.flush() && m_file.error() == QFileDevice::NoError;
}

bool SafeFile::commit()
{
    if (!m_error.isEmpty() || !isOpen())
        return false;
    if (injectedFlushFailure()) {
        fail(InjectedReason);
        return false;
    }
    if (m_special) {
        const bool closed = m_special->close();
        if (!closed)
            fail(m_special->reason());
        m_special.reset();
        return closed;
    }
    // QSaveFile::commit() can succeed although its own last flush failed: flush and check first.
    if (!flushed()) {
        // A flush the disk took in part fails with no reason; the next one, with what is
        // left, tells why.
        m_file.unsetError();
        if (!flushed()) {
            fail(m_file.errorString());
            return false;
        }
    }
    if (!m_file.commit()) {
        fail(m_file.errorString());
        return false;
    }
    return true;
}

bool SafeFile::Write(const QString& path, const QByteArray& bytes, QString* error)
{
    SafeFile file(path);
    if (file.open() && file.write(bytes) && file.commit())
        return true;
    if (error)
        *error = file.error();
    return false;
}

void SafeFile::FailWrite(int nth)
{
    writesUntilFailure = nth;
}

void SafeFile::FailFlush()
{
    failNextFlush = true;
}

void SafeFile::FailNothing()
{
    writesUntilFailure = 0;
    failNextFlush = false;
}
