#include "core/run/StimulusEpisode.h"

#include "core/run/TrialEngine.h"
#include "core/toolkit/Timing.h"
#include "core/toolkit/Units.h"

#include <cmath>

namespace vora {

namespace {

constexpr qint64 kNsPerMs = 1000000;

// Waits are whole milliseconds, at least one.
qint64 afterMs(qint64 ms)
{
    return qMax<qint64>(1, ms) * kNsPerMs;
}

qint64 afterSeconds(double seconds)
{
    return afterMs(std::lround(seconds * 1000.0));
}

} // namespace

StimulusEpisode::StimulusEpisode(StimulusStage &stage, TrialEngine &engine, const Timing &timing)
    : m_stage(stage), m_engine(engine), m_timing(timing)
{
}

void StimulusEpisode::start(Stimulus level)
{
    if (m_active)
        return;
    m_active = true;
    m_level = level;
    m_loopCounter = 0;
    m_pictureOnShow = false;
    m_enlargedTo = m_stage.beginEpisode(level != Stimulus::Small);
    m_engine.reseedFromClock();
}

qint64 StimulusEpisode::step()
{
    if (!m_active)
        return -1;
    if (m_pictureOnShow) {
        m_pictureOnShow = false;
        return largeLevelShapesAndFlash();
    }
    return flash();
}

qint64 StimulusEpisode::flash()
{
    ++m_loopCounter;
    if (m_engine.episodeOver()) {
        finish();
        return -1;
    }
    m_engine.drawFlashRandoms();
    if (m_level == Stimulus::Small) {
        showColours();
        return afterSeconds(m_timing.flashSmallS);
    }
    if (m_level == Stimulus::Medium) {
        showColours();
        return afterSeconds(m_timing.flashMediumS);
    }
    // Each of these is a draw of its own: whether a picture comes, which, and where.
    if (m_engine.drawPlain() < 0.9)
        return largeLevelShapesAndFlash();
    const QString picture = stimulusPictureFor(m_engine.drawPlain());
    const QSize size = m_stage.stageSize();
    const double top = size.height() * 0.5 * m_engine.drawPlain();
    const double left = size.width() * 0.5 * m_engine.drawPlain();
    m_stage.showPicture(picture, QPoint(static_cast<int>(left), static_cast<int>(top)));
    m_pictureOnShow = true;
    return afterMs(m_timing.stimulusPictureMs);
}

qint64 StimulusEpisode::largeLevelShapesAndFlash()
{
    const auto &r = m_engine.vars().StimulusRandom;
    const QSize size = m_stage.stageSize();
    m_stage.setShapes(largeShapesFor(r[0], r[1], r[2], units::twips(size.width()), units::twips(size.height())));
    m_stage.hidePicture();
    showColours();
    return afterSeconds(m_timing.flashLargeS);
}

void StimulusEpisode::showColours()
{
    m_stage.flashColours(flashColoursFor(m_engine.vars().StimulusRandom[0]));
}

void StimulusEpisode::finish()
{
    if (!m_active)
        return;
    m_active = false;
    m_pictureOnShow = false;
    m_stage.hidePicture();
    m_stage.endEpisode();
}

} // namespace vora
