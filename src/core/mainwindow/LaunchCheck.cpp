#include "core/mainwindow/LaunchCheck.h"

#include "core/mainwindow/MainTexts.h"
#include "core/registry/DataFile.h"
#include "core/registry/RunRecord.h"

#include <QCoreApplication>

namespace vora {

namespace {
// The refusals are the main window's texts, under its translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(vora::MainFlow)
};
} // namespace

LaunchCheck::LaunchCheck(const Services &services, const SharedState &state, const NameBoxModel &boxes)
    : m_services(services), m_state(state), m_boxes(boxes)
{
}

LaunchCheck::Refusal LaunchCheck::refusal(int selectedBox) const
{
    if (m_state.runsDone >= kMaxRuns)
        return {runLimitMessage(), MsgIcon::Information};
    if (const QString refusal = conditionsRefusal(selectedBox); !refusal.isEmpty())
        return {refusal, MsgIcon::Exclamation};
    return {};
}

QString LaunchCheck::conditionsRefusal(int selectedBox) const
{
    const SharedState &st = m_state;
    const QString stimulus = stimulusLetter(st.stimulus);
    const QString hit = hitDisplayLetter(st.hitDisplay);
    // A name held by two boxes (an old list, or one edited by hand): the first box keeps it.
    for (const NameBoxModel::Holding &h : m_boxes.holdingsOf(st.experimentName)) {
        if (h.box >= selectedBox)
            break;
        if (h.stimulusCode != stimulus || h.hitDisplayCode != hit)
            return nameInTwoBoxesMessage(st.experimentName, h.box, selectedBox);
    }
    const Services &s = m_services;
    // A preregistered study that has stopped takes no more runs.
    if (const StudyStatus study = studyStatus(); study.state == StudyStatus::Closed)
        return closedStudyMessage(study.title);
    // The file as it is now: another copy may have added runs since the selection.
    const ReadResult now =
        s.files->readLines(dataFilePath(s.paths, st.experimentName, stimulusFileSuffix(st.stimulusFile)));
    const QString refusal = experimentRefusal(now, st.stimulusFile ? stimulus : QString(), hit);
    if (refusal.isEmpty())
        return QString();
    return Texts::tr("実験できません。\r\n\r\n") + refusal + Texts::tr("\r\n\r\n他の実験名で実験できます。");
}

StudyStatus LaunchCheck::studyStatus() const
{
    if (!m_services.mirror || m_state.experimentName.isEmpty())
        return {};
    return m_services.mirror->studyStatus(m_state.experimentName + QLatin1Char('-')
                                          + stimulusFileSuffix(m_state.stimulusFile));
}

} // namespace vora
