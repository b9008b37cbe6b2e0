// Data core: the check and the results-view computations of a 100-run file, in process and
// through the command-line companion.
#include "BenchSupport.h"

#include "core/registry/DataFile.h"
#include "core/registry/RunRecord.h"
#include "core/results/ChartModel.h"
#include "core/results/RunLoader.h"
#include "core/results/Summary.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <random>

namespace vorabench {

vora::RunRecord randomRun(std::mt19937 &gen, const QString &name, int n, bool withStimulus)
{
    std::bernoulli_distribution bit(0.5);
    vora::RunRecord r;
    r.experimentName = name;
    r.date =
        QStringLiteral("2009/%1/%2").arg(4 + n / 28, 2, 10, QLatin1Char('0')).arg(1 + n % 28, 2, 10, QLatin1Char('0'));
    r.startTime = QStringLiteral("14:30");
    r.stimulusCode = withStimulus ? QStringLiteral("S") : QStringLiteral("n");
    r.hitDisplayCode = QStringLiteral("D");
    for (int t = 0; t < vora::kTrialsPerRun; ++t) {
        const QChar target = bit(gen) ? QLatin1Char('1') : QLatin1Char('0');
        const QChar input = bit(gen) ? QLatin1Char('1') : QLatin1Char('0');
        r.targets += target;
        r.inputs += input;
        if (target == input) {
            ++r.hits;
            ++r.segmentHits[t / vora::kTrialsPerBlock];
        }
    }
    if (withStimulus)
        r.stimulusTrials[0] = 31 + n % 39;
    if (n % 7 == 0) {
        r.hasMemo = true;
        r.memo = vora::runMemoToFileForm(QStringLiteral("集中できた\r\n%1回目").arg(n));
    }
    return r;
}

QStringList hundredRunLines(const QString &name, int runs, bool withStimulus)
{
    std::mt19937 gen(20090425);
    QStringList lines{vora::conditionMemoPrefix() + vora::memoToFileForm(QStringLiteral("照明を落とした部屋\r\n午後"))};
    for (int n = 1; n <= runs; ++n)
        lines << randomRun(gen, name, n, withStimulus).toLine();
    return lines;
}

namespace {

// One pass of what the selection check and the results view compute from the file.
int checkAndSummary(const vora::FileStore &files, const QString &path)
{
    const vora::DataFileContents contents = vora::loadDataFile(files, path);
    const vora::RunSet runs = vora::loadRuns(files, path, 0);
    int sink = contents.passed() ? 1 : 0;
    sink += vora::summaryLine(runs).size() + vora::periodLine(runs).size();
    sink += vora::countLevels(runs.runs).significantRuns();
    sink += vora::meanProfileAnalysis(runs).analysisText.size();
    sink += vora::overviewChart(runs.runs).items.size();
    sink += vora::deviationChart(runs.segmentTotal, runs.runsRead, true).items.size();
    sink += vora::lowerChart(runs, true, 0).items.size();
    sink += vora::lowerChart(runs, true, 1).items.size();
    if (const vora::LoadedRun *last = runs.lastRun())
        sink += vora::segmentChart(last->segmentHits, true).items.size();
    return sink;
}

} // namespace

QJsonObject dataCoreFigures(const QString &dataToolPath)
{
    QJsonObject out;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Bench-1.txt"));
    vora::FileStore files;
    if (!files.replaceAll(path, hundredRunLines(QStringLiteral("Bench"))).ok) {
        out.insert(QStringLiteral("check_and_summary_median_us"),
                   notMeasured(QStringLiteral("could not write the data file")));
        return out;
    }
    const vora::DataFileContents probe = vora::loadDataFile(files, path);
    out.insert(QStringLiteral("file_runs"), probe.runCount());
    out.insert(QStringLiteral("file_passes_check"), probe.passed());
    out.insert(QStringLiteral("file_bytes"), QFileInfo(path).size());

    constexpr int kWarmup = 20;
    constexpr int kIterations = 300;
    volatile int sink = 0;
    for (int i = 0; i < kWarmup; ++i)
        sink = sink + checkAndSummary(files, path);
    std::vector<double> us;
    QElapsedTimer timer;
    for (int i = 0; i < kIterations; ++i) {
        timer.start();
        sink = sink + checkAndSummary(files, path);
        us.push_back(timer.nsecsElapsed() / 1000.0);
    }
    out.insert(QStringLiteral("check_and_summary_median_us"), rounded(median(us), 1));
    out.insert(QStringLiteral("check_and_summary_p99_us"), rounded(percentile(us, 0.99), 1));
    out.insert(QStringLiteral("check_and_summary_iterations"), kIterations);

    // The companion as a whole process: start-up, reading, checking, exit.
    if (dataToolPath.isEmpty() || !QFileInfo(dataToolPath).isExecutable()) {
        out.insert(QStringLiteral("vora_data_check_ms"),
                   notMeasured(QStringLiteral("vora-data not built at ") + dataToolPath));
        return out;
    }
    std::vector<double> ms;
    int exitCode = -1;
    constexpr int kProcessRuns = 15;
    for (int i = 0; i < kProcessRuns + 2; ++i) {
        QProcess p;
        timer.start();
        p.start(dataToolPath, {QStringLiteral("check"), path});
        if (!p.waitForFinished(30000)) {
            p.kill();
            p.waitForFinished();
            out.insert(QStringLiteral("vora_data_check_ms"),
                       notMeasured(QStringLiteral("vora-data did not finish in 30 s")));
            return out;
        }
        const double elapsed = timer.nsecsElapsed() / 1e6;
        exitCode = p.exitCode();
        if (i >= 2) // the first starts warm the page cache
            ms.push_back(elapsed);
    }
    out.insert(QStringLiteral("vora_data_check_ms"), rounded(median(ms), 2));
    out.insert(QStringLiteral("vora_data_check_max_ms"), rounded(percentile(ms, 1.0), 2));
    out.insert(QStringLiteral("vora_data_check_exit_code"), exitCode);
    out.insert(QStringLiteral("vora_data_check_processes"), kProcessRuns);
    return out;
}

} // namespace vorabench
