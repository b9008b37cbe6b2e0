#pragma once
// A preregistered study's protocol: what is tested, how, and when the study stops, fixed in a
// file before the first run. The file is JSON in UTF-8 (fields in the README); its SHA-256 is
// what a registration records, so the protocol that is checked later is the same bytes.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

#include <cstdint>

namespace vora::study {

struct Prior {
    QString name; // "uniform", "replication", ...
    double a = 1.0; // Beta(a, b) over the hit rate
    double b = 1.0;
};

enum class Hypothesis {
    TwoSided, // the hit rate differs from 0.5
    Greater, // the hit rate is above 0.5: each prior is truncated to p > 0.5 and renormalised
};

// When the primary analysis stops: every prior's BF10 past the same threshold, or the one
// deciding prior's.
enum class StopRule { AllPriors, OnePrior };

struct Protocol {
    QString title;
    QStringList sites; // site names whose runs count; empty: every site
    QStringList experiments; // "SITE/EXPERIMENT" or "EXPERIMENT"; empty: every experiment
    Hypothesis hypothesis = Hypothesis::TwoSided;
    QVector<Prior> priors;
    StopRule rule = StopRule::AllPriors;
    QString decidingPrior; // OnePrior: its name
    QVector<std::int64_t> stoppingPoints; // trials, increasing; the last is maxTrials
    double thresholdH1 = 25.0; // stop for H1 when BF10 >= this
    double thresholdH0 = 1.0 / 25.0; // stop for H0 when BF10 <= this
    std::int64_t minTrials = 0;
    std::int64_t maxTrials = 0;
    bool blinding = true;
    double binomialAlpha = 0.0; // secondary: exact binomial test at this level; 0: none

    // The prior a one-prior rule decides by; null for the all-priors rule.
    const Prior *deciding() const;
};

struct ProtocolRead {
    bool ok = false;
    Protocol protocol;
    QStringList problems; // one line each, in the program's language, naming the field
    bool unreadable = false; // the file could not be read at all: `problems` holds the one cause
    QByteArray bytes; // the file as read
    QString sha256; // of `bytes`, 64 lower-case hex digits
};

// Reads and validates a protocol file (at most 1 MiB).
ProtocolRead readProtocol(const QString &path);
// The same for bytes already read.
ProtocolRead parseProtocol(const QByteArray &bytes);

QString hypothesisName(Hypothesis h); // "two-sided", "greater"

} // namespace vora::study
