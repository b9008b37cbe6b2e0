#pragma once
#include "core/toolkit/FileResult.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QIODevice;
class QLockFile;

namespace vora {

// Reads stop here. A data file of 100 runs with memos is some 30 KB, a list file a few KB:
// anything larger is not one of ours, and reading it would only stall the program.
constexpr qint64 kMaxTextFileBytes = 16 * 1024 * 1024;
// Background pictures chosen by the user may be photographs.
constexpr qint64 kMaxPictureBytes = 64 * 1024 * 1024;

// What a write does when another writer holds the file's lock.
enum class LockWait {
    Wait, // waits a few seconds for it
    TryOnce, // refuses at once (LockBusy): the caller comes back later instead of waiting
};

// The bytes of a file as stored; on failure `code` says why and nothing is kept.
struct BytesRead : FileResult {
    QByteArray bytes;
};

// A text file as lines. Not ok when missing, but then `missing` tells why, and `message`
// stays empty: a missing file is for the caller to judge.
struct ReadResult : FileResult {
    ReadResult() { ok = false; }
    bool missing = false; // no such file
    bool damaged = false; // bytes that are not valid in the code page were met
    QStringList lines; // decoded lines without their terminators
    QByteArray bytes; // the file as stored, for lines that must be written back unchanged
};

// What an edit decides about a file's current content (see FileStore::editLines).
struct FileEdit {
    FileResult result; // a failure leaves the file as it is and is passed on
    bool write = false; // false: nothing to change
    QStringList lines; // the new content when `write`
    static FileEdit refuse(const QString &message) { return {FileResult::failure(message), false, {}}; }
    static FileEdit keep() { return {}; }
    static FileEdit replaceWith(const QStringList &lines) { return {{}, true, lines}; }
};

// All files of the program go through here: CP932, CR LF, whole lines.
// - Only regular files are read, and only up to a bound; a pipe or device is never opened
//   for reading, so it cannot hang the program.
// - Every append and rewrite of a file holds a lock beside it ("NAME.lock", QLockFile), so
//   that two copies of the program on one folder cannot lose each other's writes.
// - A rewrite writes a work file created exclusively under a unique name beside the target
//   (QSaveFile), syncs it and renames it over the target: the target is the old or the new
//   content, never partial, and a link planted at a work-file name is never written through.
//   Where the target is a symbolic link, the file it points to is replaced and the link kept.
// Tests put a failing device in front of the files (setWriteDevice), or fail a rename or a
// lock through the seams below.
class FileStore {
public:
    virtual ~FileStore() = default;

    // The bytes of a regular file, at most `maxBytes` of them (over the bound: TooLarge).
    static BytesRead readBytes(const QString &path, qint64 maxBytes = kMaxTextFileBytes);

    ReadResult readLines(const QString &path) const;
    // Appends one line plus CR LF, under the file's lock. On any failure the file is left as it was.
    FileResult appendLine(const QString &path, const QString &line);
    // The same, provided `allow` accepts the file as it is at that moment (read under the same
    // lock; a missing or unreadable file included). Its failure is passed on and nothing is written.
    FileResult appendLineIf(const QString &path, const QString &line,
                            const std::function<FileResult(const ReadResult &current)> &allow,
                            LockWait wait = LockWait::Wait);
    // Replaces the whole file with `lines` (each followed by CR LF). Never deletes the target first.
    FileResult replaceAll(const QString &path, const QStringList &lines);
    // The same with content already encoded: lines kept byte for byte, or files of other
    // formats (the UTF-8 report) that no code page conversion must touch.
    FileResult replaceBytes(const QString &path, const QByteArray &bytes);
    // Reads the file under its lock, lets `edit` decide the new content from what is there now
    // (a missing or unreadable file included), and writes it before the lock is released, so
    // that a run another process appended in the meantime is part of what `edit` sees.
    FileResult editLines(const QString &path, const std::function<FileEdit(const ReadResult &current)> &edit);
    // Copies a binary file (a picture, at most kMaxPictureBytes) over a target, atomically in the same way.
    FileResult copyOver(const QString &from, const QString &to);
    FileResult ensureFolder(const QString &path);
    bool exists(const QString &path) const;
    // The lock file used for `path`: beside the file a symbolic link at `path` points to.
    static QString lockPath(const QString &path);

    // Every byte of a write goes to the file through a device: an append to the file itself,
    // a rewrite to its work file, made durable (fsync) before the write is reported or the
    // work file replaces the file. `make` may put a device of its own in front of the file's
    // (a test's device that fails as a full disk does); it gets the file's device, the path
    // written and whether the write is an append, and returns null to write to the file
    // directly. A failed write through it must leave errno set, as the system's write does.
    using WriteDevice = std::function<std::unique_ptr<QIODevice>(QIODevice &file, const QString &path, bool append)>;
    void setWriteDevice(WriteDevice make);

    // The longest any write of this store waits for a busy lock. The program's windows set
    // TryOnce: a busy lock then refuses the write at once (LockBusy, nothing written), and the
    // feature tries again on a deadline (LockRetry) instead of holding the event loop.
    void setLockWait(LockWait wait) { m_lockWait = wait; }
    LockWait lockWait() const { return m_lockWait; }

protected:
    // Seams for what no device stands in for. Each returns 0 or the errno value of a failure.
    // Makes what was written to `fd` durable (fsync): the appended line before the append is
    // reported, the whole work file before it replaces its target.
    virtual int syncToDisk(int fd);
    // The synced work file is about to replace `target`.
    virtual int beforeReplace(const QString &target);
    // The lock file `lockPath` is about to be made.
    virtual int beforeLock(const QString &lockPath);

private:
    std::unique_ptr<QLockFile> takeLock(const QString &path, FileResult *failure, LockWait wait = LockWait::Wait);
    FileResult writeWholeFile(const QString &path, const QByteArray &bytes);
    int writeAll(int fd, const QString &path, bool append, const QByteArray &bytes);

    WriteDevice m_writeDevice;
    LockWait m_lockWait = LockWait::Wait;
};

// Splits decoded file text into lines: CR LF, lone CR and lone LF all end a line;
// a terminator at the very end does not start another (empty) line.
QStringList splitLines(const QString &text);
// The same cut over the stored bytes, for lines that must stay byte for byte. CP932 trail
// bytes are 0x40 and above, so no character holds a CR or an LF byte. `lastTerminated`
// tells whether the last line had its line end.
QList<QByteArray> splitStoredLines(const QByteArray &bytes, bool *lastTerminated = nullptr);

} // namespace vora
