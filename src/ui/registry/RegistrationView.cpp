#include "ui/registry/RegistrationView.h"

#include "core/registry/NameList.h"
#include "core/toolkit/Cp932.h"
#include "core/toolkit/Units.h"
#include "ui/registry/MainControls.h"
#include "ui/startup/Module1.h"
#include "ui/toolkit/Style.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QPushButton>
#include <QRadioButton>

namespace vora {

using units::px;

RegistrationView::RegistrationView(Module1 &module, MainControls &controls, QObject *parent)
    : QObject(parent), m_module(module), m_c(controls)
{
    connect(m_c.registrationButton, &QPushButton::clicked, this, &RegistrationView::toggle);
    for (int box = 1; box <= kNameBoxes; ++box) {
        for (QRadioButton *option : m_c.optionsOf(box))
            connect(option, &QRadioButton::clicked, this, [this, box] { optionClicked(box); });
    }
    connect(m_c.showMemoCheck, &QCheckBox::toggled, this, &RegistrationView::conditionsTicked);
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
        text += QString::fromUtf8(line) + CRLF;
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
    if (m_c.ended)
        return;
    m_c.showMemoCheck->hide();
    m_c.conditionMemo->hide();
    m_c.saveMemoButton->hide();
    m_c.experimentHeading->setEnabled(false);
    m_c.boxesHeading->setEnabled(true);
    if (m_c.registrationOpen)
        close();
    else
        open();
}

void RegistrationView::open()
{
    m_c.registrationOpen = true;
    for (int box = 1; box <= kNameBoxes; ++box)
        m_c.nameBox[box]->show();
    m_c.computerOnlyButton->hide();
    m_c.exitButton->hide();
    for (int box = 1; box <= kNameBoxes; ++box)
        style::setButtonColour(m_c.selectButton[box], style::buttonFaceColour());
    m_c.experimentHeading->hide();
    m_c.experimentName->hide();
    m_c.selectionConditions->hide(); // the conditions go with the name they belong to
    m_c.registrationButton->setText(QStringLiteral("実験名の登録や変更の終了"));
    QFont f = m_c.registrationButton->font();
    f.setPointSize(9);
    m_c.registrationButton->setFont(f);
    m_c.startButton->hide();
    m_c.resultsButton->hide();

    QLabel *guide = m_c.prompt;
    style::setBackground(guide, style::promptGrey());
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
}

void RegistrationView::close()
{
    m_c.registrationOpen = false;
    for (int box = 1; box <= kNameBoxes; ++box) {
        m_c.nameBox[box]->setEditText(QString());
        m_c.nameBox[box]->hide();
    }
    m_c.experimentHeading->show();
    m_c.experimentName->show();
    m_c.experimentName->setCaption(QString()); // clears the conditions of Label18 as well
    m_c.selectionConditions->show();
    if (m_c.setWebPanelVisible)
        m_c.setWebPanelVisible(true);

    QLabel *prompt = m_c.prompt;
    style::setBackground(prompt, style::promptYellow());
    prompt->setWordWrap(false);
    prompt->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont pf = m_c.window->font();
    pf.setBold(true);
    pf.setPointSize(12);
    prompt->setFont(pf);
    prompt->setText(RegistrationView::prompt());
    placePrompt(prompt);

    m_c.computerOnlyButton->setEnabled(true);
    m_c.exitButton->show();
    for (int box = 1; box <= kNameBoxes; ++box)
        m_c.selectButton[box]->setEnabled(true);
    m_c.registrationButton->setText(QStringLiteral("実験名の登録や選択"));
    QFont f = m_c.registrationButton->font();
    f.setPointSize(8);
    m_c.registrationButton->setFont(f);
    m_c.startButton->show();
    m_c.startButton->setEnabled(false);
    m_c.resultsButton->show();
    m_c.resultsButton->setEnabled(false);
    for (int box = 1; box <= kNameBoxes; ++box) {
        m_c.stimulusFrame[box]->setEnabled(false);
        m_c.hitDisplayFrame[box]->setEnabled(false);
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
            m_c.selected[box] = registered;
        }
        const QString stimulus = m_c.stimulusCodeOf(box);
        const QString hit = m_c.hitDisplayCodeOf(box);
        if (!stimulus.isEmpty())
            st.stimulus = stimulusFromLetter(stimulus);
        if (!hit.isEmpty())
            st.hitDisplay = hitDisplayFromLetter(hit);
        const QString caption = m_c.selectButton[box]->text();
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
    if (!m_c.selectionRefused.isEmpty()) {
        // Said at load already; the selections of this session are not kept.
        failures.append(QStringLiteral("実験名の選択のファイル（%1）は読めなかったため、書き換えませんでした。")
                            .arg(selectionFileName()));
    } else if (const FileResult r = writeSelectionFile(*s.files, s.paths, selections); !r) {
        failures.append(r.message);
    }
    for (int box = 1; box <= kNameBoxes; ++box) {
        // A list that could not be read allowed no change, and is left as it is.
        if (!m_c.listRefused[box].isEmpty())
            continue;
        if (const FileResult r = m_c.writeList(*s.files, s.paths, box); !r)
            failures.append(r.message);
    }
    if (!failures.isEmpty()) {
        s.dialogs->message(m_c.window,
                           QStringLiteral("実験名の選択や一覧を保存できませんでした。\r\n") + failures.join(CRLF),
                           MsgButtons::Ok, MsgIcon::Exclamation);
    }
}

void RegistrationView::optionClicked(int box)
{
    if (m_c.ended || box < 1 || box > kNameBoxes)
        return;
    m_c.nameBox[box]->setFocus(); // Enter then registers the typed name
}

void RegistrationView::conditionsTicked(bool ticked)
{
    if (m_c.ended)
        return;
    m_module.state().showConditions = ticked;
    if (!ticked) {
        m_c.conditionMemo->hide();
        m_c.saveMemoButton->hide();
    } else {
        m_c.conditionMemo->show(); // the save button shows only after the double click
    }
}

} // namespace vora
