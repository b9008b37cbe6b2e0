#pragma once
// Pooled analysis of one or more experiments: the evidence over all their trials, its
// uncertainty, Bayes factors, and the audits that tell a real effect from an artefact
// (answer bias, dependence between successive trials, a faulty target source).
#include "core/report/Stats.h"
#include "core/results/RunLoader.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace vora::report {

// One experiment's data file as read for the report.
struct Experiment {
    QString file; // as named by the caller
    QString name; // the experiment name (columns 1-10 of its first run, else from the file name)
    bool withStimulus = false;
    RunSet runs; // every run of the file, in file order
};
// `file` names the experiment; its "-0"/"-1" suffix before ".txt" tells whether it has a
// stimulus, as the program names its files; other names go by the runs' stimulus code.
Experiment experimentFromLines(const QString &file, const QStringList &lines);

// H1 priors on the hit rate: flat, and one centred near the 53 % of earlier positive studies.
constexpr double kUniformA = 1.0, kUniformB = 1.0;
constexpr double kReplicationA = 829.0, kReplicationB = 733.0;
// The audits warn below this p.
constexpr double kAuditLevel = 0.01;

// Hits against chance over a number of trials.
struct Tally {
    qint64 trials = 0;
    qint64 hits = 0;
    double hitRate() const { return trials > 0 ? double(hits) / double(trials) : 0.0; }
    // (hits - n/2) / sqrt(n/4); none without trials.
    std::optional<double> z() const;
    // Exact two-tailed binomial p at 0.5.
    double p() const;
};

struct ExperimentFigures {
    QString file;
    int runs = 0;
    Tally tally;
};

struct PooledFigures {
    int files = 0;
    int runs = 0;
    Tally tally;
    stats::Interval ci95;
    std::optional<double> stoufferZ; // sum of the files' z over sqrt(k); none when no file has trials
    double stoufferP = 1.0;
    double log10BfUniform = 0.0;
    double log10BfReplication = 0.0;
    std::optional<double> posteriorMode; // Beta(h + 1, m + 1); none without trials
    std::optional<stats::Interval> hdi90;

    // Response bias: shares of "1" among the targets and among the answers.
    qint64 targetOnes = 0;
    qint64 inputOnes = 0;
    std::optional<double> targetOnesShare() const;
    std::optional<double> inputOnesShare() const;
    double inputBiasP() const; // exact binomial p of the answers' "1" count at 0.5

    // Dependency: trials 2-100 of every run, split by whether the trial before was a hit.
    Tally afterHit;
    Tally afterMiss;
    double dependencyP = 1.0; // Fisher's exact test, two-sided

    // Targets of every run in file order, as one bit sequence.
    stats::BitTally targets;
    double monobitP = 1.0;
    double runsP = 0.0;
    // The runs test's frequency prerequisite |pi - 1/2| < 2 / sqrt(n) fails: runsP is 0 by
    // the test's rule, not a tail too small for a double.
    bool runsPrerequisiteFails() const;

    QVector<ExperimentFigures> experiments;
};

PooledFigures pooledFigures(const QVector<Experiment> &experiments);

// Everything the pooled figures take from one experiment: sums over its runs, so that the
// study database can keep one tally per run, filled at insert, and add them up itself.
struct ExperimentTally {
    QString file;
    int runs = 0;
    qint64 hits = 0;
    qint64 targetOnes = 0;
    qint64 inputOnes = 0;
    Tally afterHit; // trials 2-100 of each run whose previous trial was a hit
    Tally afterMiss;
    stats::BitTally targets; // the targets of every run in file order
};
ExperimentTally tallyOf(const Experiment &e);
// The experiments' tallies in the order given (the targets are one sequence in that order).
PooledFigures pooledFromTallies(const QVector<ExperimentTally> &tallies);

// The audit warnings at p < 0.01, as sentences in the report's language.
enum class Lang { Ja, En };
// The catalogue a report in `lang` speaks: Japanese, or for Lang::En the program's language when
// it is not Japanese (a lab's own catalogue), else English.
QString languageCode(Lang lang);
QStringList auditWarnings(const PooledFigures &f, Lang lang);

} // namespace vora::report
