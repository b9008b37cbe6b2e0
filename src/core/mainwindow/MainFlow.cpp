#include "core/mainwindow/MainFlow.h"

#include "core/mainwindow/MainTexts.h"
#include "core/registry/DataFile.h"
#include "core/registry/RunRecord.h"
#include "core/study/SealWriter.h"

#include <QDateTime>

namespace vora {

namespace {
constexpr qint64 kClockTickNs = 1000000000; // the status bar's time, once a second
const QString CRLF = QStringLiteral("\r\n");
} // namespace

MainFlow::MainFlow(View &view, Services &services, SharedState &state, QObject *parent)
    : QObject(parent), m_view(view), m_services(services), m_state(state)
{
    connect(&m_timer, &DeadlineTimer::timeout, this, &MainFlow::onDeadline);
    arm();
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
    restoreSelections();
    fillNameLists();
    settleMode();
    changedAll();
}

void MainFlow::reportLoadProblems()
{
    if (!m_loadProblems.isEmpty())
        m_view.tell(m_loadProblems.join(CRLF + CRLF), MsgIcon::Exclamation);
    m_loadProblems.clear();
}

void MainFlow::restoreSelections()
{
    Services &s = m_services;
    SelectionRead read = readSelectionFile(*s.files, s.paths);
    if (!read.opened) {
        // First run: box 1 gets a name made from today's date, small stimulus, hit display.
        m_boxes[1].tickStimulus(QStringLiteral("S"));
        m_boxes[1].tickHitDisplay(QStringLiteral("D"));
        m_state.stimulus = Stimulus::Small;
        m_state.hitDisplay = HitDisplay::Shown;
        m_state.stimulusFile = true;
        const QString date = s.clock->dateText();
        const QString name = firstRunName(date);
        const QString selectionPath = s.paths.file(selectionFileName());

        QString failure;
        if (s.files->exists(selectionPath)) {
            // It is there but cannot be read: keep it for the user rather than replace it.
            failure =
                QStringLiteral("実験名の選択のファイル（%1）を読めません。\r\n").arg(selectionFileName()) + read.error;
            m_selectionRefused = failure;
        } else if (const FileResult r = s.files->replaceAll(selectionPath, {firstRunLine(date)}); !r) {
            failure =
                QStringLiteral("プログラムのフォルダに書き込めません。\r\n実験名の登録や選択は保存されません。\r\n")
                + r.message;
        } else if (const FileResult r2 = addFirstRunLine(*s.files, s.paths, date); !r2) {
            // An existing list of box 1 is kept: the new name is added to it, nothing replaced.
            failure = QStringLiteral("実験名の一覧（%1）に実験名を加えられませんでした。\r\n").arg(nameListFileName(1))
                      + r2.message;
        }
        m_boxes[1].caption = name.left(10);

        read = readSelectionFile(*s.files, s.paths); // once more, never in a loop
        if (!read.opened) {
            read.boxes = QVector<BoxSelection>(kNameBoxes);
            read.boxes[0] = BoxSelection{name, QStringLiteral("S"), QStringLiteral("D")};
            if (failure.isEmpty())
                failure = QStringLiteral("実験名の選択のファイル（%1）を作れません。").arg(selectionFileName());
        }
        if (!failure.isEmpty())
            m_loadProblems.append(failure);
    } else if (!read.error.isEmpty()) {
        // Read, but not all of it: the boxes of its unreadable lines stay empty, and the file
        // is kept as it is.
        m_selectionRefused =
            QStringLiteral("実験名の選択のファイル（%1）の一部を読めません。\r\n").arg(selectionFileName())
            + read.error;
        m_loadProblems.append(m_selectionRefused);
    }
    for (int box = 1; box <= kNameBoxes; ++box) {
        const BoxSelection &sel = read.boxes.value(box - 1);
        if (!sel.name.isEmpty()) // else the box keeps what it has
            showSelection(box, sel);
    }
}

void MainFlow::showSelection(int box, const BoxSelection &selection)
{
    NameBox &b = m_boxes[box];
    b.caption = selection.name;
    b.remembered = selection;
    b.tickStimulus(selection.stimulusCode);
    b.tickHitDisplay(selection.hitDisplayCode);
    m_state.stimulusFile = b.stimulus != QLatin1String("n");
    showRunCount(box, selection.name, stimulusFileSuffix(m_state.stimulusFile));
}

void MainFlow::fillNameLists()
{
    Services &s = m_services;
    for (int box = 1; box <= kNameBoxes; ++box) {
        NameBox &b = m_boxes[box];
        const NameListRead list = readNameListFile(*s.files, s.paths, box);
        b.items = list.items;
        b.kept = list.kept;
        if (list.unreadable)
            b.listRefused = list.error;
        if (!list.error.isEmpty())
            m_loadProblems.append(QStringLiteral("実験名の一覧（%1）：\r\n").arg(nameListFileName(box)) + list.error);
        if (const QString unusable = unusableLinesMessage(box, list.unusable); !unusable.isEmpty())
            m_loadProblems.append(unusable);
    }
    // A registered name shows the conditions of its list line, whatever the selection file says.
    for (int box = 1; box <= kNameBoxes; ++box) {
        NameBox &b = m_boxes[box];
        const BoxSelection registered = b.registeredSelection();
        if (!registered.name.isEmpty()
            && (registered.stimulusCode != b.remembered.stimulusCode
                || registered.hitDisplayCode != b.remembered.hitDisplayCode)) {
            b.clearOptions();
            showSelection(box, registered);
        }
    }
}

void MainFlow::showRunCount(int box, const QString &name, const QString &suffix)
{
    RunCountInfo info;
    // A name that breaks the rule never becomes a path.
    if (isValidExperimentName(name))
        info = countRuns(*m_services.files, dataFilePath(m_services.paths, name, suffix));
    m_boxes[box].lastDate = info.lastDate;
    m_boxes[box].runs = QLatin1Char(' ') + QString::number(info.runs);
}

// ---- the name boxes ------------------------------------------------------------------------

void MainFlow::itemChosen(int box, int index)
{
    if (!takesInput() || box < 1 || box > kNameBoxes)
        return;
    NameBox &b = m_boxes[box];
    if (index < 0 || index >= b.items.size())
        return;
    const QString text = b.items.at(index);
    b.caption = text.left(10);
    b.selectEnabled = true;

    m_chosenBox = box;
    m_chosenIndex = index;
    m_chosenText = text;
    const NameListItem item = NameListItem::parse(text);
    b.remembered = BoxSelection{item.name, item.stimulusCode, item.hitDisplayCode};
    b.tickStimulus(text.mid(11, 1));
    b.tickHitDisplay(text.mid(12, 1));

    const QString suffix = b.fileSuffix();
    m_state.stimulusFile = suffix != QLatin1String("0");
    showRunCount(box, b.caption.section(QLatin1Char(' '), 0, 0), suffix);
    Q_EMIT boxChanged(box);
}

void MainFlow::droppingDown(int box)
{
    if (!takesInput() || box < 1 || box > kNameBoxes)
        return;
    // The counts come from the items themselves, so a list that differs from its file
    // (after a failed write, say) still shows each name with its own count.
    NameBox &b = m_boxes[box];
    for (QString &text : b.items) {
        const QString base = text.left(13);
        const NameListItem item = NameListItem::parse(base);
        const QString suffix = item.fileSuffix();
        m_state.stimulusFile = suffix != QLatin1String("0");
        int runs = 0;
        if (isValidExperimentName(item.name))
            runs = countRuns(*m_services.files, dataFilePath(m_services.paths, item.name, suffix)).runs;
        text = base + QString::number(runs);
    }
    Q_EMIT boxChanged(box);
}

void MainFlow::optionsChosen(int box, const QString &stimulusCode, const QString &hitDisplayCode)
{
    if (!takesInput() || box < 1 || box > kNameBoxes)
        return;
    m_boxes[box].stimulus = stimulusCode;
    m_boxes[box].hitDisplay = hitDisplayCode;
    Q_EMIT boxChanged(box);
}

void MainFlow::keyTyped(int box, int keyCode, const QString &text)
{
    if (!takesInput() || box < 1 || box > kNameBoxes)
        return;
    NameBox &b = m_boxes[box];
    if (keyCode >= 32)
        b.conditionsEnabled = true; // conditions can be chosen for a new name
    b.selectEnabled = false;
    if (keyCode != 13) {
        m_justRegistered = false;
        b.clearOptions();
    } else {
        enterPressed(box, text);
    }
    Q_EMIT boxChanged(box);
}

void MainFlow::enterPressed(int box, const QString &text)
{
    NameBox &b = m_boxes[box];
    b.selectEnabled = true;
    if (!b.listRefused.isEmpty()) {
        // Writing the list would replace names the program could not read.
        m_view.tell(unreadableListMessage(box, b.listRefused), MsgIcon::Exclamation);
        return;
    }
    if (text.isEmpty()) {
        if (!m_justRegistered)
            askDelete(box);
        return;
    }
    registerName(box, text);
}

int MainFlow::deletableIndex(int box) const
{
    const QStringList &items = m_boxes[box].items;
    if (box != m_chosenBox || m_chosenIndex < 0 || m_chosenIndex >= items.size())
        return -1;
    // The counts after column 13 change with every drop-down; the item itself does not.
    if (items.at(m_chosenIndex).left(13) != m_chosenText.left(13))
        return -1;
    return m_chosenIndex;
}

void MainFlow::askDelete(int box)
{
    const int index = deletableIndex(box);
    if (index < 0)
        return; // nothing was chosen in this box: there is nothing the user meant to delete
    m_question = Question::DeleteName;
    m_deleteBox = box;
    m_deleteIndex = index;
    m_view.askDeleteName();
}

void MainFlow::deleteAnswered(bool yes)
{
    if (m_question != Question::DeleteName)
        return;
    m_question = Question::None;
    const int box = m_deleteBox;
    const int index = m_deleteIndex;
    if (!yes || deletableIndex(box) != index)
        return;
    NameBox &b = m_boxes[box];
    b.items.removeAt(index);
    itemRemoved(b.kept, index);
    Q_EMIT typedTextCleared(box);
    const QString deletedName = m_chosenText.left(10).trimmed();
    if (b.caption.trimmed() == deletedName) {
        b.caption.clear();
        b.remembered = BoxSelection{};
    }
    m_chosenBox = 0;
    m_chosenIndex = -1;
    m_chosenText.clear();
    writeList(box); // the data file of the name stays where it is
    Q_EMIT boxChanged(box);
}

void MainFlow::registerName(int box, const QString &text)
{
    NameBox &b = m_boxes[box];
    const QString stimulus = b.stimulus;
    const QString hit = b.hitDisplay;
    if (stimulus.isEmpty() || hit.isEmpty()) {
        m_view.beep();
        m_view.tell(conditionMessage(box), MsgIcon::Information);
        return;
    }
    takeConditions(stimulus, hit);

    const NameProblem problem = checkExperimentName(text);
    if (problem == NameProblem::TooLong) {
        m_view.tell(lengthMessage(box), MsgIcon::Exclamation);
        return;
    }
    if (problem != NameProblem::None) {
        m_view.beep();
        return;
    }
    // One name, one set of conditions: the runs of a name share its data file.
    if (const QVector<NameBoxModel::Holding> held = m_boxes.holdingsOf(text); !held.isEmpty()) {
        m_view.tell(nameInUseMessage(text, held.first().box), MsgIcon::Exclamation);
        return;
    }

    b.selectEnabled = true;
    b.caption = padName(text);
    b.remembered = BoxSelection{text, stimulus, hit};
    b.items.append(b.caption + QLatin1Char('-') + stimulus + hit);
    Q_EMIT typedTextCleared(box);
    b.conditionsEnabled = false; // the conditions of a registered name are fixed

    writeList(box);
    m_justRegistered = true;

    const QString suffix = b.fileSuffix();
    m_state.stimulusFile = suffix != QLatin1String("0");
    showRunCount(box, text, suffix);
}

void MainFlow::writeList(int box)
{
    const FileResult result = m_boxes[box].writeList(*m_services.files, m_services.paths, box);
    if (!result)
        m_view.tell(QStringLiteral("実験名の一覧（%1）を保存できませんでした。\r\n").arg(nameListFileName(box))
                        + result.message,
                    MsgIcon::Exclamation);
}

// ---- the two views -------------------------------------------------------------------------

void MainFlow::registrationToggled()
{
    if (!takesInput())
        return;
    toggleRegistration();
    settleMode();
    changedAll();
}

void MainFlow::toggleRegistration()
{
    m_memoCheckVisible = false;
    m_memoVisible = false;
    m_saveVisible = false;
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
    for (int box = 1; box <= kNameBoxes; ++box) {
        m_boxes[box].selectEnabled = true;
        m_boxes[box].conditionsEnabled = false;
    }
    m_registrationCaption = RegistrationCaption::RegisterOrSelect;
    m_startEnabled = false;
    m_resultsEnabled = false;
    Q_EMIT registrationViewChanged(false);
    storeSelectionsAndLists();
}

void MainFlow::storeSelectionsAndLists()
{
    Services &s = m_services;
    QVector<BoxSelection> selections(kNameBoxes);
    for (int box = 1; box <= kNameBoxes; ++box) {
        NameBox &b = m_boxes[box];
        // The conditions of a registered name are fixed: whatever the options show after
        // typing in the box, its line carries the codes of its list line, and so do the options.
        const BoxSelection registered = b.registeredSelection();
        if (!registered.name.isEmpty()) {
            b.clearOptions();
            b.tickStimulus(registered.stimulusCode);
            b.tickHitDisplay(registered.hitDisplayCode);
            b.remembered = registered;
        }
        takeConditions(b.stimulus, b.hitDisplay);
        if (b.caption.isEmpty()) {
            b.clearOptions();
            continue; // an empty line keeps the later boxes on their own lines
        }
        BoxSelection &sel = selections[box - 1];
        sel.name = b.selectedName();
        sel.stimulusCode = stimulusLetter(m_state.stimulus);
        sel.hitDisplayCode = hitDisplayLetter(m_state.hitDisplay);
    }

    QStringList failures;
    if (!m_selectionRefused.isEmpty()) {
        // Said at load already; the selections of this session are not kept.
        failures.append(QStringLiteral("実験名の選択のファイル（%1）は読めなかったため、書き換えませんでした。")
                            .arg(selectionFileName()));
    } else if (const FileResult r = writeSelectionFile(*s.files, s.paths, selections); !r) {
        failures.append(r.message);
    }
    for (int box = 1; box <= kNameBoxes; ++box) {
        // A list that could not be read allowed no change, and is left as it is.
        if (!m_boxes[box].listRefused.isEmpty())
            continue;
        if (const FileResult r = m_boxes[box].writeList(*s.files, s.paths, box); !r)
            failures.append(r.message);
    }
    if (!failures.isEmpty())
        m_view.tell(QStringLiteral("実験名の選択や一覧を保存できませんでした。\r\n") + failures.join(CRLF),
                    MsgIcon::Exclamation);
}

void MainFlow::takeConditions(const QString &stimulusCode, const QString &hitDisplayCode)
{
    if (!stimulusCode.isEmpty())
        m_state.stimulus = stimulusFromLetter(stimulusCode);
    if (!hitDisplayCode.isEmpty())
        m_state.hitDisplay = hitDisplayFromLetter(hitDisplayCode);
}

// ---- the selection -------------------------------------------------------------------------

void MainFlow::selectPressed(int box)
{
    if (!takesInput() || box < 1 || box > kNameBoxes)
        return;
    m_chosenOnce = true;
    m_memoCheckVisible = true;
    tickMemo(false);
    // Unticking an unticked box changes nothing; its effect is wanted all the same.
    m_state.showConditions = false;
    m_memoVisible = false;
    m_saveVisible = false;
    m_memoEditable = false;
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
        m_memoCheckVisible = false;
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
    takeConditions(b.stimulus, b.hitDisplay);
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
        m_view.tell(QStringLiteral("実験データのファイルを読めないため、この実験は選べません。\r\n") + data.readError,
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
    if (!st.conditionMemo.isEmpty()) {
        tickMemo(true);
        m_memoCheckVisible = true;
    }
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
    m_view.tellDataDamaged();
}

void MainFlow::damagedAcknowledged()
{
    if (m_question != Question::DataDamaged)
        return;
    m_question = Question::None;
    m_view.restartProgram();
}

void MainFlow::tickMemo(bool ticked)
{
    if (m_memoTicked == ticked)
        return;
    m_memoTicked = ticked;
    m_state.showConditions = ticked;
    if (!ticked) {
        m_memoVisible = false;
        m_saveVisible = false;
    } else {
        m_memoVisible = true; // the save button shows only after the double click
    }
}

void MainFlow::conditionsTicked(bool ticked)
{
    if (!takesInput())
        return;
    m_memoTicked = !ticked;
    tickMemo(ticked);
    Q_EMIT windowChanged();
}

void MainFlow::memoUnlocked()
{
    if (!takesInput())
        return;
    m_memoEditable = true;
    m_saveVisible = true;
    Q_EMIT windowChanged();
}

void MainFlow::saveMemo()
{
    if (!takesInput())
        return;
    const QString name = m_state.experimentName;
    if (!isValidExperimentName(name))
        return;
    Services &s = m_services;
    const QString path = dataFilePath(s.paths, name, stimulusFileSuffix(m_state.stimulusFile));
    const FileResult result = saveConditionMemo(*s.files, s.paths, path, m_view.memoText());
    if (!result) {
        // The memo stays in the box, still editable, so nothing typed is lost.
        m_view.tell(QStringLiteral("実験条件のメモを保存できませんでした。\r\n") + result.message,
                    MsgIcon::Exclamation);
        return;
    }
    m_memoEditable = false;
    m_saveVisible = false;
    Q_EMIT windowChanged();
}

// ---- the ways out --------------------------------------------------------------------------

QString MainFlow::launchRefusal() const
{
    const SharedState &st = m_state;
    const QString stimulus = stimulusLetter(st.stimulus);
    const QString hit = hitDisplayLetter(st.hitDisplay);
    // A name held by two boxes (an old list, or one edited by hand): the first box keeps it.
    for (const NameBoxModel::Holding &h : m_boxes.holdingsOf(st.experimentName)) {
        if (h.box >= m_selectedBox)
            break;
        if (h.stimulusCode != stimulus || h.hitDisplayCode != hit)
            return nameInTwoBoxesMessage(st.experimentName, h.box, m_selectedBox);
    }
    // The file as it is now: another copy may have added runs since the selection.
    const Services &s = m_services;
    const ReadResult now =
        s.files->readLines(dataFilePath(s.paths, st.experimentName, stimulusFileSuffix(st.stimulusFile)));
    const QString refusal = experimentRefusal(now, st.stimulusFile ? stimulus : QString(), hit);
    if (refusal.isEmpty())
        return QString();
    return QStringLiteral("実験できません。\r\n\r\n") + refusal + QStringLiteral("\r\n\r\n他の実験名で実験できます。");
}

void MainFlow::launch()
{
    if (!takesInput() || m_mode != Mode::Selected)
        return;
    SharedState &st = m_state;
    if (st.runsDone >= kMaxRuns) {
        m_view.tell(runLimitMessage(), MsgIcon::Information);
        return;
    }
    if (const QString refusal = launchRefusal(); !refusal.isEmpty()) {
        m_view.tell(refusal, MsgIcon::Exclamation);
        return;
    }
    st.withStimulus = st.stimulus != Stimulus::None;
    st.conditionMemo = m_view.memoText();
    st.showRunView(); // a launch prepares a run, never the stored results
    st.launchedFromMain = true;
    m_mode = Mode::Launching;
    m_view.openExperimentWindow();
}

void MainFlow::showResults()
{
    if (!takesInput() || m_mode != Mode::Selected || !m_resultsEnabled)
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
    m_mode = Mode::Ended;
    m_view.quit();
}

// ---- the clock -----------------------------------------------------------------------------

void MainFlow::arm()
{
    const qint64 now = m_services.clock->monotonicNs();
    m_deadlineNs = now + kClockTickNs;
    m_timer.start(kClockTickNs);
}

void MainFlow::onDeadline()
{
    if (m_deadlineNs < 0)
        return;
    const qint64 now = m_services.clock->monotonicNs();
    if (m_deadlineNs > now) {
        m_timer.start(m_deadlineNs - now);
        return;
    }
    // On the second of the window's own schedule: refreshes missed by a late timer are not
    // made up, so the next ones do not bunch up.
    m_deadlineNs += ((now - m_deadlineNs) / kClockTickNs + 1) * kClockTickNs;
    m_timer.start(m_deadlineNs - now);
    Q_EMIT clockChanged();
}

} // namespace vora
