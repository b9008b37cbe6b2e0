#include "MainWindowHelpers.h"
#include "core/mainwindow/MainTexts.h"
#include "core/study/SealWriter.h"
#include "ui/mainwindow/ResultsEntry.h"

#include <QDirIterator>

using namespace vora;
using namespace vora::testing;

namespace {

QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> out;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            out.insert(path, file.readAll());
    }
    return out;
}

// Box 1 holds `name` with 中 and しない, selected.
void prepareSelected(MainFixture &f, const QString &name, const QString &codes = QStringLiteral("M-"))
{
    f.t.writeLines(QStringLiteral("Jikkenmei.txt"), {name.leftJustified(11, QLatin1Char(' ')) + codes});
    f.t.writeLines(QStringLiteral("Combo1.txt"), {name.leftJustified(10, QLatin1Char(' ')) + QLatin1Char('-') + codes});
}

} // namespace

class TestSelection : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void selectingShowsNameConditionsAndCounts();
    void aMemoTicksTheConditionsBox();
    void selectingAnotherBoxMovesTheHighlight();
    void anEmptySelectButtonClearsTheSelection();
    void selectingWhileRegisteringClosesTheViewAndSelectsNothing();
    void theConditionsGoWithTheSelection_data();
    void theConditionsGoWithTheSelection();
    void launchWithin100Runs_data();
    void launchWithin100Runs();
    void aClosedStudyTakesNoRun_data();
    void aClosedStudyTakesNoRun();
    void aDamagedFileRestartsAndWritesNothing_data();
    void aDamagedFileRestartsAndWritesNothing();
    void anUnreadableDataFileCannotBeRun();
    void aBrokenSealIsReportedAndTheRunsStayUsable();
    void runsACrashLeftUnsealedAreSealedAndSaidOnce();
    void memoEditingAndSaving();
    void aMemoTheCodePageCannotHoldIsRefused();
    void uncheckingHidesTheMemo();
    void resultsHelpAndEnd();
};

void TestSelection::selectingShowsNameConditionsAndCounts()
{
    MainFixture f;
    prepareSelected(f, QStringLiteral("Yama090425"));
    f.t.writeLines(QStringLiteral("data/Yama090425-1.txt"), runLines(QStringLiteral("Yama090425"), 2));
    f.state().browse(7);
    f.open();
    f.select(1);
    QCOMPARE(f.label("Label3")->text(), QStringLiteral("Yama090425"));
    QCOMPARE(f.label("Label3")->toolTip(), QStringLiteral("今から行なう実験の名称です"));
    QCOMPARE(f.label("Label18")->text(), QStringLiteral("刺激=中、当り表示=なし　(保存データ；正常)"));
    QCOMPARE(f.state().experimentName, QStringLiteral("Yama090425"));
    QCOMPARE(f.state().runsDone, 2);
    QCOMPARE(f.state().view, ExperimentView::Run);
    QCOMPARE(f.state().browsedRun, 0);
    // The box's options override the codes of the last run line.
    QCOMPARE(stimulusLetter(f.state().stimulus), QStringLiteral("M"));
    QCOMPARE(hitDisplayLetter(f.state().hitDisplay), QStringLiteral("-"));
    QVERIFY(f.button("Command10")->isEnabled());
    QVERIFY(f.button("Command13")->isEnabled());
    QVERIFY(f.label("Label2")->isEnabled());
    QVERIFY(!f.label("Label5")->isEnabled());
    QVERIFY(!f.checkBox("Check1")->isChecked());
    QVERIFY(!f.checkBox("Check1")->isHidden());
    QVERIFY(f.textBox("Text1")->isHidden());
    QCOMPARE(f.state().showConditions, false);
    QCOMPARE(f.messages(), 0);
}

void TestSelection::aMemoTicksTheConditionsBox()
{
    MainFixture f;
    prepareSelected(f, QStringLiteral("Memo"));
    f.t.writeLines(QStringLiteral("data/Memo-1.txt"),
                   {QStringLiteral("実験条件=静かな部屋") + QString(2, QChar(1)) + QStringLiteral("夜")
                    + QString(2, QChar(1)) + QStringLiteral("三行目")});
    f.open();
    f.select(1);
    QVERIFY(f.checkBox("Check1")->isChecked());
    QVERIFY(!f.checkBox("Check1")->isHidden());
    QCOMPARE(f.checkBox("Check1")->text(), QStringLiteral("実験条件の表示"));
    QVERIFY(!f.textBox("Text1")->isHidden());
    QVERIFY(f.textBox("Text1")->isReadOnly());
    QVERIFY(f.button("Command1")->isHidden());
    QCOMPARE(f.textBox("Text1")->toPlainText(), QStringLiteral("静かな部屋\n夜\n三行目"));
    QCOMPARE(f.state().conditionMemo, QStringLiteral("静かな部屋\r\n夜\r\n三行目"));
    QCOMPARE(f.state().showConditions, true);
    QCOMPARE(f.state().runsDone, 0);
    QVERIFY(f.button("Command10")->isEnabled());
    QVERIFY(!f.button("Command13")->isEnabled()); // no runs yet

    // A name without a memo leaves the box unticked.
    f.t.writeLines(QStringLiteral("data/Memo-1.txt"), runLines(QStringLiteral("Memo"), 1));
    f.select(1);
    QVERIFY(!f.checkBox("Check1")->isChecked());
    QVERIFY(f.textBox("Text1")->toPlainText().isEmpty());
    QCOMPARE(f.state().conditionMemo, QString());
}

void TestSelection::selectingAnotherBoxMovesTheHighlight()
{
    MainFixture f;
    f.t.writeLines(QStringLiteral("Jikkenmei.txt"), {QStringLiteral("Aaa        SD"), QStringLiteral("Bbb        n-")});
    f.open();
    f.select(1);
    QCOMPARE(f.selectButton(1)->palette().color(QPalette::Button), selectedButtonColour());
    QCOMPARE(backColour(f.label("Label4")), promptGrey());
    QVERIFY(!f.label("Label4")->isEnabled());
    f.select(2);
    QCOMPARE(f.selectButton(2)->palette().color(QPalette::Button), selectedButtonColour());
    QCOMPARE(f.selectButton(1)->palette().color(QPalette::Button), buttonFaceColour());
    QCOMPARE(f.label("Label18")->text(), QStringLiteral("刺激=無、当り表示=なし　(保存データ；正常)"));
    QCOMPARE(stimulusFileSuffix(f.state().stimulusFile), QStringLiteral("0"));
    QCOMPARE(f.state().experimentName, QStringLiteral("Bbb"));
}

void TestSelection::anEmptySelectButtonClearsTheSelection()
{
    MainFixture f;
    prepareSelected(f, QStringLiteral("Aaa"));
    f.open();
    f.select(1);
    QVERIFY(f.button("Command10")->isEnabled());
    f.select(4);
    QCOMPARE(f.label("Label3")->text(), QString());
    QVERIFY(f.checkBox("Check1")->isHidden());
    QVERIFY(!f.label("Label2")->isEnabled());
    QVERIFY(!f.button("Command10")->isEnabled());
    QVERIFY(!f.button("Command13")->isEnabled());
    QCOMPARE(f.label("Label18")->text(), QString());
    QCOMPARE(backColour(f.label("Label4")), promptYellow());
    QVERIFY(f.label("Label4")->isEnabled());
    // "実験の開始" with nothing selected does nothing.
    f.button("Command10")->setEnabled(true);
    QTest::mouseClick(f.button("Command10"), Qt::LeftButton);
    QCOMPARE(f.experimentWindows, 0);
    QCOMPARE(f.messages(), 0);
}

void TestSelection::selectingWhileRegisteringClosesTheViewAndSelectsNothing()
{
    MainFixture f;
    prepareSelected(f, QStringLiteral("Aaa"));
    f.open();
    f.toggleView();
    f.select(1);
    QCOMPARE(f.window->registrationViewOpen(), false);
    QCOMPARE(f.label("Label3")->text(), QString());
    QVERIFY(!f.button("Command10")->isEnabled());
    QCOMPARE(f.label("Label18")->text(), QString());
    QCOMPARE(f.t.readLines(QStringLiteral("Jikkenmei.txt")).value(0), QStringLiteral("Aaa        M-"));
}

void TestSelection::theConditionsGoWithTheSelection_data()
{
    QTest::addColumn<int>("toggles");
    QTest::newRow("view opened") << 1;
    QTest::newRow("view opened and closed") << 2;
    QTest::newRow("opened, closed, opened") << 3;
}

void TestSelection::theConditionsGoWithTheSelection()
{
    QFETCH(int, toggles);
    MainFixture f;
    prepareSelected(f, QStringLiteral("Aaa"));
    f.open();
    f.select(1);
    QCOMPARE(f.label("Label18")->text(), QStringLiteral("刺激=中、当り表示=なし　(保存データ；正常)"));
    for (int i = 0; i < toggles; ++i)
        f.toggleView();
    // No conditions are on show without the name they belong to.
    QCOMPARE(f.label("Label18")->isHidden(), f.label("Label3")->isHidden());
    if (!f.label("Label18")->isHidden() || toggles > 1) {
        QCOMPARE(f.label("Label3")->text(), QString());
        QCOMPARE(f.label("Label18")->text(), QString());
    }
}

void TestSelection::launchWithin100Runs_data()
{
    QTest::addColumn<QStringList>("boxes"); // per box: name and codes, "" for none
    QTest::addColumn<int>("runs"); // in the data file of box `chosen`'s name
    QTest::addColumn<QString>("runCodes");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<QString>("refusal"); // part of the message; empty: the run starts
    const QString limit =
        QStringLiteral("実験できません。\r\n\r\n１つの実験名では100ランまでです。\r\n\r\n他の実験名で実験できます。");
    QTest::newRow("99 runs: the 100th may start") << QStringList{"Full n-"} << 99 << "n-" << 1 << QString();
    QTest::newRow("100 runs: refused") << QStringList{"Full n-"} << 100 << "n-" << 1 << limit;
    // One name, one set of conditions: the file's runs and the box must agree.
    QTest::newRow("runs under another stimulus")
        << QStringList{"Full M-"} << 3 << "S-" << 1
        << QStringLiteral("別の条件（刺激=小、当り表示=なし）で行ったランがあります");
    QTest::newRow("runs under another hit display")
        << QStringList{"Full SD"} << 3 << "S-" << 1 << QStringLiteral("別の条件（刺激=小、当り表示=なし）");
    QTest::newRow("a name in two boxes: the second is refused")
        << QStringList{"Dup SD", "Dup MD"} << 0 << "SD" << 2
        << QStringLiteral("ボックス1にも別の条件で登録されているため、ボックス2から");
    QTest::newRow("a name in two boxes: the first keeps it")
        << QStringList{"Dup SD", "Dup MD"} << 2 << "SD" << 1 << QString();
    QTest::newRow("a name twice with the same conditions")
        << QStringList{"Dup SD", "Dup SD"} << 2 << "SD" << 2 << QString();
}

void TestSelection::launchWithin100Runs()
{
    QFETCH(QStringList, boxes);
    QFETCH(int, runs);
    QFETCH(QString, runCodes);
    QFETCH(int, chosen);
    QFETCH(QString, refusal);
    MainFixture f;
    QStringList selection;
    for (int box = 1; box <= boxes.size(); ++box) {
        const QString name = boxes.at(box - 1).section(QLatin1Char(' '), 0, 0);
        const QString codes = boxes.at(box - 1).section(QLatin1Char(' '), 1, 1);
        selection.append(name.leftJustified(11, QLatin1Char(' ')) + codes);
        f.t.writeLines(QStringLiteral("Combo%1.txt").arg(box),
                       {name.leftJustified(10, QLatin1Char(' ')) + QLatin1Char('-') + codes});
    }
    f.t.writeLines(QStringLiteral("Jikkenmei.txt"), selection);
    const QString name = boxes.at(chosen - 1).section(QLatin1Char(' '), 0, 0);
    const QString suffix =
        boxes.at(chosen - 1).section(QLatin1Char(' '), 1, 1).startsWith(QLatin1Char('n')) ? "0" : "1";
    const QString file = QStringLiteral("data/%1-%2.txt").arg(name, suffix);
    f.t.writeLines(file, runLines(name, runs, 50, runCodes));
    const QByteArray before = f.t.readBytes(file);
    f.open();
    f.select(chosen);
    QCOMPARE(f.state().runsDone, runs);
    QTest::mouseClick(f.button("Command10"), Qt::LeftButton);
    if (refusal.isEmpty()) {
        QCOMPARE(f.experimentWindows, 1);
        QCOMPARE(f.messages(), 0);
        QVERIFY(f.state().launchedFromMain);
        QCOMPARE(stimulusFileSuffix(f.state().withStimulus), suffix);
        QCOMPARE(f.state().view, ExperimentView::Run);
        QCOMPARE(f.module.experimentWindow()->objectName(), QStringLiteral("toushiJikken"));
    } else {
        QCOMPARE(f.experimentWindows, 0);
        QCOMPARE(f.messages(), 1);
        QVERIFY2(f.t.dialogs->last()->text.contains(refusal), qPrintable(f.t.dialogs->last()->text));
        QCOMPARE(f.t.dialogs->last()->icon, refusal == runLimitMessage() ? MsgIcon::Information : MsgIcon::Exclamation);
        QCOMPARE(f.t.dialogs->last()->buttons, MsgButtons::Ok);
        QVERIFY(!f.state().launchedFromMain);
    }
    QCOMPARE(f.t.readBytes(file), before);
}

void TestSelection::aClosedStudyTakesNoRun_data()
{
    QTest::addColumn<int>("state"); // StudyStatus::State as the server last said
    QTest::addColumn<QString>("tooltip"); // the state shown beside the name; empty: none
    QTest::addColumn<bool>("starts");
    QTest::newRow("server not reached") << int(StudyStatus::Unknown) << QString() << true;
    QTest::newRow("no study") << int(StudyStatus::NoStudy) << QString() << true;
    QTest::newRow("study open") << int(StudyStatus::Open) << QStringLiteral("研究「Plan」：実施中") << true;
    QTest::newRow("study closed") << int(StudyStatus::Closed)
                                  << QStringLiteral("研究「Plan」：終了（新しいランは記録できません）") << false;
}

void TestSelection::aClosedStudyTakesNoRun()
{
    QFETCH(int, state);
    QFETCH(QString, tooltip);
    QFETCH(bool, starts);
    MainFixture f;
    auto mirror = std::make_shared<FakeMirror>();
    mirror->studies.insert(QStringLiteral("Kiri-1"), {StudyStatus::State(state), QStringLiteral("Plan")});
    f.module.services().mirror = mirror;
    f.t.writeLines(QStringLiteral("Combo1.txt"), {QStringLiteral("Kiri      -SD")});
    f.t.writeLines(QStringLiteral("Jikkenmei.txt"), {QStringLiteral("Kiri       SD")});
    const QString file = QStringLiteral("data/Kiri-1.txt");
    f.t.writeLines(file, runLines(QStringLiteral("Kiri"), 3, 50, QStringLiteral("SD")));
    const QByteArray before = f.t.readBytes(file);
    f.open();
    f.select(1);
    const QString shown = f.label("Label3")->toolTip();
    QCOMPARE(shown.section(QLatin1Char('\n'), 1), tooltip);
    QTest::mouseClick(f.button("Command10"), Qt::LeftButton);
    QCOMPARE(f.experimentWindows, starts ? 1 : 0);
    QCOMPARE(f.messages(), starts ? 0 : 1);
    if (!starts) {
        QCOMPARE(f.t.dialogs->last()->text, closedStudyMessage(QStringLiteral("Plan")));
        QCOMPARE(f.t.dialogs->last()->icon, MsgIcon::Exclamation);
    }
    QCOMPARE(f.t.readBytes(file), before);
}

void TestSelection::aDamagedFileRestartsAndWritesNothing_data()
{
    QTest::addColumn<int>("column"); // 1-based column changed in the second run line; 0: a blank line; -1: 101 runs
    QTest::addColumn<QString>("replacement");
    QTest::newRow("a target digit") << 70 << QString();
    QTest::newRow("an input digit") << 200 << QString();
    QTest::newRow("the total") << 29 << QString();
    QTest::newRow("a block count") << 35 << QString();
    QTest::newRow("a blank line") << 0 << QString();
    QTest::newRow("a 101st run (two copies before appends checked, or an edit)") << -1 << QString();
}

void TestSelection::aDamagedFileRestartsAndWritesNothing()
{
    QFETCH(int, column);
    MainFixture f;
    prepareSelected(f, QStringLiteral("Bad"));
    QStringList lines = runLines(QStringLiteral("Bad"), column < 0 ? 101 : 3, 52);
    if (column < 0) {
        // every line is a good run; there are only too many of them
    } else if (column == 0) {
        lines[1] = QString();
    } else {
        QChar &c = lines[1][column - 1];
        c = c == QLatin1Char('1') ? QLatin1Char('0') : (c == QLatin1Char('0') ? QLatin1Char('1') : QLatin1Char('9'));
    }
    f.t.writeLines(QStringLiteral("data/Bad-1.txt"), lines);
    f.open();
    const auto before = snapshot(f.t.dir.path());
    f.t.dialogs->onDialog = [&](const DialogRecord &) {
        // The restart comes only after the message has been closed.
        QCOMPARE(f.t.process->restarts, 0);
    };
    f.select(1);
    QCOMPARE(f.messages(), 1);
    QCOMPARE(f.t.dialogs->last()->text,
             QStringLiteral("データの一部が破損または改竄の可能性があります。このデータは利用できません。"));
    QCOMPARE(f.t.dialogs->last()->buttons, MsgButtons::Ok);
    QCOMPARE(f.t.dialogs->last()->icon, MsgIcon::None);
    QTRY_COMPARE(f.t.process->restarts, 1);
    QCOMPARE(f.t.process->quits, 1);
    QVERIFY(!f.button("Command10")->isEnabled());

    // The fake process does not end: nothing the user does afterwards writes anything.
    f.button("Command10")->setEnabled(true);
    QTest::mouseClick(f.button("Command10"), Qt::LeftButton);
    f.toggleView();
    f.toggleView();
    f.select(1);
    QCOMPARE(f.experimentWindows, 0);
    QCOMPARE(f.messages(), 1);
    QCOMPARE(snapshot(f.t.dir.path()), before);
}

void TestSelection::anUnreadableDataFileCannotBeRun()
{
    MainFixture f;
    prepareSelected(f, QStringLiteral("Odd"));
    QVERIFY(QDir(f.t.dir.path()).mkpath(QStringLiteral("data/Odd-1.txt"))); // a folder where the file should be
    f.open();
    f.select(1);
    QCOMPARE(f.messages(), 1);
    QCOMPARE(f.t.dialogs->last()->icon, MsgIcon::Exclamation);
    QVERIFY(f.t.dialogs->last()->text.contains(QStringLiteral("Odd-1.txt")));
    QVERIFY(!f.button("Command10")->isEnabled());
    QVERIFY(!f.button("Command13")->isEnabled());
    QCOMPARE(f.t.process->restarts, 0);
}

void TestSelection::aBrokenSealIsReportedAndTheRunsStayUsable()
{
    MainFixture f;
    prepareSelected(f, QStringLiteral("Sealed"));
    QStringList lines = runLines(QStringLiteral("Sealed"), 3, 52);
    f.t.writeLines(QStringLiteral("data/Sealed-1.txt"), lines);
    const QString path = f.t.path(QStringLiteral("data/Sealed-1.txt"));
    QVERIFY(study::sealUnsealedRuns(*f.t.files, path, QDateTime::currentDateTime()).ok);
    f.open();
    f.select(1);
    QCOMPARE(f.messages(), 0); // sealed and untouched: nothing to say

    lines[1].replace(10, 10, QStringLiteral("2010/01/01")); // the date: the check cannot see it
    f.t.writeLines(QStringLiteral("data/Sealed-1.txt"), lines);
    f.select(1);
    QCOMPARE(f.messages(), 1);
    QCOMPARE(f.t.dialogs->last()->icon, MsgIcon::Exclamation);
    QVERIFY(f.t.dialogs->last()->text.contains(QStringLiteral("第2ラン（データファイルの2行目）")));
    QCOMPARE(f.t.process->restarts, 0);
    QVERIFY(f.button("Command13")->isEnabled());
    QVERIFY(f.button("Command10")->isEnabled());
    QCOMPARE(f.state().runsDone, 3);
}

void TestSelection::runsACrashLeftUnsealedAreSealedAndSaidOnce()
{
    MainFixture f;
    prepareSelected(f, QStringLiteral("Sealed"));
    const QStringList lines = runLines(QStringLiteral("Sealed"), 4, 52);
    f.t.writeLines(QStringLiteral("data/Sealed-1.txt"), lines.mid(0, 2));
    const QString path = f.t.path(QStringLiteral("data/Sealed-1.txt"));
    QVERIFY(study::sealUnsealedRuns(*f.t.files, path, QDateTime::currentDateTime()).ok);
    f.t.writeLines(QStringLiteral("data/Sealed-1.txt"), lines); // runs 3 and 4 saved, then a crash
    f.open();
    f.select(1);
    QCOMPARE(f.messages(), 1);
    QCOMPARE(f.t.dialogs->last()->text,
             QStringLiteral("ラン 3〜4 は封印されていませんでした（前回の異常終了）。いま封印しました。"));
    QCOMPARE(f.t.dialogs->last()->icon, MsgIcon::Information);
    const study::Verification v = study::verifyDataFile(path);
    QVERIFY(v.intact() && v.findings.isEmpty());
    QCOMPARE(v.sealedRuns(), 4);
    f.select(1);
    QCOMPARE(f.messages(), 1); // said once
    QVERIFY(f.button("Command10")->isEnabled());
}

void TestSelection::memoEditingAndSaving()
{
    MainFixture f;
    prepareSelected(f, QStringLiteral("Note"));
    QStringList lines = runLines(QStringLiteral("Note"), 2, 50, QStringLiteral("M-"));
    lines.insert(1, QStringLiteral("実験条件=古いメモ"));
    f.t.writeLines(QStringLiteral("data/Note-1.txt"), lines);
    f.open();
    f.select(1);
    QVERIFY(f.checkBox("Check1")->isChecked());
    QTest::mouseDClick(f.textBox("Text1")->viewport(), Qt::LeftButton);
    QVERIFY(!f.textBox("Text1")->isReadOnly());
    QVERIFY(!f.button("Command1")->isHidden());
    QCOMPARE(f.button("Command1")->text(), QStringLiteral("保存"));

    f.textBox("Text1")->setPlainText(QStringLiteral("一行目\n二行目"));
    // Launching without saving passes the edited text but leaves the file alone.
    const QByteArray unsaved = f.t.readBytes(QStringLiteral("data/Note-1.txt"));
    QTest::mouseClick(f.button("Command10"), Qt::LeftButton);
    QCOMPARE(f.state().conditionMemo, QStringLiteral("一行目\r\n二行目"));
    QCOMPARE(f.t.readBytes(QStringLiteral("data/Note-1.txt")), unsaved);

    f.open();
    f.select(1);
    QTest::mouseDClick(f.textBox("Text1")->viewport(), Qt::LeftButton);
    f.textBox("Text1")->setPlainText(QStringLiteral("一行目\n二行目\n三行目"));
    QTest::mouseClick(f.button("Command1"), Qt::LeftButton);
    QCOMPARE(f.messages(), 0);
    QVERIFY(f.textBox("Text1")->isReadOnly());
    QVERIFY(f.button("Command1")->isHidden());
    const QStringList saved = f.t.readLines(QStringLiteral("data/Note-1.txt"));
    QCOMPARE(saved.size(), 3);
    QCOMPARE(saved.at(0), QStringLiteral("実験条件=一行目") + QString(2, QChar(1)) + QStringLiteral("二行目")
                              + QString(2, QChar(1)) + QStringLiteral("三行目"));
    QCOMPARE(saved.at(1), lines.at(0));
    QCOMPARE(saved.at(2), lines.at(2));
    QVERIFY(!QFile::exists(f.t.path(QStringLiteral("data/work.txt"))));
}

void TestSelection::aMemoTheCodePageCannotHoldIsRefused()
{
    MainFixture f;
    prepareSelected(f, QStringLiteral("Note"));
    f.t.writeLines(QStringLiteral("data/Note-1.txt"), runLines(QStringLiteral("Note"), 1));
    f.open();
    f.select(1);
    f.checkBox("Check1")->setChecked(true);
    QTest::mouseDClick(f.textBox("Text1")->viewport(), Qt::LeftButton);
    const QString memo = QStringLiteral("温度 ☃ 20℃ 🙂");
    f.textBox("Text1")->setPlainText(memo);
    const QByteArray before = f.t.readBytes(QStringLiteral("data/Note-1.txt"));
    QTest::mouseClick(f.button("Command1"), Qt::LeftButton);
    QCOMPARE(f.messages(), 1);
    QCOMPARE(f.t.dialogs->last()->icon, MsgIcon::Exclamation);
    QCOMPARE(f.t.readBytes(QStringLiteral("data/Note-1.txt")), before);
    QCOMPARE(f.textBox("Text1")->toPlainText(), memo);
    QVERIFY(!f.textBox("Text1")->isReadOnly());
    QVERIFY(!f.button("Command1")->isHidden());
}

void TestSelection::uncheckingHidesTheMemo()
{
    MainFixture f;
    prepareSelected(f, QStringLiteral("Memo"));
    f.t.writeLines(QStringLiteral("data/Memo-1.txt"), {QStringLiteral("実験条件=abc")});
    f.open();
    f.select(1);
    QTest::mouseDClick(f.textBox("Text1")->viewport(), Qt::LeftButton);
    QVERIFY(!f.button("Command1")->isHidden());
    f.checkBox("Check1")->click();
    QVERIFY(!f.checkBox("Check1")->isChecked());
    QCOMPARE(f.state().showConditions, false);
    QVERIFY(f.textBox("Text1")->isHidden());
    QVERIFY(f.button("Command1")->isHidden());
    f.checkBox("Check1")->click();
    QCOMPARE(f.state().showConditions, true);
    QVERIFY(!f.textBox("Text1")->isHidden());
    QVERIFY(f.button("Command1")->isHidden()); // only the double click shows the save button
}

void TestSelection::resultsHelpAndEnd()
{
    MainFixture f;
    f.t.writeBytes(QStringLiteral("esphelp2.htm"), "<html></html>");
    prepareSelected(f, QStringLiteral("Res"), QStringLiteral("n-"));
    f.t.writeLines(QStringLiteral("data/Res-0.txt"),
                   QStringList{QStringLiteral("実験条件=保存済み")} + runLines(QStringLiteral("Res"), 4));
    f.open();
    f.select(1);
    QVERIFY(f.button("Command13")->isEnabled());
    QCOMPARE(f.button("Command13")->toolTip(), QStringLiteral("過去の結果を表示できます"));
    // The memo box is shown: its edited text goes along.
    QTest::mouseDClick(f.textBox("Text1")->viewport(), Qt::LeftButton);
    f.textBox("Text1")->setPlainText(QStringLiteral("編集中"));
    QTest::mouseClick(f.button("Command13"), Qt::LeftButton);
    QCOMPARE(f.experimentWindows, 1);
    QCOMPARE(f.state().view, ExperimentView::Overview);
    QCOMPARE(f.state().browsedRun, 0);
    QVERIFY(f.state().launchedFromMain);
    QCOMPARE(stimulusFileSuffix(f.state().withStimulus), QStringLiteral("0"));
    QCOMPARE(f.state().conditionMemo, QStringLiteral("編集中"));

    // With the memo box hidden, the memo of the selection stays.
    f.open();
    f.select(1);
    f.checkBox("Check1")->click();
    f.textBox("Text1")->setPlainText(QStringLiteral("見えない"));
    QTest::mouseClick(f.button("Command13"), Qt::LeftButton);
    QCOMPARE(f.state().conditionMemo, QStringLiteral("保存済み"));

    QPushButton *help = f.find<QPushButton>(QStringLiteral("Command15"));
    QCOMPARE(help->text(), QStringLiteral("Help"));
    QTest::mouseClick(help, Qt::LeftButton);
    QCOMPARE(f.t.shell->documents, QStringList{f.t.path(QStringLiteral("esphelp2.htm"))});

    QCOMPARE(f.button("Command3")->text(), QStringLiteral("終わり"));
    QTest::mouseClick(f.button("Command3"), Qt::LeftButton);
    QCOMPARE(f.t.process->quits, 1);
    QCOMPARE(f.t.process->restarts, 0);
    QCOMPARE(f.messages(), 0);
}

QTEST_MAIN(TestSelection)
#include "tst_selection.moc"
