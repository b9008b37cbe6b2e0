// The main window's state machine without a window, on a frozen clock that the test moves:
// inputs judged by mode and by the open question, the questions and their answers, the
// choice of an experiment by what its data file holds, registration, and the status clock.
#include "Fakes.h"
#include "StoredRuns.h"
#include "core/mainwindow/MainFlow.h"
#include "core/mainwindow/MainTexts.h"
#include "core/registry/RunRecord.h"

#include <QDir>
#include <QLockFile>
#include <QtTest>

using namespace vora;
using namespace vora::testing;
using Mode = MainFlow::Mode;

Q_DECLARE_METATYPE(vora::MainFlow::Mode)

namespace {

// Records every step the flow asks of the window, one word each.
struct View : MainFlow::View {
    QStringList log;
    QStringList told; // the whole texts of tell()
    QString memo;

    void tell(const QString &text, MsgIcon icon) override
    {
        told << text;
        log << QStringLiteral("tell%1:%2").arg(int(icon)).arg(text.section(QLatin1Char('\n'), 0, 0).trimmed());
    }
    void beep() override { log << "beep"; }
    void askDeleteName() override { log << "askDelete"; }
    void tellAndWait(const QString &text, MsgIcon icon) override
    {
        log << QStringLiteral("wait%1:%2").arg(int(icon)).arg(text.section(QLatin1Char('\n'), 0, 0).trimmed());
    }
    void openExperimentWindow() override { log << "open"; }
    void restartProgram() override { log << "restart"; }
    void quit() override { log << "quit"; }
    QString memoText() const override { return memo; }
};

// Targets all "1", the first `hits` answers matching them.
QString runLine(const QString &name, int hits = 50, const QString &codes = QStringLiteral("SD"))
{
    RunHead head;
    head.name = name;
    head.stimulus = codes.left(1);
    head.hitDisplay = codes.mid(1, 1);
    head.stimulusTrial = 0;
    return storedLine(
        head, [](int) { return true; }, [hits](int t) { return t < hits; });
}

QStringList runLines(const QString &name, int count, const QString &codes = QStringLiteral("SD"))
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << runLine(name, 50, codes);
    return lines;
}

struct Rig {
    TestServices t;
    SharedState state;
    View view;
    std::unique_ptr<MainFlow> flow;

    // Box 1 holds "Aaa" (small stimulus, hit display) on its select button; box 2 "Bbb"
    // (none, no hit display), whose data file holds `runsB` runs.
    explicit Rig(int runsB = 3)
    {
        t.clock->setFrozen(true);
        t.writeLines(QStringLiteral("Jikkenmei.txt"),
                     {QStringLiteral("Aaa        SD"), QStringLiteral("Bbb        n-")});
        t.writeLines(QStringLiteral("Combo1.txt"), {QStringLiteral("Aaa       -SD")});
        t.writeLines(QStringLiteral("Combo2.txt"), {QStringLiteral("Bbb       -n-")});
        if (runsB > 0)
            t.writeLines(QStringLiteral("data/Bbb-0.txt"),
                         runLines(QStringLiteral("Bbb"), runsB, QStringLiteral("n-")));
    }
    MainFlow &open()
    {
        flow = std::make_unique<MainFlow>(view, t.services, state);
        flow->load();
        flow->reportLoadProblems();
        view.log.clear();
        return *flow;
    }
    // Moves the clock to the armed deadline and lets it fire.
    void fire()
    {
        QVERIFY(flow->deadline() >= 0);
        t.clock->advanceMs(flow->deadline() - t.clock->monotonicMs());
        flow->onDeadline();
    }
    // Brings the flow into a mode by the inputs a user would give.
    void reach(const QString &how)
    {
        if (how == QLatin1String("selected")) {
            flow->selectPressed(2);
        } else if (how == QLatin1String("selected, no runs")) {
            flow->selectPressed(1);
        } else if (how == QLatin1String("registering")) {
            flow->registrationToggled();
        } else if (how == QLatin1String("asking")) {
            flow->registrationToggled();
            flow->itemChosen(1, 0);
            flow->keyTyped(1, 8, QString());
            flow->keyTyped(1, 13, QString());
        } else if (how == QLatin1String("ended")) {
            flow->endRequested();
        } else if (how == QLatin1String("launching")) {
            flow->selectPressed(2);
            flow->launch();
        }
        view.log.clear();
    }
};

} // namespace

class MainFlowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void loadShowsTheSelections();
    void inputsJudgedByModeAndQuestion_data();
    void inputsJudgedByModeAndQuestion();
    void choosingAnExperimentByItsDataFile_data();
    void choosingAnExperimentByItsDataFile();
    void aDamagedFileEndsAfterItsMessage();
    void registeringAName_data();
    void registeringAName();
    void deletingAsksAndTheAnswerDecides_data();
    void deletingAsksAndTheAnswerDecides();
    void closingTheViewClearsTheChoiceAndStores();
    void memoTickedEditedAndHandedOver();
    void writesWaitForABusyLock_data();
    void writesWaitForABusyLock();
    void statusClockOnAFrozenClock();
};

void MainFlowTest::loadShowsTheSelections()
{
    Rig r;
    MainFlow &f = r.open();
    QCOMPARE(f.mode(), Mode::NoSelection);
    QCOMPARE(f.box(1).caption, QStringLiteral("Aaa"));
    QCOMPARE(f.box(1).stimulus + f.box(1).hitDisplay, QStringLiteral("SD"));
    QCOMPARE(f.box(1).runs, QStringLiteral(" 0"));
    QCOMPARE(f.box(1).lastDate, QStringLiteral("-"));
    QCOMPARE(f.box(2).items, QStringList{QStringLiteral("Bbb       -n-")});
    QCOMPARE(f.box(2).runs, QStringLiteral(" 3"));
    QCOMPARE(f.box(2).lastDate, QStringLiteral("2009/04/25"));
    QVERIFY(f.box(3).caption.isEmpty() && f.box(3).runs.isEmpty());
    // What the window shows before anything is chosen: the design state.
    QCOMPARE(f.conditionsText(), QString(10, QLatin1Char(' ')));
    QCOMPARE(f.highlightedBox(), -1);
    QVERIFY(!f.startEnabled() && !f.resultsEnabled() && !f.headingEnabled());
    QCOMPARE(f.registrationCaption(), MainFlow::RegistrationCaption::Register);
    QVERIFY(r.view.log.isEmpty());
}

void MainFlowTest::inputsJudgedByModeAndQuestion_data()
{
    QTest::addColumn<QString>("reached"); // how the flow got where it is
    QTest::addColumn<QString>("input");
    QTest::addColumn<Mode>("mode"); // afterwards
    QTest::addColumn<QStringList>("steps"); // what the window was asked to do
    const QStringList none;
    QTest::newRow("toggle, nothing chosen") << ""
                                            << "toggle" << Mode::Registering << none;
    QTest::newRow("toggle, registering") << "registering"
                                         << "toggle" << Mode::NoSelection << none;
    QTest::newRow("toggle, chosen") << "selected"
                                    << "toggle" << Mode::Registering << none;
    QTest::newRow("toggle while asking") << "asking"
                                         << "toggle" << Mode::Registering << none;
    QTest::newRow("toggle after the end") << "ended"
                                          << "toggle" << Mode::Ended << none;
    QTest::newRow("toggle while launching") << "launching"
                                            << "toggle" << Mode::Launching << none;
    QTest::newRow("select") << ""
                            << "select2" << Mode::Selected << none;
    QTest::newRow("select an empty box") << "selected"
                                         << "select4" << Mode::NoSelection << none;
    QTest::newRow("select while registering closes the view") << "registering"
                                                              << "select2" << Mode::NoSelection << none;
    QTest::newRow("select while asking") << "asking"
                                         << "select2" << Mode::Registering << none;
    QTest::newRow("select after the end") << "ended"
                                          << "select2" << Mode::Ended << none;
    QTest::newRow("launch, chosen") << "selected"
                                    << "launch" << Mode::Launching << QStringList{"open"};
    QTest::newRow("launch, nothing chosen") << ""
                                            << "launch" << Mode::NoSelection << none;
    QTest::newRow("launch while registering") << "registering"
                                              << "launch" << Mode::Registering << none;
    QTest::newRow("launch twice") << "launching"
                                  << "launch" << Mode::Launching << none;
    QTest::newRow("results, chosen") << "selected"
                                     << "results" << Mode::Launching << QStringList{"open"};
    QTest::newRow("results, nothing chosen") << ""
                                             << "results" << Mode::NoSelection << none;
    QTest::newRow("results without stored runs") << "selected, no runs"
                                                 << "results" << Mode::Selected << none;
    QTest::newRow("end, chosen") << "selected"
                                 << "end" << Mode::Ended << QStringList{"quit"};
    QTest::newRow("end while registering") << "registering"
                                           << "end" << Mode::Ended << QStringList{"quit"};
    QTest::newRow("end after the end") << "ended"
                                       << "end" << Mode::Ended << none;
    QTest::newRow("a key while asking") << "asking"
                                        << "key" << Mode::Registering << none;
    QTest::newRow("a key after the end") << "ended"
                                         << "key" << Mode::Ended << none;
    QTest::newRow("an answer nobody asked for") << "registering"
                                                << "yes" << Mode::Registering << none;
}

void MainFlowTest::inputsJudgedByModeAndQuestion()
{
    QFETCH(QString, reached);
    QFETCH(QString, input);
    QFETCH(Mode, mode);
    QFETCH(QStringList, steps);
    Rig r;
    MainFlow &f = r.open();
    r.reach(reached);
    const NameBox box1 = f.box(1);
    if (input == QLatin1String("toggle"))
        f.registrationToggled();
    else if (input.startsWith(QLatin1String("select")))
        f.selectPressed(input.right(1).toInt());
    else if (input == QLatin1String("launch"))
        f.launch();
    else if (input == QLatin1String("results"))
        f.showResults();
    else if (input == QLatin1String("end"))
        f.endRequested();
    else if (input == QLatin1String("key"))
        f.keyTyped(1, 'x', QStringLiteral("x"));
    else if (input == QLatin1String("yes"))
        f.deleteAnswered(true);
    QCOMPARE(f.mode(), mode);
    QCOMPARE(r.view.log, steps);
    if (input == QLatin1String("key") || input == QLatin1String("yes")) {
        QCOMPARE(f.box(1).items, box1.items); // nothing of the box changed
        QCOMPARE(f.box(1).conditionsEnabled, box1.conditionsEnabled);
        QCOMPARE(f.box(1).stimulus, box1.stimulus);
    }
}

void MainFlowTest::choosingAnExperimentByItsDataFile_data()
{
    QTest::addColumn<QString>("file"); // what data/Bbb-0.txt is: "N runs", "memo", "folder"
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<bool>("results");
    QTest::addColumn<QStringList>("steps"); // after the choice, then after 実験の開始
    QTest::newRow("no file yet") << "0 runs" << Mode::Selected << false << QStringList{"open"};
    QTest::newRow("3 runs") << "3 runs" << Mode::Selected << true << QStringList{"open"};
    QTest::newRow("99 runs: the 100th may start") << "99 runs" << Mode::Selected << true << QStringList{"open"};
    QTest::newRow("100 runs: refused") << "100 runs" << Mode::Selected << true
                                       << QStringList{"tell1:" + runLimitMessage().section(QLatin1Char('\r'), 0, 0)};
    QTest::newRow("runs under other conditions: refused")
        << "3 runs SD" << Mode::Selected << true << QStringList{QStringLiteral("tell2:実験できません。")};
    QTest::newRow("a folder where the file belongs")
        << "folder" << Mode::NoSelection << false
        << QStringList{QStringLiteral("tell2:実験データのファイルを読めないため、この実験は選べません。")};
}

void MainFlowTest::choosingAnExperimentByItsDataFile()
{
    QFETCH(QString, file);
    QFETCH(Mode, mode);
    QFETCH(bool, results);
    QFETCH(QStringList, steps);
    Rig r(0);
    if (file == QLatin1String("folder")) {
        QVERIFY(QDir(r.t.dir.path()).mkpath(QStringLiteral("data/Bbb-0.txt")));
    } else {
        const int runs = file.section(QLatin1Char(' '), 0, 0).toInt();
        const QString codes = file.section(QLatin1Char(' '), 2, 2);
        if (runs > 0)
            r.t.writeLines(QStringLiteral("data/Bbb-0.txt"),
                           runLines(QStringLiteral("Bbb"), runs, codes.isEmpty() ? QStringLiteral("n-") : codes));
    }
    MainFlow &f = r.open();
    f.selectPressed(2);
    QCOMPARE(f.mode(), mode);
    QCOMPARE(f.experimentCaption(), QStringLiteral("Bbb"));
    QCOMPARE(f.highlightedBox(), 2);
    QCOMPARE(f.startEnabled(), mode == Mode::Selected);
    QCOMPARE(f.resultsEnabled(), results);
    QCOMPARE(r.state.experimentName, QStringLiteral("Bbb"));
    QCOMPARE(r.state.stimulusFile, false);
    if (mode == Mode::Selected)
        QCOMPARE(f.conditionsText(), QStringLiteral("刺激=無、当り表示=なし　(保存データ；正常)"));
    f.launch();
    QCOMPARE(r.view.log, steps);
    QCOMPARE(r.state.launchedFromMain, steps == QStringList{"open"});
}

void MainFlowTest::aDamagedFileEndsAfterItsMessage()
{
    Rig r(0);
    QStringList lines = runLines(QStringLiteral("Bbb"), 3, QStringLiteral("n-"));
    lines[1][69] = lines[1][69] == QLatin1Char('1') ? QLatin1Char('0') : QLatin1Char('1'); // a target digit
    r.t.writeLines(QStringLiteral("data/Bbb-0.txt"), lines);
    MainFlow &f = r.open();
    f.selectPressed(2);
    QCOMPARE(f.mode(), Mode::Ended);
    QVERIFY(f.questionOpen());
    const QString damaged = "wait0:" + damagedDataMessage();
    QCOMPARE(r.view.log, QStringList{damaged}); // the restart waits for the message
    QVERIFY(!f.startEnabled() && !f.resultsEnabled());
    f.registrationToggled();
    f.selectPressed(1);
    f.launch();
    QCOMPARE(r.view.log, QStringList{damaged});
    f.acknowledged();
    f.acknowledged();
    QCOMPARE(r.view.log, (QStringList{damaged, "restart"}));
}

void MainFlowTest::registeringAName_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("codes"); // the options ticked before Enter
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("registered");
    QTest::newRow("box 3, small, hits shown") << 3 << "Yama090425"
                                              << "SD" << QStringList() << true;
    QTest::newRow("no conditions, box 1") << 1 << "Yama"
                                          << "" << QStringList{"beep", "wait1:" + conditionMessage(1)} << false;
    QTest::newRow("stimulus only, box 4") << 4 << "Yama"
                                          << "M" << QStringList{"beep", "wait1:" + conditionMessage(4)} << false;
    QTest::newRow("11 characters, box 1") << 1 << "ABCDEFGHIJK"
                                          << "BD" << QStringList{"tell2:" + lengthMessage(1)} << false;
    QTest::newRow("11 characters, box 5") << 5 << "ABCDEFGHIJK"
                                          << "BD" << QStringList{"tell2:" + lengthMessage(5)} << false;
    QTest::newRow("a full stop") << 3 << "Ya.ma"
                                 << "n-" << QStringList{"beep"} << false;
    QTest::newRow("a name box 2 holds") << 3 << "Bbb"
                                        << "SD"
                                        << QStringList{"tell2:"
                                                       + nameInUseMessage("Bbb", 2).section(QLatin1Char('\r'), 0, 0)}
                                        << false;
}

void MainFlowTest::registeringAName()
{
    QFETCH(int, box);
    QFETCH(QString, name);
    QFETCH(QString, codes);
    QFETCH(QStringList, steps);
    QFETCH(bool, registered);
    Rig r;
    MainFlow &f = r.open();
    f.registrationToggled();
    for (const QChar c : name)
        f.keyTyped(box, c.unicode(), QString());
    QVERIFY(f.box(box).conditionsEnabled);
    QVERIFY(!f.box(box).selectEnabled);
    f.optionsChosen(box, codes.left(1), codes.mid(1, 1));
    const QStringList before = f.box(box).items;
    f.keyTyped(box, 13, name);
    QCOMPARE(r.view.log, steps);
    QVERIFY(f.box(box).selectEnabled);
    // The registration button stays off while the window waits on the message of the conditions.
    const bool waits = steps.value(1).startsWith(QLatin1String("wait"));
    QCOMPARE(f.registrationEnabled(), !waits);
    QCOMPARE(f.questionOpen(), waits);
    if (waits) {
        f.registrationToggled(); // nothing is taken until the message is closed
        QCOMPARE(f.mode(), Mode::Registering);
    }
    f.acknowledged();
    QVERIFY(f.registrationEnabled() && !f.questionOpen());
    QCOMPARE(f.mode(), Mode::Registering);
    const QStringList file = r.t.readLines(QStringLiteral("Combo%1.txt").arg(box));
    if (registered) {
        const QString item = padName(name) + QLatin1Char('-') + codes;
        QCOMPARE(f.box(box).items, before + QStringList{item});
        QCOMPARE(file.value(file.size() - 1), item);
        QCOMPARE(f.box(box).caption, padName(name));
        QVERIFY(!f.box(box).conditionsEnabled); // fixed with the name
        QCOMPARE(f.box(box).runs, QStringLiteral(" 0"));
        // Enter on the emptied box right after does nothing.
        f.keyTyped(box, 13, QString());
        QCOMPARE(r.view.log, steps);
    } else {
        QCOMPARE(f.box(box).items, before);
        QVERIFY(!file.contains(padName(name.left(10)) + QLatin1Char('-') + codes));
    }
}

void MainFlowTest::deletingAsksAndTheAnswerDecides_data()
{
    QTest::addColumn<int>("chosenIn"); // the box whose item was chosen
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("left"); // box 1's items afterwards
    const QStringList both{QStringLiteral("Aaa       -SD"), QStringLiteral("Ccc       -MD")};
    QTest::newRow("chosen here, Yes") << 1 << true << QStringList{"askDelete"}
                                      << QStringList{QStringLiteral("Ccc       -MD")};
    QTest::newRow("chosen here, No") << 1 << false << QStringList{"askDelete"} << both;
    QTest::newRow("chosen in another box: nothing to delete") << 2 << true << QStringList() << both;
}

void MainFlowTest::deletingAsksAndTheAnswerDecides()
{
    QFETCH(int, chosenIn);
    QFETCH(bool, yes);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, left);
    Rig r;
    r.t.writeLines(QStringLiteral("Combo1.txt"), {QStringLiteral("Aaa       -SD"), QStringLiteral("Ccc       -MD")});
    MainFlow &f = r.open();
    f.registrationToggled();
    f.itemChosen(chosenIn, 0);
    f.keyTyped(1, 8, QString()); // the text erased
    f.keyTyped(1, 13, QString());
    QCOMPARE(r.view.log, steps);
    QCOMPARE(f.questionOpen(), !steps.isEmpty());
    QCOMPARE(f.box(1).items.size(), 2); // nothing goes before the answer
    f.deleteAnswered(yes);
    QVERIFY(!f.questionOpen());
    QCOMPARE(f.box(1).items, left);
    QCOMPARE(r.t.readLines(QStringLiteral("Combo1.txt")), left);
    // The select button named the deleted item: it is emptied with it.
    QCOMPARE(f.box(1).caption.isEmpty(), left.size() == 1);
}

void MainFlowTest::closingTheViewClearsTheChoiceAndStores()
{
    Rig r;
    MainFlow &f = r.open();
    f.selectPressed(2);
    QCOMPARE(f.mode(), Mode::Selected);
    f.registrationToggled();
    QCOMPARE(f.registrationCaption(), MainFlow::RegistrationCaption::EndRegistration);
    QCOMPARE(f.highlightedBox(), 0);
    QVERIFY(!f.memoCheckVisible());
    f.itemChosen(1, 0);
    f.registrationToggled();
    QCOMPARE(f.mode(), Mode::NoSelection);
    QCOMPARE(f.registrationCaption(), MainFlow::RegistrationCaption::RegisterOrSelect);
    QCOMPARE(f.experimentCaption(), QString());
    QCOMPARE(f.conditionsText(), QString());
    QCOMPARE(r.state.experimentName, QString());
    QVERIFY(!f.startEnabled() && !f.resultsEnabled() && !f.promptGrey());
    QCOMPARE(r.t.readLines(QStringLiteral("Jikkenmei.txt")),
             (QStringList{QStringLiteral("Aaa        SD"), QStringLiteral("Bbb        n-"), QString(), QString(),
                          QString()}));
    QVERIFY(r.view.log.isEmpty());
}

void MainFlowTest::memoTickedEditedAndHandedOver()
{
    Rig r(0);
    r.t.writeLines(QStringLiteral("data/Bbb-0.txt"), QStringList{QStringLiteral("実験条件=暗室")}
                                                         + runLines(QStringLiteral("Bbb"), 2, QStringLiteral("n-")));
    MainFlow &f = r.open();
    QStringList memos;
    QObject::connect(&f, &MainFlow::memoReplaced, [&](const QString &m) { memos << m; });
    f.selectPressed(2);
    QCOMPARE(memos, (QStringList{QString(), QStringLiteral("暗室")}));
    QVERIFY(f.memoTicked() && f.memoVisible() && !f.memoEditable() && !f.saveVisible());
    QVERIFY(r.state.showConditions);
    f.memoUnlocked();
    QVERIFY(f.memoEditable() && f.saveVisible());
    r.view.memo = QStringLiteral("明室\r\n二行目");
    f.saveMemo();
    QVERIFY(!f.memoEditable() && !f.saveVisible());
    QCOMPARE(r.t.readLines(QStringLiteral("data/Bbb-0.txt")).value(0),
             QStringLiteral("実験条件=明室") + QString(2, QChar(1)) + QStringLiteral("二行目"));
    f.conditionsTicked(false);
    QVERIFY(!r.state.showConditions && !f.memoVisible());
    // Hidden, the memo box's text is not handed over; the memo of the selection is.
    r.view.memo = QStringLiteral("見えない");
    f.showResults();
    QCOMPARE(r.state.conditionMemo, QStringLiteral("暗室"));
    QCOMPARE(r.state.view, ExperimentView::Overview);
}

// Another copy of the program holds the lock of the file a window's write needs: the flow
// waits on its deadline (the window live, the inputs that write off), writes once the lock is
// free, or tells the busy lock when the wait is over and leaves the file as it was.
void MainFlowTest::writesWaitForABusyLock_data()
{
    QTest::addColumn<QString>("write");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("written"); // the file's lines once the lock is freed
    QTest::addColumn<bool>("freed"); // before the deadline
    const QStringList selections{QStringLiteral("Aaa        SD"), QStringLiteral("Bbb        n-"), QString(), QString(),
                                 QString()};
    const QStringList memoFile =
        QStringList{QStringLiteral("実験条件=明室")} + runLines(QStringLiteral("Bbb"), 3, QStringLiteral("n-"));
    for (const bool freed : {true, false}) {
        const char *when = freed ? "freed in time" : "busy to the deadline";
        QTest::addRow("register, %s", when) << "register"
                                            << "Combo3.txt" << QStringList{QStringLiteral("Ccc       -SD")} << freed;
        QTest::addRow("delete, %s", when) << "delete"
                                          << "Combo1.txt" << QStringList() << freed;
        QTest::addRow("close the view, %s", when) << "close"
                                                  << "Jikkenmei.txt" << selections << freed;
        QTest::addRow("condition memo, %s", when) << "memo"
                                                  << "data/Bbb-0.txt" << memoFile << freed;
    }
}

void MainFlowTest::writesWaitForABusyLock()
{
    QFETCH(QString, write);
    QFETCH(QString, file);
    QFETCH(QStringList, written);
    QFETCH(bool, freed);
    Rig r;
    MainFlow &f = r.open();
    // Everything up to the click that writes.
    if (write == QLatin1String("memo")) {
        f.selectPressed(2);
        f.memoUnlocked();
        r.view.memo = QStringLiteral("明室");
    } else {
        f.registrationToggled();
        if (write == QLatin1String("delete")) {
            f.itemChosen(1, 0);
            f.keyTyped(1, 8, QString());
            f.keyTyped(1, 13, QString());
        }
    }
    const QString path = r.t.path(file);
    const QByteArray before = r.t.readBytes(file);
    QLockFile other(FileStore::lockPath(path));
    QVERIFY(other.tryLock(0));
    const auto click = [&](const QString &name) {
        if (write == QLatin1String("register")) {
            f.optionsChosen(3, QStringLiteral("S"), QStringLiteral("D"));
            f.keyTyped(3, 13, name);
        } else if (write == QLatin1String("delete")) {
            f.deleteAnswered(true);
        } else if (write == QLatin1String("close")) {
            f.registrationToggled();
        } else {
            if (name != QLatin1String("Ccc"))
                r.view.memo = QStringLiteral("別の文");
            f.saveMemo();
        }
    };
    click(QStringLiteral("Ccc"));
    r.view.log.clear();
    QVERIFY(f.writing());
    QCOMPARE(r.t.readBytes(file), before);
    // What would write again, leave the view or launch is off; the status clock goes on.
    QVERIFY(!f.registrationEnabled() && !f.saveEnabled() && !f.startEnabled() && !f.selectEnabled(2));
    const Mode mode = f.mode();
    click(QStringLiteral("Ddd")); // a second click while waiting
    f.keyTyped(4, 13, QStringLiteral("Eee"));
    f.registrationToggled();
    f.endRequested(); // the program ends once the write is done
    QCOMPARE(f.mode(), mode);
    QVERIFY(f.writing());
    QVERIFY(r.view.log.isEmpty());

    LockRetry &retry = f.writes();
    const qint64 waitEnd = r.t.clock->monotonicMs() + r.t.services.timing.lockWaitMs;
    const auto next = [&] {
        r.t.clock->advanceMs(retry.deadline() - r.t.clock->monotonicMs());
        retry.onDeadline();
    };
    next();
    QVERIFY(f.writing());
    if (freed)
        other.unlock();
    for (int i = 0; i < 1000 && f.writing(); ++i)
        next();
    QVERIFY(!f.writing());
    QVERIFY(f.registrationEnabled());
    if (freed) {
        QVERIFY(r.t.clock->monotonicMs() < waitEnd);
        QCOMPARE(r.t.readLines(file), written);
        QCOMPARE(r.view.log, QStringList{"quit"});
    } else {
        QCOMPARE(r.t.clock->monotonicMs(), waitEnd);
        QCOMPARE(r.t.readBytes(file), before);
        QCOMPARE(r.view.told.size(), 1);
        QVERIFY(r.view.told.first().endsWith(FileResult::failure(FileError::LockBusy, path).message));
        QCOMPARE(f.mode(), mode); // not ended: what was not stored was told first
    }
}

void MainFlowTest::statusClockOnAFrozenClock()
{
    Rig r;
    r.t.clock->setTime(9, 5, 7);
    MainFlow &f = r.open();
    int ticks = 0;
    QObject::connect(&f, &MainFlow::clockChanged, [&] { ++ticks; });
    const qint64 t0 = r.t.clock->monotonicMs();
    QCOMPARE(f.deadline(), t0 + 1000);
    QCOMPARE(f.timeText(), QStringLiteral("9:05:07"));
    r.t.clock->advanceMs(999);
    f.onDeadline(); // a timer that came early
    QCOMPARE(ticks, 0);
    QCOMPARE(f.deadline(), t0 + 1000);
    r.t.clock->advanceMs(1);
    f.onDeadline();
    QCOMPARE(ticks, 1);
    QCOMPARE(f.timeText(), QStringLiteral("9:05:08"));
    QCOMPARE(f.deadline(), t0 + 2000);
    // Late by 2.5 s: one refresh, and the next one back on the window's second.
    r.t.clock->advanceMs(3500);
    f.onDeadline();
    QCOMPARE(ticks, 2);
    QCOMPARE(f.timeText(), QStringLiteral("9:05:11"));
    QCOMPARE(f.deadline(), t0 + 5000);
    r.fire();
    QCOMPARE(ticks, 3);
    // The clock goes on whatever the window does.
    f.endRequested();
    r.fire();
    QCOMPARE(ticks, 4);
}

QTEST_MAIN(MainFlowTest)
#include "tst_mainflow.moc"
