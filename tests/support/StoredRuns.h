#pragma once
// Consistent stored run lines for the tests, built through RunRecord so they have the stored
// layout; the hits and block counts always follow from the trials. (The registry tests build
// theirs column by column instead, to test the writer against them.)
#include "core/registry/RecordFormat.h"
#include "core/registry/RunRecord.h"

#include <QString>
#include <QVector>
#include <array>
#include <functional>

namespace vora::testing {

// The columns of a stored run other than its trials.
struct RunHead {
    QString name = QStringLiteral("Test");
    QString date = QStringLiteral("2009/04/25");
    QString time = QStringLiteral("14:30");
    QString stimulus = QStringLiteral("M");
    QString hitDisplay = QStringLiteral("D");
    int stimulusTrial = 34; // 0: none
    QString memo; // null: no run memo (an empty one is stored as a memo)
};

// The line of a run with these targets and inputs ("1"/"0" per trial).
inline QString storedLine(const RunHead &head, const QString &targets, const QString &inputs)
{
    RunRecord r;
    r.experimentName = head.name;
    r.date = head.date;
    r.startTime = head.time;
    r.stimulusCode = head.stimulus;
    r.hitDisplayCode = head.hitDisplay;
    r.targets = targets;
    r.inputs = inputs;
    for (int t = 0; t < kTrialsPerRun; ++t) {
        if (targets.at(t) == inputs.at(t)) {
            ++r.hits;
            ++r.segmentHits[t / kTrialsPerBlock];
        }
    }
    r.stimulusTrials[0] = head.stimulusTrial;
    r.hasMemo = !head.memo.isNull();
    r.memo = head.memo;
    return r.toLine();
}

// The line of a run whose trial t (from 0) has the target "1" when `one(t)`, and an input
// that matches it when `match(t)`.
inline QString storedLine(const RunHead &head, const std::function<bool(int)> &one,
                          const std::function<bool(int)> &match)
{
    QString targets, inputs;
    for (int t = 0; t < kTrialsPerRun; ++t) {
        targets += one(t) ? QLatin1Char('1') : QLatin1Char('0');
        inputs += one(t) == match(t) ? QLatin1Char('1') : QLatin1Char('0');
    }
    return storedLine(head, targets, inputs);
}

// Targets alternating "1", "0" from trial 1.
inline bool alternating(int t)
{
    return t % 2 == 0;
}

// The first segment[k] trials of block k are matches.
inline std::function<bool(int)> bySegment(const std::array<int, kBlocksPerRun> &segment)
{
    return [segment](int t) { return t % kTrialsPerBlock < segment[t / kTrialsPerBlock]; };
}

// A run of the experiment "Test" (medium stimulus); an empty memo is none.
inline RunHead testHead(int stimulusTrial, const QString &date, const QString &time, const QString &memo)
{
    RunHead head;
    head.date = date;
    head.time = time;
    head.stimulusTrial = stimulusTrial;
    head.memo = memo.isEmpty() ? QString() : memo;
    return head;
}

// match[i] for trial i + 1; targets alternate.
inline QString runLineFromMatches(const QVector<bool> &match, int stimulusTrial = 34,
                                  const QString &date = QStringLiteral("2009/04/25"),
                                  const QString &time = QStringLiteral("14:30"), const QString &memo = QString())
{
    return storedLine(testHead(stimulusTrial, date, time, memo), alternating,
                      [&match](int t) { return match.value(t); });
}

// Block k has segment[k] matches, its first trials.
inline QString runLine(const std::array<int, kBlocksPerRun> &segment, int stimulusTrial = 34,
                       const QString &date = QStringLiteral("2009/04/25"),
                       const QString &time = QStringLiteral("14:30"), const QString &memo = QString())
{
    return storedLine(testHead(stimulusTrial, date, time, memo), alternating, bySegment(segment));
}

// A run with `hits` matches spread from the first block on.
inline QString runLineWithHits(int hits, const QString &memo = QString())
{
    std::array<int, kBlocksPerRun> s{};
    for (int k = 0; k < kBlocksPerRun && hits > 0; ++k) {
        s[k] = std::min(kTrialsPerBlock, hits);
        hits -= s[k];
    }
    return runLine(s, 34, QStringLiteral("2009/04/25"), QStringLiteral("14:30"), memo);
}

} // namespace vora::testing
