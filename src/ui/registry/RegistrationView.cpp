#include "ui/registry/RegistrationView.h"

#include "core/mainwindow/MainFlow.h"
#include "core/toolkit/Units.h"
#include "ui/toolkit/Style.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

namespace vora {

namespace {
// The texts of this file, under the translation context "vora::RegistrationView".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(vora::RegistrationView)
};
} // namespace

using units::px;

RegistrationView::RegistrationView(MainFlow &flow, const Controls &controls, QObject *parent)
    : QObject(parent), m_flow(flow), m_c(controls)
{
    connect(m_c.toggle, &QPushButton::clicked, &m_flow, &MainFlow::registrationToggled);
    connect(&m_flow, &MainFlow::registrationViewChanged, this, &RegistrationView::viewChanged);
    connect(&m_flow, &MainFlow::windowChanged, this, &RegistrationView::showWindowState);
}

void RegistrationView::placePrompt(QLabel *label)
{
    label->adjustSize();
    // Bold Japanese is drawn emboldened past its advance: a little room keeps the last glyph whole.
    label->resize(label->width() + label->fontMetrics().height() / 3, label->height());
    label->move(px(400), px(1000));
}

void RegistrationView::showPrompt()
{
    m_c.prompt->setText(prompt());
    placePrompt(m_c.prompt);
}

void RegistrationView::viewChanged(bool open)
{
    m_open = open;
    QLabel *label = m_c.prompt;
    if (open) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setText(guidanceText());
        label->setGeometry(px(200), px(3400), px(8400), px(3900));
        // IPA Gothic's lines run a little taller than the original font's: the whole guidance
        // must be readable in the fixed box, so the size steps down from 11 points until it fits.
        style::setGothicToFit(label, guidanceText().trimmed(), 11, 8);
        label->show();
        label->raise();
    } else {
        label->setWordWrap(false);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        style::setParentFont(label, 12, true);
        label->setText(prompt());
        placePrompt(label);
    }
    showWindowState();
}

void RegistrationView::showWindowState()
{
    // The guidance stands on grey; the prompt on grey while a name is chosen, else on yellow.
    const QColor colour = m_open || m_flow.promptGrey() ? style::promptGrey() : style::promptYellow();
    if (style::backColour(m_c.prompt) != colour)
        style::setBackground(m_c.prompt, colour);
    m_c.prompt->setEnabled(m_flow.promptEnabled());

    QString caption = Texts::tr("実験名の登録や変更");
    int size = 9;
    switch (m_flow.registrationCaption()) {
    case MainFlow::RegistrationCaption::Register: break;
    case MainFlow::RegistrationCaption::EndRegistration: caption = Texts::tr("実験名の登録や変更の終了"); break;
    case MainFlow::RegistrationCaption::RegisterOrSelect:
        caption = Texts::tr("実験名の登録や選択");
        size = 8;
        break;
    }
    m_c.toggle->setText(caption);
    m_c.toggle->setEnabled(m_flow.registrationEnabled());
    if (m_c.toggle->font().pointSize() != size)
        style::setPointSize(m_c.toggle, size);
}

} // namespace vora
