#include "Fakes.h"
#include "startup/Module1.h"
#include "startup/SharedState.h"
#include "startup/frmSplash.h"

#include <QLabel>
#include <QtTest>

using namespace vora;
using namespace vora::testing;

Q_DECLARE_METATYPE(vora::LooseValue)

class TestStartup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void emptyFieldsCompareAsZeroAndEmptyText();
    void loosValuesHoldTextAndNumbers_data();
    void loosValuesHoldTextAndNumbers();
    void splashShowsVersionAndStaysAtLeastItsTime();
    void windowsNeverExistAtOnce();
};

void TestStartup::emptyFieldsCompareAsZeroAndEmptyText()
{
    SharedState s;
    QVERIFY(s.RunsDone == 0);
    QVERIFY(!(s.RunsDone > 0));
    QVERIFY(!(s.ShowConditions == 1));
    QVERIFY(s.ExperimentName == QString());
    QVERIFY(s.ConditionMemo == "");
    s.RunsDone = 3;
    QVERIFY(s.RunsDone > 0);
    s.RunsDone = 0;
    QVERIFY(s.RunsDone == 0);
}

void TestStartup::loosValuesHoldTextAndNumbers_data()
{
    QTest::addColumn<LooseValue>("value");
    QTest::addColumn<int>("asInt");
    QTest::addColumn<QString>("asText");
    QTest::newRow("empty") << LooseValue() << 0 << QString();
    QTest::newRow("number") << LooseValue(12) << 12 << QStringLiteral("12");
    QTest::newRow("numeric text") << LooseValue(QStringLiteral("1")) << 1 << QStringLiteral("1");
    QTest::newRow("code") << LooseValue(QStringLiteral("n")) << 0 << QStringLiteral("n");
}

void TestStartup::loosValuesHoldTextAndNumbers()
{
    QFETCH(LooseValue, value);
    QFETCH(int, asInt);
    QFETCH(QString, asText);
    QCOMPARE(value.toInt(), asInt);
    QCOMPARE(value.toText(), asText);
    QVERIFY(value == asText);
}

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
    module.setMainWindowFactory([&](Module1 &) { ++mainLoads; return new QWidget(); });
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
