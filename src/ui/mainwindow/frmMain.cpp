#include "ui/mainwindow/frmMain.h"

#include "core/toolkit/Units.h"
#include "core/toolkit/Version.h"
#include "ui/mainwindow/BackgroundPictures.h"
#include "ui/mainwindow/OutboxStatus.h"
#include "ui/mainwindow/ResultsEntry.h"
#include "ui/mainwindow/UpdateNotice.h"
#include "ui/registry/NameBoxes.h"
#include "ui/registry/RegistrationView.h"
#include "ui/registry/SelectionLaunch.h"
#include "ui/startup/Module1.h"
#include "ui/toolkit/Style.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>

namespace vora {

namespace {
// The texts of this file, under the translation context "vora::frmMain".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(vora::frmMain)
};
} // namespace

using units::px;

namespace {

QString arrayName(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

void place(QWidget *w, int left, int top, int width, int height)
{
    w->setGeometry(px(left), px(top), px(width), px(height));
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, int left, int top, int width, int height)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    place(label, left, top, width, height);
    return label;
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &text, int left, int top, int width,
                        int height)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    place(button, left, top, width, height);
    return button;
}

QRadioButton *makeOption(QWidget *parent, const QString &name, const QString &text, int left, int width)
{
    auto *option = new QRadioButton(text, parent);
    option->setObjectName(name);
    place(option, left, 230, width, 270);
    return option;
}

// Column of name box N (1 to 5); element 0 shares the first column and stays hidden.
int columnLeft(int box)
{
    return 200 + (qMax(box, 1) - 1) * 2420;
}
constexpr int kColumnWidth = 2300;

} // namespace

// The window's controls as a form designer would lay them out: built once, in the window's
// own order (which is also the order the keyboard focus goes round in), and handed to the
// features, each getting its own.
struct frmMain::Ui {
    QLabel *title = nullptr; // Label1: "VORＡ"
    QLabel *version = nullptr; // Label9: compared with the update page
    QLabel *boxesNote = nullptr; // Label6: five boxes side by side
    QLabel *onePersonNote = nullptr; // Label7: one box for one person
    QStatusBar *statusBar = nullptr;
    QLabel *statusDate = nullptr;
    QLabel *statusTime = nullptr;
    NameBoxes::Controls boxes;
    RegistrationView::Controls registration;
    SelectionLaunch::Controls selection;
    ResultsEntry::Controls exits;

    void build(frmMain *w);
    void buildColumn(frmMain *w, int box);
    void buildStatusBar(frmMain *w);
};

void frmMain::Ui::build(frmMain *w)
{
    title = makeLabel(w, QStringLiteral("Label1"), Texts::tr("VORＡ"), 200, 60, 2700, 640);
    style::setPointSize(title, 27.75, true);
    title->setToolTip(Texts::tr("１つの実験名では100ランまで行なえます、１ランでは100試行おこないます"));

    selection.heading = makeLabel(w, QStringLiteral("Label2"), Texts::tr("実施する実験名"), 3100, 100, 1900, 270);
    selection.heading->setEnabled(false);

    QLabel *name = makeLabel(w, QStringLiteral("Label3"), QString(), 3100, 380, 2400, 340);
    style::setGothic(name, 14, true);
    name->setFrameShape(QFrame::Panel);
    name->setFrameShadow(QFrame::Sunken);
    style::setBackground(name, Qt::white);
    name->setToolTip(Texts::tr("上の実験名ボックスをクリックすると、確定した実験名が表示されます"));
    selection.experimentName = name;

    selection.conditions = makeLabel(w, QStringLiteral("Label18"), QString(10, QLatin1Char(' ')), 5600, 430, 4250, 270);

    version = makeLabel(w, QStringLiteral("Label9"), QString(), 9900, 360, 600, 240);
    exits.help = makeButton(w, QStringLiteral("Command15"), QStringLiteral("Help"), 11150, 80, 1050, 380);

    boxes.heading = makeLabel(w, QStringLiteral("Label5"), Texts::tr("実験名"), 200, 760, 850, 250);
    boxesNote = makeLabel(w, QStringLiteral("Label6"), Texts::tr("（横に５つのボックス）"), 1050, 760, 2300, 250);
    boxesNote->setToolTip(Texts::tr("横の５つのボックスに５人の実験名を登録できます"));
    onePersonNote = makeLabel(w, QStringLiteral("Label7"), Texts::tr("（１ボックス＝１人）"), 3400, 760, 2100, 250);
    onePersonNote->setToolTip(Texts::tr("１つのボックスには同じ人の実験名を登録するのが基本です"));

    registration.toggle =
        makeButton(w, QStringLiteral("Command9"), Texts::tr("実験名の登録や変更"), 9300, 720, 2900, 330);
    style::setPointSize(registration.toggle, 9, false);
    registration.toggle->setToolTip(Texts::tr("実験名を登録、またはプルダウンメニューで呼出し、削除できます"));

    for (int box = 0; box <= kNameBoxes; ++box)
        buildColumn(w, box);

    // The prompt sits where the name boxes appear in the registration view.
    QLabel *prompt = makeLabel(w, QStringLiteral("Label4"), QString(), 400, 1000, 3000, 330);
    style::setBackground(prompt, style::promptYellow());
    style::setPointSize(prompt, 12, true);
    // Disabled while a name is selected: the prompt stays readable on its grey.
    style::setGreyedTextColour(prompt, style::greyedPromptColour());
    registration.prompt = prompt;

    selection.showMemo = new QCheckBox(Texts::tr("実験条件の表示"), w);
    selection.showMemo->setObjectName(QStringLiteral("Check1"));
    place(selection.showMemo, 400, 3500, 2600, 300);
    selection.showMemo->hide();

    selection.saveMemo = makeButton(w, QStringLiteral("Command1"), Texts::tr("保存"), 6000, 3460, 1100, 360);
    selection.saveMemo->hide();

    selection.memo = new MemoBox(w);
    selection.memo->setObjectName(QStringLiteral("Text1"));
    place(selection.memo, 400, 3860, 6700, 2200);
    selection.memo->setReadOnly(true);
    selection.memo->setToolTip(Texts::tr("ダブルクリックすれば入力可能になります"));
    selection.memo->hide();

    selection.start = makeButton(w, QStringLiteral("Command10"), Texts::tr("実験の開始"), 400, 6300, 2400, 640);
    style::setPointSize(selection.start, 12, true);
    selection.start->setToolTip(Texts::tr("クリックすると実験の開始へ進みます"));
    selection.start->setEnabled(false);

    exits.results = makeButton(w, QStringLiteral("Command13"), Texts::tr("結果の表示"), 3000, 6300, 2000, 640);
    style::setPointSize(exits.results, 11, false);
    exits.results->setToolTip(Texts::tr("過去の結果を表示できます"));
    exits.results->setEnabled(false);

    exits.exit = makeButton(w, QStringLiteral("Command3"), Texts::tr("終わり"), 5600, 6300, 1500, 640);
    style::setPointSize(exits.exit, 11, false);

    exits.computerOnly =
        makeButton(w, QStringLiteral("Command2"), Texts::tr("コンピュータだけの実験"), 400, 7000, 2400, 360);
    exits.computerOnly->hide();

    buildStatusBar(w);
}

void frmMain::Ui::buildColumn(frmMain *w, int box)
{
    const int left = columnLeft(box);
    const bool designOnly = box == 0; // element 0: hidden, no behaviour
    NameBoxes::Column &c = boxes.columns[box];

    if (!designOnly) {
        auto *combo = new NameCombo(w);
        combo->setObjectName(QStringLiteral("Combo%1").arg(box));
        place(combo, left, 1060, kColumnWidth, 330);
        style::setGothic(combo, 10);
        combo->setToolTip(Texts::tr("新しい実験名の登録やプルダウンメニューで呼出し、削除を行なえます"));
        combo->hide();
        c.nameBox = combo;
    }

    auto *frame1 = new ConditionFrame(designOnly ? Texts::tr("刺激のの大中小無") : Texts::tr("刺激の大中小無"), w);
    frame1->setObjectName(arrayName("Frame1", box));
    place(frame1, left, 1410, kColumnWidth, 540);
    frame1->setToolTip(Texts::tr("刺激の有無やその大きさを決めます"));
    c.stimulusFrame = frame1;
    // Option1 .. Option6 in the order of their numbers; on the window 大 中 小 無 from the left.
    c.options[2] = makeOption(frame1, arrayName("Option3", box), Texts::tr("大"), 80, 540);
    c.options[1] = makeOption(frame1, arrayName("Option2", box), Texts::tr("中"), 640, 540);
    c.options[0] = makeOption(frame1, arrayName("Option1", box), Texts::tr("小"), 1200, 540);
    c.options[5] = makeOption(frame1, arrayName("Option6", box), Texts::tr("無"), 1760, 520);

    auto *frame2 = new QGroupBox(designOnly ? Texts::tr("当否の即表示") : Texts::tr("当り表示"), w);
    frame2->setObjectName(arrayName("Frame2", box));
    place(frame2, left, 1970, kColumnWidth, 540);
    c.hitDisplayFrame = frame2;
    c.options[3] = makeOption(frame2, arrayName("Option4", box), Texts::tr("する"), 80, 950);
    c.options[4] = makeOption(frame2, arrayName("Option5", box), Texts::tr("しない"), 1100, 1100);

    // The conditions are chosen only while a new name is typed.
    frame1->setEnabled(false);
    frame2->setEnabled(false);

    if (!designOnly) {
        auto *button =
            makeButton(w, QStringLiteral("Command%1").arg(box + 3), QString(), left, 2530, kColumnWidth, 360);
        style::setGothic(button, 11, true);
        button->setToolTip(Texts::tr("クリックすれば実験名になります"));
        c.selectButton = button;
    }

    auto *runsHeading = makeLabel(w, arrayName("RunsHeading", box), Texts::tr("実施済みラン数"), left, 2920, 1150, 220);
    auto *dateHeading =
        makeLabel(w, arrayName("DateHeading", box), Texts::tr("最後の実施日"), left + 1150, 2920, 1150, 220);
    style::setPointSize(runsHeading, 8, false);
    style::setPointSize(dateHeading, 8, false);
    c.runsDone = makeLabel(w, arrayName("Label10", box), QString(), left, 3140, 1150, 240);
    c.lastDate = makeLabel(w, arrayName("Label11", box), QString(), left + 1150, 3140, 1150, 240);
    style::setGothic(c.runsDone, 10);
    style::setGothic(c.lastDate, 10);

    if (designOnly) {
        for (QWidget *hidden : {static_cast<QWidget *>(frame1), static_cast<QWidget *>(frame2),
                                static_cast<QWidget *>(runsHeading), static_cast<QWidget *>(dateHeading),
                                static_cast<QWidget *>(c.runsDone), static_cast<QWidget *>(c.lastDate)})
            hidden->hide();
    }
}

void frmMain::Ui::buildStatusBar(frmMain *w)
{
    statusBar = new QStatusBar(w);
    statusBar->setObjectName(QStringLiteral("sbStatusBar"));
    statusBar->setSizeGripEnabled(false);
    // A bar of its own colour: the pictures' dark foreground lies behind it.
    statusBar->setAutoFillBackground(true);
    place(statusBar, 0, kHeightTwips - 330, kWidthTwips, 330);
    auto *status = new QLabel(Texts::tr("ｽﾃｰﾀｽ"), statusBar);
    status->setObjectName(QStringLiteral("Panels(1)"));
    statusDate = new QLabel(statusBar);
    statusDate->setObjectName(QStringLiteral("Panels(2)"));
    statusTime = new QLabel(statusBar);
    statusTime->setObjectName(QStringLiteral("Panels(3)"));
    statusTime->setMinimumWidth(px(1000));
    statusDate->setMinimumWidth(px(1300));
    statusBar->addWidget(status, 1);
    attachOutboxStatus(statusBar, w->m_module.services().mirror); // left of the date
    statusBar->addPermanentWidget(statusDate);
    statusBar->addPermanentWidget(statusTime);
}

frmMain::frmMain(Module1 &module, UpdateFetch *fetch, QWidget *parent)
    : QWidget(parent), m_module(module), m_ui(std::make_unique<Ui>())
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("VORA"));
    setFixedSize(px(kWidthTwips), px(kHeightTwips));
    // Greyed texts stand on the background pictures, whose sky is kept light behind the
    // controls: a dark grey stays readable there and on the plain window, where the usual
    // light grey all but vanishes.
    style::setGreyedTextColours(this, style::greyedTextColour());

    m_ui->build(this);
    m_flow = std::make_unique<MainFlow>(static_cast<MainFlow::View &>(*this), module.services(), module.state());
    connect(m_flow.get(), &MainFlow::clockChanged, this, &frmMain::updateClock);
    updateClock();

    m_nameBoxes = new NameBoxes(*m_flow, m_ui->boxes, this);
    m_registration = new RegistrationView(*m_flow, m_ui->registration, this);
    m_selection = new SelectionLaunch(*m_flow, m_ui->selection, this);
    m_resultsEntry = new ResultsEntry(module, *m_flow, m_ui->exits, this);
    m_updateNotice = new UpdateNotice(module, this, fetch);
    m_backgrounds = new BackgroundPictures(module, this);
    connect(m_flow.get(), &MainFlow::registrationViewChanged, m_updateNotice,
            [this](bool open) { m_updateNotice->setWebPanelVisible(!open); });
    connect(m_nameBoxes, &NameBoxes::frameDoubleClicked, this, [this](int box) {
        if (m_flow->takesInput())
            m_backgrounds->clickSlot(box);
    });

    load();
}

frmMain::~frmMain()
{
    // The features hand their controls' signals to the flow: they go before it does.
    delete m_nameBoxes;
    delete m_registration;
    delete m_selection;
    delete m_resultsEntry;
}

void frmMain::updateClock()
{
    m_ui->statusDate->setText(m_flow->dateText());
    m_ui->statusTime->setText(m_flow->timeText());
}

void frmMain::load()
{
    // Steps 1 and 2 (the site address and the start of the fetch) belong to the update fetch,
    // which has been running since the splash appeared; the window does not wait for it.
    m_updateNotice->beginFetch(); // 3

    m_ui->version->setText(version::mainWindowText()); // 4
    m_ui->version->adjustSize();

    m_registration->showPrompt(); // 5
    m_flow->load(); // 6, 7, 8
    m_backgrounds->setUpThumbnails(); // 9
    m_updateNotice->compareVersions(m_ui->version->text()); // 10
    m_backgrounds->showRandomOrChosen(); // 11
    m_flow->reportLoadProblems();
}

void frmMain::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
    if (!m_flow->takesInput() || event->button() != Qt::LeftButton)
        return;
    // Only the bare window: clicks on labels and frames reach here as well and are not meant.
    QWidget *under = childAt(event->position().toPoint());
    if (under == nullptr || under->objectName().isEmpty())
        m_updateNotice->toggleWebPanel();
}

void frmMain::closeEvent(QCloseEvent *event)
{
    // The title bar's close is the end button: a write still waiting for its lock is not
    // dropped, the program ends once it is stored.
    if (m_flow->writing()) {
        event->ignore();
        m_flow->endRequested();
        return;
    }
    QWidget::closeEvent(event);
}

// ---- what the window does for its flow -------------------------------------------------------

void frmMain::tell(const QString &text, MsgIcon icon)
{
    m_module.services().dialogs->tell(this, text, icon);
}

void frmMain::beep()
{
    m_module.services().sound->beep();
}

void frmMain::askDeleteName()
{
    m_module.services().dialogs->ask(this, deleteNameQuestion(), MsgButtons::YesNo, MsgIcon::None,
                                     [this](MsgAnswer a) { m_flow->deleteAnswered(a == MsgAnswer::Yes); });
}

void frmMain::tellAndWait(const QString &text, MsgIcon icon)
{
    m_module.services().dialogs->ask(this, text, MsgButtons::Ok, icon, [this](MsgAnswer) { m_flow->acknowledged(); });
}

void frmMain::openExperimentWindow()
{
    // Unloads this window (once this handler has returned) and builds the experiment window.
    m_module.showExperimentWindow();
}

void frmMain::restartProgram()
{
    const Services &s = m_module.services();
    s.process->startNewInstance();
    s.process->quitNow();
}

void frmMain::quit()
{
    m_module.services().process->quitNow();
}

QString frmMain::memoText() const
{
    return m_selection->memoText();
}

} // namespace vora
