// The research report: summary --pooled and report over 100 files of 100 runs, each timed as
// a whole vora-data process, and the size of the page.
#include "BenchSupport.h"

#include "core/registry/RunRecord.h"
#include "core/toolkit/FileStore.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <random>

namespace vorabench {

namespace {

constexpr int kFiles = 100;
constexpr int kRuns = vora::kMaxRuns;

} // namespace

QStringList experimentLines(int k)
{
    std::mt19937 gen(20090425u + unsigned(k));
    QStringList lines;
    for (int n = 1; n <= kRuns; ++n)
        lines << randomRun(gen, QStringLiteral("B%1").arg(k, 3, 10, QLatin1Char('0')), n, true).toLine();
    return lines;
}

namespace {

// Median wall time of `runs` whole processes after one warm-up; null with a reason on failure.
QJsonValue processMs(const QString &tool, const QStringList &args, int runs)
{
    std::vector<double> ms;
    QElapsedTimer timer;
    for (int i = 0; i < runs + 1; ++i) {
        QProcess p;
        p.setStandardOutputFile(QProcess::nullDevice());
        timer.start();
        p.start(tool, args);
        if (!p.waitForFinished(120000) || p.exitCode() != 0) {
            p.kill();
            p.waitForFinished();
            return notMeasured(QStringLiteral("vora-data %1 failed").arg(args.value(0)));
        }
        if (i > 0)
            ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    return rounded(median(ms), 1);
}

} // namespace

QJsonObject reportFigures(const QString &dataToolPath)
{
    QJsonObject out;
    if (dataToolPath.isEmpty() || !QFileInfo(dataToolPath).isExecutable()) {
        out.insert(QStringLiteral("summary_pooled_ms"),
                   notMeasured(QStringLiteral("vora-data not built at ") + dataToolPath));
        return out;
    }
    QTemporaryDir dir;
    vora::FileStore files;
    QStringList paths;
    for (int k = 0; k < kFiles; ++k) {
        const QString path = dir.filePath(QStringLiteral("B%1-1.txt").arg(k, 3, 10, QLatin1Char('0')));
        if (!files.replaceAll(path, experimentLines(k)).ok) {
            out.insert(QStringLiteral("summary_pooled_ms"),
                       notMeasured(QStringLiteral("could not write the data files")));
            return out;
        }
        paths << path;
    }
    out.insert(QStringLiteral("files"), kFiles);
    out.insert(QStringLiteral("runs_per_file"), kRuns);
    constexpr int kProcessRuns = 5;
    out.insert(QStringLiteral("summary_pooled_ms"),
               processMs(dataToolPath, QStringList{QStringLiteral("summary"), QStringLiteral("--pooled")} + paths,
                         kProcessRuns));
    const QString html = dir.filePath(QStringLiteral("report.html"));
    out.insert(QStringLiteral("report_ms"),
               processMs(dataToolPath,
                         QStringList{QStringLiteral("report")} + paths + QStringList{QStringLiteral("-o"), html},
                         kProcessRuns));
    out.insert(QStringLiteral("report_html_bytes"), QFileInfo(html).size());
    out.insert(QStringLiteral("processes"), kProcessRuns);
    return out;
}

} // namespace vorabench
