#include "ui/registry/SelectionLaunch.h"

#include "core/registry/Conditions.h"
#include "core/registry/DataFile.h"
#include "core/registry/NameList.h"
#include "core/registry/RunRecord.h"
#include "core/study/SealWriter.h"
#include "ui/registry/MainControls.h"
#include "ui/startup/Module1.h"
#include "ui/toolkit/Style.h"

#include <QCheckBox>
#include <QDateTime>
#include <QPushButton>
#include <QRadioButton>

namespace vora {

SelectionLaunch::SelectionLaunch(Module1 &module, MainControls &controls, QObject *parent)
    : QObject(parent), m_module(module), m_c(controls)
{
    for (int box = 1; box <= kNameBoxes; ++box)
        connect(m_c.selectButton[box], &QPushButton::clicked, this, [this, box] { selectPressed(box); });
    connect(m_c.experimentName, &CaptionLabel::captionChanged, this, &SelectionLaunch::selectionLoad);
    connect(m_c.conditionMemo, &MemoBox::doubleClicked, this, &SelectionLaunch::memoDoubleClicked);
    connect(m_c.saveMemoButton, &QPushButton::clicked, this, &SelectionLaunch::saveMemo);
    connect(m_c.startButton, &QPushButton::clicked, this, &SelectionLaunch::launch);
}

QString SelectionLaunch::damagedMessage()
{
    return QStringLiteral("データの一部が破損または改竄の可能性があります。このデータは利用できません。");
}

QString SelectionLaunch::limitMessage()
{
    return QStringLiteral(
        "実験できません。\r\n\r\n１つの実験名では100ランまでです。\r\n\r\n他の実験名で実験できます。");
}

QString SelectionLaunch::conditionsText(const QString &stimulusCode, const QString &hitDisplayCode)
{
    return conditionsDescription(stimulusCode, hitDisplayCode) + QStringLiteral("　(保存データ；正常)");
}

void SelectionLaunch::selectPressed(int box)
{
    if (m_c.ended)
        return;
    SharedState &st = m_module.state();
    m_c.experimentName->setToolTip(QStringLiteral("今から行なう実験の名称です"));
    m_c.showMemoCheck->show();
    m_c.showMemoCheck->setChecked(false);
    // Unticking an unticked box raises nothing; its effect is wanted all the same.
    st.showConditions = false;
    m_c.conditionMemo->hide();
    m_c.saveMemoButton->hide();
    m_c.conditionMemo->clear();
    m_c.conditionMemo->setReadOnly(true);
    st.conditionMemo = QString();
    m_c.registrationButton->setEnabled(true);
    st.stimulusFile = !m_c.noStimulus[box]->isChecked();

    const QString caption = m_c.selectButton[box]->text();
    m_selectedBox = 0;
    m_c.experimentName->setCaption(QString());
    m_c.experimentName->setCaption(caption);
    if (m_c.ended)
        return; // the data file failed its check: this instance is over
    m_selectedBox = caption.isEmpty() ? 0 : box;

    if (caption.isEmpty()) {
        m_c.showMemoCheck->hide();
        m_c.experimentHeading->setEnabled(false);
    }
    style::setBackground(m_c.prompt, style::promptGrey());
    if (!m_c.registrationOpen) {
        style::setButtonColour(m_c.selectButton[box], style::selectedButtonColour());
        m_c.prompt->setEnabled(false);
    }
    if (caption.isEmpty()) {
        style::setBackground(m_c.prompt, style::promptYellow());
        m_c.prompt->setEnabled(true);
    }
    if (m_c.registrationOpen)
        m_c.registrationButton->click(); // closes the view, which clears the selection again
    for (int other = 1; other <= kNameBoxes; ++other) {
        if (other != box)
            style::setButtonColour(m_c.selectButton[other], style::buttonFaceColour());
    }

    // The options of the box decide the conditions, whatever the last run line said.
    const QString stimulus = m_c.stimulusCodeOf(box);
    const QString hit = m_c.hitDisplayCodeOf(box);
    if (!stimulus.isEmpty())
        st.stimulus = stimulusFromLetter(stimulus);
    if (!hit.isEmpty())
        st.hitDisplay = hitDisplayFromLetter(hit);
    m_c.selectionConditions->setText(conditionsText(stimulus, hit));

    if (m_c.experimentName->caption().isEmpty()) {
        m_c.selectionConditions->setText(QString());
        style::setBackground(m_c.prompt, style::promptYellow());
    }
}

void SelectionLaunch::selectionLoad(const QString &caption)
{
    if (m_c.ended)
        return;
    SharedState &st = m_module.state();
    st.runsDone = 0;
    st.stopBrowsing();
    QString name = caption;
    name.remove(QLatin1Char(' '));
    st.experimentName = name;
    if (name.isEmpty()) {
        m_c.startButton->setEnabled(false);
        m_c.resultsButton->setEnabled(false);
        m_c.selectionConditions->setText(QString()); // no conditions without an experiment
        return;
    }
    m_c.startButton->setEnabled(true);
    m_c.experimentHeading->setEnabled(true);
    m_c.boxesHeading->setEnabled(false);

    const Services &s = m_module.services();
    if (!isValidExperimentName(name)) {
        // Not a name this program registers: it must not become a path.
        m_c.startButton->setEnabled(false);
        m_c.resultsButton->setEnabled(false);
        return;
    }
    const QString suffix = stimulusFileSuffix(st.stimulusFile);
    const QString path = dataFilePath(s.paths, name, suffix);
    const DataFileContents data = loadDataFile(*s.files, path);
    if (!data.readOk) {
        // A file that cannot be read cannot be checked, and runs must not be added to it.
        m_c.startButton->setEnabled(false);
        m_c.resultsButton->setEnabled(false);
        s.dialogs->message(m_c.window,
                           QStringLiteral("実験データのファイルを読めないため、この実験は選べません。\r\n")
                               + data.read.message,
                           MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    if (!data.passed()) {
        refuseDamagedData();
        return;
    }
    if (data.hasMemoLine) {
        st.conditionMemo = data.conditionMemo;
        m_c.conditionMemo->setMemoText(data.conditionMemo);
    }
    st.runsDone = data.runCount();
    if (data.runCount() > 0) {
        st.stimulus = stimulusFromLetter(data.lastStimulusCode);
        st.hitDisplay = hitDisplayFromLetter(data.lastHitDisplayCode);
    }
    if (!st.conditionMemo.isEmpty()) {
        m_c.showMemoCheck->setChecked(true);
        m_c.showMemoCheck->show();
    }
    m_c.resultsButton->setEnabled(data.runCount() > 0);
    // A broken seal stops nothing (the check above is the gate); it is reported at every selection.
    // Runs a crash left unsealed are sealed now, before the next run, and said so once.
    if (const study::SelectionSeal seal = study::sealAtSelection(*s.files, path, QDateTime::currentDateTime());
        !seal.message.isEmpty())
        s.dialogs->message(m_c.window, seal.message, MsgButtons::Ok,
                           seal.warning ? MsgIcon::Exclamation : MsgIcon::Information);
}

void SelectionLaunch::refuseDamagedData()
{
    // From here on no handler of this window does anything: nothing may be written.
    m_c.ended = true;
    m_c.startButton->setEnabled(false);
    m_c.resultsButton->setEnabled(false);
    const Services &s = m_module.services();
    s.dialogs->message(m_c.window, damagedMessage(), MsgButtons::Ok, MsgIcon::None);
    s.process->startNewInstance();
    s.process->quitNow();
}

void SelectionLaunch::memoDoubleClicked()
{
    if (m_c.ended)
        return;
    m_c.conditionMemo->setReadOnly(false);
    m_c.saveMemoButton->show();
}

void SelectionLaunch::saveMemo()
{
    if (m_c.ended)
        return;
    const SharedState &st = m_module.state();
    const QString name = st.experimentName;
    if (!isValidExperimentName(name))
        return;
    const QString suffix = stimulusFileSuffix(st.stimulusFile);
    Services &s = m_module.services();
    const FileResult result =
        saveConditionMemo(*s.files, s.paths, dataFilePath(s.paths, name, suffix), m_c.conditionMemo->memoText());
    if (!result) {
        // The memo stays in the box, still editable, so nothing typed is lost.
        s.dialogs->message(m_c.window, QStringLiteral("実験条件のメモを保存できませんでした。\r\n") + result.message,
                           MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    m_c.conditionMemo->setReadOnly(true);
    m_c.saveMemoButton->hide();
}

QString SelectionLaunch::launchRefusal() const
{
    const SharedState &st = m_module.state();
    const QString stimulus = stimulusLetter(st.stimulus);
    const QString hit = hitDisplayLetter(st.hitDisplay);
    // A name held by two boxes (an old list, or one edited by hand): the first box keeps it.
    for (const MainControls::Holding &h : m_c.holdingsOf(st.experimentName)) {
        if (h.box >= m_selectedBox)
            break;
        if (h.stimulusCode != stimulus || h.hitDisplayCode != hit)
            return nameInTwoBoxesMessage(st.experimentName, h.box, m_selectedBox);
    }
    // The file as it is now: another copy may have added runs since the selection.
    const Services &s = m_module.services();
    const ReadResult now =
        s.files->readLines(dataFilePath(s.paths, st.experimentName, stimulusFileSuffix(st.stimulusFile)));
    const QString refusal = experimentRefusal(now, st.stimulusFile ? stimulus : QString(), hit);
    if (refusal.isEmpty())
        return QString();
    return QStringLiteral("実験できません。\r\n\r\n") + refusal + QStringLiteral("\r\n\r\n他の実験名で実験できます。");
}

QString SelectionLaunch::nameInTwoBoxesMessage(const QString &name, int firstBox, int box)
{
    return QStringLiteral(
               "実験名「%1」はボックス%2にも別の条件で登録されているため、ボックス%3からは実験を開始できません。\r\n"
               "実験名は５つのボックスで同じものは使えません。\r\n"
               "ボックス%3の実験名を削除して、別の実験名で登録し直してください。")
        .arg(name)
        .arg(firstBox)
        .arg(box);
}

void SelectionLaunch::launch()
{
    if (m_c.ended || m_c.experimentName->caption().isEmpty())
        return;
    SharedState &st = m_module.state();
    const Services &s = m_module.services();
    if (st.runsDone >= kMaxRuns) {
        s.dialogs->message(m_c.window, limitMessage(), MsgButtons::Ok, MsgIcon::Information);
        return;
    }
    if (const QString refusal = launchRefusal(); !refusal.isEmpty()) {
        s.dialogs->message(m_c.window, refusal, MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    st.withStimulus = st.stimulus != Stimulus::None;
    st.conditionMemo = m_c.conditionMemo->memoText();
    st.showRunView(); // a launch prepares a run, never the stored results
    st.launchedFromMain = true;
    // Unloads this window (later, once this handler has returned) and builds the experiment window.
    m_module.showExperimentWindow();
}

} // namespace vora
