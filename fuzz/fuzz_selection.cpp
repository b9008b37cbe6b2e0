// The selection file of any bytes: five boxes, only valid names, and what was read writes
// back to a file that reads the same. The single byte NUL stands for a folder in its place.
#include "FuzzSupport.h"

#include "core/registry/NameList.h"

#include <QDir>
#include <QFile>

#include <cstdint>

namespace {
// A code the line did not reach is written back as a space.
QString code(const QString &c)
{
    return c.isEmpty() ? QStringLiteral(" ") : c;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString root = vorafuzz::scratchFolder();
    const vora::AppPaths paths(root);
    vora::FileStore files;
    const QString path = paths.file(vora::selectionFileName());
    if (size == 1 && data[0] == 0) {
        QFile::remove(path);
        QDir().mkpath(path);
        const vora::SelectionRead refused = vora::readSelectionFile(files, paths);
        VORA_FUZZ_REQUIRE(!refused.opened && !refused.error.isEmpty());
        QDir().rmdir(path);
        return 0;
    }
    QDir().rmdir(path);
    vorafuzz::writeFile(path, reinterpret_cast<const char *>(data), size);

    const vora::SelectionRead read = vora::readSelectionFile(files, paths);
    VORA_FUZZ_REQUIRE(read.opened);
    VORA_FUZZ_REQUIRE(read.boxes.size() == 5);
    for (const vora::BoxSelection &b : read.boxes)
        VORA_FUZZ_REQUIRE(b.name.isEmpty() || vora::isValidExperimentName(b.name));

    if (!vora::writeSelectionFile(files, paths, read.boxes).ok)
        return 0; // a code the code page cannot hold is refused, which is right
    const vora::SelectionRead again = vora::readSelectionFile(files, paths);
    VORA_FUZZ_REQUIRE(again.boxes.size() == 5);
    for (int i = 0; i < 5; ++i) {
        const vora::BoxSelection &a = read.boxes.at(i);
        const vora::BoxSelection &b = again.boxes.at(i);
        VORA_FUZZ_REQUIRE(a.name == b.name);
        if (!a.name.isEmpty()) {
            VORA_FUZZ_REQUIRE(code(a.stimulusCode) == code(b.stimulusCode));
            VORA_FUZZ_REQUIRE(code(a.hitDisplayCode) == code(b.hitDisplayCode));
        }
    }
    return 0;
}
