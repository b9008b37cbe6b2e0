#include "ui/registry/NameBoxes.h"

#include "core/registry/DataFile.h"
#include "core/registry/NameList.h"
#include "ui/registry/MainControls.h"
#include "ui/startup/Module1.h"

#include <QPushButton>
#include <QRadioButton>

namespace vora {

QString conditionMessage(int box)
{
    return box == 1 ? QStringLiteral("刺激や当り表示を選択してください")
                    : QStringLiteral("刺激や当りの表示を選択してください");
}

QString lengthMessage(int box)
{
    return box == 1 ? QStringLiteral("実験名は10文字以下にしてください。")
                    : QStringLiteral("実験名が10文字以上です。変更してください。");
}

QString nameInUseMessage(const QString &name, int box)
{
    return QStringLiteral("実験名「%1」はボックス%2にすでに登録されています。\r\n"
                          "実験名は５つのボックスで同じものは使えません。別の実験名を入力してください。")
        .arg(name)
        .arg(box);
}

QString unreadableListMessage(int box, const QString &why)
{
    return QStringLiteral(
               "実験名の一覧のファイル（%1）を読めなかったため、このボックスでは実験名の登録や削除ができません。\r\n"
               "ファイルを確かめてから、プログラムを起動し直してください。\r\n\r\n")
               .arg(nameListFileName(box))
           + why;
}

NameBoxes::NameBoxes(Module1 &module, MainControls &controls, QObject *parent)
    : QObject(parent), m_module(module), m_c(controls)
{
    for (int box = 1; box <= kNameBoxes; ++box) {
        NameCombo *combo = m_c.nameBox[box];
        connect(combo, qOverload<int>(&QComboBox::activated), this, [this, box](int index) { itemChosen(box, index); });
        connect(combo, &NameCombo::droppingDown, this, [this, box] { droppingDown(box); });
        connect(combo, &NameCombo::keyTyped, this, [this, box](int code) { keyTyped(box, code); });
    }
}

void NameBoxes::itemChosen(int box, int index)
{
    if (m_c.ended || index < 0 || index >= m_c.nameBox[box]->count())
        return;
    const QString text = m_c.nameBox[box]->itemText(index);
    QPushButton *button = m_c.selectButton[box];
    button->setText(text.left(10));
    button->setEnabled(true);

    m_chosenBox = box;
    m_chosenIndex = index;
    m_chosenText = text;
    const NameListItem item = NameListItem::parse(text);
    m_c.selected[box] = BoxSelection{item.name, item.stimulusCode, item.hitDisplayCode};

    m_c.selectStimulus(box, text.mid(11, 1));
    m_c.selectHitDisplay(box, text.mid(12, 1));

    const QString name = button->text().section(QLatin1Char(' '), 0, 0);
    const QString suffix = m_c.noStimulus[box]->isChecked() ? QStringLiteral("0") : QStringLiteral("1");
    m_module.state().stimulusFile = suffix != QLatin1String("0");
    showRunCount(box, name, suffix);
}

void NameBoxes::showRunCount(int box, const QString &name, const QString &suffix)
{
    RunCountInfo info;
    // A name that breaks the rule never becomes a path.
    if (isValidExperimentName(name)) {
        const Services &s = m_module.services();
        info = countRuns(*s.files, dataFilePath(s.paths, name, suffix));
    }
    m_c.lastDate[box]->setText(info.lastDate);
    m_c.runsDone[box]->setText(QLatin1Char(' ') + QString::number(info.runs));
}

void NameBoxes::droppingDown(int box)
{
    if (m_c.ended)
        return;
    // The counts come from the items themselves, so a list that differs from its file
    // (after a failed write, say) still shows each name with its own count.
    NameCombo *combo = m_c.nameBox[box];
    const QString typed = combo->currentText();
    const Services &s = m_module.services();
    for (int k = 0; k < combo->count(); ++k) {
        const QString base = combo->itemText(k).left(13);
        const NameListItem item = NameListItem::parse(base);
        const QString suffix = item.fileSuffix();
        m_module.state().stimulusFile = suffix != QLatin1String("0");
        int runs = 0;
        if (isValidExperimentName(item.name))
            runs = countRuns(*s.files, dataFilePath(s.paths, item.name, suffix)).runs;
        combo->setItemText(k, base + QString::number(runs));
    }
    if (combo->currentText() != typed)
        combo->setEditText(typed);
}

void NameBoxes::keyTyped(int box, int keyCode)
{
    if (m_c.ended)
        return;
    if (keyCode >= 32)
        m_c.setConditionsEnabled(box, true); // conditions can be chosen for a new name
    m_c.selectButton[box]->setEnabled(false);
    if (keyCode != 13) {
        m_justRegistered = false;
        m_c.clearOptions(box);
        m_c.registrationButton->setEnabled(false);
        m_c.registrationButton->setEnabled(true);
        return;
    }
    enterPressed(box);
    m_c.registrationButton->setEnabled(true);
}

void NameBoxes::enterPressed(int box)
{
    m_c.selectButton[box]->setEnabled(true);
    m_c.registrationButton->setEnabled(true);
    if (!m_c.listRefused[box].isEmpty()) {
        // Writing the list would replace names the program could not read.
        report(unreadableListMessage(box, m_c.listRefused[box]));
        return;
    }
    const QString text = m_c.nameBox[box]->currentText();
    if (text.isEmpty()) {
        if (!m_justRegistered)
            deleteChosenItem(box);
        return;
    }
    registerName(box, text);
}

int NameBoxes::deletableIndex(int box) const
{
    if (box != m_chosenBox || m_chosenIndex < 0 || m_chosenIndex >= m_c.nameBox[box]->count())
        return -1;
    // The counts after column 13 change with every drop-down; the item itself does not.
    if (m_c.nameBox[box]->itemText(m_chosenIndex).left(13) != m_chosenText.left(13))
        return -1;
    return m_chosenIndex;
}

void NameBoxes::deleteChosenItem(int box)
{
    const int index = deletableIndex(box);
    if (index < 0)
        return; // nothing was chosen in this box: there is nothing the user meant to delete
    const Services &s = m_module.services();
    if (s.dialogs->message(m_c.window, QStringLiteral("実験名を削除します"), MsgButtons::YesNo, MsgIcon::None)
        != MsgAnswer::Yes)
        return;

    NameCombo *combo = m_c.nameBox[box];
    combo->removeItem(index);
    itemRemoved(m_c.keptLines[box], index);
    combo->setCurrentIndex(-1);
    combo->setEditText(QString());
    const QString deletedName = m_chosenText.left(10).trimmed();
    if (m_c.selectButton[box]->text().trimmed() == deletedName) {
        m_c.selectButton[box]->setText(QString());
        m_c.selected[box] = BoxSelection{};
    }
    m_chosenBox = 0;
    m_chosenIndex = -1;
    m_chosenText.clear();
    writeList(box); // the data file of the name stays where it is
}

void NameBoxes::registerName(int box, const QString &text)
{
    const Services &s = m_module.services();
    const QString stimulus = m_c.stimulusCodeOf(box);
    const QString hit = m_c.hitDisplayCodeOf(box);
    if (stimulus.isEmpty() || hit.isEmpty()) {
        m_c.registrationButton->setEnabled(false);
        s.sound->beep();
        s.dialogs->message(m_c.window, conditionMessage(box), MsgButtons::Ok, MsgIcon::Information);
        return;
    }
    SharedState &st = m_module.state();
    st.stimulus = stimulusFromLetter(stimulus);
    st.hitDisplay = hitDisplayFromLetter(hit);

    const NameProblem problem = checkExperimentName(text);
    if (problem == NameProblem::TooLong) {
        s.dialogs->message(m_c.window, lengthMessage(box), MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    if (problem != NameProblem::None) {
        s.sound->beep();
        return;
    }
    // One name, one set of conditions: the runs of a name share its data file.
    if (const QVector<MainControls::Holding> held = m_c.holdingsOf(text); !held.isEmpty()) {
        s.dialogs->message(m_c.window, nameInUseMessage(text, held.first().box), MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }

    QPushButton *button = m_c.selectButton[box];
    button->setEnabled(true);
    button->setText(padName(text));
    m_c.selected[box] = BoxSelection{text, stimulus, hit};

    NameCombo *combo = m_c.nameBox[box];
    combo->addItem(button->text() + QLatin1Char('-') + stimulus + hit);
    combo->setCurrentIndex(-1);
    combo->setEditText(QString());
    m_c.stimulusFrame[box]->setEnabled(false); // the conditions of a registered name are fixed
    m_c.hitDisplayFrame[box]->setEnabled(false);

    writeList(box);
    m_justRegistered = true;

    const QString suffix = m_c.noStimulus[box]->isChecked() ? QStringLiteral("0") : QStringLiteral("1");
    st.stimulusFile = suffix != QLatin1String("0");
    showRunCount(box, text, suffix);
}

void NameBoxes::writeList(int box)
{
    Services &s = m_module.services();
    const FileResult result = m_c.writeList(*s.files, s.paths, box);
    if (!result)
        report(QStringLiteral("実験名の一覧（%1）を保存できませんでした。\r\n").arg(nameListFileName(box))
               + result.message);
}

void NameBoxes::report(const QString &text)
{
    m_module.services().dialogs->message(m_c.window, text, MsgButtons::Ok, MsgIcon::Exclamation);
}

} // namespace vora
