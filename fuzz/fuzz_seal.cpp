// The seal file and the comparison with its data file, on any bytes. Every finding names a
// line of the file it is about, the chain read back is consecutive, and a chain the writer
// has just made over a file verifies.
//
// Input: a flag byte, then two parts separated by the first NUL byte.
//   flag bit 0 clear: the data file, then the seal file as stored (none without a NUL);
//   flag bit 0 set:   a data file A that the writer seals, then the data file B that is
//                     compared with that seal (B = A without a NUL), so that runs changed,
//                     moved, inserted and removed since sealing are met without forging hashes.
#include "FuzzSupport.h"

#include "core/study/Seal.h"
#include "core/study/SealWriter.h"
#include "core/toolkit/FileStore.h"

#include <QDateTime>
#include <QTimeZone>

#include <cstdint>
#include <cstring>
#include <unistd.h>

namespace {

int lineCount(const QByteArray &bytes)
{
    return int(vora::splitStoredLines(bytes).size());
}

void requireSound(const vora::study::Verification &v, int dataLines, int sealLines)
{
    using vora::study::FindingKind;
    VORA_FUZZ_REQUIRE(v.readOk);
    for (const vora::study::Finding &f : v.findings) {
        if (f.kind == FindingKind::SealBroken)
            VORA_FUZZ_REQUIRE(f.fileLine >= 0 && f.fileLine <= sealLines);
        else
            VORA_FUZZ_REQUIRE(f.fileLine >= 1 && f.fileLine <= dataLines + 1);
        VORA_FUZZ_REQUIRE(f.run >= 0 && f.run <= v.runs);
        VORA_FUZZ_REQUIRE(!vora::study::findingText(f).isEmpty());
    }
    for (int i = 1; i < v.entries.size(); ++i)
        VORA_FUZZ_REQUIRE(v.entries.at(i).run == v.entries.at(i - 1).run + 1);
    VORA_FUZZ_REQUIRE(v.notSealedRuns() <= v.runs);
    VORA_FUZZ_REQUIRE(v.headHex().isEmpty() == v.entries.isEmpty());
    if (!v.entries.isEmpty())
        VORA_FUZZ_REQUIRE(v.entryWithChained(v.headHex()) != nullptr);
    if (v.intact() && !v.entries.isEmpty())
        VORA_FUZZ_REQUIRE(v.chainedHexOfRun(v.entries.last().run) == v.headHex());
}

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const bool sealFirst = data[0] & 1;
    const char *rest = reinterpret_cast<const char *>(data + 1);
    const size_t restSize = size - 1;
    const void *nul = std::memchr(rest, 0, restSize);
    const size_t firstSize = nul ? size_t(static_cast<const char *>(nul) - rest) : restSize;
    const QByteArray first(rest, qsizetype(firstSize));
    const QByteArray second = nul ? QByteArray(rest + firstSize + 1, qsizetype(restSize - firstSize - 1)) : first;

    const QString path = vorafuzz::scratchFolder() + QStringLiteral("/Seal-1.txt");
    const QString sealPath = vora::study::sealPathFor(path);
    ::unlink(QFile::encodeName(sealPath).constData());
    vorafuzz::writeFile(path, first.constData(), size_t(first.size()));

    QByteArray dataBytes = first;
    if (sealFirst) {
        vora::FileStore files;
        const QDateTime at(QDate(2026, 12, 8), QTime(14, 3, 22), QTimeZone(9 * 3600));
        const vora::study::SealRunsResult r = vora::study::sealUnsealedRuns(files, path, at);
        if (r.ok) {
            VORA_FUZZ_REQUIRE(r.after.intact());
            VORA_FUZZ_REQUIRE(r.added >= 0 && r.added <= r.after.runs);
        }
        vorafuzz::writeFile(path, second.constData(), size_t(second.size()));
        dataBytes = second;
        if (r.ok && second == first) {
            const vora::study::Verification again = vora::study::verifyDataFile(path);
            VORA_FUZZ_REQUIRE(again.intact());
            VORA_FUZZ_REQUIRE(again.headHex() == r.after.headHex());
        }
    } else if (nul) {
        vorafuzz::writeFile(sealPath, second.constData(), size_t(second.size()));
    }

    const QByteArray sealBytes = bytesOf(sealPath);
    const vora::study::SealFile seal = vora::study::readSealFile(sealPath);
    VORA_FUZZ_REQUIRE(seal.ok);
    VORA_FUZZ_REQUIRE(seal.goodLines.size() == seal.entries.size() + (seal.goodLines.isEmpty() ? 0 : 1));
    VORA_FUZZ_REQUIRE(seal.malformedLine == 0 || seal.malformedLine == seal.goodLines.size() + 1);
    const vora::study::Verification v = vora::study::verifyDataFile(path);
    requireSound(v, lineCount(dataBytes), lineCount(sealBytes));
    return 0;
}
