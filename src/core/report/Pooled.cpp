#include "core/report/Pooled.h"

#include "core/registry/DataFile.h"
#include "core/report/LogP.h"
#include "core/results/Evaluation.h"

#include "core/toolkit/Language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

#include <cmath>

namespace vora::report {

namespace {
// The texts of this file, under the translation context "Pooled".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Pooled)
};
} // namespace

Experiment experimentFromLines(const QString &file, const QStringList &lines)
{
    Experiment e;
    e.file = file;
    e.runs = loadRunsFromLines(lines, 0);
    const QString base = QFileInfo(file).completeBaseName();
    const QRegularExpressionMatch suffix = QRegularExpression(QStringLiteral("^(.*)-([01])$")).match(base);
    if (const LoadedRun *first = e.runs.runs.isEmpty() ? nullptr : &e.runs.runs.first())
        e.name = columns(lines.value(first->fileLine - 1), 1, 10).trimmed();
    if (e.name.isEmpty())
        e.name = suffix.hasMatch() ? suffix.captured(1) : base;
    // The program names the file by its stimulus flag; the runs' code decides for other names.
    if (suffix.hasMatch())
        e.withStimulus = suffix.captured(2) == QLatin1String("1");
    else
        e.withStimulus = !e.runs.stimulusCode.isEmpty() && e.runs.stimulusCode != QLatin1String("n");
    return e;
}

std::optional<double> Tally::z() const
{
    if (trials <= 0)
        return std::nullopt;
    return (double(hits) - double(trials) / 2.0) / std::sqrt(double(trials) / 4.0);
}

double Tally::p() const
{
    return binomialTwoTailedP(hits, trials);
}

std::optional<double> PooledFigures::targetOnesShare() const
{
    if (tally.trials <= 0)
        return std::nullopt;
    return double(targetOnes) / double(tally.trials);
}

std::optional<double> PooledFigures::inputOnesShare() const
{
    if (tally.trials <= 0)
        return std::nullopt;
    return double(inputOnes) / double(tally.trials);
}

double PooledFigures::inputBiasP() const
{
    return binomialTwoTailedP(inputOnes, tally.trials);
}

bool PooledFigures::runsPrerequisiteFails() const
{
    if (targets.n <= 0)
        return false;
    const double pi = double(targets.ones) / double(targets.n);
    return std::fabs(pi - 0.5) >= 2.0 / std::sqrt(double(targets.n));
}

ExperimentTally tallyOf(const Experiment &e)
{
    const RunSet &set = e.runs;
    ExperimentTally t;
    t.file = e.file;
    t.runs = set.runsRead;
    t.hits = set.hitTotal;
    t.targetOnes = set.tr1Total;
    t.inputOnes = set.in1Total;
    for (const LoadedRun &run : set.runs) {
        // Only the trials within a run follow one another; a run starts afresh.
        for (int i = 2; i <= kTrialsPerRun; ++i) {
            Tally &after = run.isMatch(i - 1) ? t.afterHit : t.afterMiss;
            ++after.trials;
            if (run.isMatch(i))
                ++after.hits;
        }
        for (const QChar c : run.targets) {
            if (c == QLatin1Char('0') || c == QLatin1Char('1'))
                t.targets.add(c == QLatin1Char('1') ? 1 : 0);
        }
    }
    return t;
}

PooledFigures pooledFigures(const QVector<Experiment> &experiments)
{
    QVector<ExperimentTally> tallies;
    tallies.reserve(experiments.size());
    for (const Experiment &e : experiments)
        tallies.append(tallyOf(e));
    return pooledFromTallies(tallies);
}

PooledFigures pooledFromTallies(const QVector<ExperimentTally> &tallies)
{
    PooledFigures f;
    double zSum = 0.0;
    int zCount = 0;
    for (const ExperimentTally &t : tallies) {
        ExperimentFigures ef;
        ef.file = t.file;
        ef.runs = t.runs;
        ef.tally.trials = qint64(t.runs) * kTrialsPerRun;
        ef.tally.hits = t.hits;
        if (const std::optional<double> z = ef.tally.z()) {
            zSum += *z;
            ++zCount;
        }
        f.experiments.append(ef);
        ++f.files;
        f.runs += t.runs;
        f.tally.trials += ef.tally.trials;
        f.tally.hits += ef.tally.hits;
        f.targetOnes += t.targetOnes;
        f.inputOnes += t.inputOnes;
        f.afterHit.trials += t.afterHit.trials;
        f.afterHit.hits += t.afterHit.hits;
        f.afterMiss.trials += t.afterMiss.trials;
        f.afterMiss.hits += t.afterMiss.hits;
        f.targets.append(t.targets);
    }

    const qint64 h = f.tally.hits;
    const qint64 m = f.tally.trials - h;
    f.ci95 = stats::clopperPearson(h, f.tally.trials, 0.95);
    if (zCount > 0) {
        f.stoufferZ = zSum / std::sqrt(double(zCount));
        f.stoufferP = stats::normalTwoTailedP(*f.stoufferZ);
    }
    f.log10BfUniform = stats::log10BayesFactor(h, m, kUniformA, kUniformB);
    f.log10BfReplication = stats::log10BayesFactor(h, m, kReplicationA, kReplicationB);
    if (f.tally.trials > 0) {
        f.posteriorMode = double(h) / double(f.tally.trials);
        f.hdi90 = stats::betaHdi(double(h) + 1.0, double(m) + 1.0, 0.90);
    }
    f.dependencyP = stats::fisherExactTwoSided(f.afterHit.hits, f.afterHit.trials - f.afterHit.hits, f.afterMiss.hits,
                                               f.afterMiss.trials - f.afterMiss.hits);
    f.monobitP = stats::monobitP(f.targets);
    f.runsP = stats::runsP(f.targets);
    return f;
}

namespace {

// "= 0.0123", or "< 1e-300" where the p is too small for a double.
QString pIs(double p)
{
    return p < stats::kSmallestShownP ? QStringLiteral("< 1e-300") : QStringLiteral("= ") + QString::number(p, 'g', 3);
}

} // namespace

QString languageCode(Lang lang)
{
    if (lang == Lang::Ja)
        return language::source();
    return language::current() != language::source() ? language::current() : QStringLiteral("en");
}

QStringList auditWarnings(const PooledFigures &f, Lang lang)
{
    const language::Scope speaking(languageCode(lang));
    QStringList out;
    if (f.tally.trials > 0 && f.inputBiasP() < kAuditLevel)
        out << (Texts::tr("回答の偏り：「1」と答えた割合が %1 % で、50 % から有意にずれています（p %2）。"
                          "ターゲットにも偏りがあると、能力がなくても一致数が増減します。"))
                   .arg(QString::number(100.0 * f.inputOnesShare().value_or(0.0), 'f', 1), pIs(f.inputBiasP()));
    if (f.afterHit.trials > 0 && f.afterMiss.trials > 0 && f.dependencyP < kAuditLevel)
        out << (Texts::tr(
                    "試行間の依存：直前が当たりのときの的中率 %1 % と外れのときの %2 % が有意に異なります（p %3）。"
                    "ターゲットや回答が前の試行に引きずられている可能性があります。"))
                   .arg(QString::number(100.0 * f.afterHit.hitRate(), 'f', 1),
                        QString::number(100.0 * f.afterMiss.hitRate(), 'f', 1), pIs(f.dependencyP));
    if (f.targets.n > 0 && (f.monobitP < kAuditLevel || f.runsP < kAuditLevel))
        out << (Texts::tr(
                    "ターゲットの乱数性：NIST 頻度検定 p %1、連検定 p %2。ターゲットを作った乱数発生器を確認してください。"))
                   .arg(pIs(f.monobitP), f.runsPrerequisiteFails() ? QStringLiteral("= 0") : pIs(f.runsP));
    return out;
}

} // namespace vora::report
