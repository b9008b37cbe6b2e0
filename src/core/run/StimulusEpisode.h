#pragma once
// The stimulus episode: flashes of the window and the instruction panel while the subject keeps
// answering; with the medium and large levels the window fills the screen, with the large level
// pictures and red shapes appear. Its flashes are steps the run's state machine calls when
// their deadline is due: it never waits and never handles a key itself.
#include "core/registry/Conditions.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QtGlobal>

namespace vora {

class TrialEngine;
struct FlashColours;
struct LargeShapes;
struct Timing;

// What the episode asks of the window it flashes.
class StimulusStage {
public:
    virtual ~StimulusStage() = default;
    // Keeps the run's layout to come back to; with `fillScreen` the window takes the whole
    // screen. Returns the rectangle it was given (empty when it keeps its size).
    virtual QRect beginEpisode(bool fillScreen) = 0;
    // The run's layout, colours and instructions as they were before.
    virtual void endEpisode() = 0;
    virtual QSize stageSize() const = 0;
    virtual void flashColours(const FlashColours &colours) = 0;
    // `fileName` is one of the program's stimulus pictures; a missing one shows an empty box.
    virtual void showPicture(const QString &fileName, const QPoint &at) = 0;
    virtual void hidePicture() = 0;
    virtual void setShapes(const LargeShapes &shapes) = 0;
};

class StimulusEpisode {
public:
    StimulusEpisode(StimulusStage &stage, TrialEngine &engine, const Timing &timing);

    // Right after the answer to trial NextStimulusTrial - 1. The first step is due at once.
    void start(Stimulus level);
    // The step that is due: a flash, or the end once trial NextStimulusTrial + 6 is answered.
    // Returns the nanoseconds until the next step, or -1 when the episode is over.
    qint64 step();
    // Restores the window; also used when the run closes while flashing.
    void finish();

    bool isActive() const { return m_active; }
    int flashes() const { return m_loopCounter; }
    // The screen rectangle the window was given (empty for the small level).
    QRect enlargedTo() const { return m_enlargedTo; }

private:
    qint64 flash();
    qint64 largeLevelShapesAndFlash();
    void showColours();

    StimulusStage &m_stage;
    TrialEngine &m_engine;
    const Timing &m_timing;
    Stimulus m_level = Stimulus::None;
    bool m_active = false;
    bool m_pictureOnShow = false;
    int m_loopCounter = 0;
    QRect m_enlargedTo;
};

} // namespace vora
