#include "report/Stats.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vora::stats {

namespace {

constexpr double kEps = 1e-15;
constexpr double kTiny = 1e-300;

// Continued fraction of the incomplete beta (modified Lentz), good for x < (a + 1) / (a + b + 2).
double betaContinuedFraction(double a, double b, double x)
{
    const double qab = a + b;
    const double qap = a + 1.0;
    const double qam = a - 1.0;
    double c = 1.0;
    double d = 1.0 - qab * x / qap;
    if (std::fabs(d) < kTiny)
        d = kTiny;
    d = 1.0 / d;
    double h = d;
    // Converges in O(sqrt(max(a, b))) steps; the bound only guards against a runaway.
    for (int m = 1; m < 10000000; ++m) {
        const double m2 = 2.0 * m;
        double aa = m * (b - m) * x / ((qam + m2) * (a + m2));
        d = 1.0 + aa * d;
        if (std::fabs(d) < kTiny)
            d = kTiny;
        c = 1.0 + aa / c;
        if (std::fabs(c) < kTiny)
            c = kTiny;
        d = 1.0 / d;
        h *= d * c;
        aa = -(a + m) * (qab + m) * x / ((a + m2) * (qap + m2));
        d = 1.0 + aa * d;
        if (std::fabs(d) < kTiny)
            d = kTiny;
        c = 1.0 + aa / c;
        if (std::fabs(c) < kTiny)
            c = kTiny;
        d = 1.0 / d;
        const double del = d * c;
        h *= del;
        if (std::fabs(del - 1.0) < kEps)
            break;
    }
    return h;
}

// ln of the Beta(a, b) density at x, up to the constant -ln B(a, b).
double logDensityKernel(double a, double b, double x)
{
    return (a - 1.0) * std::log(x) + (b - 1.0) * std::log1p(-x);
}

} // namespace

double logBeta(double a, double b)
{
    return std::lgamma(a) + std::lgamma(b) - std::lgamma(a + b);
}

double regIncBeta(double a, double b, double x)
{
    if (x <= 0.0)
        return 0.0;
    if (x >= 1.0)
        return 1.0;
    const double front = std::exp(a * std::log(x) + b * std::log1p(-x) - logBeta(a, b));
    if (x < (a + 1.0) / (a + b + 2.0))
        return front * betaContinuedFraction(a, b, x) / a;
    return 1.0 - front * betaContinuedFraction(b, a, 1.0 - x) / b;
}

double invRegIncBeta(double a, double b, double p)
{
    if (p <= 0.0)
        return 0.0;
    if (p >= 1.0)
        return 1.0;
    // Newton's method on the distribution function, kept inside a shrinking bracket and
    // falling back to halving it whenever a step would leave it.
    double lo = 0.0, hi = 1.0;
    double x = a / (a + b);
    const double lb = logBeta(a, b);
    for (int i = 0; i < 200; ++i) {
        const double f = regIncBeta(a, b, x) - p;
        if (f == 0.0)
            return x;
        if (f < 0.0)
            lo = x;
        else
            hi = x;
        const double density = std::exp(logDensityKernel(a, b, x) - lb);
        double next = density > 0.0 && std::isfinite(density) ? x - f / density : -1.0;
        if (!(next > lo && next < hi))
            next = 0.5 * (lo + hi);
        if (std::fabs(next - x) <= 1e-16 * std::max(1e-300, x) || hi - lo <= 1e-17)
            return next;
        x = next;
    }
    return x;
}

double normalTwoTailedP(double z)
{
    return std::erfc(std::fabs(z) / std::sqrt(2.0));
}

Interval clopperPearson(std::int64_t hits, std::int64_t trials, double confidence)
{
    Interval out;
    if (trials <= 0)
        return out;
    hits = std::clamp<std::int64_t>(hits, 0, trials);
    const double alpha = 1.0 - confidence;
    const double h = static_cast<double>(hits);
    const double n = static_cast<double>(trials);
    out.lo = hits == 0 ? 0.0 : invRegIncBeta(h, n - h + 1.0, alpha / 2.0);
    out.hi = hits == trials ? 1.0 : invRegIncBeta(h + 1.0, n - h, 1.0 - alpha / 2.0);
    return out;
}

double log10BayesFactor(std::int64_t hits, std::int64_t misses, double a, double b)
{
    const double h = static_cast<double>(hits);
    const double m = static_cast<double>(misses);
    const double ln = logBeta(h + a, m + b) - logBeta(a, b) - (h + m) * std::log(0.5);
    return ln / std::log(10.0);
}

Interval betaHdi(double a, double b, double mass)
{
    auto ends = [&](double t) { return Interval{invRegIncBeta(a, b, t), invRegIncBeta(a, b, t + mass)}; };
    // Uniform density: every interval of the right width is as short; take the central one.
    if (a == 1.0 && b == 1.0)
        return {(1.0 - mass) / 2.0, (1.0 + mass) / 2.0};
    // Density falling all the way (a = 1) or rising all the way (b = 1).
    if (a <= 1.0)
        return {0.0, invRegIncBeta(a, b, mass)};
    if (b <= 1.0)
        return {invRegIncBeta(a, b, 1.0 - mass), 1.0};
    // With t the probability left of the interval, the density at the lower end rises with t
    // and the density at the upper end falls: the shortest interval is where they meet.
    auto gap = [&](double t) {
        const Interval i = ends(t);
        return logDensityKernel(a, b, i.lo) - logDensityKernel(a, b, i.hi);
    };
    double lo = 0.0, hi = 1.0 - mass;
    for (int i = 0; i < 100 && hi - lo > 1e-16; ++i) {
        const double mid = 0.5 * (lo + hi);
        if (gap(mid) < 0.0)
            lo = mid;
        else
            hi = mid;
    }
    return ends(0.5 * (lo + hi));
}

double fisherExactTwoSided(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d)
{
    if (a < 0 || b < 0 || c < 0 || d < 0)
        return std::numeric_limits<double>::quiet_NaN();
    const std::int64_t r1 = a + b, r2 = c + d, c1 = a + c, n = r1 + r2;
    if (r1 == 0 || r2 == 0 || c1 == 0 || c1 == n)
        return 1.0;
    // The hypergeometric law of the top-left cell x given the margins.
    const std::int64_t xMin = std::max<std::int64_t>(0, c1 - r2);
    const std::int64_t xMax = std::min(r1, c1);
    auto logChoose = [](double nn, double k) {
        return std::lgamma(nn + 1.0) - std::lgamma(k + 1.0) - std::lgamma(nn - k + 1.0);
    };
    auto logProb = [&](std::int64_t x) {
        return logChoose(double(r1), double(x)) + logChoose(double(r2), double(c1 - x));
    };
    std::int64_t mode = static_cast<std::int64_t>(std::floor((double(r1) + 1.0) * (double(c1) + 1.0) / (double(n) + 2.0)));
    mode = std::clamp(mode, xMin, xMax);
    const double logTop = logProb(mode);
    const double logObs = logProb(a) - logTop; // <= 0: the mode is the most likely table
    // Tables as likely as the observed one up to rounding count as "no more likely".
    const double cut = logObs + 1e-7;

    // Walk out from the mode on both sides; terms only fall, so a side ends once its terms
    // no longer matter to either sum. The tail is summed in units of the observed table's
    // probability, so a p far below the smallest double still comes out as 0, not NaN.
    double total = 0.0, tail = 0.0;
    auto visit = [&](double lt) {
        total += std::exp(lt);
        if (lt <= cut)
            tail += std::exp(lt - logObs);
    };
    const double stopBelow = std::min(logObs, 0.0) - 60.0;
    visit(0.0);
    double lt = 0.0;
    for (std::int64_t x = mode; x < xMax && lt > stopBelow; ++x) {
        lt += std::log(double(r1 - x)) + std::log(double(c1 - x)) - std::log(double(x + 1))
              - std::log(double(r2 - c1 + x + 1));
        visit(lt);
    }
    lt = 0.0;
    for (std::int64_t x = mode; x > xMin && lt > stopBelow; --x) {
        lt += std::log(double(x)) + std::log(double(r2 - c1 + x)) - std::log(double(r1 - x + 1))
              - std::log(double(c1 - x + 1));
        visit(lt);
    }
    const double p = std::exp(logObs - std::log(total)) * tail;
    return std::min(1.0, p);
}

double monobitP(const BitTally &t)
{
    if (t.n <= 0)
        return 1.0;
    const double s = std::fabs(2.0 * double(t.ones) - double(t.n));
    return std::erfc(s / std::sqrt(2.0 * double(t.n)));
}

double runsP(const BitTally &t)
{
    if (t.n <= 0)
        return 0.0;
    const double n = double(t.n);
    const double pi = double(t.ones) / n;
    if (std::fabs(pi - 0.5) >= 2.0 / std::sqrt(n))
        return 0.0;
    const double spread = 2.0 * std::sqrt(2.0 * n) * pi * (1.0 - pi);
    return std::erfc(std::fabs(double(t.runs) - 2.0 * n * pi * (1.0 - pi)) / spread);
}

} // namespace vora::stats
