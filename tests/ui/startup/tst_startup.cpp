#include "Fakes.h"
#include "ui/startup/Module1.h"
#include "ui/startup/frmSplash.h"

#include <QLabel>
#include <QtTest>

using namespace vora;
using namespace vora::testing;

class TestStartup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void splashShowsVersionAndStaysAtLeastItsTime();
    void windowsNeverExistAtOnce();
};

void TestStartup::splashShowsVersionAndStaysAtLeastItsTime()
{
    TestServices t;
    t.services.timing.splashMs = 150;
    Module1 module(t.services);
    bool splashSeen = false;
    QString versionText;
    qint64 loadedAfterMs = -1;
    int shownDuringSplash = 0;
    QObject::connect(&module, &Module1::splashShown, [&] { ++shownDuringSplash; });
    module.setMainWindowFactory([&](Module1 &m) {
        // The main window is loaded while the splash is still up.
        if (auto *s = qobject_cast<frmSplash *>(m.splashWindow())) {
            splashSeen = s->isVisible();
            versionText = s->findChild<QLabel *>(QStringLiteral("lblVersion"))->text();
        }
        loadedAfterMs = t.clock->monotonicMs();
        auto *w = new QWidget();
        w->setObjectName(QStringLiteral("frmMain"));
        return w;
    });
    const qint64 before = t.clock->monotonicMs();
    module.start();
    // start() returns at once; the wait runs in the event loop.
    QCOMPARE(module.startPhase(), Module1::StartPhase::Splash);
    QCOMPARE(shownDuringSplash, 1);
    QVERIFY(module.splashWindow() && module.splashWindow()->isVisible());
    QVERIFY(!module.mainWindow());
    QTRY_VERIFY(module.mainWindow());
    QCOMPARE(module.startPhase(), Module1::StartPhase::Running);
    QVERIFY(splashSeen);
    QVERIFY(QRegularExpression(QStringLiteral("^Version \\d+\\.\\d+\\.\\d+$")).match(versionText).hasMatch());
    QVERIFY(loadedAfterMs - before >= t.services.timing.splashMs);
    QVERIFY(module.lastSplashMs() >= t.services.timing.splashMs);
    QVERIFY(module.mainWindow()->isVisible());
    QVERIFY(!module.splashWindow());
    module.start(); // once only
    QCOMPARE(shownDuringSplash, 1);
}

void TestStartup::windowsNeverExistAtOnce()
{
    TestServices t;
    Module1 module(t.services);
    int mainLoads = 0;
    module.setMainWindowFactory([&](Module1 &) {
        ++mainLoads;
        return new QWidget();
    });
    module.setExperimentWindowFactory([&](Module1 &) { return new QWidget(); });
    module.showMainWindow();
    QPointer<QWidget> main = module.mainWindow();
    module.showExperimentWindow();
    QVERIFY(!module.mainWindow());
    QVERIFY(main.isNull() || !main->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(main.isNull());
    QPointer<QWidget> experiment = module.experimentWindow();
    module.showMainWindow();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(experiment.isNull());
    QCOMPARE(mainLoads, 2); // built afresh, so its load runs again
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
