#include "run/StimulusEpisode.h"

#include "run/toushiJikken.h"
#include "startup/Module1.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <cmath>

namespace vora {

StimulusEpisode::StimulusEpisode(toushiJikken &window) : QObject(&window), w(window)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &StimulusEpisode::onTimer);
}

void StimulusEpisode::start()
{
    if (m_active)
        return;
    Module1 &m = w.module();
    const Stimulus stimulus = m.state().stimulus;
    m_active = true;
    m_loopCounter = 0;
    m_pictureOnShow = false;
    m_enlargedTo = QRect();

    w.setBackgroundPicture(QString());
    m_savedWindow = w.geometry();
    m_savedFrame = w.Label4->geometry();
    m_savedHowToLeft = w.Command1->x();
    w.Label31->setText(m.services().clock->dateText());

    if (stimulus != Stimulus::Small) {
        QScreen *screen = QGuiApplication::primaryScreen();
        const QRect full = screen ? screen->geometry() : w.geometry();
        m_enlargedTo = full;
        w.setGeometry(full);
        const int W = full.width();
        w.Label1->move(w.Label30->x() + w.Label30->width() + toushiJikken::px(200), w.Label1->y());
        w.Label2->move(W / 2 - w.Label2->width() / 2, w.Label2->y());
        QPalette pal = w.Label2->palette();
        pal.setColor(QPalette::Window, QColor(255, 0, 0));
        w.Label2->setPalette(pal);
        w.Command1->move(W / 2 + W / 6, w.Command1->y());
        w.Command5->move(W - w.Command5->width() - toushiJikken::px(400), w.Command5->y());
        w.Command12->move(w.Command5->x(), w.Command12->y());
        w.Label33->move(w.Command5->x() - w.Label33->width() - toushiJikken::px(200), w.Label33->y());
        w.Text1->move(w.Command1->x() + toushiJikken::px(10), w.Command1->y() + toushiJikken::px(10));
        w.Label31->move(w.Label1->x() + w.Label1->width() + toushiJikken::px(100), w.Label31->y());
        w.Label34->move(w.Label31->x() + toushiJikken::px(100), w.Label34->y());
    }
    w.engine().reseedFromClock();
    // The first flash comes once the window has handled what is pending.
    m_timer.start(0);
}

void StimulusEpisode::onTimer()
{
    RunFlow::Handler h(w.flow(), "stimulus flash");
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
    if (w.engine().episodeOver()) {
        finish();
        return;
    }
    w.engine().drawFlashRandoms();
    const Stimulus stimulus = w.module().state().stimulus;
    const Timing &t = w.module().services().timing;
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
    TrialEngine &e = w.engine();
    if (e.drawPlain() < 0.9)
        return;
    const QString file = stimulusPictureFor(e.drawPlain());
    QPixmap picture(w.module().services().paths.file(file));
    // A missing picture leaves the box empty for this flash.
    w.StimulusPicture->setPixmap(picture);
    w.StimulusPicture->resize(picture.isNull() ? QSize(0, 0) : picture.size());
    const double top = w.height() * 0.5 * e.drawPlain();
    const double left = w.width() * 0.5 * e.drawPlain();
    w.StimulusPicture->move(static_cast<int>(left), static_cast<int>(top));
    w.StimulusPicture->show();
    w.StimulusPicture->raise();
    m_pictureOnShow = true;
    m_timer.start(qMax(1, w.module().services().timing.stimulusPictureMs));
}

void StimulusEpisode::largeLevelShapesAndFlash()
{
    const auto &r = w.engine().vars().StimulusRandom;
    w.setStimulusShapes(largeShapesFor(r[0], r[1], r[2], toushiJikken::tw(w.width()), toushiJikken::tw(w.height())));
    w.StimulusPicture->clear();
    w.StimulusPicture->hide();
    showColours();
    scheduleNext(w.module().services().timing.flashLargeS);
}

void StimulusEpisode::showColours()
{
    const FlashColours c = flashColoursFor(w.engine().vars().StimulusRandom[0]);
    w.setBackColour(QColor::fromRgb(c.window));
    if (c.panelChanges) {
        QPalette pal = w.Label2->palette();
        pal.setColor(QPalette::Window, QColor::fromRgb(c.panel));
        w.Label2->setPalette(pal);
    }
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
    w.StimulusPicture->clear();
    w.StimulusPicture->hide();
    w.clearStimulusShapes();

    w.setGeometry(m_savedWindow);
    w.Label4->setGeometry(m_savedFrame);
    const QRect f = m_savedFrame;
    w.ProgressBar1->move(w.ProgressBar1->x(), f.y() + f.height());
    w.Label28->move(f.x() + toushiJikken::px(200), f.y() + toushiJikken::px(100));
    w.Label4->clear();
    w.Command1->move(m_savedHowToLeft, w.Command1->y());
    const int W = m_savedWindow.width();
    w.Command5->move(W - w.Command5->width() - toushiJikken::px(400), w.Command5->y());
    w.Command12->move(w.Command5->x(), w.Command12->y());
    w.Label33->move(w.Command5->x() - w.Label33->width() - toushiJikken::px(200), w.Label33->y());
    w.Text1->move(w.Command1->x() + toushiJikken::px(10), w.Command1->y() + toushiJikken::px(10));
    w.Label1->move(w.Label30->x() + w.Label30->width() + toushiJikken::px(200), w.Label1->y());
    w.setBackColour(QColor(255, 255, 255));

    w.Label2->resize(w.Label2->width(), toushiJikken::px(2400));
    QFont font = w.Label2->font();
    font.setPointSize(13);
    w.Label2->setFont(font);
    w.Label2->setText(w.shortInstructions());
    QPalette pal = w.Label2->palette();
    pal.setColor(QPalette::Window, QGuiApplication::palette().color(QPalette::Button));
    w.Label2->setPalette(pal);
    w.Label2->move((W - w.Label2->width()) / 2, w.Label2->y());

    w.Text1->setFocus();
    w.Label31->setText(w.module().services().clock->dateText());
    w.Label31->move(w.Label1->x() + w.Label1->width() + toushiJikken::px(100), w.Label31->y());
    w.Label34->move(w.Label31->x() + toushiJikken::px(100), w.Label34->y());
    w.setBackgroundPicture(w.module().state().BackgroundImagePath.toText());
    Q_EMIT finished();
}

} // namespace vora
