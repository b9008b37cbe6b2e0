#pragma once
// Numerical pieces of the pooled analysis: exact and interval estimates of a hit rate,
// Bayes factors, Fisher's exact test, the NIST SP 800-22 frequency and runs tests, and p
// values in logarithms. Plain doubles; nothing here knows about data files.
// The distributions and special functions are Boost.Math's. What is written around them
// keeps every figure within 1e-12 (relative) of the exact value up to 10^8 trials, where a
// difference of two ln Gamma of order 10^9, or a p below the smallest double, would not.
#include <cstdint>

namespace vora::stats {

struct Interval {
    double lo = 0.0;
    double hi = 1.0;
};

// ln B(a, b) for a, b > 0, to the last digits also where each ln Gamma is of order 10^9.
double logBeta(double a, double b);

// Two-tailed p of a standard normal score: erfc(|z| / sqrt(2)).
double normalTwoTailedP(double z);

// log10 of a two-tailed p, for p far below the smallest double (1e-308), where the p itself
// is 0: of a standard normal score, and of the exact binomial p at 1/2 of `hits` in `trials`
// (2 P(X <= min(hits, misses)), at most 1; see vora::binomialTwoTailedP). Both are 0 for p = 1.
double log10NormalTwoTailedP(double z);
double log10BinomialTwoTailedP(std::int64_t hits, std::int64_t trials);

// Clopper–Pearson interval of a binomial rate with `hits` successes in `trials`.
Interval clopperPearson(std::int64_t hits, std::int64_t trials, double confidence = 0.95);

// log10 of [B(h + a, m + b) / B(a, b)] / 0.5^(h + m): the Bayes factor of rate ~ Beta(a, b)
// against rate = 0.5.
double log10BayesFactor(std::int64_t hits, std::int64_t misses, double a, double b);

// Highest-density interval of Beta(a, b) holding `mass`: the shortest interval with that
// probability, whose ends have equal density (or one end at 0 or 1 when the density is
// monotone there). Needs a, b >= 1.
Interval betaHdi(double a, double b, double mass);

// Fisher's exact test of a 2 x 2 table [[a, b], [c, d]], two-sided: the probability, with
// all margins fixed, of every table no more likely than the one observed (within a relative
// 1e-7, as R's fisher.test, so that tables equal up to rounding count alike). NaN for a
// negative cell.
double fisherExactTwoSided(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d);

// A bit sequence reduced to what the NIST frequency and runs tests need.
struct BitTally {
    std::int64_t n = 0;
    std::int64_t ones = 0;
    std::int64_t runs = 0; // V_n: 1 + the number of places where a bit differs from the previous one
    int first = -1;
    int last = -1;
    void add(int bit)
    {
        if (n == 0)
            first = bit;
        if (n == 0 || bit != last)
            ++runs;
        last = bit;
        ++n;
        ones += bit;
    }
    // The sequence followed by `next`, as if its bits were added one by one: a run of equal
    // bits that crosses the join counts once.
    void append(const BitTally &next)
    {
        if (next.n == 0)
            return;
        if (n == 0)
            first = next.first;
        runs += next.runs - (n > 0 && next.first == last ? 1 : 0);
        n += next.n;
        ones += next.ones;
        last = next.last;
    }
};
// SP 800-22 2.1: erfc(|2 ones - n| / sqrt(2n)). 1 for an empty sequence.
double monobitP(const BitTally &t);
// SP 800-22 2.3: 0 when the frequency prerequisite |pi - 1/2| >= 2 / sqrt(n) fails.
double runsP(const BitTally &t);

} // namespace vora::stats
