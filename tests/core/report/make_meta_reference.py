#!/usr/bin/python3
# Writes tests/core/report/data/meta-reference.txt: effect sizes (Cohen's h) and the
# heterogeneity of hit rates (Cochran's Q and its chi-square p, I^2 with the Higgins &
# Thompson 2002 interval, tau^2 by DerSimonian & Laird 1986, fixed and random-effects
# estimates of h), computed with mpmath at 40 significant digits from their definitions;
# the p of Q is the regularised upper incomplete gamma function.
#
# Run once, by hand, after a change of the cases below (Debian: apt-get install python3-mpmath):
#     tests/core/report/make_meta_reference.py > tests/core/report/data/meta-reference.txt
# The test reads the stored file; it never runs this script.
import mpmath as mp

mp.mp.dps = 40
Z975 = mp.sqrt(2) * mp.erfinv(mp.mpf("0.95"))

CASES = {
    "two": [(55, 100), (45, 100)],
    "five": [(520, 1000), (480, 1000), (5100, 10000), (260, 500), (130, 200)],
    "alike": [(5000, 10000), (5010, 10000), (4990, 10000)],
    "two-alike": [(50, 100), (51, 100)],
    "sites": [(50321, 100000), (49876, 100000), (25500, 50000), (10050, 20000)],
    "extremes": [(0, 100), (100, 100), (50, 100)],
    "one": [(60, 100)],
    "many": [(500 + (i * 37) % 41 - 20, 1000) for i in range(30)],
}


def h_of(hits, trials):
    return 2 * mp.asin(mp.sqrt(mp.mpf(hits) / trials)) - 2 * mp.asin(mp.sqrt(mp.mpf("0.5")))


def i2_of_h(big_h):
    return max(mp.mpf(0), (big_h ** 2 - 1) / big_h ** 2)


def fmt(x):
    return "nan" if x is None else mp.nstr(x, 20, strip_zeros=False, min_fixed=-5, max_fixed=5)


def case(name, counts):
    w = [mp.mpf(t) for _, t in counts]
    hs = [h_of(h, t) for h, t in counts]
    k = len(counts)
    sw = sum(w)
    fixed = sum(wi * hi for wi, hi in zip(w, hs)) / sw
    fixed_se = 1 / mp.sqrt(sw)
    q = sum(wi * (hi - fixed) ** 2 for wi, hi in zip(w, hs))
    df = k - 1
    qp = i2 = lo = hi = None
    tau2 = mp.mpf(0)
    rnd, rnd_se = fixed, fixed_se
    if k >= 2:
        qp = mp.gammainc(mp.mpf(df) / 2, q / 2, mp.inf, regularized=True)
        i2 = max(mp.mpf(0), (q - df) / q) if q > 0 else mp.mpf(0)
        se = None
        if q > k:
            se = (mp.log(q) - mp.log(k - 1)) / 2 / (mp.sqrt(2 * q) - mp.sqrt(2 * k - 3))
        elif k > 2:
            se = mp.sqrt(1 / (mp.mpf(2) * (k - 2)) * (1 - 1 / (3 * mp.mpf(k - 2) ** 2)))
        if se is not None:
            ln_h = mp.log(q / df) / 2
            lo = i2_of_h(max(mp.mpf(1), mp.exp(ln_h - Z975 * se)))
            hi = i2_of_h(max(mp.mpf(1), mp.exp(ln_h + Z975 * se)))
        tau2 = max(mp.mpf(0), (q - df) / (sw - sum(wi ** 2 for wi in w) / sw))
        r = [1 / (1 / wi + tau2) for wi in w]
        rnd = sum(ri * hi_ for ri, hi_ in zip(r, hs)) / sum(r)
        rnd_se = 1 / mp.sqrt(sum(r))
    counts_text = ",".join("%d/%d" % c for c in counts)
    print(" ".join([name, counts_text, str(k), fmt(q), str(df), fmt(qp), fmt(i2), fmt(lo), fmt(hi), fmt(tau2),
                    fmt(fixed), fmt(fixed_se), fmt(rnd), fmt(rnd_se)]))


print("# meta-reference: name counts k Q df pQ I2 I2lo I2hi tau2 fixedH fixedSe randomH randomSe (nan: none)")
for name, counts in CASES.items():
    case(name, counts)
print("# cohen: rate h")
for rate in ["0", "0.01", "0.25", "0.5", "0.53", "0.6", "0.99", "1"]:
    print("cohen", rate, fmt(h_of(mp.mpf(rate) * 10 ** 6, 10 ** 6)))
