#include "core/study/Sequential.h"

#include "core/report/Stats.h"

#include <boost/math/distributions/binomial.hpp>
#include <boost/math/policies/policy.hpp>
#include <boost/math/special_functions/beta.hpp>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

namespace vora::study {

namespace {

namespace bm = boost::math;
using NoThrow = bm::policies::policy<bm::policies::domain_error<bm::policies::errno_on_error>,
                                     bm::policies::overflow_error<bm::policies::errno_on_error>,
                                     bm::policies::evaluation_error<bm::policies::errno_on_error>>;

// log10 of a prior's or posterior's mass above 0.5: P(p > 1/2) under Beta(a, b). A mass too
// small for a double is taken at the smallest one: a one-sided BF that far below 1 is only
// "strongly against" whatever its digits.
double log10MassAboveHalf(double a, double b)
{
    const double mass = bm::ibetac(a, b, 0.5, NoThrow());
    return std::log10(std::max(mass, std::numeric_limits<double>::min()));
}

Decision decide(const Protocol &p, const QVector<double> &log10Bf, std::int64_t trials)
{
    const double up = std::log10(p.thresholdH1);
    const double down = std::log10(p.thresholdH0);
    QVector<double> deciding;
    if (const Prior *one = p.deciding()) {
        for (int i = 0; i < p.priors.size(); ++i) {
            if (&p.priors.at(i) == one)
                deciding.append(log10Bf.at(i));
        }
    } else {
        deciding = log10Bf;
    }
    if (!deciding.isEmpty() && std::all_of(deciding.begin(), deciding.end(), [&](double x) { return x >= up; }))
        return Decision::StopH1;
    if (!deciding.isEmpty() && std::all_of(deciding.begin(), deciding.end(), [&](double x) { return x <= down; }))
        return Decision::StopH0;
    return trials >= p.maxTrials ? Decision::StopMax : Decision::Continue;
}

void tally(Operating &o, Decision d, double weight, double trials)
{
    if (d == Decision::StopH1)
        o.pH1 += weight;
    else if (d == Decision::StopH0)
        o.pH0 += weight;
    else if (d == Decision::StopMax)
        o.pMax += weight;
    if (d != Decision::Continue)
        o.expectedTrials += weight * trials;
}

} // namespace

double log10BayesFactor(Hypothesis hypothesis, const Prior &prior, std::int64_t hits, std::int64_t trials)
{
    const std::int64_t misses = trials - hits;
    const double twoSided = stats::log10BayesFactor(hits, misses, prior.a, prior.b);
    if (hypothesis == Hypothesis::TwoSided)
        return twoSided;
    // The truncated prior's evidence is the full prior's times the posterior's mass above 1/2,
    // over the prior's mass there.
    return twoSided + log10MassAboveHalf(double(hits) + prior.a, double(misses) + prior.b)
           - log10MassAboveHalf(prior.a, prior.b);
}

QString decisionName(Decision d)
{
    switch (d) {
    case Decision::Continue: return QStringLiteral("continue");
    case Decision::StopH1: return QStringLiteral("stop-h1");
    case Decision::StopH0: return QStringLiteral("stop-h0");
    case Decision::StopMax: return QStringLiteral("stop-max");
    }
    return QString();
}

bool isStoppingPoint(const Protocol &p, std::int64_t trials)
{
    return trials >= p.minTrials && p.stoppingPoints.contains(trials);
}

Analysis analyse(const Protocol &p, std::int64_t hits, std::int64_t trials)
{
    Analysis a;
    a.hits = hits;
    a.trials = trials;
    for (const Prior &prior : p.priors)
        a.log10Bf.append(log10BayesFactor(p.hypothesis, prior, hits, trials));
    a.decision = isStoppingPoint(p, trials) ? decide(p, a.log10Bf, trials) : Decision::Continue;
    return a;
}

Operating simulate(const Protocol &p, double rate, int sims, quint64 seed)
{
    Operating o;
    o.sims = sims;
    if (sims <= 0)
        return o;
    std::mt19937_64 rng(seed);
    double sumSquares = 0.0;
    for (int s = 0; s < sims; ++s) {
        std::int64_t hits = 0, trials = 0;
        Decision d = Decision::Continue;
        for (const std::int64_t point : p.stoppingPoints) {
            std::binomial_distribution<std::int64_t> draw(point - trials, rate);
            hits += draw(rng);
            trials = point;
            if (trials < p.minTrials)
                continue;
            d = analyse(p, hits, trials).decision;
            if (d != Decision::Continue)
                break;
        }
        tally(o, d, 1.0, double(trials));
        sumSquares += double(trials) * double(trials);
    }
    const double n = sims;
    o.pH1 /= n;
    o.pH0 /= n;
    o.pMax /= n;
    o.expectedTrials /= n;
    o.seH1 = std::sqrt(o.pH1 * (1.0 - o.pH1) / n);
    o.seH0 = std::sqrt(o.pH0 * (1.0 - o.pH0) / n);
    o.seMax = std::sqrt(o.pMax * (1.0 - o.pMax) / n);
    const double variance = std::max(0.0, sumSquares / n - o.expectedTrials * o.expectedTrials);
    o.seTrials = std::sqrt(variance / n);
    return o;
}

Operating exactOperating(const Protocol &p, double rate, std::int64_t maxTrials)
{
    Operating o;
    if (p.maxTrials > maxTrials || p.stoppingPoints.isEmpty()) {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        o.pH1 = o.pH0 = o.pMax = o.expectedTrials = nan;
        return o;
    }
    // alive[h]: the probability of h hits so far on a path that has not stopped.
    std::vector<double> alive{1.0};
    std::int64_t trials = 0;
    for (const std::int64_t point : p.stoppingPoints) {
        const std::int64_t step = point - trials;
        const bm::binomial_distribution<double, NoThrow> law(double(step), rate);
        std::vector<double> pmf(size_t(step) + 1);
        for (std::int64_t k = 0; k <= step; ++k)
            pmf[size_t(k)] = bm::pdf(law, double(k));
        std::vector<double> next(alive.size() + size_t(step), 0.0);
        for (size_t h = 0; h < alive.size(); ++h) {
            if (alive[h] == 0.0)
                continue;
            for (size_t k = 0; k < pmf.size(); ++k)
                next[h + k] += alive[h] * pmf[k];
        }
        alive.swap(next);
        trials = point;
        if (trials < p.minTrials)
            continue;
        for (size_t h = 0; h < alive.size(); ++h) {
            if (alive[h] == 0.0)
                continue;
            const Decision d = analyse(p, std::int64_t(h), trials).decision;
            if (d != Decision::Continue) {
                tally(o, d, alive[h], double(trials));
                alive[h] = 0.0;
            }
        }
    }
    return o;
}

} // namespace vora::study
