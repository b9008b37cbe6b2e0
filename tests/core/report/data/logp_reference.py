#!/usr/bin/env python3
# Writes logp_reference.txt: log10 of p values far below the smallest double, computed with
# mpmath at 60 significant digits, for tests/report/tst_logp.cpp. Run once; the output is kept
# in the repository:  python3 logp_reference.py > logp_reference.txt
import mpmath
from mpmath import mp, mpf, binomial, erfc, log10, sqrt, loggamma, exp, log

mp.dps = 60


def binomial_two_tailed(k, n):
    # 2 * P(X <= m) at rate 1/2, m the smaller tail, summed from its largest term down.
    m = min(k, n - k)
    if 2 * m >= n:
        return mpf(0)
    log_top = loggamma(n + 1) - loggamma(m + 1) - loggamma(n - m + 1) - n * log(2)
    total = mpf(0)
    term = mpf(1)
    i = m
    while i >= 0:
        total += term
        if term < total * mpf(10) ** -40:
            break
        term *= mpf(i) / (n - i + 1)
        i -= 1
    return min(mpf(0), (log(2) + log_top + log(total)) / log(10))


def normal_two_tailed(z):
    return log10(erfc(abs(mpf(z)) / sqrt(2)))


def fisher_two_sided(a, b, c, d):
    # All tables with the margins of [[a, b], [c, d]] no more likely than it (up to a relative
    # 1e-7, as the program counts ties), each term from exact binomials.
    r1, r2, c1 = a + b, c + d, a + c
    n = r1 + r2
    lo, hi = max(0, c1 - r2), min(r1, c1)
    denom = binomial(n, c1)
    prob = lambda x: binomial(r1, x) * binomial(r2, c1 - x) / denom
    cut = prob(a) * (1 + mpf('1e-7'))
    p = mpf(0)
    for x in range(lo, hi + 1):
        q = prob(x)
        if q <= cut:
            p += q
    return min(mpf(0), log10(p))


print("# kind arguments... log10(p); made by logp_reference.py with mpmath %s at %d digits" % (mpmath.__version__, mp.dps))
for k, n in [(0, 100), (5, 100), (30, 100), (60, 100), (1, 3), (50, 100), (0, 1000), (100, 1000), (300, 1000),
             (0, 10000), (3000, 10000), (7000, 10000), (4000, 10000), (6500, 10000),
             (49800000, 100000000), (50185000, 100000000), (45000000, 100000000), (1, 100000000)]:
    print("binomial %d %d %s" % (k, n, mp.nstr(binomial_two_tailed(k, n), 20)))
for z in ['0', '1', '2.5758', '-10', '37', '38.5', '-40', '100', '1000', '100000']:
    print("normal %s %s" % (z, mp.nstr(normal_two_tailed(z), 20)))
for t in [(59, 51, 49, 39), (10, 0, 0, 10), (500, 500, 500, 500), (0, 5, 5, 0), (300, 10, 10, 300),
          (3000, 100, 100, 3000), (5900, 100, 100, 3800), (2000, 500, 700, 1800)]:
    print("fisher %d %d %d %d %s" % (t + (mp.nstr(fisher_two_sided(*t), 20),)))
