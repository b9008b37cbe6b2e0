#include "ui/results/ShownRuns.h"

#include "core/registry/DataFile.h"
#include "core/registry/RunRecord.h"
#include "core/startup/SharedState.h"
#include "core/toolkit/Services.h"

#include <QCoreApplication>
#include <QWidget>

namespace vora {

namespace {
// The texts of the results view, under its translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(vora::ResultsDisplay)
};
} // namespace

void ShownRuns::load(QWidget *parent, Services &services, SharedState &state)
{
    const int browsed = state.browsedRun;
    const QString path = dataFilePath(services.paths, state.experimentName, stimulusFileSuffix(state.withStimulus));
    const ReadResult read = services.files->readLines(path);
    if (!read.ok && !read.missing) {
        // Shown once per cause: continuous display would otherwise repeat it every tick.
        if (read.message != m_lastReadError)
            services.dialogs->tell(
                parent, Texts::tr("データファイルを読めないため、結果を表示できません。") + CRLF + CRLF + read.message,
                MsgIcon::Exclamation);
        m_lastReadError = read.message;
    } else {
        m_lastReadError.clear();
    }
    const QStringList lines = read.ok ? read.lines : QStringList();
    // RunCount is the experiment's run count even when the window was opened afresh on a
    // browsed run, so the arrows can go on past it.
    const RunSet all = loadRunsFromLines(lines, 0, m_runCount);
    m_runCount = qMax(m_runCount, all.runsRead);
    m_runs = browsed > 0 ? loadRunsFromLines(lines, browsed, m_runCount) : all;
    m_loaded = true;

    if (m_runs.hasConditionMemo)
        state.conditionMemo = m_runs.conditionMemo;
    if (!m_runs.stimulusCode.isEmpty()) {
        state.stimulus = stimulusFromLetter(m_runs.stimulusCode);
        state.hitDisplay = hitDisplayFromLetter(m_runs.hitDisplayCode);
    }
}

void ShownRuns::clear()
{
    m_runCount = 0;
    m_runs = RunSet();
    m_loaded = false;
    m_lastReadError.clear();
}

} // namespace vora
