#pragma once
// The lock beside a file that every append and rewrite of it holds ("NAME.lock", QLockFile),
// so that two copies of the program on one folder cannot lose each other's writes.
#include "core/toolkit/FileResult.h"

#include <QString>
#include <functional>
#include <memory>

class QLockFile;

namespace vora {

// The file a symbolic link at `path` ends in (`path` itself when it is no link): the file a
// rewrite replaces, and the one the lock sits beside.
QString resolvedTarget(const QString &path);

class FileLock {
public:
    // Called with the lock file's path before it is made: 0, or the errno value of a failure
    // (a test's way to fail the making of a lock).
    using BeforeLock = std::function<int(const QString &lockPath)>;

    // The lock file of `path`: beside the file a symbolic link at `path` points to.
    static QString pathFor(const QString &path);
    // Takes the lock of `path`, waiting a few seconds for another writer to let go of it, or
    // not at all without `wait`. Null with `*failure` set when the write must not go on.
    static std::unique_ptr<QLockFile> take(const QString &path, bool wait, const BeforeLock &beforeLock,
                                           FileResult *failure);
};

} // namespace vora
