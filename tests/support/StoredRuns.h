#pragma once
// Consistent run lines for the results tests, built through RunRecord so they have the
// stored layout: targets alternate 1/0, inputs copy the target where a trial is a match.
#include "core/registry/RunRecord.h"

#include <QString>
#include <QVector>
#include <array>

namespace vora::testing {

// match[i] for trial i + 1.
inline QString runLineFromMatches(const QVector<bool> &match, int stimulusTrial = 34,
                                  const QString &date = QStringLiteral("2009/04/25"),
                                  const QString &time = QStringLiteral("14:30"), const QString &memo = QString())
{
    RunRecord r;
    r.experimentName = QStringLiteral("Test");
    r.date = date;
    r.startTime = time;
    r.stimulusCode = QStringLiteral("M");
    r.hitDisplayCode = QStringLiteral("D");
    for (int i = 0; i < 100; ++i) {
        const QChar target = i % 2 == 0 ? QLatin1Char('1') : QLatin1Char('0');
        const QChar other = target == QLatin1Char('1') ? QLatin1Char('0') : QLatin1Char('1');
        r.targets += target;
        r.inputs += match.value(i) ? target : other;
        if (match.value(i)) {
            ++r.hits;
            ++r.segmentHits[i / 20];
        }
    }
    r.stimulusTrials[0] = stimulusTrial;
    r.hasMemo = !memo.isEmpty();
    r.memo = memo;
    return r.toLine();
}

// The first segment[k] trials of block k are matches.
inline QVector<bool> matchesBySegment(const std::array<int, 5> &segment)
{
    QVector<bool> m(100, false);
    for (int k = 0; k < 5; ++k) {
        for (int j = 0; j < segment[k]; ++j)
            m[20 * k + j] = true;
    }
    return m;
}

inline QString runLine(const std::array<int, 5> &segment, int stimulusTrial = 34,
                       const QString &date = QStringLiteral("2009/04/25"),
                       const QString &time = QStringLiteral("14:30"), const QString &memo = QString())
{
    return runLineFromMatches(matchesBySegment(segment), stimulusTrial, date, time, memo);
}

// A run with `hits` matches spread from the first block on.
inline QString runLineWithHits(int hits, const QString &memo = QString())
{
    std::array<int, 5> s{};
    for (int k = 0; k < 5 && hits > 0; ++k) {
        s[k] = std::min(20, hits);
        hits -= s[k];
    }
    return runLine(s, 34, QStringLiteral("2009/04/25"), QStringLiteral("14:30"), memo);
}

} // namespace vora::testing
