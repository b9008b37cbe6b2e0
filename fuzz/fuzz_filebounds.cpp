// The file layer's read bound: a file of any size and kind, read with any bound, gives its
// bytes only when it is a regular file within the bound, never more, and never blocks. The
// update page's local copy and every other file the program reads go through this read.
#include "FuzzSupport.h"

#include "core/toolkit/FileStore.h"

#include <cstdint>
#include <sys/stat.h>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 3)
        return 0;
    const QString path = vorafuzz::scratchFolder() + QStringLiteral("/new-sub2.htm");
    ::unlink(QFile::encodeName(path).constData());
    const QByteArray content(reinterpret_cast<const char *>(data + 3), static_cast<qsizetype>(size - 3));
    const int kind = data[0] % 8;
    // The bound: near the content's size, or the program's own.
    const qint64 bound =
        data[1] % 4 == 0 ? vora::kMaxTextFileBytes : qMax<qint64>(0, content.size() + int(data[2]) - 128);
    qint64 fileSize = content.size();
    if (kind == 0) {
        VORA_FUZZ_REQUIRE(::mkfifo(QFile::encodeName(path).constData(), 0644) == 0);
    } else if (kind == 1) {
        VORA_FUZZ_REQUIRE(QFile::link(QStringLiteral("/dev/zero"), path));
    } else {
        vorafuzz::writeFile(path, content.constData(), size_t(content.size()));
        if (kind == 2) {
            // Sparse, around the program's bound.
            fileSize = vora::kMaxTextFileBytes + int(data[2]) - 128;
            QFile f(path);
            VORA_FUZZ_REQUIRE(f.open(QIODevice::ReadWrite) && f.resize(fileSize));
        }
    }

    const vora::BytesRead read = vora::FileStore::readBytes(path, bound);
    const bool regular = kind >= 2;
    VORA_FUZZ_REQUIRE(read.ok == (regular && fileSize <= bound));
    VORA_FUZZ_REQUIRE(read.bytes.size() <= bound);
    if (!regular)
        VORA_FUZZ_REQUIRE(read.code != vora::FileError::None);
    if (regular && fileSize > bound)
        VORA_FUZZ_REQUIRE(read.code == vora::FileError::TooLarge);
    if (read.ok && kind != 2)
        VORA_FUZZ_REQUIRE(read.bytes == content);

    if (bound == vora::kMaxTextFileBytes && kind != 2) { // decoding 16 MiB of zeros proves nothing more
        const vora::ReadResult lines = vora::FileStore().readLines(path);
        VORA_FUZZ_REQUIRE(lines.ok == read.ok);
        VORA_FUZZ_REQUIRE(lines.ok || !lines.message.isEmpty());
    }
    ::unlink(QFile::encodeName(path).constData());
    return 0;
}
