#pragma once
// The run itself without any window: targets, answers, hits, the two strings, the block
// counts and the stimulus schedule. The experiment window only feeds keys in and shows
// what comes out, so everything here is deterministic given the clock and the random source.
#include "core/registry/RunRecord.h"

#include <QString>
#include <QtGlobal>
#include <array>

namespace vora {

class Clock;
class RandomSource;

// The run variables the results view reads after trial 100 (names as the program has
// always called them). All start at 0 / empty and go back there at the end of every
// results display.
struct RunVariables {
    int TrialNo = 0;
    QString CurrentTarget; // empty until the run start drew the first target
    QString CurrentInput;
    QString TargetString;
    QString InputString;
    int HitCount = 0;
    std::array<int, kBlocksPerRun> SegmentHits{};
    int TargetOnes = 0;
    int InputOnes = 0;
    int NextStimulusTrial = 0; // 0 = not drawn yet
    int StimulusGiven = 0;
    std::array<int, kBlocksPerRun> StimulusTrial{};
    int StimulusSpan = kStimulusSpan;
    std::array<double, 3> StimulusRandom{};
    QString RunStartTime; // "14:30" or " 9:05"
};

class TrialEngine {
public:
    static constexpr int kScheduleFirst = 30; // the schedule looks at trials 30..70 only
    static constexpr int kScheduleLast = 70;

    TrialEngine(Clock &clock, RandomSource &random);

    RunVariables &vars() { return m_v; }
    const RunVariables &vars() const { return m_v; }

    // Every run variable back to its start value.
    void reset();
    // Run start: the start time and the first target.
    void beginRun();
    bool hasTarget() const { return !m_v.CurrentTarget.isEmpty(); }
    bool complete() const { return m_v.TrialNo >= kTrialsPerRun; }

    // Reseeds from the clock text and draws the target of the trial now awaited.
    void drawNextTarget();

    struct Answer {
        bool hit = false;
        bool runComplete = false;
    };
    // Counts one accepted key ("1" or "0") against the pending target: trial number, hit,
    // the two strings. The pending target is used up; the next one must be drawn.
    Answer recordAnswer(QChar input);

    // The stimulus schedule after an answer (only for experiments with a stimulus).
    // True when the episode is to begin now, i.e. trial NextStimulusTrial - 1 was just
    // answered; StimulusTrial[0] then already holds NextStimulusTrial.
    bool runStimulusSchedule();
    // The episode lasts while trials N..N+6 are answered.
    bool episodeOver() const;

    // Block counts and the ones of both strings, once trial 100 is in.
    void closeRun();

    // The line for the data file.
    RunRecord record(const QString &experimentName, const QString &date, const QString &stimulusCode,
                     const QString &hitDisplayCode) const;

    // R1, R2, R3 for one flash of the episode, each drawn with the clock argument.
    void drawFlashRandoms();
    // Reseed from the clock (start of an episode).
    void reseedFromClock();
    // A plain draw (pictures and their positions in the large level).
    double drawPlain();

    static bool isTrialKey(QChar c) { return c == QLatin1Char('1') || c == QLatin1Char('0'); }
    // r > 0.5 gives "1"; 0.5 itself gives "0".
    static QString targetFor(double r);
    // The clock-text arguments of the program's draws.
    static double lastCharacterNumber(const QString &text);
    static double lastTwoCharactersNumber(const QString &text);

private:
    void drawStimulusTrial();

    Clock &m_clock;
    RandomSource &m_random;
    RunVariables m_v;
};

// ---- the stimulus episode's pictures and colours -------------------------------------------

// Colours as 0xAARRGGBB (QRgb's layout; QColor::fromRgb takes them).
struct FlashColours {
    quint32 window;
    bool panelChanges;
    quint32 panel;
};
// The colour pair of one flash, by R1.
FlashColours flashColoursFor(double u);

// "kage_hebi.jpg" ... "kage_ha.jpg" by the second draw of a picture pass.
QString stimulusPictureFor(double q);

// The shapes of one large-level flash, in twips of a window of the given size.
struct LargeShapes {
    int fillColourNumber = 0;
    int penWidthPx = 1;
    struct Circle {
        double cx, cy, radius;
        int colourNumber;
    };
    struct Box {
        double x1, y1, x2, y2;
        int colourNumber;
    };
    std::array<Circle, 3> circles{};
    std::array<Box, 3> boxes{};
};
LargeShapes largeShapesFor(double r1, double r2, double r3, double widthTw, double heightTw);

// ---- run start ---------------------------------------------------------------------------

// Font size of the shrinking countdown text at step k (1..60).
double countdownFontSize(int k);
// How long step k stays, before scaling: e^(k/18) x 10 ms.
double countdownStepMs(int k);

// ---- the hiding square -------------------------------------------------------------------

// One shrink tick of the hiding square: 85 % of its size, centred on the frame; full size
// again at ticks 30, 60 and 90. Returns the new square.
struct SquareRect {
    int left, top, width, height;
};
SquareRect shrinkSquare(const SquareRect &square, const SquareRect &frame, int tick);
// Above this many ticks without a key, the square gives way to the idle flicker.
constexpr int kShrinkTicksBeforeFlicker = 120;

} // namespace vora
