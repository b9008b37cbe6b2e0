#include "core/results/RunLoader.h"

#include "core/registry/DataFile.h"

namespace vora {

bool LoadedRun::isMatch(int trial) const
{
    if (trial < 1 || trial > targets.size() || trial > inputs.size())
        return false;
    return targets.at(trial - 1) == inputs.at(trial - 1);
}

std::array<double, kBlocksPerRun> RunSet::meanSegments() const
{
    std::array<double, kBlocksPerRun> m{};
    if (runsRead > 0) {
        for (int i = 0; i < kBlocksPerRun; ++i)
            m[i] = double(segmentTotal[i]) / runsRead;
    }
    return m;
}

RunSet loadRunsFromLines(const QStringList &lines, int browsedRun, int previousRunCount)
{
    RunSet set;
    int lineNo = 0;
    for (const QString &line : lines) {
        // Browsing stops after the run shown: later lines, memo lines included, stay unread.
        if (browsedRun > 0 && set.runsRead >= browsedRun)
            break;
        ++lineNo;
        if (isConditionMemoLine(line)) {
            set.hasConditionMemo = true;
            set.conditionMemo = line.mid(conditionMemoPrefix().size());
            continue;
        }

        const RunRecord rec = RunRecord::fromLine(line);
        LoadedRun run;
        run.number = set.runsRead + 1;
        run.fileLine = lineNo;
        run.date = columns(line, runline::kDate);
        run.dateTime = columns(line, runline::kDateTime);
        run.memo = columns(line, runline::kMemoFirst, line.size());
        run.stimulusCode = columns(line, runline::kStimulus);
        run.hitDisplayCode = columns(line, runline::kHitDisplay);
        run.hits = rec.hits;
        run.segmentHits = rec.segmentHits;
        run.stimulusTrials = rec.stimulusTrials;
        run.targets = rec.targets;
        run.inputs = rec.inputs;
        run.targetOnes = rec.targetOnes();
        run.inputOnes = rec.inputOnes();

        set.runsRead = run.number;
        if (run.number == 1)
            set.firstRunDate = run.date;
        set.lastRunDate = run.date;
        set.stimulusCode = run.stimulusCode;
        set.hitDisplayCode = run.hitDisplayCode;
        set.tr1Total += run.targetOnes;
        set.in1Total += run.inputOnes;
        set.av1Total += kTrialsPerRun / 2;
        set.hitTotal += run.hits;
        for (int i = 0; i < kBlocksPerRun; ++i)
            set.segmentTotal[i] += run.segmentHits[i];
        set.runs.append(run);
    }
    set.runCount = std::max(previousRunCount, set.runsRead);
    return set;
}

RunSet loadRuns(const FileStore &files, const QString &path, int browsedRun, int previousRunCount)
{
    const ReadResult read = files.readLines(path);
    if (!read.ok) {
        RunSet set = loadRunsFromLines({}, browsedRun, previousRunCount);
        set.missing = read.missing;
        set.readOk = read.missing;
        set.read = read;
        return set;
    }
    return loadRunsFromLines(read.lines, browsedRun, previousRunCount);
}

} // namespace vora
