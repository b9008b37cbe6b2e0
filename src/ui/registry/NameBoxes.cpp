#include "ui/registry/NameBoxes.h"

#include "core/mainwindow/MainFlow.h"
#include "ui/toolkit/Style.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace vora {

namespace {

// The code each of Option1 .. Option6 stands for, and whether it is a stimulus option.
const char *const kOptionCodes[6] = {"S", "M", "B", "D", "-", "n"};
bool isStimulusOption(int k)
{
    return k != 3 && k != 4;
}

// Shows the items, keeping what is typed in the box (and any count refreshed in place).
void showItems(NameCombo *combo, const QStringList &items)
{
    const QString typed = combo->currentText();
    bool same = combo->count() == items.size();
    if (same) {
        for (int k = 0; k < items.size(); ++k) {
            if (combo->itemText(k) != items.at(k))
                combo->setItemText(k, items.at(k));
        }
    } else {
        combo->clear();
        combo->addItems(items);
        combo->setCurrentIndex(-1);
    }
    if (combo->currentText() != typed)
        combo->setEditText(typed);
}

void tick(QRadioButton *option, bool ticked)
{
    if (option->isChecked() == ticked)
        return;
    if (ticked) {
        option->setChecked(true);
    } else {
        // An exclusive button cannot be unchecked while its group insists on one of them.
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
}

} // namespace

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

NameBoxes::NameBoxes(MainFlow &flow, const Controls &controls, QObject *parent)
    : QObject(parent), m_flow(flow), m_c(controls)
{
    for (int box = 1; box <= kNameBoxes; ++box) {
        const Column &c = m_c.columns[box];
        NameCombo *combo = c.nameBox;
        connect(combo, qOverload<int>(&QComboBox::activated), this,
                [this, box](int index) { m_flow.itemChosen(box, index); });
        connect(combo, &NameCombo::droppingDown, this, [this, box] { m_flow.droppingDown(box); });
        connect(combo, &NameCombo::keyTyped, this,
                [this, box, combo](int code) { m_flow.keyTyped(box, code, combo->currentText()); });
        for (QRadioButton *option : c.options)
            connect(option, &QRadioButton::clicked, this, [this, box] { optionClicked(box); });
        connect(c.stimulusFrame, &ConditionFrame::doubleClicked, this, [this, box] { Q_EMIT frameDoubleClicked(box); });
        connect(c.selectButton, &QPushButton::clicked, this, [this, box] { m_flow.selectPressed(box); });
    }
    connect(&m_flow, &MainFlow::boxChanged, this, &NameBoxes::showBox);
    connect(&m_flow, &MainFlow::windowChanged, this, &NameBoxes::showWindowState);
    connect(&m_flow, &MainFlow::typedTextCleared, this,
            [this](int box) { m_c.columns[box].nameBox->setEditText(QString()); });
    connect(&m_flow, &MainFlow::registrationViewChanged, this, [this](bool open) {
        for (int box = 1; box <= kNameBoxes; ++box)
            m_c.columns[box].nameBox->setVisible(open);
    });
}

void NameBoxes::showBox(int box)
{
    const NameBox &m = m_flow.box(box);
    const Column &c = m_c.columns[box];
    showItems(c.nameBox, m.items);
    c.selectButton->setText(m.caption);
    c.selectButton->setEnabled(m_flow.selectEnabled(box));
    for (int k = 0; k < 6; ++k) {
        const QString code = QLatin1String(kOptionCodes[k]);
        tick(c.options[k], (isStimulusOption(k) ? m.stimulus : m.hitDisplay) == code);
    }
    c.stimulusFrame->setEnabled(m.conditionsEnabled);
    c.hitDisplayFrame->setEnabled(m.conditionsEnabled);
    c.runsDone->setText(m.runs);
    c.lastDate->setText(m.lastDate);
}

void NameBoxes::showWindowState()
{
    m_c.heading->setEnabled(m_flow.boxesHeadingEnabled());
    for (int box = 1; box <= kNameBoxes; ++box)
        m_c.columns[box].selectButton->setEnabled(m_flow.selectEnabled(box));
    if (m_flow.highlightedBox() < 0)
        return; // the buttons keep the style's own look until one is chosen
    for (int box = 1; box <= kNameBoxes; ++box) {
        QPushButton *button = m_c.columns[box].selectButton;
        const QColor colour =
            box == m_flow.highlightedBox() ? style::selectedButtonColour() : style::buttonFaceColour();
        if (style::buttonColour(button) != colour)
            style::setButtonColour(button, colour);
    }
}

void NameBoxes::optionClicked(int box)
{
    const Column &c = m_c.columns[box];
    QString stimulus;
    QString hit;
    for (int k = 0; k < 6; ++k) {
        if (c.options[k]->isChecked())
            (isStimulusOption(k) ? stimulus : hit) = QLatin1String(kOptionCodes[k]);
    }
    if (!m_flow.takesInput())
        return;
    m_flow.optionsChosen(box, stimulus, hit);
    c.nameBox->setFocus(); // Enter then registers the typed name
}

} // namespace vora
