#include "core/toolkit/PosixFile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vora {

OwnedFd::~OwnedFd()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

qint64 FdDevice::writeData(const char *data, qint64 size)
{
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::write(m_fd, data + done, size_t(size - done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return -1;
        }
        if (n == 0) {
            errno = EIO;
            return -1;
        }
        done += n;
    }
    return done;
}

FileResult readRegularFile(const QString &path, qint64 maxBytes, QByteArray *bytes)
{
    auto fail = [bytes, &path](FileError why, int error = 0) {
        bytes->clear();
        return FileResult::failure(why, path, error);
    };
    if (path.isEmpty())
        return fail(FileError::Missing);
    const QByteArray name = QFile::encodeName(path);
    // Look before opening: opening a pipe for reading waits for a writer, a device never ends.
    struct stat st;
    if (::stat(name.constData(), &st) != 0)
        return errno == ENOENT || errno == ENOTDIR ? fail(FileError::Missing) : fail(FileError::Unreadable, errno);
    if (S_ISDIR(st.st_mode))
        return fail(FileError::Folder);
    if (!S_ISREG(st.st_mode))
        return fail(FileError::NotRegular);
    if (st.st_size > maxBytes)
        return fail(FileError::TooLarge);

    // Non-blocking, in case something else was put there after the look.
    const OwnedFd fd(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0)
        return errno == ENOENT ? fail(FileError::Missing) : fail(FileError::Unreadable, errno);
    if (::fstat(fd.get(), &st) != 0)
        return fail(FileError::Unreadable, errno);
    if (S_ISDIR(st.st_mode))
        return fail(FileError::Folder);
    if (!S_ISREG(st.st_mode))
        return fail(FileError::NotRegular);

    // The size may be wrong (files under /proc say 0) or grow while reading: read at most one
    // byte beyond the bound to tell.
    const qint64 limit = maxBytes + 1;
    qint64 capacity = qMin(limit, qMax<qint64>(4096, qint64(st.st_size) + 1));
    bytes->resize(capacity);
    qint64 have = 0;
    while (have < limit) {
        if (have == capacity) {
            capacity = qMin(limit, capacity * 2);
            bytes->resize(capacity);
        }
        const ssize_t n = ::read(fd.get(), bytes->data() + have, size_t(capacity - have));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail(FileError::Unreadable, errno);
        }
        if (n == 0)
            break;
        have += n;
    }
    if (have > maxBytes)
        return fail(FileError::TooLarge);
    bytes->truncate(have);
    return {};
}

} // namespace vora
