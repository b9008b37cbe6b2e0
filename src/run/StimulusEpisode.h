#pragma once
// The stimulus episode: a timer-driven animation that flashes the window and the
// instruction panel while the subject keeps answering; with the medium and large levels
// the window fills the screen, with the large level pictures and red shapes appear.
// It never re-enters the key handler: keys are handled by the window between flashes.
#include <QObject>
#include <QRect>
#include <QTimer>

namespace vora {

class toushiJikken;

class StimulusEpisode : public QObject {
    Q_OBJECT
public:
    explicit StimulusEpisode(toushiJikken &window);

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

    toushiJikken &w;
    QTimer m_timer;
    bool m_active = false;
    bool m_pictureOnShow = false;
    int m_loopCounter = 0;
    QRect m_savedWindow;
    QRect m_savedFrame;
    int m_savedHowToLeft = 0;
    QRect m_enlargedTo;
};

} // namespace vora
