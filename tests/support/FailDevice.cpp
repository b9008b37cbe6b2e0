#include "FailDevice.h"

#include "core/toolkit/FileStore.h"

#include <cerrno>
#include <cstring>
#include <memory>

namespace vora::testing {

FailDevice::FailDevice(qint64 failAfter, QIODevice *through, int error)
    : m_failAfter(failAfter), m_through(through), m_error(error)
{
}

void FailDevice::fail()
{
    setErrorString(QString::fromLocal8Bit(std::strerror(m_error)));
    errno = m_error; // last: the writer reads it as it reads the system's
}

bool FailDevice::open(OpenMode mode)
{
    if (m_failAfter < 0) {
        fail();
        return false;
    }
    return QBuffer::open(mode | QIODevice::Unbuffered);
}

qint64 FailDevice::writeData(const char *data, qint64 size)
{
    // Part of the bytes reach the file, then the disk is full.
    const qint64 allowed = qBound<qint64>(0, m_failAfter - m_accepted, size);
    if (allowed > 0) {
        const qint64 passed = m_through ? m_through->write(data, allowed) : QBuffer::writeData(data, allowed);
        if (passed != allowed)
            return -1;
        m_accepted += allowed;
    }
    if (allowed < size) {
        fail();
        return -1;
    }
    return size;
}

void failWrite(FileStore &store, int n, qint64 failAfter)
{
    auto writes = std::make_shared<int>(0);
    store.setWriteDevice([writes, n, failAfter](QIODevice &file, const QString &, bool) -> std::unique_ptr<QIODevice> {
        if (++*writes != n)
            return nullptr;
        return std::make_unique<FailDevice>(failAfter, &file);
    });
}

void refuseWrites(FileStore &store, int error)
{
    store.setWriteDevice([error](QIODevice &file, const QString &, bool) -> std::unique_ptr<QIODevice> {
        return std::make_unique<FailDevice>(-1, &file, error);
    });
}

} // namespace vora::testing
