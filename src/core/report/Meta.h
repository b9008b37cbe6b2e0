#pragma once
// Study-level statistics over experiments (or sites): effect sizes of a hit rate against
// chance, and how far the experiments' rates differ by more than chance allows
// (heterogeneity). Effects are on Cohen's h scale, h = 2 asin(sqrt(rate)) - 2 asin(sqrt(0.5)),
// whose sampling variance is 1 / n for n trials whatever the rate: the arcsine transform
// makes experiments of every size comparable with plain inverse-variance weights n.
#include "core/report/Stats.h"

#include <QVector>

#include <cstdint>
#include <optional>

namespace vora::stats {

// Hits in trials, one experiment or site.
struct Count {
    std::int64_t hits = 0;
    std::int64_t trials = 0;
};

// Cohen's h of a hit rate against 0.5.
double cohensH(double rate);
// The hit rate whose Cohen's h against 0.5 is h (clamped to [-pi/2, pi/2]).
double rateOfCohensH(double h);

struct Heterogeneity {
    int k = 0; // experiments with trials
    double q = 0.0; // Cochran's Q = sum n_i (h_i - h_fixed)^2
    int df = 0; // k - 1
    double qP = 1.0; // upper tail of chi-square(df) at Q
    // I^2 = max(0, (Q - df) / Q), and its 95 % interval from Higgins & Thompson's (2002)
    // interval for H = sqrt(Q / df), through I^2 = (H^2 - 1) / H^2 cut at 0. No I^2 below two
    // experiments; no interval for two whose Q <= 2, where the method's standard error of ln H
    // is not defined.
    std::optional<double> i2;
    std::optional<Interval> i2ci95;
    double tau2 = 0.0; // DerSimonian-Laird between-experiment variance of h
    // Pooled h with inverse-variance weights: fixed (n_i) and random effects (1 / (1/n_i + tau^2)).
    double fixedH = 0.0;
    double fixedSe = 0.0;
    double randomH = 0.0;
    double randomSe = 0.0;
};

// Over the counts with trials; Q, I^2 and tau^2 need two of them (k = 1 gives Q = 0 and no I^2).
Heterogeneity heterogeneity(const QVector<Count> &counts);

} // namespace vora::stats
