#pragma once
// Distinct consistent run lines for the seal tests, and the program's own append-and-seal.
#include "StoredRuns.h"
#include "core/registry/DataFile.h"
#include "core/study/SealWriter.h"

#include <QDateTime>

namespace sealtest {

// Run `n` (1-based) of experiment `name`: its own date, time and targets, so no two are equal.
inline QString runLine(int n, const QString &name = QStringLiteral("Seal"),
                       const QString &stimulus = QStringLiteral("S"))
{
    return vora::testing::storedLine(
        {name, QStringLiteral("2009/04/%1").arg(1 + n % 28, 2, 10, QLatin1Char('0')),
         QStringLiteral("%1:%2").arg(10 + n / 60 % 12).arg(n % 60, 2, 10, QLatin1Char('0')), stimulus,
         QStringLiteral("D"), stimulus == QLatin1String("n") ? 0 : 31 + n % 39, QString()},
        [n](int t) { return (t * 7 + n * 13 + t / 9) % 5 < 2; }, [n](int t) { return (t * 3 + n) % 4 != 0; });
}

// What the experiment window does with a finished run.
inline vora::study::SavedRun saveRun(vora::FileStore &files, const vora::AppPaths &paths, const QString &dataPath,
                                     const QString &line)
{
    return vora::study::appendAndSealRun(files, dataPath, line, QDateTime::currentDateTime(),
                                         [&] { return vora::appendRunLine(files, paths, dataPath, line); });
}

// A chain as an earlier version wrote it into a file of older runs: begun at its own first
// run `from`, over every run to the last.
inline bool writeChainFrom(vora::FileStore &files, const QString &dataPath, int from)
{
    using namespace vora::study;
    const DataRuns data = readDataRuns(dataPath);
    QVector<SealEntry> entries;
    for (int run = from; run <= data.runs.size(); ++run) {
        SealEntry e;
        e.run = run;
        e.runHash = data.runs.at(run - 1).hash;
        e.chained = chainNext(entries.isEmpty() ? genesis(run) : entries.last().chained, e.runHash);
        e.sealedAt = QStringLiteral("2009-04-01T10:00:00+09:00");
        entries.append(e);
    }
    SealFile none;
    none.missing = true;
    return writeSealEntries(files, sealPathFor(dataPath), none, entries).ok;
}

} // namespace sealtest
