// vora-data's commands on any arguments: file names with control characters, pipes, devices,
// files over the size bound, options in any order, and any standard input for evaluate. The
// exit code is always one of the three, a checked name never adds a line to the output, and
// nothing waits on a pipe or reads a device to its end (libFuzzer's -timeout and
// -rss_limit_mb catch that).
#include "FuzzSupport.h"

#include "Commands.h"

#include "toolkit/FileStore.h"

#include <QDir>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString &folder()
{
    static const QString dir = [] {
        const QString d = vorafuzz::scratchFolder() + QStringLiteral("/voradata");
        QDir().mkpath(d);
        const QByteArray run = "Tool      2009/04/25 14:30S50D10 10 10 10 10 34  0  0  0  0 "
                               "1010101010101010101010101010101010101010101010101010101010101010101010101010101010101010101010101010 "
                               "1010101010101010101010101010101010101010101010101010101010101010101010101010101010101010101010101010\r\n";
        vorafuzz::writeFile(d + QStringLiteral("/good.txt"), run.constData(), size_t(run.size()));
        vorafuzz::writeFile(d + QStringLiteral("/a\nfake.txt: ok (9 runs)"), run.constData(), size_t(run.size()));
        vorafuzz::writeFile(d + QStringLiteral("/huge.txt"), run.constData(), size_t(run.size()));
        QFile huge(d + QStringLiteral("/huge.txt"));
        if (huge.open(QIODevice::ReadWrite))
            huge.resize(vora::kMaxTextFileBytes + 1);
        ::mkfifo(QFile::encodeName(d + QStringLiteral("/pipe.txt")).constData(), 0644);
        QDir().mkpath(d + QStringLiteral("/folder.txt"));
        return d;
    }();
    return dir;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QStringList names{QStringLiteral("good.txt"), QStringLiteral("a\nfake.txt: ok (9 runs)"),
                                   QStringLiteral("huge.txt"), QStringLiteral("pipe.txt"), QStringLiteral("folder.txt"),
                                   QStringLiteral("none.txt")};
    static const QStringList words{QStringLiteral("--csv"), QStringLiteral("--json"), QStringLiteral("--upto"),
                                   QStringLiteral("--"), QStringLiteral("/dev/zero"), QStringLiteral("-")};
    if (size == 0)
        return 0;
    // Arguments: bytes up to each NUL; a one-byte argument 0x01-0x1f names a prepared file or word.
    QStringList args;
    QByteArray current;
    for (size_t i = 1; i <= size; ++i) {
        if (i < size && data[i] != 0) {
            current += char(data[i]);
            continue;
        }
        if (current.size() == 1 && uint8_t(current[0]) < 0x20) {
            const int k = uint8_t(current[0]) - 1;
            args << (k < names.size() ? folder() + QLatin1Char('/') + names.at(k) : words.at(k % words.size()));
        } else {
            args << QString::fromUtf8(current);
        }
        current.clear();
    }

    // stdout into a file, to count the lines a check writes.
    static const QByteArray outName = QFile::encodeName(vorafuzz::scratchFolder() + QStringLiteral("/out"));
    VORA_FUZZ_REQUIRE(std::freopen(outName.constData(), "w", stdout) != nullptr);
    int code = 0;
    switch (data[0] % 4) {
    case 0:
        code = voradata::runCheck(args);
        break;
    case 1:
        code = voradata::runSummary(args);
        break;
    case 2:
        code = voradata::runExport(args);
        break;
    default: {
        const QByteArray input = args.join(QLatin1Char('\n')).toUtf8();
        FILE *in = fmemopen(const_cast<char *>(input.constData()), size_t(input.size()), "r");
        code = input.isEmpty() || !in ? 0 : voradata::runEvaluate({}, in);
        if (in)
            std::fclose(in);
        break;
    }
    }
    std::fflush(stdout);
    VORA_FUZZ_REQUIRE(code == 0 || code == 1 || code == 2);
    if (data[0] % 4 == 0) {
        QFile out(QString::fromLocal8Bit(outName));
        VORA_FUZZ_REQUIRE(out.open(QIODevice::ReadOnly));
        VORA_FUZZ_REQUIRE(out.readAll().count('\n') <= args.size());
    }
    return 0;
}
