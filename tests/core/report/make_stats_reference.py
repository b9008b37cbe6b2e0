#!/usr/bin/python3
# Writes tests/report/data/stats-reference.txt: the statistics of the pooled analysis at 10^2
# to 10^8 trials, computed with mpmath at 50 significant digits from their definitions
# (binomial and hypergeometric terms summed one by one, erfc, log-gamma, roots found by
# Newton's method on those sums), by none of the methods the program uses.
#
# Run once, by hand, after a change of the cases below (Debian: apt-get install python3-mpmath):
#     tests/report/make_stats_reference.py > tests/report/data/stats-reference.txt
# It takes some minutes. The test reads the stored file; it never runs this script.
import sys

import mpmath as mp

mp.mp.dps = 50
TINY = mp.mpf(10) ** -60  # terms below this share of a sum do not change its 50 digits


def log_choose(n, k):
    return mp.loggamma(n + 1) - mp.loggamma(k + 1) - mp.loggamma(n - k + 1)


def binomial_term(n, j, x):
    """C(n, j) x^j (1 - x)^(n - j)."""
    if x == 0:
        return mp.mpf(1 if j == 0 else 0)
    if x == 1:
        return mp.mpf(1 if j == n else 0)
    return mp.exp(log_choose(n, j) + j * mp.log(x) + (n - j) * mp.log1p(-x))


def upper_sum(n, k, x):
    """P(X >= k), X ~ Binomial(n, x), term by term from k upwards."""
    if k <= 0:
        return mp.mpf(1)
    if k > n:
        return mp.mpf(0)
    t = binomial_term(n, k, x)
    s = mp.mpf(0)
    j = k
    ratio = x / (1 - x)
    while j <= n:
        s += t
        if t < s * TINY:
            break
        t = t * (n - j) / (j + 1) * ratio
        j += 1
    return s


def lower_sum(n, k, x):
    """P(X <= k), X ~ Binomial(n, x), term by term from k downwards."""
    if k < 0:
        return mp.mpf(0)
    if k >= n:
        return mp.mpf(1)
    t = binomial_term(n, k, x)
    s = mp.mpf(0)
    j = k
    ratio = (1 - x) / x
    while j >= 0:
        s += t
        if t < s * TINY:
            break
        t = t * j / (n - j + 1) * ratio
        j -= 1
    return s


def beta_log_density(a, b, x):
    return (a - 1) * mp.log(x) + (b - 1) * mp.log1p(-x) - (mp.loggamma(a) + mp.loggamma(b) - mp.loggamma(a + b))


def newton(f, df, x, lo, hi, tol=mp.mpf(10) ** -40):
    """Root of an increasing f in [lo, hi]: Newton's step, halving the bracket when it leaves it."""
    for _ in range(400):
        fx = f(x)
        if fx == 0:
            return x
        if fx < 0:
            lo = x
        else:
            hi = x
        d = df(x)
        nxt = x - fx / d if d > 0 else (lo + hi) / 2
        if not (lo < nxt < hi):
            nxt = (lo + hi) / 2
        if abs(nxt - x) <= tol * abs(x) or hi - lo <= tol * abs(x):
            return nxt
        x = nxt
    raise RuntimeError("no convergence")


# ---- the figures ----

def binomial_two_tailed(h, n):
    m = min(h, n - h)
    if 2 * m >= n:
        return mp.mpf(1)
    return min(mp.mpf(1), 2 * lower_sum(n, m, mp.mpf(1) / 2))


def z_score(h, n):
    return (2 * mp.mpf(h) - n) / mp.sqrt(n)


def normal_two_tailed(z):
    return mp.erfc(abs(z) / mp.sqrt(2))


def clopper_pearson(h, n, tail=mp.mpf("0.025")):
    # Lower limit: P(X >= h | x) = tail; upper limit: P(X <= h | x) = tail.
    sd = mp.sqrt(mp.mpf(max(h, 1)) * max(n - h, 1)) / mp.mpf(n) ** mp.mpf(1.5)
    if h == 0:
        lo = mp.mpf(0)
    else:
        # d/dx P(X >= h | x) is the Beta(h, n - h + 1) density.
        start = max(mp.mpf(h) / n - 2 * sd, mp.mpf(h) / n / 4)
        lo = newton(lambda x: upper_sum(n, h, x) - tail,
                    lambda x: mp.exp(beta_log_density(h, n - h + 1, x)),
                    start, mp.mpf(0), mp.mpf(h) / n)
    if h == n:
        hi = mp.mpf(1)
    else:
        # P(X <= h | x) falls with x; its derivative is minus the Beta(h + 1, n - h) density.
        start = min(mp.mpf(h) / n + 2 * sd, 1 - (1 - mp.mpf(h) / n) / 4)
        hi = newton(lambda x: tail - lower_sum(n, h, x),
                    lambda x: mp.exp(beta_log_density(h + 1, n - h, x)),
                    start, mp.mpf(h) / n, mp.mpf(1))
    return lo, hi


def log_beta(a, b):
    return mp.loggamma(a) + mp.loggamma(b) - mp.loggamma(a + b)


def log10_bayes_factor(h, m, a, b):
    return (log_beta(h + a, m + b) - log_beta(a, b) + (h + m) * mp.log(2)) / mp.log(10)


def hdi(h, n, mass=mp.mpf("0.9")):
    """Shortest interval holding `mass` of Beta(h + 1, n - h + 1)."""
    a, b = mp.mpf(h + 1), mp.mpf(n - h + 1)
    if h == 0:  # I_x(1, b) = 1 - (1 - x)^b
        return mp.mpf(0), 1 - (1 - mass) ** (1 / b)
    if h == n:  # I_x(a, 1) = x^a
        return (1 - mass) ** (1 / a), mp.mpf(1)
    mode = (a - 1) / (a + b - 2)

    def dlog(x):  # derivative of the log density
        return (a - 1) / x - (b - 1) / (1 - x)

    def partner(lo):
        # The x above the mode with the density of `lo`.
        target = (a - 1) * mp.log(lo) + (b - 1) * mp.log1p(-lo)
        g = lambda x: target - ((a - 1) * mp.log(x) + (b - 1) * mp.log1p(-x))  # rises above the mode
        return newton(g, lambda x: -dlog(x), min(2 * mode - lo, (1 + mode) / 2), mode, mp.mpf(1))

    # I_x(a, b) = P(Binomial(a + b - 1, x) >= a)
    N = h + (n - h) + 1

    def outside(lo):
        hi = partner(lo)
        return upper_sum(N, h + 1, lo) + lower_sum(N, h, hi), hi

    def g(lo):
        return outside(lo)[0] - (1 - mass)

    def dg(lo):
        hi = partner(lo)
        f = mp.exp(beta_log_density(a, b, lo))
        return f * (1 - dlog(lo) / dlog(hi))

    sd = mp.sqrt(a * b / ((a + b) ** 2 * (a + b + 1)))
    start = max(mode - mp.mpf("1.6449") * sd, mode / 4)
    lo = newton(g, dg, start, mp.mpf(0), mode)
    return lo, partner(lo)


def fisher_two_sided(a, b, c, d):
    r1, r2, c1 = a + b, c + d, a + c
    n = r1 + r2
    lo_x, hi_x = max(0, c1 - r2), min(r1, c1)
    log_total = log_choose(n, c1)

    def log_p(x):
        return log_choose(r1, x) + log_choose(r2, c1 - x) - log_total

    cut = mp.exp(log_p(a)) * (1 + mp.mpf("1e-7"))
    mode = max(lo_x, min(hi_x, ((r1 + 1) * (c1 + 1)) // (n + 2)))
    p = mp.mpf(0)
    # Walk out from the mode on both sides with the ratio of neighbouring terms; they only
    # fall, and p holds at least the observed table, so a side ends far below the cut.
    for step in (1, -1):
        x = mode if step == 1 else mode - 1
        if x < lo_x:
            continue
        t = mp.exp(log_p(x))
        while lo_x <= x <= hi_x:
            if t <= cut:
                p += t
            if t < cut * TINY:
                break
            if step == 1:
                t = t * (r1 - x) * (c1 - x) / ((x + 1) * (r2 - c1 + x + 1))
            else:
                t = t * x * (r2 - c1 + x) / ((r1 - x + 1) * (c1 - x + 1))
            x += step
    return min(mp.mpf(1), p)


def monobit(n, ones):
    return mp.erfc(abs(2 * mp.mpf(ones) - n) / mp.sqrt(2 * mp.mpf(n)))


def runs_test(n, ones, runs):
    pi = mp.mpf(ones) / n
    if abs(pi - mp.mpf(1) / 2) >= 2 / mp.sqrt(n):
        return mp.mpf(0)
    return mp.erfc(abs(runs - 2 * n * pi * (1 - pi)) / (2 * mp.sqrt(2 * n) * pi * (1 - pi)))


# ---- the cases ----

def hit_counts(n):
    out = []
    half_sd = mp.sqrt(n) / 2
    for z in ("0.02", "-0.7", "1.96", "-3.1", "5.5", "-12", "38", "-60"):
        h = int(mp.nint(mp.mpf(n) / 2 + mp.mpf(z) * half_sd))
        if 0 <= h <= n:
            out.append(h)
    out += [0, 1, 30, n - 30, n - 1, n]
    seen = []
    for h in out:
        if h not in seen:
            seen.append(h)
    return seen


def g17(x):
    return mp.nstr(mp.mpf(x), 17, min_fixed=-4, max_fixed=4).replace("e+", "e")


def emit(*fields):
    print("\t".join(str(f) for f in fields))
    sys.stdout.flush()


SIZES = [10 ** e for e in range(2, 9)]

print("# Reference values for tests/report/tst_stats.cpp, written by tests/report/make_stats_reference.py")
print("# with mpmath %s at %d digits (Debian's python3-mpmath); see the script for how each is computed." % (mp.__version__, mp.mp.dps))
print("# Values are rounded to 17 significant digits. Lines: figure, its integer inputs, its values.")
print("#   binomialP H N P | log10BinomialP H N L | normalP H N Z P (z = (2H - N) / sqrt N)")
print("#   log10NormalP H N L | clopperPearson95 H N LO HI | log10BfUniform H N L | log10BfReplication H N L")
print("#   hdi90 H N LO HI | fisher A B C D P | monobit N ONES P | runs N ONES V P")
print("#   stouffer K RUNS1 HITS1 ... RUNSK HITSK Z P (100 trials a run)")

for n in SIZES:
    for h in hit_counts(n):
        p = binomial_two_tailed(h, n)
        if p >= mp.mpf("1e-300"):
            emit("binomialP", h, n, g17(p))
        emit("log10BinomialP", h, n, g17(mp.log10(p)))
        z = z_score(h, n)
        pz = normal_two_tailed(z)
        if pz >= mp.mpf("1e-300"):
            emit("normalP", h, n, g17(z), g17(pz))
        emit("log10NormalP", h, n, g17(mp.log10(pz)))
        lo, hi = clopper_pearson(h, n)
        emit("clopperPearson95", h, n, g17(lo), g17(hi))
        emit("log10BfUniform", h, n, g17(log10_bayes_factor(h, n - h, 1, 1)))
        emit("log10BfReplication", h, n, g17(log10_bayes_factor(h, n - h, 829, 733)))
        lo, hi = hdi(h, n)
        emit("hdi90", h, n, g17(lo), g17(hi))

# Trials 2-100 of each run split by the trial before: 99 pairs a run, hits after a hit and
# after a miss.
for n in SIZES:
    pairs = 99 * n // 100
    after_hit = pairs // 2 + pairs // 100
    after_miss = pairs - after_hit
    sd = mp.sqrt(pairs) / 2
    for shift in ("0.3", "2.8", "-9"):
        # The hit rate after a hit moves by `shift` standard deviations against after a miss.
        d = int(mp.nint(mp.mpf(shift) * sd / 2))
        a = after_hit // 2 + d
        c = after_miss // 2 - d
        if 0 <= a <= after_hit and 0 <= c <= after_miss:
            p = fisher_two_sided(a, after_hit - a, c, after_miss - c)
            if p >= mp.mpf("1e-300"):  # below, the double p is 0
                emit("fisher", a, after_hit - a, c, after_miss - c, g17(p))
    # Unequal margins: a third of the pairs in the first row, two fifths in the first column,
    # the first cell 2.2 standard deviations above independence.
    r1, c1 = pairs // 3, 2 * pairs // 5
    sd = mp.sqrt(mp.mpf(r1) * c1 * (pairs - r1) * (pairs - c1) / mp.mpf(pairs) ** 3)
    a = r1 * c1 // pairs + int(mp.nint(mp.mpf("2.2") * sd))
    b, c = r1 - a, c1 - a
    emit("fisher", a, b, c, pairs - a - b - c, g17(fisher_two_sided(a, b, c, pairs - a - b - c)))

for n in SIZES:
    sd = int(mp.nint(mp.sqrt(n) / 2))
    for ones in (n // 2 + sd // 3, n // 2 - 2 * sd):
        emit("monobit", n, ones, g17(monobit(n, ones)))
        expected_runs = 2 * ones * (n - ones) // n
        for runs in (expected_runs + int(mp.sqrt(n)) // 4, expected_runs - int(mp.sqrt(n))):
            emit("runs", n, ones, runs, g17(runs_test(n, ones, runs)))

for experiments in ([(1, 61), (1, 45)], [(3, 160), (7, 361)], [(100, 5120), (40, 1950), (0, 0)],
                    [(10000, 501000), (5000, 249000), (100, 5200)], [(1000000, 50003000), (2, 104)]):
    zs = [z_score(h, 100 * r) for r, h in experiments if r > 0]
    z = sum(zs) / mp.sqrt(len(zs))
    emit("stouffer", len(experiments), *[v for e in experiments for v in e], g17(z), g17(normal_two_tailed(z)))
