#include "ui/run/RunEnd.h"

#include "core/registry/DataFile.h"
#include "core/registry/RunRecord.h"
#include "core/run/RunFlow.h"
#include "core/run/RunSave.h"
#include "core/run/TrialEngine.h"
#include "core/toolkit/HelpPage.h"
#include "ui/startup/Module1.h"

#include <QCoreApplication>
#include <QDir>
#include <QWidget>

namespace vora {

namespace {
// The texts of this file, under the translation context "vora::toushiJikken".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(vora::toushiJikken)
};
} // namespace

RunEnd::RunEnd(QWidget *window, Module1 &module, RunFlow &flow, std::function<void()> focusKeyBox)
    : m_window(window), m_module(module), m_flow(flow), m_focusKeyBox(std::move(focusKeyBox))
{
}

QString RunEnd::dataFile() const
{
    const SharedState &s = m_module.state();
    return dataFilePath(m_module.services().paths, s.experimentName, stimulusFileSuffix(s.withStimulus));
}

void RunEnd::closeRun(const TrialEngine &engine)
{
    const SharedState &s = m_module.state();
    Services &sv = m_module.services();
    for (int i = 0; i < 3; ++i)
        sv.sound->beep();
    // Held until it is in the file or given up knowingly.
    m_unsavedLine =
        engine
            .record(s.experimentName, sv.clock->dateText(), stimulusLetter(s.stimulus), hitDisplayLetter(s.hitDisplay))
            .toLine();
}

RunView::Saved RunEnd::writeRun(bool last, QString *message)
{
    Services &sv = m_module.services();
    const QString path = dataFile();
    const RunSave saved =
        saveFinishedRun(*sv.files, sv.paths, path, m_unsavedLine, sv.clock->dateTime(), keptRunStamp(*sv.clock), last);
    switch (saved.outcome) {
    case RunSave::Outcome::Saved:
        // Saved all the same: a seal that failed, or runs a crash left open sealed now.
        if (!saved.seal.message.isEmpty())
            sv.dialogs->ask(m_window, saved.seal.message, MsgButtons::Ok, MsgIcon::Exclamation, [](MsgAnswer) {});
        if (sv.mirror)
            sv.mirror->runSaved(path, m_unsavedLine); // queued only; never waits for the server
        m_unsavedLine.clear();
        return RunView::Saved::Yes;
    case RunSave::Outcome::Kept:
        // Not a run of this experiment: neither in its file nor sent anywhere.
        m_unsavedLine.clear();
        *message = saved.message;
        return RunView::Saved::Kept;
    case RunSave::Outcome::Busy: *message = saved.message; return RunView::Saved::Busy;
    case RunSave::Outcome::Failed: break;
    }
    *message = saved.message;
    return RunView::Saved::Failed;
}

void RunEnd::runDiscarded()
{
    m_unsavedLine.clear();
    m_lastRunDiscarded = true;
}

void RunEnd::tellRunKept(const QString &message)
{
    m_module.services().dialogs->ask(m_window, message, MsgButtons::Ok, MsgIcon::Exclamation,
                                     [this](MsgAnswer) { m_flow.keptAcknowledged(); });
}

void RunEnd::askSaveRetry(const QString &reason)
{
    const QString question = Texts::tr("このランの結果をデータファイルに保存できませんでした。") + CRLF + CRLF + reason
                             + CRLF // names the file and the cause
                             + Texts::tr("保存先：") + QDir::toNativeSeparators(dataFile()) + CRLF + CRLF
                             + Texts::tr("フォルダやディスクの空きを確かめてから「はい」を押すと、もう一度保存します。")
                             + CRLF + Texts::tr("もう一度保存しますか？");
    m_module.services().dialogs->ask(m_window, question, MsgButtons::YesNo, MsgIcon::Exclamation,
                                     [this](MsgAnswer a) { m_flow.saveRetryAnswered(a == MsgAnswer::Yes); });
}

void RunEnd::askDiscard()
{
    const QString discard = Texts::tr("このランの結果はまだ保存されていません。") + CRLF
                            + Texts::tr("「はい」を押すと、このランの結果（100試行）は失われます。") + CRLF + CRLF
                            + Texts::tr("本当にこのランの結果を破棄しますか？");
    m_module.services().dialogs->ask(m_window, discard, MsgButtons::YesNo, MsgIcon::Exclamation,
                                     [this](MsgAnswer a) { m_flow.discardAnswered(a == MsgAnswer::Yes); });
}

void RunEnd::askEnd()
{
    // While answers are at stake a hurried Enter keeps the run.
    const MsgButtons buttons = m_flow.closingNeedsAsking() ? MsgButtons::YesNoDefaultNo : MsgButtons::YesNo;
    m_module.services().dialogs->ask(m_window, Texts::tr("終了して良いですか？"), buttons, MsgIcon::None,
                                     [this](MsgAnswer a) { m_flow.endAnswered(a == MsgAnswer::Yes); });
}

void RunEnd::openHelp()
{
    Services &sv = m_module.services();
    const QString problem = openHelpPage(*sv.shell, sv.paths);
    if (!problem.isEmpty())
        sv.dialogs->ask(m_window, problem, MsgButtons::Ok, MsgIcon::Exclamation,
                        [this](MsgAnswer) { m_focusKeyBox(); });
}

} // namespace vora
