#pragma once
// Judging runs: significance levels, the segment-profile classification and their texts.
#include "core/registry/RecordFormat.h"

#include <QString>
#include <array>

namespace vora {

enum class Profile { P, D, S, N };
QChar profileLetter(Profile p);

struct Analysis {
    bool significant = false; // hits >= 63 or <= 37 (and hits != 0)
    QString significanceText; // the 1 % sentence or empty
    QString analysisText; // significanceText + CR LF + profile sentence + CR LF (or empty)
    Profile profile = Profile::N;
    double declineScore = 0.0;
};

// The analysis routine, for one run (integers) or the mean profile of all runs (fractions).
Analysis analyse(double hits, const std::array<double, 5> &segments);
Profile classifyProfile(const std::array<double, 5> &segments, double *declineScore = nullptr);

// Level of a single run's hit count: +1..+4 for 63/64/65/66+, -1..-4 for 37/36/35/34-, 0 chance.
int significanceLevel(int hits);
QString singleRunLevelSentence(int hits); // "　1000回(以上)に1回しか…" or empty
QString allRunLevelPhrase(int level); // level as above

// Label15 in the single-run display: "◆一致数=63　◆刺激＝34～40 (Tr1=52,In1=47)".
QString singleRunLine(int hits, bool withStimulus, int stimulusTrial, int stimulusSpan, int targetOnes, int inputOnes);
// Label15's tooltip when the experiment has a stimulus.
QString singleRunLineTooltip();
// Label29 caption for a run at the 1 % level.
QString congratulationText(int hits);
// Picture5 beside the panel: the 370 and 1000 levels (65 or more, 35 or fewer).
bool showsCongratulationPicture(int hits);

// Exact two-tailed binomial p-value of k successes in n trials with p = 0.5:
// 2 P(X <= min(k, n - k)), at most 1. Below the smallest double it is 0; report it through
// stats::log10BinomialTwoTailedP then.
double binomialTwoTailedP(qint64 k, qint64 n);

} // namespace vora
