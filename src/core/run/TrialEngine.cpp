#include "core/run/TrialEngine.h"

#include "core/toolkit/Clock.h"
#include "core/toolkit/Random.h"

#include <cmath>

namespace vora {

TrialEngine::TrialEngine(Clock &clock, RandomSource &random) : m_clock(clock), m_random(random)
{
}

void TrialEngine::reset()
{
    m_v = RunVariables();
}

void TrialEngine::beginRun()
{
    reset();
    drawNextTarget();
    m_v.RunStartTime = runStartTimeFromTimeText(m_clock.timeText());
}

double TrialEngine::lastCharacterNumber(const QString &text)
{
    return text.right(1).toDouble();
}

double TrialEngine::lastTwoCharactersNumber(const QString &text)
{
    // "52" -> 52, ".5" -> 0.5; anything unreadable counts as 0 (the generator repeats).
    bool ok = false;
    const double n = text.right(2).toDouble(&ok);
    return ok ? n : 0.0;
}

QString TrialEngine::targetFor(double r)
{
    return r > 0.5 ? QStringLiteral("1") : QStringLiteral("0");
}

void TrialEngine::reseedFromClock()
{
    m_random.reseed(lastCharacterNumber(m_clock.secondsText()));
}

void TrialEngine::drawNextTarget()
{
    reseedFromClock();
    double argument = lastTwoCharactersNumber(m_clock.secondsText());
    // A clock text ending in "00" would repeat the previous number and with it the previous
    // target; a target must never follow from an earlier one, so it always gets a fresh number.
    if (argument == 0.0)
        argument = 1.0;
    const double r = m_random.draw(argument);
    m_v.StimulusRandom[0] = r;
    m_v.CurrentTarget = targetFor(r);
}

TrialEngine::Answer TrialEngine::recordAnswer(QChar input)
{
    Answer a;
    m_v.CurrentInput = QString(input);
    ++m_v.TrialNo;
    a.hit = m_v.CurrentInput == m_v.CurrentTarget;
    if (a.hit)
        ++m_v.HitCount;
    m_v.TargetString += m_v.CurrentTarget;
    m_v.InputString += m_v.CurrentInput;
    // Used up: a later answer must never be compared with this target again.
    m_v.CurrentTarget.clear();
    a.runComplete = complete();
    return a;
}

void TrialEngine::drawStimulusTrial()
{
    // Whole part of 40 r + 30, kept only from 31 up, so it lies in 31..69. A clock text
    // ending in "0" would make the generator repeat the rejected number for ever, so every
    // further attempt asks for a fresh one.
    for (int attempt = 0; attempt < 1000; ++attempt) {
        reseedFromClock();
        double argument = lastCharacterNumber(m_clock.secondsText());
        if (attempt > 0 && argument == 0.0)
            argument = 1.0;
        const double r = m_random.draw(argument);
        const int n = static_cast<int>(std::floor(40.0 * r + 30.0));
        if (n >= 31 && n <= 69) {
            m_v.NextStimulusTrial = n;
            return;
        }
    }
    m_v.NextStimulusTrial = 31; // a source that never leaves 0..0.025 is broken; still give the episode
}

bool TrialEngine::runStimulusSchedule()
{
    const int t = m_v.TrialNo;
    if (t < kScheduleFirst || t > kScheduleLast)
        return false;
    if (m_v.StimulusGiven == 1)
        return false;
    if (m_v.NextStimulusTrial == 0)
        drawStimulusTrial();
    const int start = m_v.NextStimulusTrial;
    if (t < start - 1)
        return false;
    if (t > start - 1) {
        m_v.StimulusGiven = 1;
        return false;
    }
    m_v.StimulusSpan = kStimulusSpan;
    m_v.StimulusTrial[0] = start;
    return true;
}

bool TrialEngine::episodeOver() const
{
    return m_v.TrialNo >= m_v.NextStimulusTrial + m_v.StimulusSpan - 1;
}

void TrialEngine::closeRun()
{
    m_v.TargetOnes = 0;
    m_v.InputOnes = 0;
    m_v.SegmentHits = {};
    for (int b = 0; b < kBlocksPerRun; ++b) {
        for (int i = 0; i < kTrialsPerBlock; ++i) {
            const int p = b * kTrialsPerBlock + i;
            const QChar t = m_v.TargetString.at(p);
            const QChar in = m_v.InputString.at(p);
            if (t == QLatin1Char('1'))
                ++m_v.TargetOnes;
            if (in == QLatin1Char('1'))
                ++m_v.InputOnes;
            if (t == in)
                ++m_v.SegmentHits[b];
        }
    }
}

RunRecord TrialEngine::record(const QString &experimentName, const QString &date, const QString &stimulusCode,
                              const QString &hitDisplayCode) const
{
    RunRecord r;
    r.experimentName = experimentName;
    r.date = date;
    r.startTime = m_v.RunStartTime;
    r.stimulusCode = stimulusCode;
    r.hits = m_v.HitCount;
    r.hitDisplayCode = hitDisplayCode;
    r.segmentHits = m_v.SegmentHits;
    r.stimulusTrials = m_v.StimulusTrial;
    r.targets = m_v.TargetString;
    r.inputs = m_v.InputString;
    return r;
}

void TrialEngine::drawFlashRandoms()
{
    for (double &r : m_v.StimulusRandom)
        r = m_random.draw(lastTwoCharactersNumber(m_clock.secondsText()));
}

double TrialEngine::drawPlain()
{
    return m_random.draw(1.0);
}

namespace {
constexpr quint32 opaque(int r, int g, int b)
{
    return 0xFF000000u | (quint32(r) << 16) | (quint32(g) << 8) | quint32(b);
}
} // namespace

FlashColours flashColoursFor(double u)
{
    const quint32 red = opaque(255, 0, 0), blue = opaque(0, 0, 255);
    if (u < 0.2)
        return {red, true, blue};
    if (u < 0.4)
        return {blue, true, red};
    if (u < 0.5)
        return {opaque(0, 0, 0), true, red};
    if (u < 0.6)
        return {opaque(255, 255, 0), true, blue};
    if (u < 0.7)
        return {opaque(0, 255, 255), true, red};
    if (u < 0.8)
        return {opaque(0, 255, 0), true, red};
    if (u < 0.9)
        return {opaque(255, 0, 255), false, 0};
    return {opaque(255, 255, 255), false, 0};
}

QString stimulusPictureFor(double q)
{
    if (q < 0.2)
        return QStringLiteral("kage_hebi.jpg");
    if (q < 0.4)
        return QStringLiteral("kage_mukade.jpg");
    if (q < 0.5)
        return QStringLiteral("kage_kemushi.jpg");
    if (q < 0.6)
        return QStringLiteral("kage_ari.jpg");
    if (q < 0.7)
        return QStringLiteral("kage_goki.jpg");
    return QStringLiteral("kage_ha.jpg");
}

LargeShapes largeShapesFor(double r1, double r2, double r3, double widthTw, double heightTw)
{
    const auto nearest = [](double x) { return static_cast<int>(std::lround(x)); };
    const double rk[3] = {r1, r2, r3};
    LargeShapes s;
    s.fillColourNumber = nearest(256.0 * r1);
    // A width of 0 would draw nothing at all; the thinnest line is one pixel.
    s.penWidthPx = qMax(1, nearest(heightTw * r3 * 0.1));
    const double circleFactor[3] = {0.2, 0.4, 0.5};
    for (int i = 0; i < 3; ++i)
        s.circles[i] = {widthTw * r1, heightTw * r2, heightTw * r3 * circleFactor[i], nearest(256.0 * rk[i])};
    const double boxFactor[3] = {0.2, 0.4, 0.6};
    for (int i = 0; i < 3; ++i)
        s.boxes[i] = {widthTw * r1 * 0.1, heightTw * r2 * 0.1, widthTw * r2 * boxFactor[i],
                      heightTw * r3 * boxFactor[i], nearest(256.0 * rk[i])};
    return s;
}

double countdownFontSize(int k)
{
    return (61 - k) / 1.5;
}

double countdownStepMs(int k)
{
    return std::exp(k / 18.0) * 10.0;
}

SquareRect shrinkSquare(const SquareRect &square, const SquareRect &frame, int tick)
{
    SquareRect s = square;
    if (tick == 30 || tick == 60 || tick == 90) {
        s.width = frame.width;
        s.height = frame.height;
    } else {
        s.width = static_cast<int>(square.width * 0.85);
        s.height = static_cast<int>(square.height * 0.85);
    }
    s.width = qMin(s.width, frame.width);
    s.height = qMin(s.height, frame.height);
    s.top = frame.top + frame.height / 2 - s.height / 2;
    s.left = frame.left + frame.width / 2 - s.width / 2;
    return s;
}

} // namespace vora
