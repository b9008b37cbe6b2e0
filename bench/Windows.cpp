// Figures taken through the real windows, offscreen, with fake dialogs, sound, shell and
// network but the program's own timings and the system clock. They run in a child copy of
// vora-bench so that its peak resident memory is that of one scripted session only.
#include "BenchSupport.h"
#include "ui/toolkit/DesktopServices.h"

#include "core/registry/DataFile.h"
#include "core/toolkit/Clock.h"
#include "core/toolkit/Random.h"
#include "ui/mainwindow/Windows.h"
#include "ui/run/toushiJikken.h"
#include "ui/startup/Module1.h"
#include "ui/toolkit/Style.h"

#include "Fakes.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTcpServer>
#include <QTest>
#include <QTimer>
#include <functional>

#include <sys/resource.h>

namespace vorabench {

namespace {

const QString kSessionFlag = QStringLiteral("--window-session");

double cpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

double peakResidentMb()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss / 1024.0; // kilobytes on Linux
}

// Notes the moments the feedback appears and the hiding square comes back.
class FeedbackWatch : public QObject {
public:
    QElapsedTimer clock;
    qint64 feedbackNs = -1; // Label4 painted with the typed digit
    qint64 coverNs = -1; // Label36 shown again: the hold is over
    std::function<void()> onCover;

    void arm()
    {
        feedbackNs = -1;
        coverNs = -1;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QString name = watched->objectName();
        if (event->type() == QEvent::Paint && name == QLatin1String("Label4") && feedbackNs < 0) {
            const QString text = static_cast<QLabel *>(watched)->text();
            if (text == QLatin1String("1") || text == QLatin1String("0"))
                feedbackNs = clock.nsecsElapsed();
        } else if (event->type() == QEvent::Show && name == QLatin1String("Label36") && feedbackNs >= 0
                   && coverNs < 0) {
            coverNs = clock.nsecsElapsed();
            if (onCover)
                onCover();
        }
        return false;
    }
};

// Lets the program's own event loop run for `ms`, as it does while the subject thinks: no
// polling of ours that could delay its timers or cost CPU.
void idle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

bool waitFor(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > timeoutMs)
            return false;
        QTest::qWait(10);
    }
    return true;
}

// From start() to the main window shown, in ms (the splash wait included).
double startupMs(vora::Module1 &module)
{
    QElapsedTimer timer;
    double shownMs = -1;
    const QMetaObject::Connection c = QObject::connect(&module, &vora::Module1::mainWindowShown, &module,
                                                       [&](QWidget *) { shownMs = timer.nsecsElapsed() / 1e6; });
    timer.start();
    module.start();
    waitFor([&] { return shownMs >= 0; }, 60000);
    QObject::disconnect(c);
    return shownMs;
}

void chooseExperiment(vora::Module1 &module, const QString &name, bool resultsOnly)
{
    vora::SharedState &s = module.state();
    s.experimentName = name;
    s.stimulus = vora::Stimulus::None;
    s.hitDisplay = vora::HitDisplay::Hidden;
    s.withStimulus = false;
    s.stimulusFile = false;
    s.launchedFromMain = true;
    if (resultsOnly)
        s.showOverview();
    else
        s.showRunView();
}

QJsonObject session()
{
    QJsonObject out;
    vora::testing::TestServices ts;
    ts.copyAssets();
    // The program's own timings and clock; targets from the production generator.
    ts.services.timing = vora::Timing();
    ts.services.clock = std::make_shared<vora::SystemClock>();
    ts.services.random = std::make_shared<vora::SystemRandom>();
    const vora::Timing timing = ts.services.timing;

    vora::fonts::install();
    vora::Module1 module(ts.services);
    vora::registerWindows(module);

    // Start-up: everything beyond the splash wait, with every fetch failing at once.
    QElapsedTimer timer;
    const double startMs = startupMs(module);
    out.insert(QStringLiteral("startup_beyond_splash_ms"), rounded(startMs - timing.splashMs, 1));
    out.insert(QStringLiteral("startup_fetch_attempts"), int(ts.network->requests.size()));
    if (!module.mainWindow()) {
        out.insert(QStringLiteral("error"), QStringLiteral("no main window after start-up"));
        return out;
    }
    {
        // Again with the real network and a server that accepts and never answers.
        QTcpServer silent;
        silent.listen(QHostAddress::LocalHost, 0);
        vora::testing::TestServices quiet;
        quiet.copyAssets();
        quiet.services.timing = vora::Timing();
        quiet.services.clock = std::make_shared<vora::SystemClock>();
        quiet.services.network = std::make_shared<vora::QtNetwork>();
        quiet.writeLines(QStringLiteral("update-site.txt"),
                         {QStringLiteral("http://127.0.0.1:%1/esp/").arg(silent.serverPort())});
        vora::Module1 second(quiet.services);
        vora::registerWindows(second);
        const double silentMs = startupMs(second);
        out.insert(QStringLiteral("startup_beyond_splash_silent_server_ms"),
                   second.mainWindow() ? QJsonValue(rounded(silentMs - timing.splashMs, 1))
                                       : QJsonValue(notMeasured(QStringLiteral("no main window after start-up"))));
        second.unloadMainWindow();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A run of 100 trials through the real experiment window.
    chooseExperiment(module, QStringLiteral("Bench"), false);
    QPointer<vora::toushiJikken> w = qobject_cast<vora::toushiJikken *>(module.showExperimentWindow());
    if (!w) {
        out.insert(QStringLiteral("error"), QStringLiteral("the experiment window did not open"));
        return out;
    }
    QTest::mouseClick(vora::testing::control<QPushButton>(w, "Command4"), Qt::LeftButton);
    if (!waitFor([&] { return w && w->engine().hasTarget(); }, 20000)) {
        out.insert(QStringLiteral("error"), QStringLiteral("the run did not start within 20 s"));
        return out;
    }
    FeedbackWatch watch;
    watch.clock.start();
    vora::testing::control<QLabel>(w, "Label4")->installEventFilter(&watch);
    vora::testing::control<QLabel>(w, "Label36")->installEventFilter(&watch);

    std::vector<double> holdErrorMs;
    std::vector<double> keyToFeedbackUs;
    double idleCpuPercent = -1;
    int trialsDone = 0;
    for (int trial = 1; trial <= 100 && w; ++trial) {
        if (trial == 51) {
            // Mid-run, waiting for a key: what the process costs while the subject thinks.
            const double cpu0 = cpuSeconds();
            QElapsedTimer wall;
            wall.start();
            idle(10000);
            idleCpuPercent = (cpuSeconds() - cpu0) / (wall.nsecsElapsed() / 1e9) * 100.0;
        }
        if (!w)
            break;
        watch.arm();
        const qint64 sent = watch.clock.nsecsElapsed();
        QTest::keyClick(vora::testing::control<QLineEdit>(w, "Text1"), trial % 3 ? '1' : '0');
        if (w && watch.coverNs < 0) {
            // The hold runs on the program's timer; wait for its end in the event loop.
            QEventLoop loop;
            watch.onCover = [&loop] { loop.quit(); };
            QTimer::singleShot(5000, &loop, &QEventLoop::quit);
            loop.exec();
            watch.onCover = nullptr;
        }
        if (watch.feedbackNs >= 0)
            keyToFeedbackUs.push_back((watch.feedbackNs - sent) / 1e3);
        if (watch.feedbackNs >= 0 && watch.coverNs >= 0)
            holdErrorMs.push_back((watch.coverNs - watch.feedbackNs) / 1e6 - timing.feedbackHoldMs);
        ++trialsDone;
        idle(150); // the square shrinks, as between a subject's keys
    }
    out.insert(QStringLiteral("trials"), trialsDone);
    if (holdErrorMs.empty()) {
        out.insert(QStringLiteral("feedback_hold_error_ms"),
                   notMeasured(QStringLiteral("no feedback was seen on Label4 followed by Label36 shown again")));
    } else {
        out.insert(QStringLiteral("feedback_hold_error_ms"),
                   QJsonObject{{QStringLiteral("median"), rounded(median(holdErrorMs), 3)},
                               {QStringLiteral("p99"), rounded(percentile(holdErrorMs, 0.99), 3)},
                               {QStringLiteral("max"), rounded(percentile(holdErrorMs, 1.0), 3)},
                               {QStringLiteral("hold_ms"), timing.feedbackHoldMs},
                               {QStringLiteral("samples"), int(holdErrorMs.size())}});
    }
    if (keyToFeedbackUs.empty()) {
        out.insert(QStringLiteral("key_to_feedback_us"), notMeasured(QStringLiteral("no feedback was painted")));
    } else {
        out.insert(QStringLiteral("key_to_feedback_us"),
                   QJsonObject{{QStringLiteral("p50"), rounded(percentile(keyToFeedbackUs, 0.5), 1)},
                               {QStringLiteral("p99"), rounded(percentile(keyToFeedbackUs, 0.99), 1)},
                               {QStringLiteral("samples"), int(keyToFeedbackUs.size())}});
    }
    out.insert(QStringLiteral("idle_cpu_percent_of_one_core"),
               idleCpuPercent >= 0 ? QJsonValue(rounded(idleCpuPercent, 2))
                                   : QJsonValue(notMeasured(QStringLiteral("the run ended before trial 51"))));
    QTest::qWait(500);

    // The results view of a 100-run file: load, summary and every chart drawn offscreen.
    const QString data = vora::dataFilePath(ts.services.paths, QStringLiteral("Chart"), QStringLiteral("0"));
    if (!ts.files->replaceAll(data, hundredRunLines(QStringLiteral("Chart"), 100, false)).ok) {
        out.insert(QStringLiteral("results_display_ms"), notMeasured(QStringLiteral("could not write the data file")));
    } else {
        std::vector<double> ms;
        int charts = 0;
        for (int i = 0; i < 8; ++i) {
            chooseExperiment(module, QStringLiteral("Chart"), true);
            timer.start();
            QWidget *window = module.showExperimentWindow();
            if (!window)
                break;
            const QPixmap shot = window->grab(); // paints the window and every chart in it
            const double elapsed = timer.nsecsElapsed() / 1e6;
            if (i > 0) // the first opening loads fonts and pictures once
                ms.push_back(elapsed);
            charts = 0;
            for (const char *box : {"Picture1", "Picture2", "Picture4"}) {
                auto *chart = window->findChild<QWidget *>(QLatin1String(box));
                charts += chart && chart->isVisible();
            }
            module.unloadExperimentWindow();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            Q_UNUSED(shot);
        }
        if (ms.empty())
            out.insert(QStringLiteral("results_display_ms"),
                       notMeasured(QStringLiteral("the results window did not open")));
        else
            out.insert(QStringLiteral("results_display_ms"),
                       QJsonObject{{QStringLiteral("median"), rounded(median(ms), 2)},
                                   {QStringLiteral("max"), rounded(percentile(ms, 1.0), 2)},
                                   {QStringLiteral("openings"), int(ms.size())},
                                   {QStringLiteral("charts_visible"), charts}});
    }

    // Back to the main window, as "最初に戻る" does, and the session is over.
    module.showMainWindow();
    QTest::qWait(200);
    out.insert(QStringLiteral("dialogs_answered"), int(ts.dialogs->records.size()));
    out.insert(QStringLiteral("session_peak_rss_mb"), rounded(peakResidentMb(), 1));
    return out;
}

} // namespace

bool isWindowSession(const QStringList &args)
{
    return args.contains(kSessionFlag);
}

int runWindowSession()
{
    const QByteArray json = QJsonDocument(session()).toJson(QJsonDocument::Compact);
    std::fwrite(json.constData(), 1, json.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
    return 0;
}

QJsonObject windowFigures()
{
    const QStringList keys{
        QStringLiteral("feedback_hold_error_ms"),       QStringLiteral("key_to_feedback_us"),
        QStringLiteral("idle_cpu_percent_of_one_core"), QStringLiteral("results_display_ms"),
        QStringLiteral("startup_beyond_splash_ms"),     QStringLiteral("startup_beyond_splash_silent_server_ms"),
        QStringLiteral("session_peak_rss_mb")};
    QProcess child;
    child.setProcessChannelMode(QProcess::SeparateChannels);
    child.start(QCoreApplication::applicationFilePath(), {kSessionFlag});
    const bool finished = child.waitForFinished(10 * 60 * 1000);
    if (!finished)
        child.kill();
    // The session prints one JSON line last; anything before it is diagnostics.
    QJsonObject figures;
    const QList<QByteArray> lines = child.readAllStandardOutput().split('\n');
    for (auto it = lines.crbegin(); it != lines.crend(); ++it) {
        if (it->trimmed().startsWith('{')) {
            figures = QJsonDocument::fromJson(it->trimmed()).object();
            break;
        }
    }
    QString reason;
    if (!finished)
        reason = QStringLiteral("the window session did not finish within 10 minutes");
    else if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        reason = QStringLiteral("the window session failed (exit %1): %2")
                     .arg(child.exitCode())
                     .arg(QString::fromLocal8Bit(child.readAllStandardError().right(300)));
    else if (figures.contains(QStringLiteral("error")))
        reason = figures.value(QStringLiteral("error")).toString();
    for (const QString &key : keys) {
        if (!figures.contains(key))
            figures.insert(key, notMeasured(reason.isEmpty() ? QStringLiteral("not reached") : reason));
    }
    return figures;
}

} // namespace vorabench
