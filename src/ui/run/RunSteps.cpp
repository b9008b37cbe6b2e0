// The experiment window's side of each step of a run: what the countdown, the trials, the
// hiding square and saving show. The run's state machine decides when each step comes.
#include "core/registry/DataFile.h"
#include "core/registry/RunRecord.h"
#include "core/run/Instructions.h"
#include "core/run/RunSave.h"
#include "ui/results/ResultsDisplay.h"
#include "ui/run/ExperimentHeader.h"
#include "ui/run/WindowStyle.h"
#include "ui/run/toushiJikken.h"
#include "ui/startup/Module1.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>

namespace vora {

namespace {
// The texts of this file, under the translation context "vora::toushiJikken".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(vora::toushiJikken)
};
} // namespace

using namespace style;

// ---- run start --------------------------------------------------------------------------

void toushiJikken::centreCountdown()
{
    const QRect f = m_feedback->geometry();
    m_countdown->adjustSize();
    m_countdown->move(f.x() + f.width() / 2 - m_countdown->width() / 2, f.y() + f.height() / 2 + px(50));
}

void toushiJikken::beginCountdown()
{
    const SharedState &s = m_module.state();
    m_instructionToggle = -1;
    // Neither a click nor a key can start this run a second time.
    m_start->setEnabled(false);
    m_start->hide();
    m_instructions->setText(shortInstructions());
    if (s.withStimulus)
        m_header->setTitle(Texts::tr("　ＶＯＲＡ(刺激１)　"));
    m_header->titleAfterName();

    const QRect f = m_feedback->geometry();
    m_progress->setTextVisible(false);
    m_progress->setValue(0);
    m_progress->setGeometry(f.x(), f.bottom() + 1, f.width(), px(90));
    m_progress->show();

    for (int i = 0; i < 3; ++i)
        m_module.services().sound->beep();

    warmFeedbackGlyphs();

    setTextColour(m_countdown, QApplication::palette().color(QPalette::Base));
    m_countdown->setText(instructions::countdownGetReady());
    setPointSize(m_countdown, 30);
    centreCountdown();
    m_countdown->show();
    m_countdown->raise();
}

void toushiJikken::warmFeedbackGlyphs()
{
    // The frame's 100-point figures are drawn once out of sight while the countdown runs, so
    // that the first answers are not shown late while their glyphs are made.
    QImage scratch(m_feedback->size(), QImage::Format_RGB32);
    QPainter painter(&scratch);
    painter.setFont(gothic(100));
    for (const QString &figure : {QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("○"), QStringLiteral("×")})
        painter.drawText(scratch.rect(), Qt::AlignCenter, figure);
}

void toushiJikken::countdownStep(int k)
{
    setPointSize(m_countdown, countdownFontSize(k));
    centreCountdown();
}

void toushiJikken::countdownGo()
{
    m_countdown->setText(instructions::countdownGo());
    setPointSize(m_countdown, 40);
    centreCountdown();
    m_countdown->show();
}

void toushiJikken::beginRun()
{
    SharedState &s = m_module.state();
    Services &sv = m_module.services();
    m_countdown->hide();
    m_prompt->show();

    m_header->showName(s.experimentName, 400);
    m_header->setDate(sv.clock->dateText());
    m_header->dateAfterTitle(200);
    m_header->timeAfterDate(100);
    m_lastRunDiscarded = false;

    m_keyBox->setAttribute(Qt::WA_InputMethodEnabled, false);
    m_progress->setValue(1);
    m_progress->show();
    m_keyBox->show();
    m_howTo->move(px(kHowToLeftTw), m_howTo->y());
    // The short layout, whatever the how-to button did during the countdown.
    m_instructionToggle = -1;
    toggleInstructions();
    keyBoxOnHowTo();
    m_cover->setGeometry(m_feedback->geometry());
    m_cover->show();
    m_cover->raise();
}

// ---- the hiding square ------------------------------------------------------------------

void toushiJikken::shrinkCover(int tick)
{
    const QRect sq = m_cover->geometry();
    const QRect fr = m_feedback->geometry();
    const SquareRect s =
        shrinkSquare({sq.x(), sq.y(), sq.width(), sq.height()}, {fr.x(), fr.y(), fr.width(), fr.height()}, tick);
    m_cover->setGeometry(s.left, s.top, s.width, s.height);
}

void toushiJikken::flicker(QChar digit)
{
    m_cover->hide();
    m_prompt->show();
    setPointSize(m_feedback, 10);
    setTextColour(m_feedback, Qt::black);
    m_feedback->setText(CRLF.repeated(5) + digit);
}

void toushiJikken::layoutStep()
{
    m_results->placePanelUnderChart();
}

// ---- trials -----------------------------------------------------------------------------

void toushiJikken::otherKey(int)
{
    // Not a trial; the square stays away until the next accepted key.
    m_cover->hide();
}

void toushiJikken::showFeedback(QChar input, bool hit)
{
    const SharedState &s = m_module.state();
    m_cover->hide();
    if (m_feedback->font().pointSizeF() != 100)
        setPointSize(m_feedback, 100);
    if (s.hitDisplay == HitDisplay::Shown) {
        setTextColour(m_feedback, hit ? QColor(255, 255, 0) : QColor(0, 0, 255));
        m_feedback->setText(hit ? QStringLiteral("○") : QStringLiteral("×"));
    } else {
        setTextColour(m_feedback, QColor(255, 255, 255));
        m_feedback->setText(QString(input));
    }
    m_feedback->raise();
    // On screen before the hold is measured.
    m_feedback->repaint();
}

void toushiJikken::coverFrame(int awaited)
{
    m_feedback->clear();
    m_prompt->show();
    m_prompt->raise();
    m_cover->raise();
    m_cover->setGeometry(m_feedback->geometry());
    m_cover->show();
    if (awaited <= m_progress->maximum())
        m_progress->setValue(awaited);
    // On screen at the end of the hold, as the answer was at its start: the hold shown is the
    // hold measured, whatever this pass of the event loop does next.
    m_cover->repaint();
}

// ---- closing the run ------------------------------------------------------------------

QString toushiJikken::dataFile() const
{
    const SharedState &s = m_module.state();
    return dataFilePath(m_module.services().paths, s.experimentName, stimulusFileSuffix(s.withStimulus));
}

void toushiJikken::closeRun()
{
    const SharedState &s = m_module.state();
    Services &sv = m_module.services();
    m_results->stopContinuousTimer();
    for (int i = 0; i < 3; ++i)
        sv.sound->beep();
    // Held until it is in the file or given up knowingly.
    m_unsavedLine =
        m_engine
            .record(s.experimentName, sv.clock->dateText(), stimulusLetter(s.stimulus), hitDisplayLetter(s.hitDisplay))
            .toLine();
}

RunFlow::View::Saved toushiJikken::writeRun(bool last, QString *message)
{
    Services &sv = m_module.services();
    const QString path = dataFile();
    const RunSave saved =
        saveFinishedRun(*sv.files, sv.paths, path, m_unsavedLine, sv.clock->dateTime(), keptRunStamp(*sv.clock), last);
    switch (saved.outcome) {
    case RunSave::Outcome::Saved:
        // Saved all the same: a seal that failed, or runs a crash left open sealed now.
        if (!saved.seal.message.isEmpty())
            sv.dialogs->ask(this, saved.seal.message, MsgButtons::Ok, MsgIcon::Exclamation, [](MsgAnswer) {});
        if (sv.mirror)
            sv.mirror->runSaved(path, m_unsavedLine); // queued only; never waits for the server
        m_unsavedLine.clear();
        return Saved::Yes;
    case RunSave::Outcome::Kept:
        // Not a run of this experiment: neither in its file nor sent anywhere.
        m_unsavedLine.clear();
        *message = saved.message;
        return Saved::Kept;
    case RunSave::Outcome::Busy: *message = saved.message; return Saved::Busy;
    case RunSave::Outcome::Failed: break;
    }
    *message = saved.message;
    return Saved::Failed;
}

void toushiJikken::tellRunKept(const QString &message)
{
    m_module.services().dialogs->ask(this, message, MsgButtons::Ok, MsgIcon::Exclamation,
                                     [this](MsgAnswer) { m_flow->keptAcknowledged(); });
}

void toushiJikken::leaveForMainWindow()
{
    m_module.showMainWindow();
}

void toushiJikken::askSaveRetry(const QString &reason)
{
    const QString question = Texts::tr("このランの結果をデータファイルに保存できませんでした。") + CRLF + CRLF + reason
                             + CRLF // names the file and the cause
                             + Texts::tr("保存先：") + QDir::toNativeSeparators(dataFile()) + CRLF + CRLF
                             + Texts::tr("フォルダやディスクの空きを確かめてから「はい」を押すと、もう一度保存します。")
                             + CRLF + Texts::tr("もう一度保存しますか？");
    m_module.services().dialogs->ask(this, question, MsgButtons::YesNo, MsgIcon::Exclamation,
                                     [this](MsgAnswer a) { m_flow->saveRetryAnswered(a == MsgAnswer::Yes); });
}

void toushiJikken::askDiscard()
{
    const QString discard = Texts::tr("このランの結果はまだ保存されていません。") + CRLF
                            + Texts::tr("「はい」を押すと、このランの結果（100試行）は失われます。") + CRLF + CRLF
                            + Texts::tr("本当にこのランの結果を破棄しますか？");
    m_module.services().dialogs->ask(this, discard, MsgButtons::YesNo, MsgIcon::Exclamation,
                                     [this](MsgAnswer a) { m_flow->discardAnswered(a == MsgAnswer::Yes); });
}

void toushiJikken::showResults()
{
    m_results->display();
}

void toushiJikken::runDiscarded()
{
    // Given up knowingly: the run is not in the file, so there are no results to show for
    // it; the window waits for a new run.
    m_unsavedLine.clear();
    m_lastRunDiscarded = true;
    resetRunState();
    m_feedback->clear();
    m_start->setEnabled(true);
    m_start->show();
    m_start->raise();
    armLayoutTimer();
}

} // namespace vora
