#pragma once
// The sequential plan of a protocol: the primary analysis at a stopping point, the decision it
// leads to, and the plan's operating characteristics (how often it stops for H1, for H0, or at
// the maximum, and after how many trials on average) by simulation and, for small plans,
// exactly over every binomial path.
#include "core/study/Protocol.h"

#include <QVector>

#include <cstdint>

namespace vora::study {

// log10 BF10 of `hits` in `trials` against rate 0.5 under `prior`; for the one-sided
// hypothesis the prior is truncated to p > 0.5 and renormalised by its mass there.
double log10BayesFactor(Hypothesis hypothesis, const Prior &prior, std::int64_t hits, std::int64_t trials);

enum class Decision {
    Continue, // no threshold crossed, more stopping points to come
    StopH1, // the rule's Bayes factors reached thresholds.h1
    StopH0, // they fell to thresholds.h0
    StopMax, // the last stopping point came without either
};
QString decisionName(Decision d); // "continue", "stop-h1", "stop-h0", "stop-max"

struct Analysis {
    std::int64_t hits = 0;
    std::int64_t trials = 0;
    QVector<double> log10Bf; // one per prior, in the protocol's order
    Decision decision = Decision::Continue;
};
// The primary analysis of `hits` in `trials`. A decision other than Continue is taken only at
// a stopping point at or past minTrials: between points the figures are only figures.
Analysis analyse(const Protocol &p, std::int64_t hits, std::int64_t trials);
bool isStoppingPoint(const Protocol &p, std::int64_t trials);

struct Operating {
    double pH1 = 0.0;
    double pH0 = 0.0;
    double pMax = 0.0;
    double expectedTrials = 0.0;
    // Monte-Carlo standard errors (0 for the exact computation).
    double seH1 = 0.0;
    double seH0 = 0.0;
    double seMax = 0.0;
    double seTrials = 0.0;
    int sims = 0;
};
// `sims` simulated studies at hit rate `rate`, drawing the binomial counts between stopping
// points; the same seed gives the same figures.
Operating simulate(const Protocol &p, double rate, int sims, quint64 seed);
// The same exactly, summing over every binomial path; for plans of at most `maxTrials` trials
// (the work grows with its square), else every figure is NaN.
Operating exactOperating(const Protocol &p, double rate, std::int64_t maxTrials = 20000);

} // namespace vora::study
