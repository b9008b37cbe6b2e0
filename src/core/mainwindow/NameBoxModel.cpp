#include "core/mainwindow/NameBoxModel.h"

#include "core/mainwindow/MainTexts.h"
#include "core/registry/DataFile.h"
#include "core/toolkit/Cp932.h"

#include <QCoreApplication>

namespace vora {

namespace {
// The texts of this file, under the translation context "NameBoxModel".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(NameBoxModel)
};
} // namespace

QString NameBox::selectedName() const
{
    return caption.left(10).section(QLatin1Char(' '), 0, 0);
}

void NameBox::tickStimulus(const QString &code)
{
    static const QStringList codes{QStringLiteral("S"), QStringLiteral("M"), QStringLiteral("B"), QStringLiteral("n")};
    if (codes.contains(code))
        stimulus = code;
}

void NameBox::tickHitDisplay(const QString &code)
{
    if (code == QLatin1String("D") || code == QLatin1String("-"))
        hitDisplay = code;
}

void NameBox::clearOptions()
{
    stimulus.clear();
    hitDisplay.clear();
}

QString NameBox::fileSuffix() const
{
    return stimulus == QLatin1String("n") ? QStringLiteral("0") : QStringLiteral("1");
}

BoxSelection NameBox::registeredSelection() const
{
    BoxSelection known = remembered;
    const QString name = selectedName();
    if (known.name != name)
        known = BoxSelection{name, QString(), QString()};
    return vora::registeredSelection(items, known);
}

FileResult NameBox::writeList(FileStore &files, const AppPaths &paths, int box) const
{
    if (!listRefused.isEmpty())
        return FileResult::failure(listRefused);
    return writeNameListFile(files, paths, box, items, kept);
}

NameBoxModel::NameBoxModel(Services &services, SharedState &state) : m_services(services), m_state(state)
{
}

// ---- files ---------------------------------------------------------------------------------

QStringList NameBoxModel::load()
{
    QStringList problems;
    restoreSelections(problems);
    readLists(problems);
    return problems;
}

void NameBoxModel::restoreSelections(QStringList &problems)
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
            failure = Texts::tr("実験名の選択のファイル（%1）を読めません。\r\n").arg(selectionFileName()) + read.error;
            m_selectionRefused = failure;
        } else if (const FileResult r = s.files->replaceAll(selectionPath, {firstRunLine(date)}); !r) {
            failure = Texts::tr("プログラムのフォルダに書き込めません。\r\n実験名の登録や選択は保存されません。\r\n")
                      + r.message;
        } else if (const FileResult r2 = addFirstRunLine(*s.files, s.paths, date); !r2) {
            // An existing list of box 1 is kept: the new name is added to it, nothing replaced.
            failure = Texts::tr("実験名の一覧（%1）に実験名を加えられませんでした。\r\n").arg(nameListFileName(1))
                      + r2.message;
        }
        m_boxes[1].caption = name.left(10);

        read = readSelectionFile(*s.files, s.paths); // once more, never in a loop
        if (!read.opened) {
            read.boxes = QVector<BoxSelection>(kNameBoxes);
            read.boxes[0] = BoxSelection{name, QStringLiteral("S"), QStringLiteral("D")};
            if (failure.isEmpty())
                failure = Texts::tr("実験名の選択のファイル（%1）を作れません。").arg(selectionFileName());
        }
        if (!failure.isEmpty())
            problems.append(failure);
    } else if (!read.error.isEmpty()) {
        // Read, but not all of it: the boxes of its unreadable lines stay empty, and the file
        // is kept as it is.
        m_selectionRefused =
            Texts::tr("実験名の選択のファイル（%1）の一部を読めません。\r\n").arg(selectionFileName()) + read.error;
        problems.append(m_selectionRefused);
    }
    for (int box = 1; box <= kNameBoxes; ++box) {
        const BoxSelection &sel = read.boxes.value(box - 1);
        if (!sel.name.isEmpty()) // else the box keeps what it has
            showSelection(box, sel);
    }
}

void NameBoxModel::showSelection(int box, const BoxSelection &selection)
{
    NameBox &b = m_boxes[box];
    b.caption = selection.name;
    b.remembered = selection;
    b.tickStimulus(selection.stimulusCode);
    b.tickHitDisplay(selection.hitDisplayCode);
    m_state.stimulusFile = b.stimulus != QLatin1String("n");
    showRunCount(box, selection.name, stimulusFileSuffix(m_state.stimulusFile));
}

void NameBoxModel::readLists(QStringList &problems)
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
            problems.append(Texts::tr("実験名の一覧（%1）：\r\n").arg(nameListFileName(box)) + list.error);
        if (const QString unusable = unusableLinesMessage(box, list.unusable); !unusable.isEmpty())
            problems.append(unusable);
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

void NameBoxModel::showRunCount(int box, const QString &name, const QString &suffix)
{
    RunCountInfo info;
    // A name that breaks the rule never becomes a path.
    if (isValidExperimentName(name))
        info = countRuns(*m_services.files, dataFilePath(m_services.paths, name, suffix));
    m_boxes[box].lastDate = info.lastDate;
    m_boxes[box].runs = QLatin1Char(' ') + QString::number(info.runs);
}

QVector<BoxSelection> NameBoxModel::settleForStore()
{
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
        takeConditions(box);
        if (b.caption.isEmpty()) {
            b.clearOptions();
            continue; // an empty line keeps the later boxes on their own lines
        }
        BoxSelection &sel = selections[box - 1];
        sel.name = b.selectedName();
        sel.stimulusCode = stimulusLetter(m_state.stimulus);
        sel.hitDisplayCode = hitDisplayLetter(m_state.hitDisplay);
    }
    return selections;
}

FileResult NameBoxModel::store(const QVector<BoxSelection> &selections)
{
    Services &s = m_services;
    QStringList failures;
    bool busy = false;
    if (!m_selectionRefused.isEmpty()) {
        // Said at load already; the selections of this session are not kept.
        failures.append(Texts::tr("実験名の選択のファイル（%1）は読めなかったため、書き換えませんでした。")
                            .arg(selectionFileName()));
    } else if (const FileResult r = writeSelectionFile(*s.files, s.paths, selections); !r) {
        failures.append(r.message);
        busy = busy || r.code == FileError::LockBusy;
    }
    for (int box = 1; box <= kNameBoxes; ++box) {
        // A list that could not be read allowed no change, and is left as it is.
        if (!m_boxes[box].listRefused.isEmpty())
            continue;
        if (const FileResult r = m_boxes[box].writeList(*s.files, s.paths, box); !r) {
            failures.append(r.message);
            busy = busy || r.code == FileError::LockBusy;
        }
    }
    if (failures.isEmpty())
        return {};
    FileResult out =
        FileResult::failure(Texts::tr("実験名の選択や一覧を保存できませんでした。\r\n") + failures.join(CRLF));
    // Every file is rewritten whole from the boxes, so trying again writes the same bytes.
    if (busy)
        out.code = FileError::LockBusy;
    return out;
}

void NameBoxModel::takeConditions(int box)
{
    takeConditions(m_boxes[box].stimulus, m_boxes[box].hitDisplay);
}

void NameBoxModel::takeConditions(const QString &stimulusCode, const QString &hitDisplayCode)
{
    if (!stimulusCode.isEmpty())
        m_state.stimulus = stimulusFromLetter(stimulusCode);
    if (!hitDisplayCode.isEmpty())
        m_state.hitDisplay = hitDisplayFromLetter(hitDisplayCode);
}

// ---- edits ---------------------------------------------------------------------------------

void NameBoxModel::choose(int box, int index)
{
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
}

void NameBoxModel::dropDown(int box)
{
    // The counts come from the items themselves, so a list that differs from its file
    // (after a failed write, say) still shows each name with its own count.
    for (QString &text : m_boxes[box].items) {
        const QString base = text.left(13);
        const NameListItem item = NameListItem::parse(base);
        const QString suffix = item.fileSuffix();
        m_state.stimulusFile = suffix != QLatin1String("0");
        int runs = 0;
        if (isValidExperimentName(item.name))
            runs = countRuns(*m_services.files, dataFilePath(m_services.paths, item.name, suffix)).runs;
        text = base + QString::number(runs);
    }
}

void NameBoxModel::setOptions(int box, const QString &stimulusCode, const QString &hitDisplayCode)
{
    m_boxes[box].stimulus = stimulusCode;
    m_boxes[box].hitDisplay = hitDisplayCode;
}

BoxReply NameBoxModel::keyTyped(int box, int keyCode, const QString &text)
{
    BoxReply reply;
    NameBox &b = m_boxes[box];
    if (keyCode >= 32)
        b.conditionsEnabled = true; // conditions can be chosen for a new name
    b.selectEnabled = false;
    if (keyCode != 13) {
        m_justRegistered = false;
        b.clearOptions();
        return reply;
    }
    // Enter
    b.selectEnabled = true;
    if (!b.listRefused.isEmpty()) {
        // Writing the list would replace names the program could not read.
        reply.message = unreadableListMessage(box, b.listRefused);
        reply.icon = MsgIcon::Exclamation;
    } else if (text.isEmpty()) {
        // Nothing chosen in this box: there is nothing the user meant to delete.
        reply.askDelete = !m_justRegistered && deletableIndex(box) >= 0;
    } else {
        registerName(box, text, reply);
    }
    return reply;
}

int NameBoxModel::deletableIndex(int box) const
{
    const QStringList &items = m_boxes[box].items;
    if (box != m_chosenBox || m_chosenIndex < 0 || m_chosenIndex >= items.size())
        return -1;
    // The counts after column 13 change with every drop-down; the item itself does not.
    if (items.at(m_chosenIndex).left(13) != m_chosenText.left(13))
        return -1;
    return m_chosenIndex;
}

BoxReply NameBoxModel::deleteItem(int box, int index)
{
    BoxReply reply;
    if (deletableIndex(box) != index || index < 0)
        return reply;
    NameBox &b = m_boxes[box];
    b.items.removeAt(index);
    itemRemoved(b.kept, index);
    reply.textCleared = true;
    const QString deletedName = m_chosenText.left(10).trimmed();
    if (b.caption.trimmed() == deletedName) {
        b.caption.clear();
        b.remembered = BoxSelection{};
    }
    m_chosenBox = 0;
    m_chosenIndex = -1;
    m_chosenText.clear();
    reply.writeList = box; // the data file of the name stays where it is
    return reply;
}

void NameBoxModel::registerName(int box, const QString &text, BoxReply &reply)
{
    NameBox &b = m_boxes[box];
    const QString stimulus = b.stimulus;
    const QString hit = b.hitDisplay;
    if (stimulus.isEmpty() || hit.isEmpty()) {
        reply.beep = true;
        reply.message = conditionMessage(box);
        reply.icon = MsgIcon::Information;
        reply.waits = true;
        return;
    }
    takeConditions(stimulus, hit);

    const NameProblem problem = checkExperimentName(text);
    if (problem == NameProblem::TooLong) {
        reply.message = lengthMessage(box);
        reply.icon = MsgIcon::Exclamation;
        return;
    }
    if (problem != NameProblem::None) {
        reply.beep = true;
        return;
    }
    // One name, one set of conditions: the runs of a name share its data file.
    if (const QVector<Holding> held = holdingsOf(text); !held.isEmpty()) {
        reply.message = nameInUseMessage(text, held.first().box);
        reply.icon = MsgIcon::Exclamation;
        return;
    }

    b.selectEnabled = true;
    b.caption = padName(text);
    b.remembered = BoxSelection{text, stimulus, hit};
    b.items.append(b.caption + QLatin1Char('-') + stimulus + hit);
    reply.textCleared = true;
    b.conditionsEnabled = false; // the conditions of a registered name are fixed

    reply.writeList = box;
    m_justRegistered = true;

    const QString suffix = b.fileSuffix();
    m_state.stimulusFile = suffix != QLatin1String("0");
    showRunCount(box, text, suffix);
}

FileResult NameBoxModel::writeList(int box)
{
    return m_boxes[box].writeList(*m_services.files, m_services.paths, box);
}

QString NameBoxModel::listNotSavedMessage(int box, const FileResult &result)
{
    return Texts::tr("実験名の一覧（%1）を保存できませんでした。\r\n").arg(nameListFileName(box)) + result.message;
}

void NameBoxModel::endEditing()
{
    for (int box = 1; box <= kNameBoxes; ++box) {
        m_boxes[box].selectEnabled = true;
        m_boxes[box].conditionsEnabled = false;
    }
}

QVector<NameBoxModel::Holding> NameBoxModel::holdingsOf(const QString &name) const
{
    QVector<Holding> out;
    if (name.isEmpty())
        return out;
    for (int box = 1; box <= kNameBoxes; ++box) {
        const NameBox &b = m_boxes.at(box);
        bool listed = false;
        for (const QString &text : b.items) {
            const NameListItem item = NameListItem::parse(text);
            if (item.name == name) {
                out.append(Holding{box, item.stimulusCode, item.hitDisplayCode});
                listed = true;
                break;
            }
        }
        // A selection file may hold a name that its box's list has lost.
        if (!listed && b.selectedName() == name) {
            const bool known = b.remembered.name == name;
            out.append(Holding{box, known ? b.remembered.stimulusCode : QString(),
                               known ? b.remembered.hitDisplayCode : QString()});
        }
    }
    return out;
}

} // namespace vora
