#include "core/report/LogP.h"

#include <algorithm>
#include <cmath>

namespace vora::stats {

namespace {

constexpr double kLn10 = 2.302585092994045684;
constexpr double kLnSqrtPi = 0.572364942924700087;

} // namespace

double log10Erfc(double x)
{
    if (x < 25.0)
        return std::log10(std::erfc(x));
    // erfc(x) = exp(-x^2) / sqrt(pi) / K, K = x + (1/2) / (x + 1 / (x + (3/2) / (x + ...))),
    // evaluated by Lentz's method; at x >= 25 a handful of terms reach full precision.
    const double tiny = 1e-300;
    double f = x, c = x, d = 0.0;
    for (int k = 1; k < 500; ++k) {
        const double a = 0.5 * k;
        d = x + a * d;
        d = std::fabs(d) < tiny ? tiny : d;
        c = x + a / c;
        c = std::fabs(c) < tiny ? tiny : c;
        d = 1.0 / d;
        const double delta = c * d;
        f *= delta;
        if (std::fabs(delta - 1.0) < 1e-16)
            break;
    }
    return (-x * x - kLnSqrtPi - std::log(f)) / kLn10;
}

double log10FisherExactTwoSided(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d)
{
    if (a < 0 || b < 0 || c < 0 || d < 0)
        return std::nan("");
    const std::int64_t r1 = a + b, r2 = c + d, c1 = a + c, n = r1 + r2;
    if (r1 == 0 || r2 == 0 || c1 == 0 || c1 == n)
        return 0.0;
    const std::int64_t xMin = std::max<std::int64_t>(0, c1 - r2);
    const std::int64_t xMax = std::min(r1, c1);
    auto lnChoose = [](double nn, double k) {
        return std::lgamma(nn + 1.0) - std::lgamma(k + 1.0) - std::lgamma(nn - k + 1.0);
    };
    auto lnProb = [&](std::int64_t x) {
        return lnChoose(double(r1), double(x)) + lnChoose(double(r2), double(c1 - x));
    };
    std::int64_t mode = std::int64_t(std::floor((double(r1) + 1.0) * (double(c1) + 1.0) / (double(n) + 2.0)));
    mode = std::clamp(mode, xMin, xMax);
    const double lnObs = lnProb(a) - lnProb(mode); // <= 0
    // Ties up to rounding count as "no more likely", as in fisherExactTwoSided.
    const double cut = lnObs + 1e-7;
    // Terms relative to the mode's (for the total) and to the observed table's (for the tail),
    // so neither underflows however small the p.
    double total = 0.0, tail = 0.0;
    auto visit = [&](double lt) {
        total += std::exp(lt);
        if (lt <= cut)
            tail += std::exp(lt - lnObs);
    };
    const double stopBelow = std::min(lnObs, 0.0) - 60.0;
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
    return std::min(0.0, (lnObs - std::log(total) + std::log(tail)) / kLn10);
}

} // namespace vora::stats
