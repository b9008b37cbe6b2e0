#include "ui/run/StimulusEpisode.h"

#include "core/run/RunFlow.h"
#include "core/run/TrialEngine.h"
#include "core/toolkit/Units.h"
#include "ui/startup/Module1.h"

#include <QColor>
#include <QPixmap>
#include <cmath>

namespace vora {

StimulusEpisode::StimulusEpisode(StimulusStage &stage, TrialEngine &engine, RunFlow &flow, Module1 &module,
                                 QObject *parent)
    : QObject(parent), m_stage(stage), m_engine(engine), m_flow(flow), m_module(module)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &StimulusEpisode::onTimer);
}

void StimulusEpisode::start()
{
    if (m_active)
        return;
    m_active = true;
    m_loopCounter = 0;
    m_pictureOnShow = false;
    m_enlargedTo = m_stage.beginEpisode(m_module.state().stimulus != Stimulus::Small);
    m_engine.reseedFromClock();
    // The first flash comes once the window has handled what is pending.
    m_timer.start(0);
}

void StimulusEpisode::onTimer()
{
    RunFlow::Handler h(m_flow, "stimulus flash");
    if (!m_active)
        return;
    if (m_pictureOnShow) {
        m_pictureOnShow = false;
        largeLevelShapesAndFlash();
        return;
    }
    flash();
}

void StimulusEpisode::flash()
{
    ++m_loopCounter;
    if (m_engine.episodeOver()) {
        finish();
        return;
    }
    m_engine.drawFlashRandoms();
    const Stimulus stimulus = m_module.state().stimulus;
    const Timing &t = m_module.services().timing;
    if (stimulus == Stimulus::Small) {
        showColours();
        scheduleNext(t.flashSmallS);
    } else if (stimulus == Stimulus::Medium) {
        showColours();
        scheduleNext(t.flashMediumS);
    } else {
        largeLevelPicture();
        if (!m_pictureOnShow)
            largeLevelShapesAndFlash();
    }
}

void StimulusEpisode::largeLevelPicture()
{
    // Each of these is a draw of its own: whether a picture comes, which, and where.
    if (m_engine.drawPlain() < 0.9)
        return;
    // A missing picture leaves the box empty for this flash.
    const QPixmap picture(m_module.services().paths.file(stimulusPictureFor(m_engine.drawPlain())));
    const QSize size = m_stage.stageSize();
    const double top = size.height() * 0.5 * m_engine.drawPlain();
    const double left = size.width() * 0.5 * m_engine.drawPlain();
    m_stage.showPicture(picture, QPoint(static_cast<int>(left), static_cast<int>(top)));
    m_pictureOnShow = true;
    m_timer.start(qMax(1, m_module.services().timing.stimulusPictureMs));
}

void StimulusEpisode::largeLevelShapesAndFlash()
{
    const auto &r = m_engine.vars().StimulusRandom;
    const QSize size = m_stage.stageSize();
    m_stage.setShapes(largeShapesFor(r[0], r[1], r[2], units::twips(size.width()), units::twips(size.height())));
    m_stage.hidePicture();
    showColours();
    scheduleNext(m_module.services().timing.flashLargeS);
}

void StimulusEpisode::showColours()
{
    const FlashColours c = flashColoursFor(m_engine.vars().StimulusRandom[0]);
    m_stage.flashColours(QColor::fromRgb(c.window), c.panelChanges ? QColor::fromRgb(c.panel) : QColor());
}

void StimulusEpisode::scheduleNext(double seconds)
{
    m_timer.start(qMax(1, static_cast<int>(std::lround(seconds * 1000.0))));
}

void StimulusEpisode::finish()
{
    if (!m_active)
        return;
    m_active = false;
    m_pictureOnShow = false;
    m_timer.stop();
    m_stage.hidePicture();
    m_stage.endEpisode();
    Q_EMIT finished();
}

} // namespace vora
