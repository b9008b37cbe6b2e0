#pragma once
// Shared by the fuzz targets: a scratch program folder on a RAM disk when there is one (the
// rewrites flush to disk, which would make every input take milliseconds), and a hard stop
// for a broken invariant, which libFuzzer reports with the input that caused it.
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace vorafuzz {

inline const QString &scratchFolder()
{
    static QTemporaryDir *dir = [] {
        const QString shm = QStringLiteral("/dev/shm");
        auto *d =
            QDir(shm).exists() ? new QTemporaryDir(shm + QStringLiteral("/vora-fuzz-XXXXXX")) : new QTemporaryDir();
        return d;
    }();
    static const QString path = dir->path();
    return path;
}

inline void writeFile(const QString &path, const char *data, size_t size)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(data, static_cast<qint64>(size));
}

[[noreturn]] inline void broken(const char *what)
{
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

#define VORA_FUZZ_REQUIRE(cond)                                                                                        \
    do {                                                                                                               \
        if (!(cond))                                                                                                   \
            ::vorafuzz::broken(#cond);                                                                                 \
    } while (0)

} // namespace vorafuzz
