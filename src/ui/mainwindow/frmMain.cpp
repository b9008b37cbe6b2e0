#include "ui/mainwindow/frmMain.h"

#include "core/registry/DataFile.h"
#include "core/registry/NameList.h"
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
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>

namespace vora {

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

using style::setPointSize;

// Column of name box N (1 to 5); element 0 shares the first column and stays hidden.
int columnLeft(int box)
{
    return 200 + (qMax(box, 1) - 1) * 2420;
}
constexpr int kColumnWidth = 2300;

} // namespace

frmMain::frmMain(Module1 &module, UpdateFetch *fetch, QWidget *parent) : QWidget(parent), m_module(module)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("VORA"));
    setFixedSize(px(kWidthTwips), px(kHeightTwips));
    m_c.window = this;
    {
        // Greyed texts stand on the background pictures, whose sky is kept light behind the
        // controls: a dark grey stays readable there and on the plain window, where the usual
        // light grey all but vanishes.
        QPalette p = palette();
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text})
            p.setColor(QPalette::Disabled, role, QColor(80, 80, 80));
        setPalette(p);
    }

    buildControls();

    m_nameBoxes = new NameBoxes(module, m_c, this);
    m_registration = new RegistrationView(module, m_c, this);
    m_selection = new SelectionLaunch(module, m_c, this);
    m_resultsEntry = new ResultsEntry(module, m_c, m_helpButton, this);
    m_updateNotice = new UpdateNotice(module, this, fetch);
    m_backgrounds = new BackgroundPictures(module, this);
    m_c.setWebPanelVisible = [this](bool visible) { m_updateNotice->setWebPanelVisible(visible); };
    m_c.frameDoubleClicked = [this](int box) { m_backgrounds->clickSlot(box); };
    for (int box = 1; box <= kNameBoxes; ++box)
        connect(m_c.stimulusFrame[box], &ConditionFrame::doubleClicked, this, [this, box] {
            if (!m_c.ended)
                m_c.frameDoubleClicked(box);
        });

    load();
}

frmMain::~frmMain() = default;

void frmMain::buildControls()
{
    m_title = makeLabel(this, QStringLiteral("Label1"), QStringLiteral("VORＡ"), 200, 60, 2700, 640);
    setPointSize(m_title, 27.75, true);
    m_title->setToolTip(QStringLiteral("１つの実験名では100ランまで行なえます、１ランでは100試行おこないます"));

    m_c.experimentHeading =
        makeLabel(this, QStringLiteral("Label2"), QStringLiteral("実施する実験名"), 3100, 100, 1900, 270);
    m_c.experimentHeading->setEnabled(false);

    m_c.experimentName = new CaptionLabel(this);
    m_c.experimentName->setObjectName(QStringLiteral("Label3"));
    place(m_c.experimentName, 3100, 380, 2400, 340);
    m_c.experimentName->setFont(QFont(fonts::msGothic(), 14, QFont::Bold));
    m_c.experimentName->setFrameShape(QFrame::Panel);
    m_c.experimentName->setFrameShadow(QFrame::Sunken);
    style::setBackground(m_c.experimentName, Qt::white);
    m_c.experimentName->setToolTip(QStringLiteral("上の実験名ボックスをクリックすると、確定した実験名が表示されます"));

    m_c.selectionConditions =
        makeLabel(this, QStringLiteral("Label18"), QString(10, QLatin1Char(' ')), 5600, 430, 4250, 270);

    m_version = makeLabel(this, QStringLiteral("Label9"), QString(), 9900, 360, 600, 240);
    m_helpButton = makeButton(this, QStringLiteral("Command15"), QStringLiteral("Help"), 11150, 80, 1050, 380);

    m_c.boxesHeading = makeLabel(this, QStringLiteral("Label5"), QStringLiteral("実験名"), 200, 760, 850, 250);
    m_boxesNote =
        makeLabel(this, QStringLiteral("Label6"), QStringLiteral("（横に５つのボックス）"), 1050, 760, 2300, 250);
    m_boxesNote->setToolTip(QStringLiteral("横の５つのボックスに５人の実験名を登録できます"));
    m_onePersonNote =
        makeLabel(this, QStringLiteral("Label7"), QStringLiteral("（１ボックス＝１人）"), 3400, 760, 2100, 250);
    m_onePersonNote->setToolTip(QStringLiteral("１つのボックスには同じ人の実験名を登録するのが基本です"));

    m_c.registrationButton =
        makeButton(this, QStringLiteral("Command9"), QStringLiteral("実験名の登録や変更"), 9300, 720, 2900, 330);
    setPointSize(m_c.registrationButton, 9);
    m_c.registrationButton->setToolTip(QStringLiteral("実験名を登録、またはプルダウンメニューで呼出し、削除できます"));

    for (int box = 0; box <= kNameBoxes; ++box)
        buildNameBox(box);

    // The prompt sits where the name boxes appear in the registration view.
    m_c.prompt = makeLabel(this, QStringLiteral("Label4"), QString(), 400, 1000, 3000, 330);
    style::setBackground(m_c.prompt, style::promptYellow());
    setPointSize(m_c.prompt, 12, true);
    {
        // Disabled while a name is selected: the prompt stays readable on its grey.
        QPalette p = m_c.prompt->palette();
        p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
        m_c.prompt->setPalette(p);
    }

    m_c.showMemoCheck = new QCheckBox(QStringLiteral("実験条件の表示"), this);
    m_c.showMemoCheck->setObjectName(QStringLiteral("Check1"));
    place(m_c.showMemoCheck, 400, 3500, 2600, 300);
    m_c.showMemoCheck->hide();

    m_c.saveMemoButton = makeButton(this, QStringLiteral("Command1"), QStringLiteral("保存"), 6000, 3460, 1100, 360);
    m_c.saveMemoButton->hide();

    m_c.conditionMemo = new MemoBox(this);
    m_c.conditionMemo->setObjectName(QStringLiteral("Text1"));
    place(m_c.conditionMemo, 400, 3860, 6700, 2200);
    m_c.conditionMemo->setReadOnly(true);
    m_c.conditionMemo->setToolTip(QStringLiteral("ダブルクリックすれば入力可能になります"));
    m_c.conditionMemo->hide();

    m_c.startButton = makeButton(this, QStringLiteral("Command10"), QStringLiteral("実験の開始"), 400, 6300, 2400, 640);
    setPointSize(m_c.startButton, 12, true);
    m_c.startButton->setToolTip(QStringLiteral("クリックすると実験の開始へ進みます"));
    m_c.startButton->setEnabled(false);

    m_c.resultsButton =
        makeButton(this, QStringLiteral("Command13"), QStringLiteral("結果の表示"), 3000, 6300, 2000, 640);
    setPointSize(m_c.resultsButton, 11);
    m_c.resultsButton->setToolTip(QStringLiteral("過去の結果を表示できます"));
    m_c.resultsButton->setEnabled(false);

    m_c.exitButton = makeButton(this, QStringLiteral("Command3"), QStringLiteral("終わり"), 5600, 6300, 1500, 640);
    setPointSize(m_c.exitButton, 11);

    m_c.computerOnlyButton =
        makeButton(this, QStringLiteral("Command2"), QStringLiteral("コンピュータだけの実験"), 400, 7000, 2400, 360);
    m_c.computerOnlyButton->hide();

    buildStatusBar();
}

void frmMain::buildNameBox(int box)
{
    const int left = columnLeft(box);
    const bool designOnly = box == 0; // element 0: hidden, no behaviour

    if (!designOnly) {
        auto *combo = new NameCombo(this);
        combo->setObjectName(QStringLiteral("Combo%1").arg(box));
        place(combo, left, 1060, kColumnWidth, 330);
        combo->setFont(QFont(fonts::msGothic(), 10));
        combo->setToolTip(QStringLiteral("新しい実験名の登録やプルダウンメニューで呼出し、削除を行なえます"));
        combo->hide();
        m_c.nameBox[box] = combo;
    }

    auto *frame1 =
        new ConditionFrame(designOnly ? QStringLiteral("刺激のの大中小無") : QStringLiteral("刺激の大中小無"), this);
    frame1->setObjectName(arrayName("Frame1", box));
    place(frame1, left, 1410, kColumnWidth, 540);
    frame1->setToolTip(QStringLiteral("刺激の有無やその大きさを決めます"));
    m_c.stimulusFrame[box] = frame1;
    m_c.largeStimulus[box] = makeOption(frame1, arrayName("Option3", box), QStringLiteral("大"), 80, 540);
    m_c.mediumStimulus[box] = makeOption(frame1, arrayName("Option2", box), QStringLiteral("中"), 640, 540);
    m_c.smallStimulus[box] = makeOption(frame1, arrayName("Option1", box), QStringLiteral("小"), 1200, 540);
    m_c.noStimulus[box] = makeOption(frame1, arrayName("Option6", box), QStringLiteral("無"), 1760, 520);

    auto *frame2 = new QGroupBox(designOnly ? QStringLiteral("当否の即表示") : QStringLiteral("当り表示"), this);
    frame2->setObjectName(arrayName("Frame2", box));
    place(frame2, left, 1970, kColumnWidth, 540);
    m_c.hitDisplayFrame[box] = frame2;
    m_c.showHits[box] = makeOption(frame2, arrayName("Option4", box), QStringLiteral("する"), 80, 950);
    m_c.hideHits[box] = makeOption(frame2, arrayName("Option5", box), QStringLiteral("しない"), 1100, 1100);

    // The conditions are chosen only while a new name is typed.
    frame1->setEnabled(false);
    frame2->setEnabled(false);

    if (!designOnly) {
        auto *button =
            makeButton(this, QStringLiteral("Command%1").arg(box + 3), QString(), left, 2530, kColumnWidth, 360);
        button->setFont(QFont(fonts::msGothic(), 11, QFont::Bold));
        button->setToolTip(QStringLiteral("クリックすれば実験名になります"));
        m_c.selectButton[box] = button;
    }

    auto *runsHeading =
        makeLabel(this, arrayName("RunsHeading", box), QStringLiteral("実施済みラン数"), left, 2920, 1150, 220);
    auto *dateHeading =
        makeLabel(this, arrayName("DateHeading", box), QStringLiteral("最後の実施日"), left + 1150, 2920, 1150, 220);
    setPointSize(runsHeading, 8);
    setPointSize(dateHeading, 8);
    m_c.runsDone[box] = makeLabel(this, arrayName("Label10", box), QString(), left, 3140, 1150, 240);
    m_c.lastDate[box] = makeLabel(this, arrayName("Label11", box), QString(), left + 1150, 3140, 1150, 240);
    m_c.runsDone[box]->setFont(QFont(fonts::msGothic(), 10));
    m_c.lastDate[box]->setFont(QFont(fonts::msGothic(), 10));

    if (designOnly) {
        for (QWidget *w : {static_cast<QWidget *>(frame1), static_cast<QWidget *>(frame2),
                           static_cast<QWidget *>(runsHeading), static_cast<QWidget *>(dateHeading),
                           static_cast<QWidget *>(m_c.runsDone[0]), static_cast<QWidget *>(m_c.lastDate[0])})
            w->hide();
    }
}

void frmMain::buildStatusBar()
{
    m_statusBar = new QStatusBar(this);
    m_statusBar->setObjectName(QStringLiteral("sbStatusBar"));
    m_statusBar->setSizeGripEnabled(false);
    // A bar of its own colour: the pictures' dark foreground lies behind it.
    m_statusBar->setAutoFillBackground(true);
    place(m_statusBar, 0, kHeightTwips - 330, kWidthTwips, 330);
    auto *status = new QLabel(QStringLiteral("ｽﾃｰﾀｽ"), m_statusBar);
    status->setObjectName(QStringLiteral("Panels(1)"));
    m_statusDate = new QLabel(m_statusBar);
    m_statusDate->setObjectName(QStringLiteral("Panels(2)"));
    m_statusTime = new QLabel(m_statusBar);
    m_statusTime->setObjectName(QStringLiteral("Panels(3)"));
    m_statusTime->setMinimumWidth(px(1000));
    m_statusDate->setMinimumWidth(px(1300));
    m_statusBar->addWidget(status, 1);
    attachOutboxStatus(m_statusBar, m_module.services().mirror); // left of the date
    m_statusBar->addPermanentWidget(m_statusDate);
    m_statusBar->addPermanentWidget(m_statusTime);
    m_clockTimer = new QTimer(this);
    m_clockTimer->setInterval(1000);
    connect(m_clockTimer, &QTimer::timeout, this, &frmMain::updateClock);
    m_clockTimer->start();
    updateClock();
}

void frmMain::updateClock()
{
    const Services &s = m_module.services();
    m_statusDate->setText(s.clock->dateText());
    m_statusTime->setText(s.clock->timeText());
}

void frmMain::load()
{
    // Steps 1 and 2 (the site address and the start of the fetch) belong to the update fetch,
    // which has been running since the splash appeared; the window does not wait for it.
    m_updateNotice->beginFetch(); // 3

    m_version->setText(version::mainWindowText()); // 4
    m_version->adjustSize();

    m_c.prompt->setText(RegistrationView::prompt()); // 5
    RegistrationView::placePrompt(m_c.prompt);

    restoreSelections(); // 6, 7
    fillNameLists(); // 8
    m_backgrounds->setUpThumbnails(); // 9
    m_updateNotice->compareVersions(m_version->text()); // 10
    m_backgrounds->showRandomOrChosen(); // 11

    if (!m_loadProblems.isEmpty()) {
        m_module.services().dialogs->message(this, m_loadProblems.join(QStringLiteral("\r\n\r\n")), MsgButtons::Ok,
                                             MsgIcon::Exclamation);
    }
}

void frmMain::restoreSelections()
{
    Services &s = m_module.services();
    SharedState &st = m_module.state();
    SelectionRead read = readSelectionFile(*s.files, s.paths);
    if (!read.opened) {
        // First run: box 1 gets a name made from today's date, small stimulus, hit display.
        m_c.smallStimulus[1]->setChecked(true);
        m_c.showHits[1]->setChecked(true);
        st.stimulus = Stimulus::Small;
        st.hitDisplay = HitDisplay::Shown;
        st.stimulusFile = true;
        const QString date = s.clock->dateText();
        const QString name = firstRunName(date);
        const QString line = firstRunLine(date);
        const QString selectionPath = s.paths.file(selectionFileName());

        QString failure;
        if (s.files->exists(selectionPath)) {
            // It is there but cannot be read: keep it for the user rather than replace it.
            failure =
                QStringLiteral("実験名の選択のファイル（%1）を読めません。\r\n").arg(selectionFileName()) + read.error;
            m_c.selectionRefused = failure;
        } else if (const FileResult r = s.files->replaceAll(selectionPath, {line}); !r) {
            failure =
                QStringLiteral("プログラムのフォルダに書き込めません。\r\n実験名の登録や選択は保存されません。\r\n")
                + r.message;
        } else if (const FileResult r2 = addFirstRunLine(*s.files, s.paths, date); !r2) {
            // An existing list of box 1 is kept: the new name is added to it, nothing replaced.
            failure = QStringLiteral("実験名の一覧（%1）に実験名を加えられませんでした。\r\n").arg(nameListFileName(1))
                      + r2.message;
        }
        m_c.selectButton[1]->setText(name.left(10));

        read = readSelectionFile(*s.files, s.paths); // once more, never in a loop
        if (!read.opened) {
            read.boxes = QVector<BoxSelection>(kNameBoxes);
            read.boxes[0] = BoxSelection{name, QStringLiteral("S"), QStringLiteral("D")};
            if (failure.isEmpty())
                failure = QStringLiteral("実験名の選択のファイル（%1）を作れません。").arg(selectionFileName());
        }
        if (!failure.isEmpty())
            m_loadProblems.append(failure);
    } else if (!read.error.isEmpty()) {
        // Read, but not all of it: the boxes of its unreadable lines stay empty, and the file
        // is kept as it is.
        m_c.selectionRefused =
            QStringLiteral("実験名の選択のファイル（%1）の一部を読めません。\r\n").arg(selectionFileName())
            + read.error;
        m_loadProblems.append(m_c.selectionRefused);
    }
    for (int box = 1; box <= kNameBoxes; ++box) {
        const BoxSelection &sel = read.boxes.value(box - 1);
        if (sel.name.isEmpty())
            continue; // the box keeps what it has
        showSelection(box, sel.name, sel.stimulusCode, sel.hitDisplayCode);
    }
}

void frmMain::showSelection(int box, const QString &name, const QString &stimulus, const QString &hit)
{
    SharedState &st = m_module.state();
    m_c.selectButton[box]->setText(name);
    m_c.selected[box] = BoxSelection{name, stimulus, hit};
    m_c.selectStimulus(box, stimulus);
    m_c.selectHitDisplay(box, hit);
    st.stimulusFile = !m_c.noStimulus[box]->isChecked();
    m_nameBoxes->showRunCount(box, name, stimulusFileSuffix(st.stimulusFile));
}

void frmMain::fillNameLists()
{
    Services &s = m_module.services();
    for (int box = 1; box <= kNameBoxes; ++box) {
        const NameListRead list = readNameListFile(*s.files, s.paths, box);
        m_c.nameBox[box]->addItems(list.items);
        m_c.nameBox[box]->setCurrentIndex(-1);
        m_c.keptLines[box] = list.kept;
        if (list.unreadable)
            m_c.listRefused[box] = list.error;
        if (!list.error.isEmpty())
            m_loadProblems.append(QStringLiteral("実験名の一覧（%1）：\r\n").arg(nameListFileName(box)) + list.error);
        if (const QString unusable = unusableLinesMessage(box, list.unusable); !unusable.isEmpty())
            m_loadProblems.append(unusable);
    }
    // A registered name shows the conditions of its list line, whatever the selection file says.
    for (int box = 1; box <= kNameBoxes; ++box) {
        const BoxSelection registered = m_c.registeredSelectionOf(box);
        const BoxSelection &shown = m_c.selected[box];
        if (!registered.name.isEmpty()
            && (registered.stimulusCode != shown.stimulusCode || registered.hitDisplayCode != shown.hitDisplayCode)) {
            m_c.clearOptions(box);
            showSelection(box, registered.name, registered.stimulusCode, registered.hitDisplayCode);
        }
    }
}

void frmMain::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
    if (m_c.ended || event->button() != Qt::LeftButton)
        return;
    // Only the bare window: clicks on labels and frames reach here as well and are not meant.
    QWidget *under = childAt(event->position().toPoint());
    if (under == nullptr || under->objectName().isEmpty())
        m_updateNotice->toggleWebPanel();
}

} // namespace vora
