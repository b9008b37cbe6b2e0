#include "core/report/Stats.h"

#include "core/results/Evaluation.h"

#include <boost/math/constants/constants.hpp>
#include <boost/math/distributions/beta.hpp>
#include <boost/math/distributions/binomial.hpp>
#include <boost/math/distributions/normal.hpp>
#include <boost/math/policies/policy.hpp>
#include <boost/math/special_functions/erf.hpp>
#include <boost/math/special_functions/gamma.hpp>
#include <boost/math/tools/toms748_solve.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <utility>

namespace vora::stats {

namespace {

namespace bm = boost::math;

// Boost.Math reports a bad argument by errno rather than an exception: nothing here may throw.
using MathPolicy = bm::policies::policy<bm::policies::domain_error<bm::policies::errno_on_error>,
                                        bm::policies::pole_error<bm::policies::errno_on_error>,
                                        bm::policies::overflow_error<bm::policies::errno_on_error>,
                                        bm::policies::evaluation_error<bm::policies::errno_on_error>>;
using BetaLaw = bm::beta_distribution<double, MathPolicy>;
using BinomialLaw = bm::binomial_distribution<double, MathPolicy>;
using NormalLaw = bm::normal_distribution<double, MathPolicy>;

constexpr double kLn2 = bm::constants::ln_two<double>();
constexpr double kLn10 = bm::constants::ln_ten<double>();
constexpr double kHalfLnTwoPi = 0.91893853320467274178; // ln(2 pi) / 2
constexpr double kQuietNaN = std::numeric_limits<double>::quiet_NaN();

// A p at or above this is a normal double with all its digits; below it the tails are
// summed in logarithms.
constexpr double kSmallestFullP = 1e-290;

// ln Gamma(x) - [(x - 1/2) ln x - x + ln(2 pi) / 2], the remainder of Stirling's formula.
// Its own series from x = 10 on (the next term is below 1e-17 there): the difference of two
// large logarithms would lose every digit that matters at 10^8.
double stirlingRemainder(double x)
{
    if (x < 10.0)
        return bm::lgamma(x, MathPolicy()) - ((x - 0.5) * std::log(x) - x + kHalfLnTwoPi);
    // B_2k / (2k (2k - 1)), k = 1..8
    static constexpr double kCoefficients[] = {1.0 / 12.0,   -1.0 / 360.0,      1.0 / 1260.0, -1.0 / 1680.0,
                                               1.0 / 1188.0, -691.0 / 360360.0, 1.0 / 156.0,  -3617.0 / 122400.0};
    const double inv2 = 1.0 / (x * x);
    double sum = 0.0;
    for (int k = int(std::size(kCoefficients)) - 1; k >= 0; --k)
        sum = sum * inv2 + kCoefficients[k];
    return sum / x;
}

// (1 + u) ln(1 + u) + (1 - u) ln(1 - u) for |u| < 1/2: twice the divergence of the rate
// (1 + u) / 2 from 1/2. Its series has only positive terms, so a rate near 1/2 loses nothing
// (the two logarithms would cancel to a few digits).
double halfDivergence(double u)
{
    // sum over k >= 1 of u^2k / (k (2k - 1))
    const double u2 = u * u;
    double power = u2, sum = 0.0;
    for (int k = 1; k < 100; ++k) {
        const double term = power / (double(k) * (2.0 * k - 1.0));
        sum += term;
        if (term <= sum * 1e-17)
            break;
        power *= u2;
    }
    return sum;
}

// ln B(a, b) + (a + b) ln 2, for a, b > 0. With a = h + 1, b = m + 1 this is
// -ln[(n + 1) C(n, h) / 2^n]: small for h near n / 2 although each ln Gamma is of order 10^9,
// so it is put together from Stirling's formula around the rate a / (a + b).
double logBetaPlusLn2(double a, double b)
{
    const double s = a + b;
    const double u = (a - b) / s;
    double main;
    if (std::fabs(u) < 0.5)
        main = 0.5 * s * halfDivergence(u);
    else
        main = a * std::log(2.0 * a / s) + b * std::log(2.0 * b / s);
    return kHalfLnTwoPi + main - 0.5 * (std::log(a) + std::log(b) - std::log(s)) + stirlingRemainder(a)
           + stirlingRemainder(b) - stirlingRemainder(s);
}

// ln P(X <= m) for X ~ Binomial(n, 1/2) and m < n / 2, at any size: the largest term
// C(n, m) / 2^n in logarithms, times the sum of the others relative to it.
double logLowerBinomialTail(std::int64_t m, std::int64_t n)
{
    const double lnTop = -std::log(double(n) + 1.0) - logBetaPlusLn2(double(m) + 1.0, double(n - m) + 1.0) + 2.0 * kLn2;
    double sum = 0.0, term = 1.0;
    for (std::int64_t i = m; i >= 0; --i) {
        sum += term;
        term *= double(i) / double(n - i + 1);
        if (term < sum * 1e-17)
            break;
    }
    return lnTop + std::log(sum);
}

// x ln(x / m) + m - x, the deviance of a count x from a mean m, given d = x - m exactly:
// near the mean as a series in d / (x + m) (Loader), where the logarithm would cancel.
double deviance(double x, double d)
{
    if (x == 0.0)
        return -d;
    const double sum = 2.0 * x - d; // x + m
    if (std::fabs(d) < 0.1 * sum) {
        double v = d / sum;
        double s = d * v;
        double ej = 2.0 * x * v;
        v *= v;
        for (int j = 1; j < 1000; ++j) {
            ej *= v;
            const double next = s + ej / (2.0 * j + 1.0);
            if (next == s)
                break;
            s = next;
        }
        return s;
    }
    return -x * std::log1p(-d / x) - d;
}

// ln C(k, j) without its rate part: (1/2) ln(k / (2 pi j (k - j))) and the Stirling remainders;
// 0 when j is 0 or k.
double chooseRemainder(double k, double j)
{
    if (j <= 0.0 || j >= k)
        return 0.0;
    return 0.5 * std::log(k / (j * (k - j))) - kHalfLnTwoPi + stirlingRemainder(k) - stirlingRemainder(j)
           - stirlingRemainder(k - j);
}

// ln [C(r1, x) C(r2, c1 - x) / C(r1 + r2, c1)], the hypergeometric term of a 2 x 2 table, in
// Loader's saddle-point form: each binomial coefficient at the rate c1 / n, so that the large
// parts cancel exactly and what is left are four deviances of one size |d| from the means
// and the remainders. Boost's hypergeometric density (2e-12 off at 10^8, through its Lanczos
// sum) and a ratio of its binomial densities (1.4e-12 at a rate of 0.4) fall short here.
double logHypergeometric(std::int64_t x, std::int64_t r1, std::int64_t r2, std::int64_t c1)
{
    const std::int64_t n = r1 + r2;
    // x - r1 c1 / n; the products are exact in a long double up to 2^64.
    const double d = double(((long double)x * (long double)n - (long double)r1 * (long double)c1) / (long double)n);
    const double dev = deviance(double(x), d) + deviance(double(r1 - x), -d) + deviance(double(c1 - x), -d)
                       + deviance(double(r2 - c1 + x), d);
    return -dev + chooseRemainder(double(r1), double(x)) + chooseRemainder(double(r2), double(c1 - x))
           - chooseRemainder(double(n), double(c1));
}

} // namespace

double logBeta(double a, double b)
{
    // ln Gamma(a) + ln Gamma(b) - ln Gamma(a + b), with the large parts cancelled exactly.
    return logBetaPlusLn2(a, b) - (a + b) * kLn2;
}

double normalTwoTailedP(double z)
{
    if (std::isnan(z))
        return kQuietNaN;
    return 2.0 * bm::cdf(bm::complement(NormalLaw(0.0, 1.0), std::fabs(z)));
}

double log10NormalTwoTailedP(double z)
{
    if (std::isnan(z))
        return kQuietNaN;
    const double x = std::fabs(z);
    // Near 0 the p is close to 1, and its logarithm comes from its distance to 1.
    if (x < 1.0)
        return std::log1p(-bm::erf(x * bm::constants::one_div_root_two<double>(), MathPolicy())) / kLn10;
    if (x < 37.0)
        return std::log10(normalTwoTailedP(x));
    // erfc(x / sqrt 2) = exp(-x^2 / 2) sqrt(2 / pi) / x * (1 - 1/x^2 + 3/x^4 - 15/x^6 + ...);
    // from x = 37 on the series' terms fall by 1000 at least.
    const double inv2 = 1.0 / (x * x);
    double term = 1.0, series = 1.0;
    for (int k = 1; k < 30; ++k) {
        term *= -(2.0 * k - 1.0) * inv2;
        series += term;
        if (std::fabs(term) < 1e-17)
            break;
    }
    const double ln = -0.5 * x * x - std::log(x) + 0.5 * std::log(2.0 / bm::constants::pi<double>()) + std::log(series);
    return ln / kLn10;
}

double log10BinomialTwoTailedP(std::int64_t hits, std::int64_t trials)
{
    if (trials <= 0)
        return 0.0;
    hits = std::clamp<std::int64_t>(hits, 0, trials);
    const std::int64_t m = std::min(hits, trials - hits);
    if (2 * m >= trials)
        return 0.0;
    const double p = binomialTwoTailedP(m, trials);
    // Close to 1 the logarithm comes from the distance to 1: the terms between the two tails,
    // summed directly when they are few (when they are many, p is far enough from 1).
    const std::int64_t between = trials - 2 * m - 1;
    if (p > 0.5 && between <= 1000) {
        const BinomialLaw law(double(trials), 0.5);
        double q = 0.0;
        for (std::int64_t x = m + 1; x < trials - m; ++x)
            q += bm::pdf(law, double(x));
        return std::log1p(-std::min(q, 1.0)) / kLn10;
    }
    if (p >= kSmallestFullP)
        return std::log10(p);
    return (kLn2 + logLowerBinomialTail(m, trials)) / kLn10;
}

Interval clopperPearson(std::int64_t hits, std::int64_t trials, double confidence)
{
    Interval out;
    if (trials <= 0)
        return out;
    hits = std::clamp<std::int64_t>(hits, 0, trials);
    const double tail = (1.0 - confidence) / 2.0;
    // The exact interval: each limit leaves `tail` in the far binomial tail. Boost gives 0
    // for no hits and 1 for no misses.
    out.lo = BinomialLaw::find_lower_bound_on_p(double(trials), double(hits), tail);
    out.hi = BinomialLaw::find_upper_bound_on_p(double(trials), double(hits), tail);
    return out;
}

double log10BayesFactor(std::int64_t hits, std::int64_t misses, double a, double b)
{
    // B(h + a, m + b) / B(a, b) * 2^(h + m), with the powers of 2 folded into both Betas.
    const double h = static_cast<double>(hits);
    const double m = static_cast<double>(misses);
    return (logBetaPlusLn2(h + a, m + b) - logBetaPlusLn2(a, b)) / kLn10;
}

Interval betaHdi(double a, double b, double mass)
{
    const BetaLaw law(a, b);
    // Uniform density: every interval of the right width is as short; take the central one.
    if (a == 1.0 && b == 1.0)
        return {(1.0 - mass) / 2.0, (1.0 + mass) / 2.0};
    // The two tails of the law. With few hits (or few misses) in very many trials, Boost's
    // incomplete beta is good to 1e-12 only (Beta(2, 10^8) at 4e-8: 1.3e-12), and the
    // interval's lower end moves 20 times as much as its upper one: there the tail is the
    // short binomial sum it equals, I_x(a, b) = P(Binomial(a + b - 1, x) >= a).
    auto fewTerms = [](double whole, double k, double x) {
        // P(Binomial(whole, x) <= k), k small, term by term from the first
        double term = std::exp(whole * std::log1p(-x)), sum = 0.0;
        for (double j = 0.0; j <= k && term > 0.0; ++j) {
            sum += term;
            term *= (whole - j) / (j + 1.0) * (x / (1.0 - x));
        }
        return sum;
    };
    auto few = [](double shape) { return shape <= 64.0 && shape == std::floor(shape); };
    auto lowerTail = [&](double x) {
        const double sum = few(b) ? fewTerms(a + b - 1.0, b - 1.0, 1.0 - x) : 0.0;
        return sum > 0.0 ? sum : bm::cdf(law, x);
    };
    auto upperTail = [&](double x) {
        const double sum = few(a) ? fewTerms(a + b - 1.0, a - 1.0, x) : 0.0;
        return sum > 0.0 ? sum : bm::cdf(bm::complement(law, x));
    };
    // Boost's inverse, then one Newton step on the tail, which also brings back the digits
    // the inverse can leave out far in a long tail.
    auto below = [&](double p) {
        double x = bm::quantile(law, p);
        if (const double f = bm::pdf(law, x); f > 0.0 && std::isfinite(f))
            x = std::clamp(x - (lowerTail(x) - p) / f, 0.0, 1.0);
        return x;
    };
    auto above = [&](double q) {
        double x = bm::quantile(bm::complement(law, q));
        if (const double f = bm::pdf(law, x); f > 0.0 && std::isfinite(f))
            x = std::clamp(x + (upperTail(x) - q) / f, 0.0, 1.0);
        return x;
    };
    // Density falling all the way (a = 1) or rising all the way (b = 1).
    if (a <= 1.0)
        return {0.0, below(mass)};
    if (b <= 1.0)
        return {above(mass), 1.0};
    // With t the probability left of the interval, the density at the lower end rises with t
    // and the density at the upper end falls: the shortest interval is where they meet. The
    // difference of the log densities is taken as ratios, which stay exact at any a and b.
    auto ends = [&](double t) { return Interval{below(t), above(1.0 - mass - t)}; };
    auto gap = [&](double t) {
        const Interval i = ends(t);
        if (i.lo <= 0.0)
            return -std::numeric_limits<double>::infinity();
        if (i.hi >= 1.0)
            return std::numeric_limits<double>::infinity();
        return (a - 1.0) * std::log1p((i.lo - i.hi) / i.hi) + (b - 1.0) * std::log1p((i.hi - i.lo) / (1.0 - i.hi));
    };
    // Boost's TOMS 748 root finder from just inside the ends (where the gap is finite), to
    // the last bits of t; halving the range is the fallback.
    double lo = 0.0, hi = 1.0 - mass;
    const double edge = (1.0 - mass) * 1e-12;
    const double gapLo = gap(edge), gapHi = gap(1.0 - mass - edge);
    if (std::isfinite(gapLo) && std::isfinite(gapHi) && gapLo < 0.0 && gapHi > 0.0) {
        std::uintmax_t iterations = 100;
        const std::pair<double, double> r = bm::tools::toms748_solve(
            gap, edge, 1.0 - mass - edge, gapLo, gapHi, bm::tools::eps_tolerance<double>(50), iterations, MathPolicy());
        lo = r.first;
        hi = r.second;
    }
    for (int i = 0; i < 200; ++i) {
        const double mid = 0.5 * (lo + hi);
        if (mid <= lo || mid >= hi)
            break;
        const double g = gap(mid);
        if (g == 0.0)
            return ends(mid);
        (g < 0.0 ? lo : hi) = mid;
    }
    return ends(0.5 * (lo + hi));
}

double fisherExactTwoSided(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d)
{
    if (a < 0 || b < 0 || c < 0 || d < 0)
        return kQuietNaN;
    const std::int64_t r1 = a + b, r2 = c + d, c1 = a + c, n = r1 + r2;
    if (r1 == 0 || r2 == 0 || c1 == 0 || c1 == n)
        return 1.0;
    // The top-left cell x given the margins is hypergeometric: r1 of the n are in the first
    // row, c1 are drawn for the first column.
    // Compared in logarithms, so that tables far below the smallest double still compare.
    auto logPmf = [&](std::int64_t x) { return logHypergeometric(x, r1, r2, c1); };
    const std::int64_t xMin = std::max<std::int64_t>(0, c1 - r2);
    const std::int64_t xMax = std::min(r1, c1);
    // Tables as likely as the observed one up to rounding count as "no more likely".
    const double cut = logPmf(a) + std::log1p(1e-7);
    const std::int64_t mode = std::clamp<std::int64_t>(
        std::int64_t(std::floor((double(r1) + 1.0) * (double(c1) + 1.0) / (double(n) + 2.0))), xMin, xMax);

    // The law rises up to its mode and falls after it: on each side the tables within the
    // cut form one run out to the end, found by bisection.
    std::int64_t left = xMin - 1; // last table of the left run
    if (logPmf(xMin) <= cut) {
        std::int64_t lo = xMin, hi = mode + 1; // lo within the cut; hi beyond the run or past the mode
        while (hi - lo > 1) {
            const std::int64_t mid = lo + (hi - lo) / 2;
            (logPmf(mid) <= cut ? lo : hi) = mid;
        }
        left = lo;
    }
    std::int64_t right = xMax + 1; // first table of the right run
    if (logPmf(xMax) <= cut) {
        std::int64_t lo = mode - 1, hi = xMax; // hi within the cut
        while (hi - lo > 1) {
            const std::int64_t mid = lo + (hi - lo) / 2;
            (logPmf(mid) <= cut ? hi : lo) = mid;
        }
        right = hi;
    }
    if (left + 1 >= right)
        return 1.0;
    // Each run summed outwards from its first table, the terms by their exact ratios (in long
    // double, so that thousands of steps leave no trace in a double).
    double p = 0.0;
    if (left >= xMin) {
        long double term = std::exp((long double)logPmf(left)), sum = 0.0L;
        for (std::int64_t x = left; x >= xMin && term > 0.0; --x) {
            sum += term;
            if (term < sum * 1e-17)
                break;
            term *=
                (long double)x * (long double)(r2 - c1 + x) / ((long double)(r1 - x + 1) * (long double)(c1 - x + 1));
        }
        p += double(sum);
    }
    if (right <= xMax) {
        long double term = std::exp((long double)logPmf(right)), sum = 0.0L;
        for (std::int64_t x = right; x <= xMax && term > 0.0; ++x) {
            sum += term;
            if (term < sum * 1e-17)
                break;
            term *=
                (long double)(r1 - x) * (long double)(c1 - x) / ((long double)(x + 1) * (long double)(r2 - c1 + x + 1));
        }
        p += double(sum);
    }
    return std::min(1.0, p);
}

double monobitP(const BitTally &t)
{
    if (t.n <= 0)
        return 1.0;
    const double s = std::fabs(2.0 * double(t.ones) - double(t.n));
    return bm::erfc(s / std::sqrt(2.0 * double(t.n)), MathPolicy());
}

double runsP(const BitTally &t)
{
    if (t.n <= 0)
        return 0.0;
    // In integers, so the prerequisite and V - 2 n pi (1 - pi) are exact:
    // |pi - 1/2| >= 2 / sqrt(n)  <=>  (2 ones - n)^2 >= 16 n.
    const std::int64_t n = t.n, ones = t.ones, zeros = t.n - t.ones;
    // (Exact in 64 bits up to n = 3 * 10^9.)
    const std::int64_t excess = 2 * ones - n;
    if (excess * excess >= 16 * n)
        return 0.0;
    // |V - 2 ones zeros / n| / (2 sqrt(2n) ones zeros / n^2) = |V n - 2 ones zeros| n / (2 sqrt(2n) ones zeros)
    const double deviation = std::fabs(double(t.runs * n - 2 * ones * zeros));
    return bm::erfc(deviation * double(n) / (2.0 * std::sqrt(2.0 * double(n)) * double(ones) * double(zeros)),
                    MathPolicy());
}

} // namespace vora::stats
