#include "FailDevice.h"
#include "MainWindowHelpers.h"

#include "core/toolkit/Cp932.h"
#include "core/toolkit/Units.h"
#include "core/toolkit/Version.h"
#include "ui/mainwindow/UpdateNotice.h"
#include "ui/mainwindow/Windows.h"
#include "ui/registry/RegistrationView.h"
#include "ui/startup/frmSplash.h"
#include <cerrno>

#include <QStatusBar>
#include <QTextBrowser>

using namespace vora;
using namespace vora::testing;

namespace {
QStringList filesIn(const QString &folder)
{
    QStringList out;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        out.append(it.next());
    out.sort();
    return out;
}
} // namespace

class TestMainLoad : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void firstStartInAnEmptyFolder();
    void aReadOnlyFolderOpensWithDefaultsAndOneMessage();
    void firstStartKeepsAnExistingListOfBox1();
    void selectionsSurviveAnEmptyBoxBeforeAFilledOne();
    void selectionFileOfTheEarlierKindStillReads();
    void registrationViewShowsTheGuidanceAndClosingStoresEverything();
    void startUpFetchesDuringTheSplash_data();
    void startUpFetchesDuringTheSplash();
    void everyControlFitsTheWindow();
    void statusBarShowsDateAndTime();
    void backgroundClicksAndFrameDoubleClicks();
    void statusBarCountsRunsNotYetSent();
};

void TestMainLoad::firstStartInAnEmptyFolder()
{
    MainFixture f;
    f.t.clock->setDate(2010, 9, 22);
    f.open();
    QCOMPARE(f.selectButton(1)->text(), QStringLiteral("Dt100922"));
    QVERIFY(f.option(1, 1)->isChecked());
    QVERIFY(f.option(4, 1)->isChecked());
    QCOMPARE(f.label("Label10", 1)->text(), QStringLiteral(" 0"));
    QCOMPARE(f.label("Label11", 1)->text(), QStringLiteral("-"));
    QCOMPARE(f.t.readLines(QStringLiteral("Jikkenmei.txt")), QStringList{QStringLiteral("Dt100922  -SD0")});
    QCOMPARE(f.t.readLines(QStringLiteral("Combo1.txt")), QStringList{QStringLiteral("Dt100922  -SD0")});
    QCOMPARE(f.nameBox(1)->count(), 1);
    for (int box = 2; box <= 5; ++box) {
        QCOMPARE(f.selectButton(box)->text(), QString());
        QVERIFY(f.stimulusCode(box).isEmpty());
        QVERIFY(f.hitDisplayCode(box).isEmpty());
        QCOMPARE(f.nameBox(box)->count(), 0);
        QCOMPARE(f.label("Label10", box)->text(), QString());
    }
    QCOMPARE(stimulusLetter(f.state().stimulus), QStringLiteral("S"));
    QCOMPARE(hitDisplayLetter(f.state().hitDisplay), QStringLiteral("D"));
    QCOMPARE(stimulusFileSuffix(f.state().stimulusFile), QStringLiteral("1"));
    QCOMPARE(f.find<QLabel>(QStringLiteral("Label9"))->text(), version::mainWindowText());
    QCOMPARE(f.label("Label4")->text(), QStringLiteral(" 実験名を指定してください "));
    QCOMPARE(f.label("Label4")->pos(), QPoint(units::px(400), units::px(1000)));
    QVERIFY(!f.button("Command10")->isEnabled());
    QVERIFY(!f.button("Command13")->isEnabled());
    QCOMPARE(f.window->windowTitle(), QStringLiteral("VORA"));
    QCOMPARE(f.messages(), 0);

    // The next load takes the file that the first one wrote: nothing is written again.
    const QByteArray written = f.t.readBytes(QStringLiteral("Jikkenmei.txt"));
    f.t.clock->setDate(2010, 9, 23);
    f.open();
    QCOMPARE(f.selectButton(1)->text(), QStringLiteral("Dt100922"));
    QCOMPARE(f.t.readBytes(QStringLiteral("Jikkenmei.txt")), written);
}

void TestMainLoad::aReadOnlyFolderOpensWithDefaultsAndOneMessage()
{
    MainFixture f;
    auto readOnly = std::make_shared<FileStore>();
    refuseWrites(*readOnly); // a folder the user may not write into
    f.module.services().files = readOnly;
    f.open(); // must come back: no endless first-run loop
    QCOMPARE(f.messages(), 1);
    QVERIFY(f.t.dialogs->last()->text.contains(QStringLiteral("書き込めません")));
    QCOMPARE(f.selectButton(1)->text(), QStringLiteral("Dt090425"));
    QVERIFY(f.option(1, 1)->isChecked());
    QVERIFY(f.option(4, 1)->isChecked());
    QCOMPARE(f.label("Label10", 1)->text(), QStringLiteral(" 0"));
    QCOMPARE(f.label("Label11", 1)->text(), QStringLiteral("-"));
    QVERIFY(filesIn(f.t.dir.path()).isEmpty());
}

void TestMainLoad::firstStartKeepsAnExistingListOfBox1()
{
    MainFixture f;
    const QStringList list{QStringLiteral("Yama090425-SD3"), QStringLiteral("Kawa      -n-")};
    f.t.writeLines(QStringLiteral("Combo1.txt"), list);
    f.open();
    // The first-run name joins the list: the select button never names what the box lacks.
    const QStringList grown = list + QStringList{QStringLiteral("Dt090425  -SD0")};
    QCOMPARE(f.t.readLines(QStringLiteral("Combo1.txt")), grown);
    QCOMPARE(f.nameBox(1)->count(), 3);
    QCOMPARE(f.nameBox(1)->itemText(2), grown.at(2));
    QCOMPARE(f.t.readLines(QStringLiteral("Jikkenmei.txt")), QStringList{QStringLiteral("Dt090425  -SD0")});
    QCOMPARE(f.selectButton(1)->text(), QStringLiteral("Dt090425"));
    QCOMPARE(f.messages(), 0);
    f.toggleView();
    f.toggleView();
    f.open();
    QCOMPARE(f.t.readLines(QStringLiteral("Combo1.txt")), grown);
    QCOMPARE(f.t.readLines(QStringLiteral("Jikkenmei.txt")).value(0), QStringLiteral("Dt090425   SD"));
}

void TestMainLoad::selectionsSurviveAnEmptyBoxBeforeAFilledOne()
{
    MainFixture f;
    f.t.writeLines(QStringLiteral("Jikkenmei.txt"), {QString()});
    f.t.writeLines(QStringLiteral("Combo1.txt"), {QStringLiteral("Aaa       -SD")});
    f.t.writeLines(QStringLiteral("Combo3.txt"), {QStringLiteral("Ccc       -n-")});
    f.open();
    f.toggleView();
    f.chooseItem(1, 0);
    f.chooseItem(3, 0);
    f.toggleView();
    QCOMPARE(f.messages(), 0);
    QCOMPARE(f.t.readLines(QStringLiteral("Jikkenmei.txt")),
             (QStringList{QStringLiteral("Aaa        SD"), QString(), QStringLiteral("Ccc        n-"), QString(),
                          QString()}));

    f.open();
    QCOMPARE(f.selectButton(1)->text(), QStringLiteral("Aaa"));
    QCOMPARE(f.selectButton(2)->text(), QString());
    QCOMPARE(f.selectButton(3)->text(), QStringLiteral("Ccc"));
    QVERIFY(f.option(6, 3)->isChecked());
    QVERIFY(f.option(5, 3)->isChecked());
    QVERIFY(f.stimulusCode(2).isEmpty());
}

void TestMainLoad::selectionFileOfTheEarlierKindStillReads()
{
    MainFixture f;
    QStringList lines;
    const QStringList names{QStringLiteral("Aaa"), QStringLiteral("Bbb"), QStringLiteral("Ccc"), QStringLiteral("Ddd"),
                            QStringLiteral("Eee")};
    for (const QString &name : names)
        lines.append(name.leftJustified(11, QLatin1Char(' ')) + QStringLiteral("MD"));
    f.t.writeLines(QStringLiteral("Jikkenmei.txt"), lines);
    f.open();
    for (int box = 1; box <= 5; ++box) {
        QCOMPARE(f.selectButton(box)->text(), names.at(box - 1));
        QVERIFY(f.option(2, box)->isChecked());
        QVERIFY(f.option(4, box)->isChecked());
    }
}

void TestMainLoad::registrationViewShowsTheGuidanceAndClosingStoresEverything()
{
    MainFixture f;
    f.t.writeLines(QStringLiteral("Combo2.txt"), {QStringLiteral("Bbb       -MD4")});
    f.open();
    frmMain &w = *f.window;
    w.show();
    QPushButton *toggle = f.button("Command9");
    QCOMPARE(toggle->text(), QStringLiteral("実験名の登録や変更"));
    QCOMPARE(toggle->toolTip(), QStringLiteral("実験名を登録、またはプルダウンメニューで呼出し、削除できます"));

    f.toggleView();
    QCOMPARE(f.window->registrationViewOpen(), true);
    QCOMPARE(toggle->text(), QStringLiteral("実験名の登録や変更の終了"));
    const QString guidance = f.label("Label4")->text();
    QVERIFY(guidance.startsWith(QStringLiteral("◆実験名の設定に関して◆\r\n\r\n1.実験名を新規登録する")));
    QVERIFY(guidance.contains(QStringLiteral("\r\n6.実験名は100ランの実験が終了するまで同じものを使います｡ \r\n")));
    QVERIFY(guidance.endsWith(QStringLiteral("\r\n　注意；実験名は５つのボックスで同じものは使えない。\r\n")));
    QCOMPARE(guidance.count(QStringLiteral("\r\n")), 16);
    QCOMPARE(f.label("Label4")->geometry(), QRect(units::px(200), units::px(3400), units::px(8400), units::px(3900)));
    // All sixteen lines can be read in the fixed box.
    QVERIFY(f.label("Label4")
                ->fontMetrics()
                .boundingRect(f.label("Label4")->contentsRect(), Qt::TextWordWrap, guidance.trimmed())
                .height()
            <= f.label("Label4")->contentsRect().height());
    QCOMPARE(backColour(f.label("Label4")), promptGrey());
    for (int box = 1; box <= 5; ++box)
        QVERIFY(f.nameBox(box)->isVisible());
    QVERIFY(!f.button("Command10")->isVisible());
    QVERIFY(!f.button("Command13")->isVisible());
    QVERIFY(!f.button("Command3")->isVisible());
    QVERIFY(!f.label("Label3")->isVisible());
    QWidget *web = f.find<QWidget>(QStringLiteral("WB1"));
    QVERIFY(web && !web->isVisible());

    // Closing without changes: the lists come back as they were, one selection line per box.
    f.toggleView();
    QCOMPARE(f.window->registrationViewOpen(), false);
    QCOMPARE(toggle->text(), QStringLiteral("実験名の登録や選択"));
    QCOMPARE(f.label("Label4")->text(), RegistrationView::prompt());
    QCOMPARE(f.label("Label4")->pos(), QPoint(units::px(400), units::px(1000)));
    QVERIFY(f.label("Label4")->width()
            >= f.label("Label4")->fontMetrics().horizontalAdvance(RegistrationView::prompt()));
    QVERIFY(f.label("Label4")->font().bold());
    QCOMPARE(backColour(f.label("Label4")), promptYellow());
    QVERIFY(web->isVisible());
    QVERIFY(f.button("Command10")->isVisible() && !f.button("Command10")->isEnabled());
    QVERIFY(f.button("Command13")->isVisible() && !f.button("Command13")->isEnabled());
    QVERIFY(f.button("Command3")->isVisible());
    QVERIFY(!f.nameBox(1)->isVisible());
    QCOMPARE(f.t.readLines(QStringLiteral("Combo2.txt")), QStringList{QStringLiteral("Bbb       -MD4")});
    QCOMPARE(f.t.readLines(QStringLiteral("Combo1.txt")), QStringList{QStringLiteral("Dt090425  -SD0")});
    QCOMPARE(f.t.readLines(QStringLiteral("Combo5.txt")), QStringList());
    QCOMPARE(f.t.readLines(QStringLiteral("Jikkenmei.txt")),
             (QStringList{QStringLiteral("Dt090425   SD"), QString(), QString(), QString(), QString()}));
    QCOMPARE(f.messages(), 0);
}

void TestMainLoad::startUpFetchesDuringTheSplash_data()
{
    QTest::addColumn<bool>("silent");
    QTest::newRow("page arrives during the splash") << false;
    QTest::newRow("server accepts and never answers") << true;
}

void TestMainLoad::startUpFetchesDuringTheSplash()
{
    QFETCH(bool, silent);
    TestServices t;
    t.services.timing.splashMs = 120;
    const auto page = [](const char *version) {
        return QStringLiteral(
                   "<p>ＶＯＲＡ <A href=\"dl.htm\">(最新版の入手)</A></p>\n<h3>改定記録</h3>\n<p>%1 公開</p>")
            .arg(QLatin1String(version));
    };
    t.writeLines(QStringLiteral("new-sub2.htm"), page("V1.0.0").split(QLatin1Char('\n')));
    if (silent) {
        t.network->hold = true; // no answer until its bound, long after the window is up
        t.services.timing.fetchTimeoutMs = 60000;
    } else {
        t.network->replies.enqueue(HttpReply{true, false, cp932::encode(page("V9.9.9")).bytes, QString(), QString()});
    }
    Module1 module(t.services);
    registerWindows(module);
    bool splashUpDuringLoad = false;
    QObject::connect(&module, &Module1::mainWindowShown, [&](QWidget *) {
        splashUpDuringLoad = module.splashWindow() && module.splashWindow()->isVisible();
    });
    module.start();
    // The page is asked for as soon as the splash is up, and the splash does not wait for it.
    QCOMPARE(module.startPhase(), Module1::StartPhase::Splash);
    QCOMPARE(t.network->requests.size(), 1);
    QTRY_VERIFY(module.mainWindow());
    QVERIFY(module.lastSplashMs() >= 120);
    QVERIFY(splashUpDuringLoad);
    auto *main = qobject_cast<frmMain *>(module.mainWindow());
    QVERIFY(main && main->isVisible());
    QVERIFY(!module.splashWindow());
    QCOMPARE(control<QPushButton>(main, "Command4")->text(), QStringLiteral("Dt090425"));
    // The load took over the fetch of the splash rather than start another.
    QCOMPARE(t.network->requests.size(), 1);
    auto *panel = main->findChild<QTextBrowser *>(QStringLiteral("WB1"));
    auto *notice = main->findChild<QWidget *>(QStringLiteral("Frame3"));
    QCOMPARE(main->updateNotice().fetchInProgress(), silent);
    QVERIFY(panel->toPlainText().contains(silent ? QStringLiteral("V1.0.0") : QStringLiteral("V9.9.9")));
    QCOMPARE(notice->isVisible(), !silent);
}

void TestMainLoad::everyControlFitsTheWindow()
{
    MainFixture f;
    f.open();
    frmMain &w = *f.window;
    w.show();
    const QRect area = w.rect();
    auto check = [&](const char *view) {
        for (QWidget *child : w.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
            if (!child->isVisible() || child->objectName().isEmpty())
                continue;
            QVERIFY2(area.contains(child->geometry()),
                     qPrintable(QStringLiteral("%1 lies outside the window in the %2 view")
                                    .arg(child->objectName(), QLatin1String(view))));
        }
    };
    check("selection");
    f.toggleView();
    check("registration");
    // The name boxes and the guidance do not cover each other.
    for (int box = 1; box <= 5; ++box) {
        QVERIFY(!f.label("Label4")->geometry().intersects(f.label("Label10", box)->geometry()));
        QVERIFY(!f.label("Label4")->geometry().intersects(f.selectButton(box)->geometry()));
        QVERIFY(!f.nameBox(box)->geometry().intersects(f.button("Command9")->geometry()));
    }
    // The thumbnails lie along the bottom, clear of the web panel and above the status bar.
    QWidget *thumb = f.find<QWidget>(QStringLiteral("Picture1(9)"));
    QVERIFY(thumb);
    QVERIFY(thumb->geometry().top() > f.find<QWidget>(QStringLiteral("WB1"))->geometry().bottom());
    QVERIFY(thumb->geometry().bottom() < f.find<QStatusBar>(QStringLiteral("sbStatusBar"))->geometry().top());
}

void TestMainLoad::statusBarShowsDateAndTime()
{
    MainFixture f;
    f.t.clock->setDate(2011, 3, 4);
    f.t.clock->setTime(9, 5, 7);
    f.open();
    QStatusBar *bar = f.find<QStatusBar>(QStringLiteral("sbStatusBar"));
    QVERIFY(bar);
    QCOMPARE(bar->findChild<QLabel *>(QStringLiteral("Panels(1)"))->text(), QStringLiteral("ｽﾃｰﾀｽ"));
    QCOMPARE(bar->findChild<QLabel *>(QStringLiteral("Panels(2)"))->text(), QStringLiteral("2011/03/04"));
    QCOMPARE(bar->findChild<QLabel *>(QStringLiteral("Panels(3)"))->text(), QStringLiteral("9:05:07"));
    // The time is kept current.
    f.t.clock->setTime(9, 5, 9);
    QTRY_COMPARE_WITH_TIMEOUT(bar->findChild<QLabel *>(QStringLiteral("Panels(3)"))->text(), QStringLiteral("9:05:09"),
                              3000);
}

void TestMainLoad::backgroundClicksAndFrameDoubleClicks()
{
    MainFixture f;
    f.t.copyAssets();
    f.open();
    frmMain &w = *f.window;
    w.show();
    QWidget *web = f.find<QWidget>(QStringLiteral("WB1"));
    QVERIFY(web->isVisible());
    // A click on a label is not a click on the window.
    QTest::mouseClick(f.label("Label5"), Qt::LeftButton);
    QVERIFY(web->isVisible());
    const QPoint bare(units::px(9000), units::px(3650)); // between the boxes and the web panel
    QVERIFY(!w.childAt(bare));
    QTest::mouseClick(&w, Qt::LeftButton, {}, bare);
    QVERIFY(!web->isVisible());
    QTest::mouseClick(&w, Qt::LeftButton, {}, bare);
    QVERIFY(web->isVisible());

    // The stimulus frame of box 3 (enabled while a name is typed) picks picture 3.
    f.toggleView();
    f.typeInto(3, QStringLiteral("A"));
    QTest::mouseDClick(f.frame(1, 3), Qt::LeftButton, {}, QPoint(4, 4));
    QVERIFY(f.state().backgroundImagePath.endsWith(QStringLiteral("yama3.jpg")));
}

void TestMainLoad::statusBarCountsRunsNotYetSent()
{
    {
        MainFixture f; // working alone: no note at all
        f.open();
        QVERIFY(!f.find<QLabel>(QStringLiteral("StudyOutbox")));
    }
    MainFixture f;
    auto mirror = std::make_shared<FakeMirror>();
    mirror->warning = QStringLiteral("settings readable by others");
    f.module.services().mirror = mirror;
    mirror->set(2, 0, QStringLiteral("server down"));
    frmMain &w = f.open();
    w.show();
    auto *note = f.find<QLabel>(QStringLiteral("StudyOutbox"));
    QVERIFY(note);
    QVERIFY(note->isVisible());
    QCOMPARE(note->text(), QStringLiteral("未送信 2件"));
    QCOMPARE(note->toolTip(), QStringLiteral("server down"));
    QTRY_COMPARE(f.find<QStatusBar>(QStringLiteral("sbStatusBar"))->currentMessage(),
                 QStringLiteral("settings readable by others"));
    mirror->set(0, 1, QString());
    QCOMPARE(note->text(), QStringLiteral("送信不可 1件"));
    mirror->set(0, 0, QString());
    QVERIFY(!note->isVisible());
    // The warning is given once, not at every load of the window.
    f.open();
    QTest::qWait(0);
    QVERIFY(f.find<QStatusBar>(QStringLiteral("sbStatusBar"))->currentMessage().isEmpty());
}

QTEST_MAIN(TestMainLoad)
#include "tst_mainload.moc"
