#!/usr/bin/env python3
"""Reference values for tests/core/study/tst_sequential: the exact operating characteristics
of small sequential plans, and single Bayes factors, computed from their definitions at 40
digits with mpmath (Debian's python3-mpmath), independently of the program:
BF10 = B(h+a, m+b) / B(a, b) * 2^n, and for the one-sided hypothesis times
P(p > 1/2 | Beta(h+a, m+b)) / P(p > 1/2 | Beta(a, b)), for whole a and b a binomial sum. The plans' stopping probabilities are
sums over every binomial path. Writes data/sequential-reference.txt; rerun only when the cases
change."""
import mpmath as mp

mp.mp.dps = 40

def mass_above_half(A, B):
    """P(p > 1/2) under Beta(A, B) for whole A, B: P(Binomial(A+B-1, 1/2) <= A-1), summed
    term by term (mpmath's betainc does not converge at these sizes)."""
    N = A + B - 1
    term = mp.mpf(2) ** (-N)  # C(N, 0) / 2^N
    total = mp.mpf(0)
    for k in range(A):
        total += term
        term = term * (N - k) / (k + 1)
    return total

def log10bf(h, n, a, b, one_sided):
    m = n - h
    v = mp.log10(mp.beta(h + a, m + b)) - mp.log10(mp.beta(a, b)) + n * mp.log10(2)
    if one_sided:
        post = mass_above_half(h + a, m + b)
        prior = mass_above_half(a, b)
        v += mp.log10(post) - mp.log10(prior)
    return v

def decide(plan, h, n):
    up, down = mp.log10(plan['h1']), mp.log10(plan['h0'])
    bfs = [log10bf(h, n, a, b, plan['one_sided']) for (a, b) in plan['deciding']]
    if all(x >= up for x in bfs):
        return 'h1'
    if all(x <= down for x in bfs):
        return 'h0'
    return 'max' if n >= plan['points'][-1] else None

def operating(plan, rate):
    rate = mp.mpf(rate)
    alive = {0: mp.mpf(1)}
    trials = 0
    out = {'h1': mp.mpf(0), 'h0': mp.mpf(0), 'max': mp.mpf(0), 'n': mp.mpf(0)}
    for point in plan['points']:
        step = point - trials
        pmf = [mp.binomial(step, k) * rate**k * (1 - rate)**(step - k) for k in range(step + 1)]
        nxt = {}
        for h, p in alive.items():
            for k, q in enumerate(pmf):
                nxt[h + k] = nxt.get(h + k, mp.mpf(0)) + p * q
        alive, trials = nxt, point
        for h in list(alive):
            d = decide(plan, h, trials)
            if d:
                out[d] += alive[h]
                out['n'] += alive[h] * trials
                del alive[h]
    return out

plans = {
    'two-sided-all': dict(points=[50, 100, 200], h1=3, h0=mp.mpf(1) / 3, one_sided=False, deciding=[(1, 1), (7, 7)]),
    'greater-one': dict(points=[40, 80, 160, 240], h1=6, h0=mp.mpf(1) / 6, one_sided=True, deciding=[(1, 1)]),
}
lines = ['# made by make_sequential_reference.py (mpmath, 40 digits); see its docstring',
         '# plan rate pH1 pH0 pMax expectedTrials']
for name, plan in plans.items():
    for rate in ('0.5', '0.6'):
        o = operating(plan, rate)
        lines.append('%s %s %s %s %s %s' % (name, rate, mp.nstr(o['h1'], 17), mp.nstr(o['h0'], 17),
                                            mp.nstr(o['max'], 17), mp.nstr(o['n'], 17)))
lines.append('# bf hypothesis a b hits trials log10BF10')
for one_sided in (False, True):
    for (a, b) in ((1, 1), (829, 733), (7, 7)):
        for (h, n) in ((52, 100), (5150, 10000), (49000, 100000), (75300, 150000)):
            lines.append('bf %s %s %s %d %d %s' % ('greater' if one_sided else 'two-sided', a, b, h, n,
                                                  mp.nstr(log10bf(h, n, a, b, one_sided), 17)))
open(__file__.rsplit('/', 1)[0] + '/data/sequential-reference.txt', 'w').write('\n'.join(lines) + '\n')
