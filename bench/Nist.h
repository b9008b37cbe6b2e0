#pragma once
// Four tests of NIST SP 800-22 rev. 1a on a bit sequence: frequency (monobit), block
// frequency, runs and serial. Header-only so that the reference check in tests/faults can
// reuse exactly the code the bench reports with.
#include <cmath>
#include <cstddef>
#include <vector>

namespace vora::nist {

// Regularized upper incomplete gamma Q(a, x) = Γ(a, x) / Γ(a): the series of P below a + 1,
// Lentz's continued fraction for Q above, as in the usual numerical recipes.
inline double igamc(double a, double x)
{
    if (x <= 0.0 || a <= 0.0)
        return 1.0;
    const double lead = a * std::log(x) - x - std::lgamma(a);
    if (x < a + 1.0) {
        double term = 1.0 / a;
        double sum = term;
        for (int n = 1; n < 10000; ++n) {
            term *= x / (a + n);
            sum += term;
            if (std::fabs(term) < std::fabs(sum) * 1e-16)
                break;
        }
        return 1.0 - sum * std::exp(lead);
    }
    const double tiny = 1e-300;
    double b = x + 1.0 - a;
    double c = 1.0 / tiny;
    double d = 1.0 / b;
    double h = d;
    for (int i = 1; i < 10000; ++i) {
        const double an = -i * (i - a);
        b += 2.0;
        d = an * d + b;
        if (std::fabs(d) < tiny)
            d = tiny;
        c = b + an / c;
        if (std::fabs(c) < tiny)
            c = tiny;
        d = 1.0 / d;
        const double delta = d * c;
        h *= delta;
        if (std::fabs(delta - 1.0) < 1e-16)
            break;
    }
    return std::exp(lead) * h;
}

using Bits = std::vector<unsigned char>; // each element 0 or 1

inline double ones(const Bits &e)
{
    double n = 0;
    for (unsigned char b : e)
        n += b;
    return n;
}

// 2.1: the share of ones against 1/2.
inline double monobit(const Bits &e)
{
    const double n = static_cast<double>(e.size());
    const double s = 2.0 * ones(e) - n;
    return std::erfc(std::fabs(s) / std::sqrt(n) / std::sqrt(2.0));
}

// 2.2: the share of ones within each of the n / M whole blocks.
inline double blockFrequency(const Bits &e, std::size_t m)
{
    const std::size_t blocks = e.size() / m;
    double chi = 0.0;
    for (std::size_t i = 0; i < blocks; ++i) {
        double k = 0;
        for (std::size_t j = 0; j < m; ++j)
            k += e[i * m + j];
        const double pi = k / m - 0.5;
        chi += pi * pi;
    }
    chi *= 4.0 * m;
    return igamc(blocks / 2.0, chi / 2.0);
}

// 2.3: the number of runs of equal bits. 0 when the frequency prerequisite fails.
inline double runs(const Bits &e)
{
    const double n = static_cast<double>(e.size());
    const double pi = ones(e) / n;
    if (std::fabs(pi - 0.5) >= 2.0 / std::sqrt(n))
        return 0.0;
    double v = 1;
    for (std::size_t k = 0; k + 1 < e.size(); ++k)
        v += e[k] != e[k + 1];
    return std::erfc(std::fabs(v - 2.0 * n * pi * (1 - pi)) / (2.0 * std::sqrt(2.0 * n) * pi * (1 - pi)));
}

namespace detail {
// ψ²_m over overlapping m-bit patterns, the sequence extended by its first m - 1 bits.
inline double psiSquared(const Bits &e, int m)
{
    if (m <= 0)
        return 0.0;
    const std::size_t n = e.size();
    std::vector<double> counts(std::size_t(1) << m, 0.0);
    for (std::size_t i = 0; i < n; ++i) {
        unsigned pattern = 0;
        for (int j = 0; j < m; ++j)
            pattern = (pattern << 1) | e[(i + j) % n];
        counts[pattern] += 1;
    }
    double sum = 0;
    for (double c : counts)
        sum += c * c;
    return sum * double(std::size_t(1) << m) / n - n;
}
} // namespace detail

struct SerialResult {
    double p1 = 0;
    double p2 = 0;
};

// 2.11: frequencies of all overlapping m-bit patterns.
inline SerialResult serial(const Bits &e, int m)
{
    const double a = detail::psiSquared(e, m);
    const double b = detail::psiSquared(e, m - 1);
    const double c = detail::psiSquared(e, m - 2);
    SerialResult r;
    r.p1 = igamc(std::pow(2.0, m - 2), (a - b) / 2.0);
    r.p2 = igamc(std::pow(2.0, m - 3), (a - 2 * b + c) / 2.0);
    return r;
}

inline Bits fromText(const char *text)
{
    Bits e;
    for (const char *p = text; *p; ++p)
        e.push_back(*p == '1');
    return e;
}

} // namespace vora::nist
