#include "ui/results/RunBrowser.h"

#include "core/toolkit/Units.h"
#include "ui/startup/Module1.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTimer>

namespace vora {

namespace {
// The texts of this file, under the translation context "vora::RunBrowser".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(vora::RunBrowser)
};
} // namespace

RunBrowser::RunBrowser(QWidget *window, View &view, Module1 &module) : QObject(window), m_view(view), m_module(module)
{
    const struct {
        const char *name;
        const char *caption;
        QString tip;
    } kinds[4] = {
        {"Command7", "<<", Texts::tr("クリックすると前のデータを連続表示。ダブルクリックで高速で連続表示")},
        {"Command8", "<", Texts::tr("クリックすると前のデータを表示")},
        {"Command9", ">", Texts::tr("クリックすると後のデータを表示")},
        {"Command10", ">>", Texts::tr("クリックすると後のデータを連続表示。ダブルクリックで高速で連続表示")},
    };
    for (int i = 0; i < 4; ++i) {
        auto *b = new QPushButton(QLatin1String(kinds[i].caption), window);
        b->setObjectName(QLatin1String(kinds[i].name));
        b->setToolTip(kinds[i].tip);
        b->setFocusPolicy(Qt::NoFocus);
        b->hide();
        m_buttons[i] = b;
    }
    connect(m_buttons[0], &QPushButton::clicked, this, [this] { continuous(-1); });
    connect(m_buttons[1], &QPushButton::clicked, this, [this] { previous(); });
    connect(m_buttons[2], &QPushButton::clicked, this, [this] { next(); });
    connect(m_buttons[3], &QPushButton::clicked, this, [this] { continuous(+1); });

    m_timer = new QTimer(window);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(module.services().timing.continuousMs);
    connect(m_timer, &QTimer::timeout, this, [this] { tick(); });
}

int RunBrowser::placeButtons(int left, int top, int width, int height)
{
    for (QPushButton *b : m_buttons) {
        b->setGeometry(units::px(left), units::px(top), units::px(width), units::px(height));
        b->show();
        left += width + 50;
    }
    return left;
}

void RunBrowser::hideButtons()
{
    for (QPushButton *b : m_buttons)
        b->hide();
}

void RunBrowser::onWindowLoad()
{
    const SharedState &s = m_module.state();
    if (s.continuousActive)
        m_timer->start();
    if (s.continuousIntervalMs > 0)
        m_timer->setInterval(s.continuousIntervalMs);
}

void RunBrowser::stop()
{
    SharedState &s = m_module.state();
    s.browseStep = 0;
    m_timer->stop();
    s.continuousActive = false;
}

void RunBrowser::stopTimer()
{
    m_timer->stop();
}

void RunBrowser::show(int run)
{
    m_module.state().browse(run);
    m_view.showBrowsedRun();
}

// The arrows' clamp: first the low limit, then the high one, each correction with a beep.
int RunBrowser::clamp(int b)
{
    Sound &sound = *m_module.services().sound;
    if (b < 1) {
        sound.beep();
        b = 1;
    }
    if (b > m_view.runCount()) {
        sound.beep();
        b = m_view.runCount();
    }
    return b;
}

void RunBrowser::previous()
{
    m_view.leaveShownRun();
    stop();
    int b = m_module.state().browsedRun;
    if (b <= 0)
        b = m_view.runCount() + 1;
    --b;
    show(clamp(b));
}

void RunBrowser::next()
{
    m_view.leaveShownRun();
    stop();
    int b = m_module.state().browsedRun;
    if (b <= 0)
        b = m_view.runsRead();
    ++b;
    show(clamp(b));
}

void RunBrowser::continuous(int step)
{
    SharedState &s = m_module.state();
    Services &sv = m_module.services();
    const Timing &t = sv.timing;
    m_view.leaveShownRun();

    const qint64 now = sv.clock->monotonicMs();
    if (!m_navClickAt)
        m_navClickAt = now;
    const qint64 since = now - *m_navClickAt;
    const int minimum = step < 0 ? t.navDoubleClickMinBackMs : t.navDoubleClickMinForwardMs;
    if (since > minimum && since < t.navDoubleClickMaxMs) {
        s.continuousIntervalMs = t.continuousFastMs;
        m_navClickAt.reset();
    } else {
        s.continuousIntervalMs = t.continuousMs;
    }
    if (s.continuousIntervalMs > 0)
        m_timer->setInterval(s.continuousIntervalMs);
    m_timer->start();
    s.continuousActive = true;

    const int runCount = m_view.runCount();
    int b = s.browsedRun;
    if (b <= 0)
        b = step < 0 ? runCount + 1 : m_view.runsRead();
    b += step;
    s.browseStep = step;
    // Reaching the end in the direction of travel beeps, as the timer does when it stops there.
    if (b <= 1) {
        sv.sound->beep();
        b = 1;
    }
    if (step > 0 ? b >= runCount : b > runCount) {
        sv.sound->beep();
        b = runCount;
    }
    show(b);
}

void RunBrowser::tick()
{
    SharedState &s = m_module.state();
    Sound &sound = *m_module.services().sound;
    m_navClickAt.reset();
    int b = s.browsedRun + s.browseStep;
    if (b <= 1) {
        sound.beep();
        b = 1;
        stop();
    }
    if (b >= m_view.runCount()) {
        sound.beep();
        b = m_view.runCount();
        stop();
    }
    s.browse(b);
    s.launchedFromMain = true;
    s.continuousActive = m_timer->isActive();
    m_view.showBrowsedRun();
}

} // namespace vora
