// A list file of any bytes, read with the conversion of the earlier format: whatever the
// names say, nothing is written outside the data folder and no work file stays behind.
#include "FuzzSupport.h"

#include "core/registry/DataFile.h"
#include "core/registry/NameList.h"

#include <QDirIterator>
#include <QSet>

#include <cstdint>

namespace {
QSet<QString> filesUnder(const QString &folder)
{
    QSet<QString> out;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        out << QDir(folder).relativeFilePath(it.next());
    return out;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString root = vorafuzz::scratchFolder() + QStringLiteral("/program");
    QDir(root).removeRecursively();
    QDir().mkpath(root + QStringLiteral("/data"));
    const vora::AppPaths paths(root);
    vora::FileStore files;
    // Two series of the earlier format for the conversion to find (names a seed can use).
    const QByteArray run("Yama      2009/04/25 14:30S50D10 10 10 10 10 45  0  0  0  0 ");
    vorafuzz::writeFile(paths.dataFile(QStringLiteral("Yama-0.txt")), run.constData(), size_t(run.size()));
    vorafuzz::writeFile(paths.dataFile(QStringLiteral("Ito-0.txt")), "x\r\n", 3);
    vorafuzz::writeFile(paths.file(vora::nameListFileName(1)), reinterpret_cast<const char *>(data), size);
    const QSet<QString> before = filesUnder(root);

    const vora::NameListRead read = vora::readNameListFile(files, paths, 1);
    for (const QString &item : read.items) {
        const vora::NameListItem parsed = vora::NameListItem::parse(item);
        VORA_FUZZ_REQUIRE(vora::isValidExperimentName(parsed.name));
    }
    VORA_FUZZ_REQUIRE(read.unusable.size() <= read.kept.size());
    // The conversion rewrote files in place or not at all: the same files are there.
    VORA_FUZZ_REQUIRE(filesUnder(root) == before);

    // What was read can be written back and read again as the same list, with every line
    // the program cannot use still there byte for byte.
    if (vora::writeNameListFile(files, paths, 2, read.items, read.kept).ok) {
        const vora::NameListRead again = vora::readNameListFile(files, paths, 2);
        bool legacy = false;
        for (const QString &item : read.items)
            legacy = legacy || item.mid(13).contains(QLatin1Char(','));
        VORA_FUZZ_REQUIRE(legacy || again.items == read.items);
        VORA_FUZZ_REQUIRE(again.kept.size() == read.kept.size());
        for (int i = 0; i < read.kept.size() && i < again.kept.size(); ++i)
            VORA_FUZZ_REQUIRE(again.kept.at(i).bytes == read.kept.at(i).bytes);
    }
    return 0;
}
