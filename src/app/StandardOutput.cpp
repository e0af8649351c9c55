#include "app/StandardOutput.h"

#include "store/DescriptorOutput.h"

#include <cerrno>
#include <cstring>

StandardOutput::StandardOutput(bool closed) : m_closed(closed)
{
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 StandardOutput::readData(char* /*data*/, qint64 /*size*/)
{
    return -1;
}

qint64 StandardOutput::writeData(const char* data, qint64 size)
{
    if (m_failure.isEmpty()) {
        m_failure = m_closed ? QString::fromLocal8Bit(std::strerror(EBADF))
                             : DescriptorOutput::ToStandardOutput(QByteArrayView(data, size));
    }
    if (!m_failure.isEmpty()) {
        setErrorString(m_failure);
        return -1;
    }
    return size;
}
