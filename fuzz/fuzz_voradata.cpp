// vora-data's commands on any arguments: file names with control characters, pipes, devices,
// files over the size bound, options in any order, and any standard input for evaluate. The
// exit code is always one of the three, a checked name never adds a line to the output, and
// nothing waits on a pipe or reads a device to its end (libFuzzer's -timeout and
// -rss_limit_mb catch that). The study database options are parsed but never connected: an
// argument list that names a server goes to the option parser alone.
#include "FuzzSupport.h"

#include "CommandLine.h"
#include "Commands.h"
#include "ServerOptions.h"

#include "core/study/SealWriter.h"
#include "core/toolkit/FileStore.h"

#include <QDateTime>
#include <QDir>
#include <QStringList>
#include <QTimeZone>

#include <cstdint>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The prepared files, written anew after a command that may have written beside them.
void prepare(const QString &d)
{
    // Two runs that pass the check, after a condition memo line ("実験条件=" in CP932).
    const QByteArray run =
        "\x8e\xc0\x8c\xb1\x8f\xf0\x8c\x8f=quiet room\r\n"
        "Tool      2009/04/25 14:30n50D10 10 10 10 10  0  0  0  0  0 "
        "1010101010101010101010101010101010101010101010101010101010101010101010101010101010101010101010101010 "
        "1010101010010101010110101010100101010101101010101001010101011010101010010101010110101010100101010101\r\n"
        "Tool      2009/04/26  9:05n56D14 11 12  9 10  0  0  0  0  0 "
        "0110011001100110011001100110011001100110011001100110011001100110011001100110011001100110011001100110 "
        "0110011001100101100101100110011110011001011001100110100110010110011000011001100101100110010110011001 memo\r\n";
    QDir dir(d);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        dir.remove(name);
    vorafuzz::writeFile(d + QStringLiteral("/good.txt"), run.constData(), size_t(run.size()));
    vorafuzz::writeFile(d + QStringLiteral("/a\nfake.txt: ok (9 runs)"), run.constData(), size_t(run.size()));
    // A target digit flipped: the block counts no longer agree.
    QByteArray bad = run;
    bad[bad.indexOf("14:30n") + 39] = '0'; // column 61, the first target
    vorafuzz::writeFile(d + QStringLiteral("/bad.txt"), bad.constData(), size_t(bad.size()));
    // Sealed as it is, and sealed and then given another date.
    vora::FileStore files;
    const QDateTime at(QDate(2026, 12, 8), QTime(14, 3, 22), QTimeZone(9 * 3600));
    for (const QString &name : {QStringLiteral("/sealed.txt"), QStringLiteral("/tampered.txt")}) {
        vorafuzz::writeFile(d + name, run.constData(), size_t(run.size()));
        VORA_FUZZ_REQUIRE(vora::study::sealUnsealedRuns(files, d + name, at).ok);
    }
    QByteArray tampered = run;
    tampered.replace("2009/04/25", "2009/04/24");
    vorafuzz::writeFile(d + QStringLiteral("/tampered.txt"), tampered.constData(), size_t(tampered.size()));
    vorafuzz::writeFile(d + QStringLiteral("/huge.txt"), run.constData(), size_t(run.size()));
    QFile huge(d + QStringLiteral("/huge.txt"));
    if (huge.open(QIODevice::ReadWrite))
        huge.resize(vora::kMaxTextFileBytes + 1);
    ::mkfifo(QFile::encodeName(d + QStringLiteral("/pipe.txt")).constData(), 0644);
    QDir().mkpath(d + QStringLiteral("/folder.txt"));
}

const QString &folder()
{
    static const QString dir = [] {
        const QString d = vorafuzz::scratchFolder() + QStringLiteral("/voradata");
        QDir().mkpath(d);
        prepare(d);
        // Names without a folder land in the scratch folder, whatever writes them.
        QDir().mkpath(vorafuzz::scratchFolder() + QStringLiteral("/cwd"));
        VORA_FUZZ_REQUIRE(::chdir(QFile::encodeName(vorafuzz::scratchFolder() + QStringLiteral("/cwd")).constData())
                          == 0);
        return d;
    }();
    return dir;
}

bool namesServer(const QStringList &args)
{
    for (const QString &a : args)
        if (a == QLatin1String("--server") || a.startsWith(QLatin1String("--server=")))
            return true;
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QStringList names{QStringLiteral("good.txt"),    QStringLiteral("a\nfake.txt: ok (9 runs)"),
                                   QStringLiteral("huge.txt"),    QStringLiteral("pipe.txt"),
                                   QStringLiteral("folder.txt"),  QStringLiteral("none.txt"),
                                   QStringLiteral("bad.txt"),     QStringLiteral("sealed.txt"),
                                   QStringLiteral("tampered.txt")};
    static const QStringList words{QStringLiteral("--csv"),         QStringLiteral("--json"),
                                   QStringLiteral("--upto"),        QStringLiteral("--"),
                                   QStringLiteral("/dev/zero"),     QStringLiteral("-"),
                                   QStringLiteral("--pooled"),      QStringLiteral("-o"),
                                   QStringLiteral("--lang"),        QStringLiteral("--head"),
                                   QStringLiteral("--expect-head"), QStringLiteral("--server"),
                                   QStringLiteral("--site")};
    if (size == 0)
        return 0;
    const int command = data[0] % 8;
    // seal and report write files: beside the prepared ones, or in the scratch folder.
    const bool writes = command == 4 || command == 6;
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
            args << (k < names.size() ? folder() + QLatin1Char('/') + names.at(k)
                                      : words.at((k - names.size()) % words.size()));
        } else {
            const QString a = QString::fromUtf8(current);
            // Never a file of this machine outside the scratch folder.
            if (writes && (a.contains(QLatin1Char('/')) || a.contains(QLatin1String(".."))))
                args << QStringLiteral("x.txt");
            else
                args << a;
        }
        current.clear();
    }

    // stdout into a file, to count the lines a check writes.
    static const QByteArray outName = QFile::encodeName(vorafuzz::scratchFolder() + QStringLiteral("/out"));
    VORA_FUZZ_REQUIRE(std::freopen(outName.constData(), "w", stdout) != nullptr);
    int code = 0;
    switch (command) {
    case 0: code = voradata::runCheck(args); break;
    case 1: code = voradata::runSummary(args); break;
    case 2: code = voradata::runExport(args); break;
    case 3: {
        const QByteArray input = args.join(QLatin1Char('\n')).toUtf8();
        FILE *in = fmemopen(const_cast<char *>(input.constData()), size_t(input.size()), "r");
        code = input.isEmpty() || !in ? 0 : voradata::runEvaluate({}, in);
        if (in)
            std::fclose(in);
        break;
    }
    case 4: code = voradata::runSeal(args); break;
    case 5: code = voradata::runVerify(args); break;
    case 6: code = voradata::runReport(args); break;
    default:
        if (namesServer(args) || (data[0] & 8)) {
            // push and summary --pooled --server, up to the connection.
            voradata::CommandLine line(QStringLiteral("push"));
            if (!line.parse(args)) {
                code = line.exitCode();
            } else {
                voradata::ServerOptions server;
                code = server.read(line, (data[0] & 8) ? voradata::ServerUse::Push : voradata::ServerUse::Filter);
                VORA_FUZZ_REQUIRE(code != 0 || line.positional().size() <= args.size());
            }
        } else {
            voradata::CommandLine line(QStringLiteral("summary"));
            code = line.parse(QStringList{QStringLiteral("--pooled")} + args) ? voradata::runPooledSummary(line)
                                                                              : line.exitCode();
        }
        break;
    }
    if (writes) {
        prepare(folder());
        QDir cwd(QDir::currentPath());
        for (const QString &name : cwd.entryList(QDir::Files | QDir::Hidden | QDir::System))
            cwd.remove(name);
    }
    std::fflush(stdout);
    VORA_FUZZ_REQUIRE(code == 0 || code == 1 || code == 2);
    if (command == 0) {
        QFile out(QString::fromLocal8Bit(outName));
        VORA_FUZZ_REQUIRE(out.open(QIODevice::ReadOnly));
        VORA_FUZZ_REQUIRE(out.readAll().count('\n') <= args.size());
    }
    return 0;
}
