#pragma once
// The results view inside the real experiment window, opened through the start module with
// fake services: one experiment "Test" with a stimulus, and helpers to find, click and hover
// the view's controls by name.
#include "Fakes.h"
#include "StoredRuns.h"
#include "ui/run/ExperimentWindow.h"
#include "ui/run/toushiJikken.h"
#include "ui/startup/Module1.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <functional>
#include <memory>

namespace vora::testing {

inline const QString kDataFile = QStringLiteral("data/Test-1.txt");

// One experiment "Test" with a stimulus, opened in the experiment window.
struct Bench {
    explicit Bench(const std::function<void(Services &)> &adjust = {})
    {
        ts.copyAssets();
        if (adjust)
            adjust(ts.services);
        module = std::make_unique<Module1>(ts.services);
        module->setExperimentWindowFactory(makeExperimentWindow);
        SharedState &s = module->state();
        s.experimentName = QStringLiteral("Test");
        s.withStimulus = true;
        s.stimulus = Stimulus::Medium;
        s.hitDisplay = HitDisplay::Shown;
        s.showConditions = false;
    }

    void writeRuns(const QList<int> &hits, const QMap<int, QString> &memos = {})
    {
        QStringList lines;
        for (int k = 0; k < hits.size(); ++k)
            lines << runLineWithHits(hits[k], memos.value(k + 1));
        ts.writeLines(kDataFile, lines);
    }

    // The overview (browsed 0, results only) or the display of a stored run.
    toushiJikken *open(int browsedRun)
    {
        SharedState &s = module->state();
        s.launchedFromMain = true;
        if (browsedRun > 0)
            s.browse(browsedRun);
        else
            s.showOverview();
        return current();
    }

    toushiJikken *current()
    {
        if (!module->experimentWindow())
            module->showExperimentWindow();
        // Windows unloaded meanwhile go now, so only the live one is found.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return qobject_cast<toushiJikken *>(module->experimentWindow());
    }

    int browsed() { return module->state().browsedRun; }
    int beeps() const { return ts.sound->beeps; }

    template <typename T = QWidget> T *find(const QString &name) { return current()->findChild<T *>(name); }
    QString text(const QString &label) { return find<QLabel>(label)->text(); }
    bool visible(const QString &name) { return !find(name)->isHidden(); }
    void click(const QString &button) { QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton); }
    // As the window system delivers a double click: press, release, double-click press, release.
    void doubleClick(const QString &button)
    {
        QWidget *w = find(button);
        QTest::mouseClick(w, Qt::LeftButton);
        QTest::mouseDClick(w, Qt::LeftButton);
        QTest::mouseRelease(w, Qt::LeftButton);
    }

    void hover(const QString &name)
    {
        QWidget *w = find(name);
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(w, &move);
    }

    TestServices ts;
    std::unique_ptr<Module1> module;
};

// Continuous display at its own pace, so no tick comes between the steps of a test.
inline void realContinuousTiming(Services &s)
{
    s.timing.continuousMs = 1000;
    s.timing.continuousFastMs = 300;
}

} // namespace vora::testing
