#pragma once
// Small helpers of the performance harness: medians and percentiles of samples, a 100-run
// data file, and the JSON value that stands for a figure that could not be taken.
#include "core/registry/RecordFormat.h"
#include "core/registry/RunRecord.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace vorabench {

inline double percentile(std::vector<double> v, double q)
{
    if (v.empty())
        return 0.0;
    std::sort(v.begin(), v.end());
    // Nearest rank: the smallest sample with at least q of all samples at or below it.
    std::size_t rank = static_cast<std::size_t>(q * v.size() + 0.999999);
    rank = std::clamp<std::size_t>(rank, 1, v.size());
    return v[rank - 1];
}

inline double median(const std::vector<double> &v)
{
    if (v.empty())
        return 0.0;
    std::vector<double> s = v;
    std::sort(s.begin(), s.end());
    const std::size_t n = s.size();
    return n % 2 ? s[n / 2] : (s[n / 2 - 1] + s[n / 2]) / 2.0;
}

inline double rounded(double v, int decimals = 3)
{
    double scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    return std::round(v * scale) / scale;
}

// A figure that could not be measured: null, with the reason beside it.
inline QJsonObject notMeasured(const QString &reason)
{
    return QJsonObject{{QStringLiteral("value"), QJsonValue()}, {QStringLiteral("reason"), reason}};
}

// Lines of a consistent data file: a condition memo line and `runs` run lines of the
// experiment `name` (deterministic pseudo-random targets and inputs, a memo on every 7th run).
// Run n of an experiment: pseudo-random targets and answers from `gen`, a memo every 7th run.
vora::RunRecord randomRun(std::mt19937 &gen, const QString &name, int n, bool withStimulus);
QStringList hundredRunLines(const QString &name, int runs = vora::kMaxRuns, bool withStimulus = true);

// Experiment k ("B000", "B001", ...): 100 runs of pseudo-random targets and answers of its
// own, a memo every 7th run.
QStringList experimentLines(int k);

QJsonObject dataCoreFigures(const QString &dataToolPath);
QJsonObject randomnessFigures();
// summary --pooled and report over 100 files of 100 runs, as whole processes.
QJsonObject reportFigures(const QString &dataToolPath);
// The study at scale: push, bare COPY, pooling on the server (100,000 and 1,000,000 runs,
// 10,000,000 when asked), the study report over 1,000 experiments; null with a reason when
// no server is given.
QJsonObject studyFigures(const QString &dataToolPath);
// The figures taken through the real windows; each is null with a reason when not ready.
QJsonObject windowFigures();
// Timing from outside the process, under Xvfb (vora-xbench); null with a reason when not built.
QJsonObject outsideFigures();
// The child that takes them: vora-bench --window-session prints one JSON line.
bool isWindowSession(const QStringList &args);
int runWindowSession();

} // namespace vorabench
