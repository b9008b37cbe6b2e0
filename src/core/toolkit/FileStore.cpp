#include "core/toolkit/FileStore.h"

#include "core/toolkit/Cp932.h"
#include "core/toolkit/FileLock.h"
#include "core/toolkit/PosixFile.h"

#include <QCoreApplication>
#include <QDir>
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

} // namespace

// Takes the lock of `path`. Null with `*failure` set when the write must not go on.
std::unique_ptr<QLockFile> FileStore::takeLock(const QString &path, FileResult *failure, LockWait wait)
{
    // A store set to TryOnce (the windows') never waits, whatever the caller asks.
    const bool waits = wait == LockWait::Wait && m_lockWait == LockWait::Wait;
    return FileLock::take(
        path, waits, [this](const QString &lockName) { return beforeLock(lockName); }, failure);
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
    return FileLock::pathFor(path);
}

BytesRead FileStore::readBytes(const QString &path, qint64 maxBytes)
{
    BytesRead out;
    static_cast<FileResult &>(out) = readRegularFile(path, maxBytes, &out.bytes);
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
    const OwnedFd fd(raw);
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
