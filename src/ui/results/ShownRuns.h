#pragma once
// The runs the results view shows, read afresh from the experiment's data file at every
// display: all of them for the overview and a finished run, runs 1 to N for browsed run N.
#include "core/results/RunLoader.h"

#include <QString>

class QWidget;

namespace vora {

struct Services;
struct SharedState;

class ShownRuns {
public:
    // Reads the runs of the experiment `state` names, and takes the condition memo and the
    // last run's conditions into it. A file that cannot be read is told (on `parent`) once
    // per cause and shows as one without runs; a missing file is one without runs.
    void load(QWidget *parent, Services &services, SharedState &state);
    const RunSet &runs() const { return m_runs; }
    bool loaded() const { return m_loaded; }
    // The experiment's run count as far as known (RunCount): also past a browsed run.
    int runCount() const { return m_runCount; }
    void forgetRunCount() { m_runCount = 0; }
    // Nothing read, nothing told.
    void clear();

private:
    RunSet m_runs; // what the last load read
    bool m_loaded = false;
    int m_runCount = 0;
    QString m_lastReadError;
};

} // namespace vora
