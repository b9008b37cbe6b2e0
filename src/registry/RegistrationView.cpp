#include "registry/RegistrationView.h"

#include "registry/MainControls.h"
#include "registry/NameList.h"
#include "startup/Module1.h"
#include "toolkit/Fonts.h"
#include "toolkit/Units.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QPushButton>
#include <QRadioButton>

namespace vora {

using units::px;

RegistrationView::RegistrationView(Module1 &module, MainControls &controls, QObject *parent)
    : QObject(parent), m_module(module), m_c(controls)
{
    connect(m_c.Command9, &QPushButton::clicked, this, &RegistrationView::toggle);
    for (int box = 1; box <= kNameBoxes; ++box) {
        for (QRadioButton *option : m_c.optionsOf(box))
            connect(option, &QRadioButton::clicked, this, [this, box] { optionClicked(box); });
    }
    connect(m_c.Check1, &QCheckBox::toggled, this, &RegistrationView::conditionsTicked);
}

QString RegistrationView::guidanceText()
{
    static const char *const lines[] = {
        "◆実験名の設定に関して◆",
        "",
        "1.実験名を新規登録する、または選択してください。",
        "2.実験名はアルファベットと数字で10文字以内で入力してください。",
        "　実験名は被験者の省略名と実験開始の年月日を推薦。例；Yama090425",
        "　Enterキーを押せば登録される。",
        "3.「刺激の大中小無」も指定してください。",
        "4.「当り表示」も指定してください。",
        "　※3と4は実験名の登録時点のみ指定できます。",
        "5.プルダウンメニューで設定済みの実験名を呼び出せます。",
        "　実験名の削除；呼出し⇒消去⇒Enterキーで表示されなくなる。",
        "　ただし、実験データのファイル自体は削除されずに残っている。",
        "6.実験名は100ランの実験が終了するまで同じものを使います｡ ",
        "　参考；１つの実験＝100ラン、１ラン＝100試行(入力)",
        "7.横に５つのボックスがあるので、被験者ごとの利用などに使えます。",
        "　注意；実験名は５つのボックスで同じものは使えない。",
    };
    QString text;
    for (const char *line : lines)
        text += QString::fromUtf8(line) + QStringLiteral("\r\n");
    return text;
}

void RegistrationView::placePrompt(QLabel *label)
{
    label->adjustSize();
    // Bold Japanese is drawn emboldened past its advance: a little room keeps the last glyph whole.
    label->resize(label->width() + label->fontMetrics().height() / 3, label->height());
    label->move(px(400), px(1000));
}

void RegistrationView::toggle()
{
    if (m_c.Ended)
        return;
    m_c.Check1->hide();
    m_c.Text1->hide();
    m_c.Command1->hide();
    m_c.Label2->setEnabled(false);
    m_c.Label5->setEnabled(true);
    if (m_c.PanelOpen == 1)
        close();
    else
        open();
}

void RegistrationView::open()
{
    m_c.PanelOpen = 1;
    for (int box = 1; box <= kNameBoxes; ++box)
        m_c.Combo[box]->show();
    m_c.Command2->hide();
    m_c.Command3->hide();
    for (int box = 1; box <= kNameBoxes; ++box)
        setButtonColour(m_c.SelectButton[box], buttonFaceColour());
    m_c.Label2->hide();
    m_c.Label3->hide();
    m_c.Label18->hide(); // the conditions go with the name they belong to
    m_c.Command9->setText(QStringLiteral("実験名の登録や変更の終了"));
    QFont f = m_c.Command9->font();
    f.setPointSize(9);
    m_c.Command9->setFont(f);
    m_c.Command10->hide();
    m_c.Command13->hide();

    QLabel *guide = m_c.Label4;
    setBackColour(guide, promptGrey());
    guide->setWordWrap(true);
    guide->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    guide->setEnabled(true);
    guide->setText(guidanceText());
    guide->setGeometry(px(200), px(3400), px(8400), px(3900));
    // IPA Gothic's lines run a little taller than the original font's: the whole guidance
    // must be readable in the fixed box, so the size steps down from 11 points until it fits.
    QFont gf(fonts::msGothic(), 11);
    while (gf.pointSizeF() > 8.0
           && QFontMetrics(gf).boundingRect(guide->contentsRect(), Qt::TextWordWrap, guidanceText().trimmed()).height()
               > guide->contentsRect().height()) {
        gf.setPointSizeF(gf.pointSizeF() - 0.5);
    }
    guide->setFont(gf);
    guide->show();
    guide->raise();

    if (m_c.setWebPanelVisible)
        m_c.setWebPanelVisible(false);
    if (QWidget *marker = m_c.window->findChild<QWidget *>(QStringLiteral("Label8")))
        marker->hide();
}

void RegistrationView::close()
{
    m_c.PanelOpen = 0;
    for (int box = 1; box <= kNameBoxes; ++box) {
        m_c.Combo[box]->setEditText(QString());
        m_c.Combo[box]->hide();
    }
    m_c.Label2->show();
    m_c.Label3->show();
    m_c.Label3->setCaption(QString()); // clears the conditions of Label18 as well
    m_c.Label18->show();
    if (m_c.setWebPanelVisible)
        m_c.setWebPanelVisible(true);

    QLabel *prompt = m_c.Label4;
    setBackColour(prompt, promptYellow());
    prompt->setWordWrap(false);
    prompt->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont pf = m_c.window->font();
    pf.setBold(true);
    pf.setPointSize(12);
    prompt->setFont(pf);
    prompt->setText(RegistrationView::prompt());
    placePrompt(prompt);
    if (QWidget *marker = m_c.window->findChild<QWidget *>(QStringLiteral("Label8")))
        marker->hide();

    m_c.Command2->setEnabled(true);
    m_c.Command3->show();
    for (int box = 1; box <= kNameBoxes; ++box)
        m_c.SelectButton[box]->setEnabled(true);
    m_c.Command9->setText(QStringLiteral("実験名の登録や選択"));
    QFont f = m_c.Command9->font();
    f.setPointSize(8);
    m_c.Command9->setFont(f);
    m_c.Command10->show();
    m_c.Command10->setEnabled(false);
    m_c.Command13->show();
    m_c.Command13->setEnabled(false);
    for (int box = 1; box <= kNameBoxes; ++box) {
        m_c.Frame1[box]->setEnabled(false);
        m_c.Frame2[box]->setEnabled(false);
    }
    storeSelectionsAndLists();
}

void RegistrationView::storeSelectionsAndLists()
{
    Services &s = m_module.services();
    SharedState &st = m_module.state();
    QVector<BoxSelection> selections(kNameBoxes);
    for (int box = 1; box <= kNameBoxes; ++box) {
        // The conditions of a registered name are fixed: whatever the options show after
        // typing in the box, its line carries the codes of its list line, and so do the options.
        const BoxSelection registered = m_c.registeredSelectionOf(box);
        if (!registered.name.isEmpty()) {
            m_c.clearOptions(box);
            m_c.selectStimulus(box, registered.stimulusCode);
            m_c.selectHitDisplay(box, registered.hitDisplayCode);
            m_c.Selected[box] = registered;
        }
        const QString stimulus = m_c.stimulusCodeOf(box);
        const QString hit = m_c.hitDisplayCodeOf(box);
        if (!stimulus.isEmpty())
            st.stimulus = stimulusFromLetter(stimulus);
        if (!hit.isEmpty())
            st.hitDisplay = hitDisplayFromLetter(hit);
        const QString caption = m_c.SelectButton[box]->text();
        if (caption.isEmpty()) {
            m_c.clearOptions(box);
            continue; // an empty line keeps the later boxes on their own lines
        }
        BoxSelection &sel = selections[box - 1];
        sel.name = m_c.selectedName(box);
        sel.stimulusCode = stimulusLetter(st.stimulus);
        sel.hitDisplayCode = hitDisplayLetter(st.hitDisplay);
    }

    QStringList failures;
    if (const FileResult r = writeSelectionFile(*s.files, s.paths, selections); !r)
        failures.append(r.message);
    for (int box = 1; box <= kNameBoxes; ++box) {
        if (const FileResult r = m_c.writeList(*s.files, s.paths, box); !r)
            failures.append(r.message);
    }
    if (!failures.isEmpty()) {
        s.dialogs->message(m_c.window,
                           QStringLiteral("実験名の選択や一覧を保存できませんでした。\r\n") + failures.join(QStringLiteral("\r\n")),
                           MsgButtons::Ok, MsgIcon::Exclamation);
    }
}

void RegistrationView::optionClicked(int box)
{
    if (m_c.Ended || box < 1 || box > kNameBoxes)
        return;
    m_c.Combo[box]->setFocus(); // Enter then registers the typed name
}

void RegistrationView::conditionsTicked(bool ticked)
{
    if (m_c.Ended)
        return;
    m_module.state().showConditions = ticked;
    if (!ticked) {
        m_c.Text1->hide();
        m_c.Command1->hide();
    } else {
        m_c.Text1->show(); // the save button shows only after the double click
    }
}

} // namespace vora
