#include "core/mainwindow/MainFlow.h"

#include "core/mainwindow/MainTexts.h"
#include "core/registry/DataFile.h"
#include "core/registry/RunRecord.h"
#include "core/study/SealWriter.h"

#include <QDateTime>

namespace vora {

MainFlow::MainFlow(View &view, Services &services, SharedState &state, QObject *parent)
    : QObject(parent),
      m_view(view),
      m_services(services),
      m_state(state),
      m_boxes(services, state),
      m_memo(services, state),
      m_writes(services.clock, services.timing),
      m_launchCheck(services, state, m_boxes),
      m_clock(services)
{
    connect(&m_clock, &StatusClock::ticked, this, &MainFlow::clockChanged);
    connect(&m_writes, &LockRetry::waitingChanged, this, &MainFlow::windowChanged);
}

void MainFlow::write(LockRetry::Write write, std::function<void(const FileResult &)> done)
{
    // The inputs that write are off while a write waits, so none is ever turned away here.
    m_writes.start(std::move(write), [this, done = std::move(done)](const FileResult &result) {
        done(result);
        if (m_endAfterWrite) {
            m_endAfterWrite = false;
            if (result)
                endRequested(); // what was not stored was told: the user decides again
        }
    });
}

bool MainFlow::takesInput() const
{
    return m_mode != Mode::Launching && m_mode != Mode::Ended && m_question == Question::None;
}

QString MainFlow::dateText() const
{
    return m_services.clock->dateText();
}

QString MainFlow::timeText() const
{
    return m_services.clock->timeText();
}

void MainFlow::settleMode()
{
    if (m_mode == Mode::NoSelection || m_mode == Mode::Selected)
        m_mode = m_startEnabled ? Mode::Selected : Mode::NoSelection;
}

void MainFlow::changedAll()
{
    for (int box = 1; box <= kNameBoxes; ++box)
        Q_EMIT boxChanged(box);
    Q_EMIT windowChanged();
}

// ---- the load ------------------------------------------------------------------------------

void MainFlow::load()
{
    m_loadProblems = m_boxes.load();
    settleMode();
    changedAll();
}

void MainFlow::reportLoadProblems()
{
    if (!m_loadProblems.isEmpty())
        m_view.tell(m_loadProblems.join(CRLF + CRLF), MsgIcon::Exclamation);
    m_loadProblems.clear();
}

// ---- the name boxes ------------------------------------------------------------------------

void MainFlow::itemChosen(int box, int index)
{
    if (!takesInput() || box < 1 || box > kNameBoxes)
        return;
    m_boxes.choose(box, index);
    Q_EMIT boxChanged(box);
}

void MainFlow::droppingDown(int box)
{
    if (!takesInput() || box < 1 || box > kNameBoxes)
        return;
    m_boxes.dropDown(box);
    Q_EMIT boxChanged(box);
}

void MainFlow::optionsChosen(int box, const QString &stimulusCode, const QString &hitDisplayCode)
{
    if (!takesInput() || box < 1 || box > kNameBoxes)
        return;
    m_boxes.setOptions(box, stimulusCode, hitDisplayCode);
    Q_EMIT boxChanged(box);
}

void MainFlow::keyTyped(int box, int keyCode, const QString &text)
{
    if (!takesInput() || box < 1 || box > kNameBoxes)
        return;
    if (keyCode == 13 && writing())
        return; // Enter registers or deletes: it waits for the write before
    answer(box, m_boxes.keyTyped(box, keyCode, text));
    Q_EMIT boxChanged(box);
}

void MainFlow::answer(int box, const BoxReply &reply)
{
    if (reply.textCleared)
        Q_EMIT typedTextCleared(box);
    if (reply.beep)
        m_view.beep();
    if (reply.waits) {
        m_question = Question::ConditionsMissing;
        Q_EMIT windowChanged();
        m_view.tellAndWait(reply.message, reply.icon);
    } else if (!reply.message.isEmpty()) {
        m_view.tell(reply.message, reply.icon);
    }
    if (reply.askDelete) {
        m_question = Question::DeleteName;
        m_deleteBox = box;
        m_deleteIndex = m_boxes.deletableIndex(box);
        m_view.askDeleteName();
    }
    if (reply.writeList > 0) {
        const int listBox = reply.writeList;
        write([this, listBox] { return m_boxes.writeList(listBox); },
              [this, listBox](const FileResult &result) {
                  if (!result)
                      m_view.tell(NameBoxModel::listNotSavedMessage(listBox, result), MsgIcon::Exclamation);
              });
    }
}

void MainFlow::deleteAnswered(bool yes)
{
    if (m_question != Question::DeleteName)
        return;
    m_question = Question::None;
    if (!yes)
        return;
    answer(m_deleteBox, m_boxes.deleteItem(m_deleteBox, m_deleteIndex));
    Q_EMIT boxChanged(m_deleteBox);
}

// ---- the two views -------------------------------------------------------------------------

void MainFlow::registrationToggled()
{
    if (!takesInput() || writing())
        return;
    toggleRegistration();
    settleMode();
    changedAll();
}

void MainFlow::toggleRegistration()
{
    m_memo.hide();
    m_headingEnabled = false;
    m_boxesHeadingEnabled = true;
    if (m_mode == Mode::Registering)
        closeRegistration();
    else
        openRegistration();
}

void MainFlow::openRegistration()
{
    m_mode = Mode::Registering;
    m_highlightedBox = 0;
    m_registrationCaption = RegistrationCaption::EndRegistration;
    m_promptEnabled = true; // the guidance
    Q_EMIT registrationViewChanged(true);
}

void MainFlow::closeRegistration()
{
    m_mode = Mode::NoSelection;
    for (int box = 1; box <= kNameBoxes; ++box)
        Q_EMIT typedTextCleared(box);
    chooseExperiment(QString()); // leaving the view always clears the experiment to run
    m_promptGrey = false;
    m_boxes.endEditing();
    m_registrationCaption = RegistrationCaption::RegisterOrSelect;
    m_startEnabled = false;
    m_resultsEnabled = false;
    Q_EMIT registrationViewChanged(false);
    const QVector<BoxSelection> selections = m_boxes.settleForStore();
    write([this, selections] { return m_boxes.store(selections); },
          [this](const FileResult &result) {
              if (!result)
                  m_view.tell(result.message, MsgIcon::Exclamation);
          });
}

// ---- the selection -------------------------------------------------------------------------

void MainFlow::selectPressed(int box)
{
    if (!takesInput() || writing() || box < 1 || box > kNameBoxes)
        return;
    m_chosenOnce = true;
    m_memo.startSelection();
    Q_EMIT memoReplaced(QString());
    m_state.conditionMemo = QString();
    m_state.stimulusFile = m_boxes[box].stimulus != QLatin1String("n");

    const QString caption = m_boxes[box].caption;
    m_selectedBox = 0;
    chooseExperiment(QString());
    chooseExperiment(caption);
    if (m_mode == Mode::Ended) {
        Q_EMIT windowChanged(); // the data file failed its check: this instance is over
        return;
    }
    m_selectedBox = caption.isEmpty() ? 0 : box;

    if (caption.isEmpty()) {
        m_memo.hideCheck();
        m_headingEnabled = false;
    }
    m_promptGrey = true;
    if (m_mode != Mode::Registering) {
        m_highlightedBox = box;
        m_promptEnabled = false;
    }
    if (caption.isEmpty()) {
        m_promptGrey = false;
        m_promptEnabled = true;
    }
    if (m_mode == Mode::Registering)
        toggleRegistration(); // closes the view, which clears the experiment again

    // The options of the box decide the conditions, whatever the last run line said.
    const NameBox &b = m_boxes[box];
    m_boxes.takeConditions(box);
    m_conditionsText = selectionConditionsText(b.stimulus, b.hitDisplay);
    if (m_caption.isEmpty()) {
        m_conditionsText.clear();
        m_promptGrey = false;
    }
    settleMode();
    changedAll();
}

void MainFlow::chooseExperiment(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    loadExperiment(caption);
}

void MainFlow::loadExperiment(const QString &caption)
{
    if (m_mode == Mode::Ended)
        return;
    SharedState &st = m_state;
    st.runsDone = 0;
    st.stopBrowsing();
    QString name = caption;
    name.remove(QLatin1Char(' '));
    st.experimentName = name;
    if (name.isEmpty()) {
        m_startEnabled = false;
        m_resultsEnabled = false;
        m_conditionsText.clear(); // no conditions without an experiment
        return;
    }
    m_startEnabled = true;
    m_headingEnabled = true;
    m_boxesHeadingEnabled = false;

    Services &s = m_services;
    if (!isValidExperimentName(name)) {
        // Not a name this program registers: it must not become a path.
        m_startEnabled = false;
        m_resultsEnabled = false;
        return;
    }
    const QString path = dataFilePath(s.paths, name, stimulusFileSuffix(st.stimulusFile));
    const DataFileContents data = loadDataFile(*s.files, path);
    if (!data.readOk) {
        // A file that cannot be read cannot be checked, and runs must not be added to it.
        m_startEnabled = false;
        m_resultsEnabled = false;
        m_view.tell(tr("実験データのファイルを読めないため、この実験は選べません。\r\n") + data.read.message,
                    MsgIcon::Exclamation);
        return;
    }
    if (!data.passed()) {
        refuseDamagedData();
        return;
    }
    if (data.hasMemoLine) {
        st.conditionMemo = data.conditionMemo;
        Q_EMIT memoReplaced(data.conditionMemo);
    }
    st.runsDone = data.runCount();
    if (data.runCount() > 0) {
        st.stimulus = stimulusFromLetter(data.lastStimulusCode);
        st.hitDisplay = hitDisplayFromLetter(data.lastHitDisplayCode);
    }
    if (!st.conditionMemo.isEmpty())
        m_memo.showStored();
    m_resultsEnabled = data.runCount() > 0;
    // A broken seal stops nothing (the check above is the gate); it is reported at every selection.
    // Runs a crash left unsealed are sealed now, before the next run, and said so once.
    if (const study::SelectionSeal seal = study::sealAtSelection(*s.files, path, QDateTime::currentDateTime());
        !seal.message.isEmpty())
        m_view.tell(seal.message, seal.warning ? MsgIcon::Exclamation : MsgIcon::Information);
}

void MainFlow::refuseDamagedData()
{
    // From here on nothing of this window does anything: nothing may be written.
    m_mode = Mode::Ended;
    m_startEnabled = false;
    m_resultsEnabled = false;
    m_question = Question::DataDamaged;
    m_view.tellAndWait(damagedDataMessage(), MsgIcon::None);
}

void MainFlow::acknowledged()
{
    const Question answered = m_question;
    if (answered != Question::DataDamaged && answered != Question::ConditionsMissing)
        return;
    m_question = Question::None;
    if (answered == Question::DataDamaged)
        m_view.restartProgram();
    else
        Q_EMIT windowChanged();
}

void MainFlow::conditionsTicked(bool ticked)
{
    if (!takesInput())
        return;
    m_memo.clickTick(ticked);
    Q_EMIT windowChanged();
}

void MainFlow::memoUnlocked()
{
    if (!takesInput())
        return;
    m_memo.unlock();
    Q_EMIT windowChanged();
}

void MainFlow::saveMemo()
{
    if (!takesInput() || writing() || !isValidExperimentName(m_state.experimentName))
        return;
    write([this, memo = m_view.memoText()] { return m_memo.save(memo); },
          [this](const FileResult &result) {
              if (!result) {
                  // The memo stays in the box, still editable, so nothing typed is lost.
                  m_view.tell(tr("実験条件のメモを保存できませんでした。\r\n") + result.message, MsgIcon::Exclamation);
                  return;
              }
              m_memo.saved();
              Q_EMIT windowChanged();
          });
}

// ---- the ways out --------------------------------------------------------------------------

StudyStatus MainFlow::studyStatus() const
{
    return m_launchCheck.studyStatus();
}

void MainFlow::launch()
{
    if (!takesInput() || writing() || m_mode != Mode::Selected)
        return;
    if (const LaunchCheck::Refusal refused = m_launchCheck.refusal(m_selectedBox); !refused.message.isEmpty()) {
        m_view.tell(refused.message, refused.icon);
        return;
    }
    SharedState &st = m_state;
    st.withStimulus = st.stimulus != Stimulus::None;
    st.conditionMemo = m_view.memoText();
    st.showRunView(); // a launch prepares a run, never the stored results
    st.launchedFromMain = true;
    m_mode = Mode::Launching;
    m_view.openExperimentWindow();
}

void MainFlow::showResults()
{
    if (!takesInput() || writing() || m_mode != Mode::Selected || !m_resultsEnabled)
        return; // only runs stored can be shown
    SharedState &st = m_state;
    if (st.showConditions)
        st.conditionMemo = m_view.memoText();
    st.showOverview();
    st.withStimulus = st.stimulus != Stimulus::None;
    st.launchedFromMain = true;
    m_mode = Mode::Launching;
    m_view.openExperimentWindow();
}

void MainFlow::endRequested()
{
    // No questions and nothing written: an unsaved memo edit is given up.
    if (m_mode == Mode::Ended)
        return;
    if (writing()) {
        // Leaving now would drop what waits to be written: the program ends once it is.
        m_endAfterWrite = true;
        return;
    }
    m_mode = Mode::Ended;
    m_view.quit();
}

} // namespace vora
