#include "core/toolkit/FileStore.h"

#include "core/toolkit/Cp932.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace vora {

namespace {

// Another copy of the program holds a lock only for one write: milliseconds.
constexpr int kLockWaitMs = 5000;
constexpr int kLockStepMs = 200;
constexpr qint64 kEmptyLockAgeMs = 1000;

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

FileResult writeFailed(const QString &path, int error, const QString &detail = QString())
{
    return FileResult::failure(FileError::NotWritten, path, error, detail);
}

// What stands at `path` (following links) keeps a write from starting: FolderInPlace or
// OtherInPlace; None when nothing does.
FileError obstacle(const QString &path)
{
    struct stat st;
    if (::stat(native(path).constData(), &st) != 0)
        return FileError::None;
    if (S_ISDIR(st.st_mode))
        return FileError::FolderInPlace;
    if (!S_ISREG(st.st_mode))
        return FileError::OtherInPlace;
    return FileError::None;
}

class Fd {
public:
    explicit Fd(int fd) : m_fd(fd) { }
    ~Fd()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

// The file a symbolic link at `path` ends in (`path` itself when it is no link).
QString resolvedTarget(const QString &path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.filePath();
}

// Why no lock file could be made beside a file: QLockFile says what kind of failure, errno
// (when the call left it) says exactly which.
FileResult lockNotMade(const QString &path, const QString &lockName, QLockFile::LockError kind, int error)
{
    if (kind == QLockFile::PermissionError && error != EACCES && error != EPERM && error != EROFS)
        error = EACCES;
    return FileResult::failure(FileError::LockNotMade, path, error, lockName);
}

} // namespace

// Takes the lock of `path`. Null with `*failure` set when the write must not go on: a write
// without its lock could lose another copy's run, so a lock that cannot be made (a full disk,
// a folder without write permission) refuses the write with its cause.
std::unique_ptr<QLockFile> FileStore::takeLock(const QString &path, FileResult *failure, LockWait wait)
{
    const QString lockName = FileStore::lockPath(path);
    struct stat st;
    if (::lstat(native(lockName).constData(), &st) == 0 && !S_ISREG(st.st_mode)) {
        // A link, pipe or folder there would be read or followed by the lock.
        *failure = FileResult::failure(FileError::LockNotRegular, path, 0, lockName);
        return nullptr;
    }
    if (const int error = beforeLock(lockName)) {
        *failure = lockNotMade(path, lockName, QLockFile::UnknownError, error);
        return nullptr;
    }
    auto lock = std::make_unique<QLockFile>(lockName);
    QElapsedTimer waited;
    waited.start();
    const bool waits = wait == LockWait::Wait && m_lockWait == LockWait::Wait;
    const int waitMs = waits ? kLockWaitMs : 0;
    for (;;) {
        errno = 0;
        if (lock->tryLock(waits ? kLockStepMs : 0))
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

QList<QByteArray> splitStoredLines(const QByteArray &bytes, bool *lastTerminated)
{
    QList<QByteArray> lines;
    const qsizetype n = bytes.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char c = bytes.at(i);
        if (c != '\r' && c != '\n')
            continue;
        lines.append(bytes.mid(start, i - start));
        if (c == '\r' && i + 1 < n && bytes.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(bytes.mid(start));
    if (lastTerminated)
        *lastTerminated = start >= n;
    return lines;
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    QString current;
    const int n = text.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines.append(current);
            current.clear();
            if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
        } else {
            current += c;
        }
    }
    if (!current.isEmpty())
        lines.append(current);
    return lines;
}

QString FileStore::lockPath(const QString &path)
{
    return resolvedTarget(path) + QStringLiteral(".lock");
}

BytesRead FileStore::readBytes(const QString &path, qint64 maxBytes)
{
    BytesRead out;
    auto fail = [&out, &path](FileError why, int error = 0) {
        static_cast<FileResult &>(out) = FileResult::failure(why, path, error);
        out.bytes.clear();
        return out;
    };
    if (path.isEmpty())
        return fail(FileError::Missing);
    const QByteArray name = native(path);
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
    const Fd fd(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
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
    out.bytes.resize(capacity);
    qint64 have = 0;
    while (have < limit) {
        if (have == capacity) {
            capacity = qMin(limit, capacity * 2);
            out.bytes.resize(capacity);
        }
        const ssize_t n = ::read(fd.get(), out.bytes.data() + have, size_t(capacity - have));
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
    out.bytes.truncate(have);
    return out;
}

ReadResult FileStore::readLines(const QString &path) const
{
    ReadResult result;
    const BytesRead raw = readBytes(path);
    if (!raw) {
        static_cast<FileResult &>(result) = raw;
        result.ok = false;
        // A missing file is for the caller to judge: it is no failure to report by itself.
        result.missing = raw.code == FileError::Missing;
        if (result.missing)
            result.message.clear();
        return result;
    }
    result.path = path;
    const cp932::Decoded decoded = cp932::decode(raw.bytes);
    result.ok = true;
    result.damaged = decoded.damaged;
    result.lines = splitLines(decoded.text);
    result.bytes = raw.bytes;
    return result;
}

bool FileStore::exists(const QString &path) const
{
    return QFileInfo::exists(path);
}

FileResult FileStore::ensureFolder(const QString &path)
{
    struct stat st;
    if (::stat(native(path).constData(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            return {};
        return FileResult::failure(FileError::FileInPlaceOfFolder, path);
    }
    errno = 0;
    if (!QDir().mkpath(path)) {
        const int error = errno;
        return FileResult::failure(FileError::FolderNotMade, path, error);
    }
    return {};
}

namespace {

// The file's own device: every byte straight to its descriptor. A failed write leaves errno
// as the system set it, and so must any device put in front of it.
class FdDevice : public QIODevice {
public:
    explicit FdDevice(int fd) : m_fd(fd) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
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

private:
    int m_fd;
};

} // namespace

int FileStore::syncToDisk(int fd)
{
    return ::fsync(fd) == 0 ? 0 : errno;
}

void FileStore::setWriteDevice(WriteDevice make)
{
    m_writeDevice = std::move(make);
}

// Writes all of `bytes` to the file open at `fd`, through the device a caller put in front
// of it if any; 0 or the errno value of the failure.
int FileStore::writeAll(int fd, const QString &path, bool append, const QByteArray &bytes)
{
    FdDevice file(fd);
    const std::unique_ptr<QIODevice> front = m_writeDevice ? m_writeDevice(file, path, append) : nullptr;
    QIODevice &out = front ? *front : file;
    errno = 0;
    if (!out.isOpen() && !out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return errno ? errno : EIO;
    errno = 0;
    if (out.write(bytes) != bytes.size())
        return errno ? errno : EIO;
    return 0;
}

int FileStore::beforeReplace(const QString &)
{
    return 0;
}

int FileStore::beforeLock(const QString &)
{
    return 0;
}

FileResult FileStore::appendLine(const QString &path, const QString &line)
{
    return appendLineIf(path, line, nullptr);
}

FileResult FileStore::appendLineIf(const QString &path, const QString &line,
                                   const std::function<FileResult(const ReadResult &current)> &allow, LockWait wait)
{
    const cp932::Encoded enc = cp932::encode(line + CRLF);
    if (!enc.ok)
        return FileResult::failure(FileError::Unencodable, path, 0, enc.badCharacter);

    FileResult refused;
    const std::unique_ptr<QLockFile> lock = takeLock(path, &refused, wait);
    if (!refused)
        return refused;
    // Limits that belong to the file are judged on what it holds now, under the lock, so that
    // another copy's append just before this one counts.
    if (allow) {
        if (FileResult verdict = allow(readLines(path)); !verdict)
            return verdict;
    }
    if (const FileError inTheWay = obstacle(path); inTheWay != FileError::None)
        return FileResult::failure(inTheWay, path);

    const QByteArray name = native(path);
    struct stat st;
    const bool existed = ::stat(name.constData(), &st) == 0;
    // Read access as well, to look at the last byte; a write-only file is appended to blind.
    const int flags = O_APPEND | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    bool canRead = true;
    int raw = ::open(name.constData(), O_RDWR | flags, 0666);
    if (raw < 0 && errno == EACCES) {
        canRead = false;
        raw = ::open(name.constData(), O_WRONLY | flags, 0666);
    }
    if (raw < 0)
        return writeFailed(path, errno);
    const Fd fd(raw);
    if (::fstat(fd.get(), &st) != 0)
        return writeFailed(path, errno);
    if (!S_ISREG(st.st_mode))
        return FileResult::failure(FileError::OtherInPlace, path);
    const off_t originalSize = st.st_size;

    QByteArray bytes = enc.bytes;
    if (originalSize > 0 && canRead) {
        // A file whose last line lacks its terminator would glue the new line onto it.
        char last = '\n';
        if (::pread(fd.get(), &last, 1, originalSize - 1) == 1 && last != '\n' && last != '\r')
            bytes.prepend(kCrLfBytes);
    }
    int error = writeAll(fd.get(), path, true, bytes);
    if (!error)
        error = syncToDisk(fd.get());
    if (error) {
        // Take back a partial line so the file holds whole records only.
        if (existed) {
            // The failed write is reported either way; were this to fail too, the check
            // would find the partial line.
            const int truncated = ::ftruncate(fd.get(), originalSize);
            Q_UNUSED(truncated);
        } else {
            ::unlink(name.constData()); // the failed append created it: leave no empty file behind
        }
        return writeFailed(path, error);
    }
    return {};
}

FileResult FileStore::writeWholeFile(const QString &path, const QByteArray &bytes)
{
    const QString target = resolvedTarget(path);
    if (const FileError inTheWay = obstacle(target); inTheWay != FileError::None)
        return FileResult::failure(inTheWay, path);
    if (QFileInfo::exists(target) && ::access(native(target).constData(), W_OK) != 0)
        return writeFailed(path, errno);

    // QSaveFile makes its work file exclusively under a fresh name beside the file a link at
    // `path` points to (or unnamed, where the system can), and never falls back to writing
    // over the target itself.
    QSaveFile work(path);
    errno = 0;
    if (!work.open(QIODevice::WriteOnly)) {
        const int error = errno;
        return writeFailed(path, error, work.errorString());
    }
    int error = writeAll(work.handle(), path, false, bytes);
    if (!error)
        error = syncToDisk(work.handle());
    if (!error)
        error = beforeReplace(path);
    if (error) {
        work.cancelWriting(); // the work file goes with `work`; the target is untouched
        return writeFailed(path, error);
    }
    errno = 0;
    if (!work.commit()) {
        error = errno;
        return writeFailed(path, error, work.errorString());
    }
    return {};
}

namespace {

QByteArray encodeLines(const QString &path, const QStringList &lines, FileResult *refused)
{
    QString text;
    for (const QString &line : lines) {
        text += line;
        text += CRLF;
    }
    const cp932::Encoded enc = cp932::encode(text);
    if (!enc.ok)
        *refused = FileResult::failure(FileError::Unencodable, path, 0, enc.badCharacter);
    return enc.bytes;
}

} // namespace

FileResult FileStore::replaceAll(const QString &path, const QStringList &lines)
{
    FileResult refused;
    const QByteArray bytes = encodeLines(path, lines, &refused);
    if (!refused)
        return refused;
    const std::unique_ptr<QLockFile> lock = takeLock(path, &refused);
    if (!refused)
        return refused;
    return writeWholeFile(path, bytes);
}

FileResult FileStore::replaceBytes(const QString &path, const QByteArray &bytes)
{
    FileResult refused;
    const std::unique_ptr<QLockFile> lock = takeLock(path, &refused);
    if (!refused)
        return refused;
    return writeWholeFile(path, bytes);
}

FileResult FileStore::editLines(const QString &path, const std::function<FileEdit(const ReadResult &)> &edit)
{
    FileResult refused;
    const std::unique_ptr<QLockFile> lock = takeLock(path, &refused);
    if (!refused)
        return refused;
    const FileEdit decided = edit(readLines(path));
    if (!decided.result)
        return decided.result;
    if (!decided.write)
        return {};

    const QByteArray bytes = encodeLines(path, decided.lines, &refused);
    if (!refused)
        return refused;
    return writeWholeFile(path, bytes);
}

FileResult FileStore::copyOver(const QString &from, const QString &to)
{
    const BytesRead source = readBytes(from, kMaxPictureBytes);
    if (!source) {
        if (source.code == FileError::TooLarge)
            return FileResult::failure(FileError::PictureTooLarge, from);
        return source;
    }
    FileResult refused;
    const std::unique_ptr<QLockFile> lock = takeLock(to, &refused);
    if (!refused)
        return refused;
    return writeWholeFile(to, source.bytes);
}

} // namespace vora
