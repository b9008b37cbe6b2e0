#include "ui/registry/SelectionLaunch.h"

#include "core/mainwindow/MainFlow.h"
#include "core/mainwindow/MainTexts.h"
#include "core/toolkit/Cp932.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

namespace vora {

namespace {
// The texts of this file, under the translation context "vora::SelectionLaunch".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(vora::SelectionLaunch)
};
} // namespace

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

SelectionLaunch::SelectionLaunch(MainFlow &flow, const Controls &controls, QObject *parent)
    : QObject(parent), m_flow(flow), m_c(controls)
{
    connect(m_c.showMemo, &QCheckBox::toggled, &m_flow, &MainFlow::conditionsTicked);
    connect(m_c.memo, &MemoBox::doubleClicked, &m_flow, &MainFlow::memoUnlocked);
    connect(m_c.saveMemo, &QPushButton::clicked, &m_flow, &MainFlow::saveMemo);
    connect(m_c.start, &QPushButton::clicked, &m_flow, &MainFlow::launch);
    connect(&m_flow, &MainFlow::windowChanged, this, &SelectionLaunch::showWindowState);
    connect(&m_flow, &MainFlow::memoReplaced, this, [this](const QString &memo) {
        if (memo.isEmpty())
            m_c.memo->clear();
        else
            m_c.memo->setMemoText(memo);
    });
    connect(&m_flow, &MainFlow::registrationViewChanged, this, [this](bool open) {
        // The conditions go with the name they belong to.
        for (QWidget *w : {static_cast<QWidget *>(m_c.heading), static_cast<QWidget *>(m_c.experimentName),
                           static_cast<QWidget *>(m_c.conditions), static_cast<QWidget *>(m_c.start)})
            w->setVisible(!open);
    });
}

QString SelectionLaunch::memoText() const
{
    return m_c.memo->memoText();
}

void SelectionLaunch::showWindowState()
{
    m_c.heading->setEnabled(m_flow.headingEnabled());
    m_c.experimentName->setText(m_flow.experimentCaption());
    // The study's state, when the server has told it, under the name's own tip.
    const QString study = m_flow.experimentChosenOnce() ? studyStatusText(m_flow.studyStatus()) : QString();
    m_c.experimentName->setToolTip((m_flow.experimentChosenOnce()
                                        ? Texts::tr("今から行なう実験の名称です")
                                        : Texts::tr("上の実験名ボックスをクリックすると、確定した実験名が表示されます"))
                                   + (study.isEmpty() ? QString() : QLatin1Char('\n') + study));
    m_c.conditions->setText(m_flow.conditionsText());
    {
        // Only the user's ticks are inputs.
        const QSignalBlocker quiet(m_c.showMemo);
        m_c.showMemo->setChecked(m_flow.memoTicked());
    }
    m_c.showMemo->setVisible(m_flow.memoCheckVisible());
    m_c.memo->setVisible(m_flow.memoVisible());
    if (m_c.memo->isReadOnly() == m_flow.memoEditable())
        m_c.memo->setReadOnly(!m_flow.memoEditable());
    m_c.saveMemo->setVisible(m_flow.saveVisible());
    m_c.saveMemo->setEnabled(m_flow.saveEnabled());
    m_c.start->setEnabled(m_flow.startEnabled());
}

} // namespace vora
