#include "core/toolkit/FileLock.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <cerrno>
#include <sys/stat.h>

namespace vora {

namespace {

// Another copy of the program holds a lock only for one write: milliseconds.
constexpr int kLockWaitMs = 5000;
constexpr int kLockStepMs = 200;
constexpr qint64 kEmptyLockAgeMs = 1000;

// Why no lock file could be made beside a file: QLockFile says what kind of failure, errno
// (when the call left it) says exactly which.
FileResult lockNotMade(const QString &path, const QString &lockName, QLockFile::LockError kind, int error)
{
    if (kind == QLockFile::PermissionError && error != EACCES && error != EPERM && error != EROFS)
        error = EACCES;
    return FileResult::failure(FileError::LockNotMade, path, error, lockName);
}

} // namespace

QString resolvedTarget(const QString &path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.filePath();
}

QString FileLock::pathFor(const QString &path)
{
    return resolvedTarget(path) + QStringLiteral(".lock");
}

// A write without its lock could lose another copy's run, so a lock that cannot be made (a
// full disk, a folder without write permission) refuses the write with its cause.
std::unique_ptr<QLockFile> FileLock::take(const QString &path, bool wait, const BeforeLock &beforeLock,
                                          FileResult *failure)
{
    const QString lockName = pathFor(path);
    struct stat st;
    if (::lstat(QFile::encodeName(lockName).constData(), &st) == 0 && !S_ISREG(st.st_mode)) {
        // A link, pipe or folder there would be read or followed by the lock.
        *failure = FileResult::failure(FileError::LockNotRegular, path, 0, lockName);
        return nullptr;
    }
    if (const int error = beforeLock ? beforeLock(lockName) : 0) {
        *failure = lockNotMade(path, lockName, QLockFile::UnknownError, error);
        return nullptr;
    }
    auto lock = std::make_unique<QLockFile>(lockName);
    QElapsedTimer waited;
    waited.start();
    const int waitMs = wait ? kLockWaitMs : 0;
    for (;;) {
        errno = 0;
        if (lock->tryLock(wait ? kLockStepMs : 0))
            return lock;
        const int error = errno;
        if (lock->error() != QLockFile::LockFailedError) {
            *failure = lockNotMade(path, lockName, lock->error(), error);
            return nullptr;
        }
        // QLockFile clears a lock whose process is gone, but not one that is still empty: its
        // writer died between making it and filling it, a moment that lasts microseconds.
        qint64 pid = 0;
        QString host;
        QString app;
        if (!lock->getLockInfo(&pid, &host, &app)
            && QFileInfo(lockName).lastModified().msecsTo(QDateTime::currentDateTime()) > kEmptyLockAgeMs) {
            lock->removeStaleLockFile();
            continue;
        }
        if (waited.elapsed() >= waitMs) {
            *failure = FileResult::failure(FileError::LockBusy, path);
            return nullptr;
        }
    }
}

} // namespace vora
