#pragma once
// The experiment window over fresh fakes with shrunk timings, and the helpers its tests share:
// waiting for the run to settle and scripted target patterns.
#include "Fakes.h"
#include "StoredRuns.h"
#include "core/registry/RunRecord.h"
#include "ui/run/toushiJikken.h"
#include "ui/startup/Module1.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>
#include <functional>
#include <memory>

namespace vora::testing {

// How long a test waits for the window to reach a state before it fails.
constexpr int kSettleMs = 10000;

// One experiment window over fresh fakes. The clock stands at 14:30:12 unless a test moves it
// (a clock text ending in "00" would make the generator repeat its previous number).
struct Rig {
    TestServices ts;
    std::unique_ptr<Module1> module;
    QPointer<toushiJikken> w;

    explicit Rig(const QString &stimulusCode = QStringLiteral("n"), const QString &hitDisplay = QStringLiteral("-"),
                 const std::function<void(Services &)> &adjust = {})
    {
        ts.clock->setTime(14, 30, 12);
        if (adjust)
            adjust(ts.services);
        module = std::make_unique<Module1>(ts.services);
        SharedState &s = module->state();
        const QString flag = stimulusCode == QLatin1String("n") ? QStringLiteral("0") : QStringLiteral("1");
        s.experimentName = QStringLiteral("Test1");
        s.stimulus = stimulusFromLetter(stimulusCode);
        s.hitDisplay = hitDisplayFromLetter(hitDisplay);
        s.withStimulus = flag == QLatin1String("1");
        s.stimulusFile = s.withStimulus;
        s.launchedFromMain = true;
    }
    ~Rig() { delete w.data(); }

    toushiJikken *open()
    {
        w = new toushiJikken(*module);
        w->show();
        return w;
    }
    RunFlow::Phase phase() const { return w->flow().phase(); }
    // 開始, and the countdown run through.
    void start()
    {
        QTest::mouseClick(vora::testing::control<QPushButton>(w, "Command4"), Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([this] { return phase() != RunFlow::Phase::Countdown; }, kSettleMs));
    }
    // One key, and its trial (if it is one) handled to the end.
    void key(char c)
    {
        QTest::keyClick(vora::testing::control<QLineEdit>(w, "Text1"), c);
        handled();
    }
    void keyCode(Qt::Key k)
    {
        QTest::keyClick(vora::testing::control<QLineEdit>(w, "Text1"), k);
        handled();
    }
    void handled()
    {
        QVERIFY(QTest::qWaitFor([this] { return !w->flow().busy(); }, kSettleMs));
    }
    void settleAfterRun()
    {
        QVERIFY(QTest::qWaitFor([this] { return phase() != RunFlow::Phase::Saving; }, kSettleMs));
    }
    RunVariables &v() { return w->runVariables(); }
    QString dataFile() const
    {
        return QStringLiteral("data/Test1-%1.txt").arg(stimulusFileSuffix(module->state().withStimulus));
    }
};

inline QList<double> drawsFor(const QString &targets)
{
    QList<double> d;
    for (QChar t : targets)
        d << (t == QLatin1Char('1') ? 0.9 : 0.1);
    return d;
}

inline QString pattern(int seed)
{
    QString s;
    quint32 x = seed;
    for (int i = 0; i < vora::kTrialsPerRun; ++i) {
        x = x * 1103515245u + 12345u;
        s += ((x >> 16) & 1) ? QLatin1Char('1') : QLatin1Char('0');
    }
    return s;
}

// A consistent stored run of experiment Test1 with these targets and inputs; `codes` are its
// stimulus and hit display letters.
inline QString runLineOf(const QString &targets, const QString &inputs, const QString &codes = QStringLiteral("n-"))
{
    return storedLine({QStringLiteral("Test1"), QStringLiteral("2009/04/25"), QStringLiteral("14:30"), codes.left(1),
                       codes.mid(1, 1), 0, QString()},
                      targets, inputs);
}

} // namespace vora::testing
