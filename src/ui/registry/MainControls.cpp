#include "ui/registry/MainControls.h"

#include "core/toolkit/Cp932.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

namespace vora {

void CaptionLabel::setCaption(const QString &text)
{
    if (this->text() == text)
        return;
    setText(text);
    Q_EMIT captionChanged(text);
}

NameCombo::NameCombo(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    // Enter is the registration key: the box must not add the text itself, and no
    // completion may turn a half-typed name into a listed item.
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setMaxVisibleItems(12);
    // Typed keys reach the box itself (it has the focus) and the box passes them on to its
    // line edit without any event filter seeing them there; watch both places.
    installEventFilter(this);
    lineEdit()->installEventFilter(this);
}

void NameCombo::showPopup()
{
    Q_EMIT droppingDown();
    QComboBox::showPopup();
}

int NameCombo::keyCodeOf(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Escape: return 27;
    default: break;
    }
    const QString text = event->text();
    if (text.isEmpty())
        return -1; // arrows, shift and the like type nothing
    const int code = text.at(0).unicode();
    if (code == 127)
        return -1; // Delete edits the text but types no character
    return code;
}

bool NameCombo::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == this || watched == lineEdit()) && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const int code = keyCodeOf(key);
        if (code >= 0) {
            Q_EMIT keyTyped(code);
            if (code == 13)
                return true; // Enter has been handled; the text keeps what was typed
        }
    }
    return QComboBox::eventFilter(watched, event);
}

void ConditionFrame::mouseDoubleClickEvent(QMouseEvent *event)
{
    QGroupBox::mouseDoubleClickEvent(event);
    Q_EMIT doubleClicked();
}

QString MemoBox::memoText() const
{
    QString text = toPlainText();
    text.replace(QLatin1Char('\n'), CRLF);
    return text;
}

void MemoBox::setMemoText(const QString &text)
{
    QString shown = text;
    shown.replace(CRLF, QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setPlainText(shown);
}

void MemoBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseDoubleClickEvent(event);
    Q_EMIT doubleClicked();
}

std::array<QRadioButton *, 6> MainControls::optionsOf(int box) const
{
    return {smallStimulus[box], mediumStimulus[box], largeStimulus[box], showHits[box], hideHits[box], noStimulus[box]};
}

QString MainControls::stimulusCodeOf(int box) const
{
    if (smallStimulus[box]->isChecked())
        return QStringLiteral("S");
    if (mediumStimulus[box]->isChecked())
        return QStringLiteral("M");
    if (largeStimulus[box]->isChecked())
        return QStringLiteral("B");
    if (noStimulus[box]->isChecked())
        return QStringLiteral("n");
    return QString();
}

QString MainControls::hitDisplayCodeOf(int box) const
{
    if (showHits[box]->isChecked())
        return QStringLiteral("D");
    if (hideHits[box]->isChecked())
        return QStringLiteral("-");
    return QString();
}

void MainControls::selectStimulus(int box, const QString &code) const
{
    if (code == QLatin1String("S"))
        smallStimulus[box]->setChecked(true);
    else if (code == QLatin1String("M"))
        mediumStimulus[box]->setChecked(true);
    else if (code == QLatin1String("B"))
        largeStimulus[box]->setChecked(true);
    else if (code == QLatin1String("n"))
        noStimulus[box]->setChecked(true);
}

void MainControls::selectHitDisplay(int box, const QString &code) const
{
    if (code == QLatin1String("D"))
        showHits[box]->setChecked(true);
    else if (code == QLatin1String("-"))
        hideHits[box]->setChecked(true);
}

void MainControls::clearOptions(int box) const
{
    // Exclusive buttons cannot be unchecked while the group insists on one of them.
    for (QRadioButton *option : optionsOf(box)) {
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
}

void MainControls::setConditionsEnabled(int box, bool enabled) const
{
    stimulusFrame[box]->setEnabled(enabled);
    hitDisplayFrame[box]->setEnabled(enabled);
    for (QRadioButton *option : optionsOf(box))
        option->setEnabled(enabled);
}

QStringList MainControls::listItems(int box) const
{
    QStringList items;
    for (int k = 0; k < nameBox[box]->count(); ++k)
        items.append(nameBox[box]->itemText(k));
    return items;
}

QString MainControls::selectedName(int box) const
{
    return selectButton[box]->text().left(10).section(QLatin1Char(' '), 0, 0);
}

BoxSelection MainControls::registeredSelectionOf(int box) const
{
    BoxSelection remembered = selected[box];
    const QString name = selectedName(box);
    if (remembered.name != name)
        remembered = BoxSelection{name, QString(), QString()};
    return registeredSelection(listItems(box), remembered);
}

FileResult MainControls::writeList(FileStore &files, const AppPaths &paths, int box) const
{
    if (!listRefused[box].isEmpty())
        return FileResult::failure(listRefused[box]);
    return writeNameListFile(files, paths, box, listItems(box), keptLines[box]);
}

QVector<MainControls::Holding> MainControls::holdingsOf(const QString &name) const
{
    QVector<Holding> out;
    if (name.isEmpty())
        return out;
    for (int box = 1; box <= kNameBoxes; ++box) {
        bool listed = false;
        for (const QString &text : listItems(box)) {
            const NameListItem item = NameListItem::parse(text);
            if (item.name == name) {
                out.append(Holding{box, item.stimulusCode, item.hitDisplayCode});
                listed = true;
                break;
            }
        }
        // A selection file may hold a name that its box's list has lost.
        if (!listed && selectedName(box) == name) {
            const bool known = selected[box].name == name;
            out.append(Holding{box, known ? selected[box].stimulusCode : QString(),
                               known ? selected[box].hitDisplayCode : QString()});
        }
    }
    return out;
}

} // namespace vora
