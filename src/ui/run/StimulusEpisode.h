#pragma once
// The stimulus episode: a timer-driven animation that flashes the window and the
// instruction panel while the subject keeps answering; with the medium and large levels
// the window fills the screen, with the large level pictures and red shapes appear.
// It never re-enters the key handler: keys are handled by the window between flashes.
#include <QObject>
#include <QRect>
#include <QTimer>

class QColor;
class QPixmap;

namespace vora {

class Module1;
class RunFlow;
class TrialEngine;
struct LargeShapes;

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
    // An invalid panel colour leaves the instruction panel as it is.
    virtual void flashColours(const QColor &window, const QColor &panel) = 0;
    // A null picture shows an empty box.
    virtual void showPicture(const QPixmap &picture, const QPoint &at) = 0;
    virtual void hidePicture() = 0;
    virtual void setShapes(const LargeShapes &shapes) = 0;
};

class StimulusEpisode : public QObject {
    Q_OBJECT
public:
    StimulusEpisode(StimulusStage &stage, TrialEngine &engine, RunFlow &flow, Module1 &module,
                    QObject *parent = nullptr);

    // Right after the answer to trial NextStimulusTrial - 1.
    void start();
    // Restores the window; also used when the run closes while flashing.
    void finish();
    bool isActive() const { return m_active; }
    int flashes() const { return m_loopCounter; }
    // The screen rectangle the window was given (empty for the small level).
    QRect enlargedTo() const { return m_enlargedTo; }

Q_SIGNALS:
    void finished();

private:
    void onTimer();
    void flash();
    void largeLevelPicture();
    void largeLevelShapesAndFlash();
    void showColours();
    void scheduleNext(double seconds);

    StimulusStage &m_stage;
    TrialEngine &m_engine;
    RunFlow &m_flow;
    Module1 &m_module;
    QTimer m_timer;
    bool m_active = false;
    bool m_pictureOnShow = false;
    int m_loopCounter = 0;
    QRect m_enlargedTo;
};

} // namespace vora
