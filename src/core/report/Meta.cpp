#include "core/report/Meta.h"

#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/policies/policy.hpp>

#include <algorithm>
#include <cmath>

namespace vora::stats {

namespace {

namespace bm = boost::math;
using MathPolicy = bm::policies::policy<bm::policies::domain_error<bm::policies::errno_on_error>,
                                        bm::policies::overflow_error<bm::policies::errno_on_error>,
                                        bm::policies::evaluation_error<bm::policies::errno_on_error>>;

constexpr double kHalfPi = 1.57079632679489661923;
constexpr double kZ975 = 1.959963984540054; // the standard normal's 97.5 % point

double i2OfH(double h)
{
    return std::max(0.0, (h * h - 1.0) / (h * h));
}

} // namespace

double cohensH(double rate)
{
    return 2.0 * std::asin(std::sqrt(std::clamp(rate, 0.0, 1.0))) - kHalfPi;
}

double rateOfCohensH(double h)
{
    const double s = std::sin((std::clamp(h, -kHalfPi, kHalfPi) + kHalfPi) / 2.0);
    return s * s;
}

Heterogeneity heterogeneity(const QVector<Count> &counts)
{
    Heterogeneity out;
    double sumW = 0.0, sumWH = 0.0, sumW2 = 0.0;
    QVector<std::pair<double, double>> effects; // h, weight n
    for (const Count &c : counts) {
        if (c.trials <= 0)
            continue;
        const double w = double(c.trials);
        const double h = cohensH(double(c.hits) / w);
        effects.append({h, w});
        sumW += w;
        sumWH += w * h;
        sumW2 += w * w;
    }
    out.k = int(effects.size());
    if (out.k == 0)
        return out;
    out.fixedH = sumWH / sumW;
    out.fixedSe = 1.0 / std::sqrt(sumW);
    for (const auto &[h, w] : effects)
        out.q += w * (h - out.fixedH) * (h - out.fixedH);
    out.df = out.k - 1;
    out.randomH = out.fixedH;
    out.randomSe = out.fixedSe;
    if (out.k < 2)
        return out;

    out.qP = bm::cdf(bm::complement(bm::chi_squared_distribution<double, MathPolicy>(out.df), out.q));
    out.i2 = out.q > 0.0 ? std::max(0.0, (out.q - out.df) / out.q) : 0.0;
    // Higgins & Thompson (2002), appendix: the standard error of ln H.
    const double k = out.k;
    double seLnH = -1.0;
    if (out.q > k)
        seLnH = 0.5 * (std::log(out.q) - std::log(k - 1.0)) / (std::sqrt(2.0 * out.q) - std::sqrt(2.0 * k - 3.0));
    else if (out.k > 2)
        seLnH = std::sqrt(1.0 / (2.0 * (k - 2.0)) * (1.0 - 1.0 / (3.0 * (k - 2.0) * (k - 2.0))));
    if (seLnH >= 0.0) {
        const double lnH = 0.5 * std::log(std::max(out.q, 0.0) / out.df);
        const double lo = std::exp(lnH - kZ975 * seLnH);
        const double hi = std::exp(lnH + kZ975 * seLnH);
        out.i2ci95 = Interval{i2OfH(std::max(lo, 1.0)), i2OfH(std::max(hi, 1.0))};
    }

    // DerSimonian & Laird (1986): the moment estimate of tau^2, cut at 0.
    out.tau2 = std::max(0.0, (out.q - out.df) / (sumW - sumW2 / sumW));
    double sumR = 0.0, sumRH = 0.0;
    for (const auto &[h, w] : effects) {
        const double r = 1.0 / (1.0 / w + out.tau2);
        sumR += r;
        sumRH += r * h;
    }
    out.randomH = sumRH / sumR;
    out.randomSe = 1.0 / std::sqrt(sumR);
    return out;
}

} // namespace vora::stats
