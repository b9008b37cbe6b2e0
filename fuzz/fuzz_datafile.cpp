// The data-file reader and its check on any bytes (and on no file, or a folder in its place):
// the selection load, the run count of the name boxes and the results loader must agree and
// never misread a line they passed.
#include "FuzzSupport.h"

#include "core/registry/DataFile.h"
#include "core/registry/RunRecord.h"
#include "core/results/ChartModel.h"
#include "core/results/RunLoader.h"
#include "core/results/Summary.h"

#include <QDir>

#include <cstdint>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = vorafuzz::scratchFolder() + QStringLiteral("/Fuzz-1.txt");
    // No input: no file there; the single byte NUL: a folder where the file belongs.
    QDir().rmdir(path);
    ::unlink(QFile::encodeName(path).constData());
    const bool folder = size == 1 && data[0] == 0;
    if (folder)
        QDir().mkdir(path);
    else if (size > 0)
        vorafuzz::writeFile(path, reinterpret_cast<const char *>(data), size);
    const vora::FileStore files;

    const vora::DataFileContents c = vora::loadDataFile(files, path);
    VORA_FUZZ_REQUIRE(c.readOk != folder);
    VORA_FUZZ_REQUIRE(c.missing == (size == 0));
    const vora::RunCountInfo count = vora::countRuns(files, path);
    VORA_FUZZ_REQUIRE(count.runs == c.runCount());
    VORA_FUZZ_REQUIRE(c.firstBadRun == 0 || (c.firstBadRun >= 1 && c.firstBadRun <= c.runCount()));

    for (const QString &line : c.runLines) {
        const vora::RunLineCheck check = vora::checkRunLine(line);
        if (!check.ok)
            continue;
        // A line that passed reads back with blocks that add up to its total.
        const vora::RunRecord r = vora::RunRecord::fromLine(line);
        int sum = 0;
        for (int s : r.segmentHits)
            sum += s;
        VORA_FUZZ_REQUIRE(sum == r.hits);
        VORA_FUZZ_REQUIRE(r.hits >= 0 && r.hits <= 100);
    }

    // The results loader on the same file, whole and up to a browsed run.
    const int browsed = size > 0 ? data[0] % 8 : 0;
    const vora::RunSet all = vora::loadRuns(files, path, 0);
    VORA_FUZZ_REQUIRE(all.runsRead == c.runCount());
    const vora::RunSet upTo = vora::loadRuns(files, path, browsed);
    VORA_FUZZ_REQUIRE(browsed == 0 || upTo.runsRead <= browsed);
    if (c.passed() && all.hasRuns()) {
        (void)vora::summaryLine(all);
        (void)vora::periodLine(all);
        (void)vora::meanProfileAnalysis(all);
        (void)vora::overviewChart(all.runs);
        (void)vora::deviationChart(all.segmentTotal, all.runsRead, true);
        (void)vora::lowerChart(all, true, 0);
        (void)vora::lowerChart(all, false, 1);
        (void)vora::segmentChart(all.lastRun()->segmentHits, true);
    }
    return 0;
}
