#pragma once
// p values smaller than a double can hold. The distributions give such a p as 0, which would
// read as "impossible"; texts print it as "< 1e-300" and JSON carries its log10, computed
// in log space (the binomial and normal ones are in Stats.h).
#include "core/report/Stats.h"

#include <cmath>
#include <cstdint>

namespace vora::stats {

// Below this a p is printed as "< 1e-300" instead of its digits.
constexpr double kSmallestShownP = 1e-300;

// log10 of erfc(x), x >= 0: the normal tail, also where erfc itself is 0.
double log10Erfc(double x);
// log10 of Fisher's exact two-sided p of [[a, b], [c, d]], counted as fisherExactTwoSided counts.
double log10FisherExactTwoSided(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d);

// log10 of a p already computed: log10(p) while p is above the bound, else `exact()`.
template <typename Exact> double log10P(double p, Exact exact)
{
    return p >= kSmallestShownP ? std::log10(p) : exact();
}

} // namespace vora::stats
