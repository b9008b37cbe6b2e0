#include "FailDevice.h"
#include "MainWindowHelpers.h"
#include "ui/registry/NameBoxes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <cerrno>

using namespace vora;
using namespace vora::testing;

class TestNameBoxes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void registeringANameAppendsItAndFixesItsConditions();
    void registeringAnOldNameShowsItsRuns();
    void enterWithoutBothConditionsBeepsAndAsks_data();
    void enterWithoutBothConditionsBeepsAndAsks();
    void lengthLimit_data();
    void lengthLimit();
    void badCharactersBeepAndRegisterNothing_data();
    void badCharactersBeepAndRegisterNothing();
    void deletingRemovesOnlyTheItemChosenInThatBox();
    void enterOnEmptyBoxRightAfterRegistrationDoesNothing();
    void dropDownShowsEachCountOnce();
    void dropDownCountsComeFromTheItems();
    void typingClearsTheConditionsAndClickingOneGivesFocusBack();
    void aFailedListWriteIsReported();
    void closingTheWindowWaitsForAListWrite_data();
    void closingTheWindowWaitsForAListWrite();
    void registrationRefusedWhereItWouldMixOrLose_data();
    void registrationRefusedWhereItWouldMixOrLose();
    void closingKeepsTheRegisteredConditions_data();
    void closingKeepsTheRegisteredConditions();
};

void TestNameBoxes::registeringANameAppendsItAndFixesItsConditions()
{
    MainFixture f;
    f.open();
    f.toggleView();
    f.registerName(1, QStringLiteral("Yama090425"), f.option(1, 1), f.option(4, 1));

    const QStringList lines = f.t.readLines(QStringLiteral("Combo1.txt"));
    QCOMPARE(lines.size(), 2); // the first-run name, then the new one
    QCOMPARE(lines.last(), QStringLiteral("Yama090425-SD"));
    QCOMPARE(f.nameBox(1)->itemText(1), QStringLiteral("Yama090425-SD"));
    QCOMPARE(f.nameBox(1)->currentText(), QString());
    QCOMPARE(f.label("Label10", 1)->text(), QStringLiteral(" 0"));
    QCOMPARE(f.label("Label11", 1)->text(), QStringLiteral("-"));
    QCOMPARE(f.selectButton(1)->text(), QStringLiteral("Yama090425"));
    QVERIFY(f.selectButton(1)->isEnabled());
    QVERIFY(!f.frame(1, 1)->isEnabled());
    QVERIFY(!f.frame(2, 1)->isEnabled());
    QCOMPARE(stimulusLetter(f.state().stimulus), QStringLiteral("S"));
    QCOMPARE(hitDisplayLetter(f.state().hitDisplay), QStringLiteral("D"));
    QCOMPARE(stimulusFileSuffix(f.state().stimulusFile), QStringLiteral("1"));
    QCOMPARE(f.messages(), 0);
    QCOMPARE(f.t.sound->beeps, 0);
}

void TestNameBoxes::registeringAnOldNameShowsItsRuns()
{
    MainFixture f;
    // "Old" without stimulus: its runs are in the "-0" file, not the "-1" one.
    f.t.writeLines(QStringLiteral("data/Old-0.txt"), runLines(QStringLiteral("Old"), 3));
    f.t.writeLines(QStringLiteral("data/Old-1.txt"), runLines(QStringLiteral("Old"), 7));
    f.open();
    f.toggleView();
    f.registerName(2, QStringLiteral("Old"), f.option(6, 2), f.option(5, 2));
    QCOMPARE(f.t.readLines(QStringLiteral("Combo2.txt")), QStringList{QStringLiteral("Old       -n-")});
    QCOMPARE(f.label("Label10", 2)->text(), QStringLiteral(" 3"));
    QCOMPARE(f.label("Label11", 2)->text(), QStringLiteral("2009/04/12"));
    QCOMPARE(stimulusFileSuffix(f.state().stimulusFile), QStringLiteral("0"));
}

void TestNameBoxes::enterWithoutBothConditionsBeepsAndAsks_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<bool>("chooseStimulus");
    QTest::addColumn<QString>("message");
    QTest::newRow("box 1, nothing chosen") << 1 << false << QStringLiteral("刺激や当り表示を選択してください");
    QTest::newRow("box 1, stimulus only") << 1 << true << QStringLiteral("刺激や当り表示を選択してください");
    QTest::newRow("box 4, nothing chosen") << 4 << false << QStringLiteral("刺激や当りの表示を選択してください");
    QTest::newRow("box 5, stimulus only") << 5 << true << QStringLiteral("刺激や当りの表示を選択してください");
}

void TestNameBoxes::enterWithoutBothConditionsBeepsAndAsks()
{
    QFETCH(int, box);
    QFETCH(bool, chooseStimulus);
    QFETCH(QString, message);
    MainFixture f;
    f.open();
    f.toggleView();
    const QStringList before = f.t.readLines(QStringLiteral("Combo%1.txt").arg(box));
    f.typeInto(box, QStringLiteral("Yama"));
    if (chooseStimulus)
        QTest::mouseClick(f.option(2, box), Qt::LeftButton);
    f.enter(box);

    QCOMPARE(f.t.sound->beeps, 1);
    QCOMPARE(f.messages(), 1);
    QCOMPARE(f.t.dialogs->last()->text, message);
    QCOMPARE(f.t.dialogs->last()->icon, MsgIcon::Information);
    QCOMPARE(f.t.dialogs->last()->buttons, MsgButtons::Ok);
    QCOMPARE(f.t.readLines(QStringLiteral("Combo%1.txt").arg(box)), before);
    QCOMPARE(f.nameBox(box)->currentText(), QStringLiteral("Yama")); // kept for correcting
    QVERIFY(!f.button("Command9")->isEnabled()); // off while the message is open
    QTRY_VERIFY(f.button("Command9")->isEnabled());
}

void TestNameBoxes::lengthLimit_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message"); // empty: registered
    QTest::newRow("10 characters pass") << 1 << QStringLiteral("ABCDEFGHIJ") << QString();
    QTest::newRow("11 characters, box 1")
        << 1 << QStringLiteral("ABCDEFGHIJK") << QStringLiteral("実験名は10文字以下にしてください。");
    QTest::newRow("11 characters, box 3")
        << 3 << QStringLiteral("ABCDEFGHIJK") << QStringLiteral("実験名が10文字以上です。変更してください。");
    QTest::newRow("a listed item still in the box")
        << 2 << QStringLiteral("Yama090425-SD3") << QStringLiteral("実験名が10文字以上です。変更してください。");
}

void TestNameBoxes::lengthLimit()
{
    QFETCH(int, box);
    QFETCH(QString, name);
    QFETCH(QString, message);
    MainFixture f;
    f.open();
    f.toggleView();
    f.registerName(box, name, f.option(3, box), f.option(4, box));
    const QStringList lines = f.t.readLines(QStringLiteral("Combo%1.txt").arg(box));
    if (message.isEmpty()) {
        QCOMPARE(f.messages(), 0);
        QCOMPARE(lines.last(), name + QStringLiteral("-BD"));
    } else {
        QCOMPARE(f.messages(), 1);
        QCOMPARE(f.t.dialogs->last()->text, message);
        QCOMPARE(f.t.dialogs->last()->icon, MsgIcon::Exclamation);
        QVERIFY(lines.filter(name.left(10)).isEmpty());
        QCOMPARE(f.t.sound->beeps, 0);
    }
}

void TestNameBoxes::badCharactersBeepAndRegisterNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("space") << QStringLiteral("Yama 0425") << false;
    QTest::newRow("full stop") << QStringLiteral("Yama.0425") << false;
    QTest::newRow("full-width letters") << QStringLiteral("Ｙａｍａ") << false;
    QTest::newRow("slash") << QStringLiteral("../x") << false;
    QTest::newRow("underscore and hyphen") << QStringLiteral("a_b-C9") << true;
}

void TestNameBoxes::badCharactersBeepAndRegisterNothing()
{
    QFETCH(QString, name);
    QFETCH(bool, accepted);
    MainFixture f;
    f.open();
    f.toggleView();
    f.registerName(3, name, f.option(1, 3), f.option(5, 3));
    QCOMPARE(f.messages(), 0);
    QCOMPARE(f.t.sound->beeps, accepted ? 0 : 1);
    QCOMPARE(f.nameBox(3)->count(), accepted ? 1 : 0);
    QCOMPARE(QFile::exists(f.t.path(QStringLiteral("Combo3.txt"))), accepted);
    if (accepted)
        QCOMPARE(f.t.readLines(QStringLiteral("Combo3.txt")), QStringList{QStringLiteral("a_b-C9    -S-")});
    else
        QCOMPARE(f.nameBox(3)->currentText(), name);
}

void TestNameBoxes::deletingRemovesOnlyTheItemChosenInThatBox()
{
    MainFixture f;
    const QStringList list{QStringLiteral("Aaa       -SD"), QStringLiteral("Bbb       -MD2"),
                           QStringLiteral("Ccc       -n-")};
    f.t.writeLines(QStringLiteral("Combo2.txt"), list);
    f.t.writeLines(QStringLiteral("Combo3.txt"), {QStringLiteral("Zzz       -SD")});
    f.t.writeLines(QStringLiteral("data/Bbb-1.txt"), runLines(QStringLiteral("Bbb"), 1));
    f.open();
    f.toggleView();

    // Chosen in box 3: an empty Enter in box 2 has nothing of its own to delete.
    f.chooseItem(3, 0);
    f.enter(2);
    QCOMPARE(f.messages(), 0);
    QCOMPARE(f.t.readLines(QStringLiteral("Combo2.txt")), list);
    QCOMPARE(f.t.readLines(QStringLiteral("Combo3.txt")), QStringList{QStringLiteral("Zzz       -SD")});

    // Chosen in box 2, erased, Enter, "No": nothing changes.
    f.chooseItem(2, 1);
    QCOMPARE(f.selectButton(2)->text(), QStringLiteral("Bbb       "));
    QVERIFY(f.option(2, 2)->isChecked());
    QVERIFY(f.option(4, 2)->isChecked());
    QCOMPARE(f.label("Label10", 2)->text(), QStringLiteral(" 1"));
    f.eraseText(2);
    f.t.dialogs->messageAnswers.enqueue(MsgAnswer::No);
    f.enter(2);
    QCOMPARE(f.messages(), 1);
    QCOMPARE(f.t.dialogs->last()->text, QStringLiteral("実験名を削除します"));
    QCOMPARE(f.t.dialogs->last()->buttons, MsgButtons::YesNo);
    QTRY_COMPARE(f.t.dialogs->unanswered(), 0);
    QCOMPARE(f.t.readLines(QStringLiteral("Combo2.txt")), list);

    // The same with "Yes": that item goes, the others stay in order, its data file stays.
    f.t.dialogs->messageAnswers.enqueue(MsgAnswer::Yes);
    f.enter(2);
    QCOMPARE(f.messages(), 2);
    QTRY_COMPARE(f.t.dialogs->unanswered(), 0);
    QCOMPARE(f.t.readLines(QStringLiteral("Combo2.txt")), (QStringList{list.at(0), list.at(2)}));
    QCOMPARE(f.nameBox(2)->count(), 2);
    QCOMPARE(f.selectButton(2)->text(), QString());
    QVERIFY(QFile::exists(f.t.path(QStringLiteral("data/Bbb-1.txt"))));

    // A second Enter has nothing chosen any more: no question, nothing removed.
    f.enter(2);
    QCOMPARE(f.messages(), 2);
    QCOMPARE(f.nameBox(2)->count(), 2);
}

void TestNameBoxes::enterOnEmptyBoxRightAfterRegistrationDoesNothing()
{
    MainFixture f;
    f.t.writeLines(QStringLiteral("Combo4.txt"), {QStringLiteral("Aaa       -SD")});
    f.open();
    f.toggleView();
    f.chooseItem(4, 0);
    f.eraseText(4);
    f.registerName(4, QStringLiteral("New"), f.option(1, 4), f.option(4, 4));
    f.enter(4);
    QCOMPARE(f.messages(), 0);
    QCOMPARE(f.nameBox(4)->count(), 2);
}

void TestNameBoxes::dropDownShowsEachCountOnce()
{
    MainFixture f;
    f.t.writeLines(QStringLiteral("Combo1.txt"), {QStringLiteral("Yama090425-SD"), QStringLiteral("Kaze      -n-9")});
    f.t.writeLines(QStringLiteral("Jikkenmei.txt"), {QString()});
    f.t.writeLines(QStringLiteral("data/Yama090425-1.txt"), runLines(QStringLiteral("Yama090425"), 3));
    f.t.writeLines(QStringLiteral("data/Kaze-0.txt"),
                   QStringList{QStringLiteral("実験条件=memo")} + runLines(QStringLiteral("Kaze"), 12));
    f.open();
    f.toggleView();
    NameCombo *combo = f.nameBox(1);
    combo->showPopup();
    combo->hidePopup();
    combo->showPopup();
    combo->hidePopup();
    QCOMPARE(combo->itemText(0), QStringLiteral("Yama090425-SD3"));
    QCOMPARE(combo->itemText(1), QStringLiteral("Kaze      -n-12"));
    // The list file itself is not touched by a drop-down.
    QCOMPARE(f.t.readLines(QStringLiteral("Combo1.txt")),
             (QStringList{QStringLiteral("Yama090425-SD"), QStringLiteral("Kaze      -n-9")}));
}

void TestNameBoxes::dropDownCountsComeFromTheItems()
{
    MainFixture f;
    f.t.writeLines(QStringLiteral("Combo2.txt"), {QStringLiteral("Aaa       -SD"), QStringLiteral("Bbb       -MD")});
    f.t.writeLines(QStringLiteral("data/Bbb-1.txt"), runLines(QStringLiteral("Bbb"), 2));
    f.open();
    // The file now lists other names in another order; the box still shows its own items.
    f.t.writeLines(QStringLiteral("Combo2.txt"), {QStringLiteral("Bbb       -MD"), QStringLiteral("Ccc       -SD")});
    f.toggleView();
    f.nameBox(2)->showPopup();
    f.nameBox(2)->hidePopup();
    QCOMPARE(f.nameBox(2)->itemText(0), QStringLiteral("Aaa       -SD0"));
    QCOMPARE(f.nameBox(2)->itemText(1), QStringLiteral("Bbb       -MD2"));
}

void TestNameBoxes::typingClearsTheConditionsAndClickingOneGivesFocusBack()
{
    MainFixture f;
    frmMain &w = f.open();
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    f.toggleView();
    f.typeInto(4, QStringLiteral("Ab"));
    QVERIFY(f.frame(1, 4)->isEnabled());
    QVERIFY(!f.selectButton(4)->isEnabled());
    QTest::mouseClick(f.option(5, 4), Qt::LeftButton);
    QTRY_VERIFY(f.nameBox(4)->hasFocus() || f.nameBox(4)->lineEdit()->hasFocus());
    QVERIFY(f.option(5, 4)->isChecked());
    // Any further key (Backspace too) clears the six options again.
    QTest::keyClick(f.nameBox(4), Qt::Key_Backspace);
    QVERIFY(f.stimulusCode(4).isEmpty());
    QVERIFY(f.hitDisplayCode(4).isEmpty());
    QCOMPARE(f.nameBox(4)->currentText(), QStringLiteral("A"));
}

void TestNameBoxes::aFailedListWriteIsReported()
{
    MainFixture f;
    f.t.writeLines(QStringLiteral("Jikkenmei.txt"), {QString()});
    auto readOnly = std::make_shared<FileStore>();
    refuseWrites(*readOnly); // a folder the user may not write into
    f.module.services().files = readOnly;
    f.open();
    QCOMPARE(f.messages(), 0);
    f.toggleView();
    f.registerName(5, QStringLiteral("Kumo"), f.option(1, 5), f.option(4, 5));
    QCOMPARE(f.messages(), 1);
    QVERIFY(f.t.dialogs->last()->text.contains(QStringLiteral("Combo5.txt")));
    QCOMPARE(f.t.dialogs->last()->icon, MsgIcon::Exclamation);
    QCOMPARE(f.nameBox(5)->count(), 1); // the name is still offered in the box
}

void TestNameBoxes::closingTheWindowWaitsForAListWrite_data()
{
    QTest::addColumn<bool>("freed");
    QTest::newRow("lock freed in time") << true;
    QTest::newRow("lock busy to the deadline") << false;
}

void TestNameBoxes::closingTheWindowWaitsForAListWrite()
{
    // The title bar's close while a registration waits for another copy's lock.
    QFETCH(bool, freed);
    MainFixture f;
    frmMain &w = f.open();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QString list = f.t.path(QStringLiteral("Combo3.txt"));
    const QByteArray before = f.t.readBytes(QStringLiteral("Combo3.txt"));
    QLockFile other(FileStore::lockPath(list));
    QVERIFY(other.tryLock(0));
    f.toggleView();
    f.registerName(3, QStringLiteral("Ccc"), f.option(1, 3), f.option(4, 3));
    QVERIFY(w.flow().writing());

    QVERIFY(!w.close());
    QVERIFY(w.isVisible());
    QCOMPARE(f.t.process->quits, 0);
    QCOMPARE(f.t.readBytes(QStringLiteral("Combo3.txt")), before);

    if (freed)
        other.unlock();
    LockRetry &retry = w.flow().writes();
    for (int i = 0; i < 1000 && retry.waiting(); ++i) {
        f.t.clock->advanceMs(retry.deadline() - f.t.clock->monotonicMs());
        retry.onDeadline();
    }
    QVERIFY(!w.flow().writing());
    if (freed) {
        QVERIFY(f.t.readLines(QStringLiteral("Combo3.txt")).contains(QStringLiteral("Ccc       -SD")));
        QCOMPARE(f.t.process->quits, 1);
    } else {
        // Not stored: the user is told and stays to decide again.
        QCOMPARE(f.t.readBytes(QStringLiteral("Combo3.txt")), before);
        QCOMPARE(f.messages(), 1);
        QCOMPARE(f.t.process->quits, 0);
    }
}

void TestNameBoxes::registrationRefusedWhereItWouldMixOrLose_data()
{
    QTest::addColumn<QString>("setup"); // what the program folder holds before the start ("FILE:LINE|LINE")
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("refusal"); // part of the message; empty: registered
    QTest::newRow("held by another box") << "Combo2.txt:Yama      -MD" << 1 << "Yama"
                                         << QStringLiteral("ボックス2にすでに登録");
    QTest::newRow("held by its own box") << "Combo3.txt:Yama      -SD" << 3 << "Yama"
                                         << QStringLiteral("ボックス3にすでに登録");
    QTest::newRow("on another box's select button only")
        << "Jikkenmei.txt:|||Yama       SD" << 1 << "Yama" << QStringLiteral("ボックス4にすでに登録");
    QTest::newRow("another name") << "Combo2.txt:Yama      -MD" << 1 << "Yamb" << QString();
    QTest::newRow("a name differing in case") << "Combo2.txt:Yama      -MD" << 1 << "yama" << QString();
    QTest::newRow("its list too large to read") << "huge:Combo1.txt" << 1 << "Kumo" << QStringLiteral("大きすぎる");
    QTest::newRow("a folder where its list belongs")
        << "folder:Combo2.txt" << 2 << "Kumo" << QStringLiteral("フォルダ");
}

void TestNameBoxes::registrationRefusedWhereItWouldMixOrLose()
{
    QFETCH(QString, setup);
    QFETCH(int, box);
    QFETCH(QString, name);
    QFETCH(QString, refusal);
    MainFixture f;
    const QString file = setup.section(QLatin1Char(':'), 1);
    if (setup.startsWith(QLatin1String("huge:"))) {
        QFile big(f.t.path(file));
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(kMaxTextFileBytes + 1));
    } else if (setup.startsWith(QLatin1String("folder:"))) {
        QVERIFY(QDir(f.t.dir.path()).mkpath(file));
    } else {
        f.t.writeLines(setup.section(QLatin1Char(':'), 0, 0), file.split(QLatin1Char('|')));
    }
    f.open();
    const QString list = f.t.path(QStringLiteral("Combo%1.txt").arg(box));
    const qint64 sizeBefore = QFileInfo(list).size();
    const QByteArray before =
        QFileInfo(list).isFile() && sizeBefore < 1000 ? f.t.readBytes(QFileInfo(list).fileName()) : QByteArray();
    const int messagesAtLoad = f.messages();
    const int items = f.nameBox(box)->count();
    f.toggleView();
    f.registerName(box, name, f.option(1, box), f.option(4, box));
    if (refusal.isEmpty()) {
        QCOMPARE(f.messages(), messagesAtLoad);
        QCOMPARE(f.nameBox(box)->count(), items + 1);
        return;
    }
    QCOMPARE(f.messages(), messagesAtLoad + 1);
    QVERIFY2(f.t.dialogs->last()->text.contains(refusal), qPrintable(f.t.dialogs->last()->text));
    QCOMPARE(f.t.dialogs->last()->icon, MsgIcon::Exclamation);
    QCOMPARE(f.nameBox(box)->count(), items);
    QCOMPARE(f.nameBox(box)->currentText(), name); // left to be corrected
    // Closing the view leaves the list as it was.
    f.toggleView();
    QCOMPARE(QFileInfo(list).size(), sizeBefore);
    if (!before.isEmpty())
        QCOMPARE(f.t.readBytes(QFileInfo(list).fileName()), before);
}

enum class Typing { AddOptionsForANewName, EraseChosenItemAndAnswerNo, TypeWithoutEnter, TypeAndErase, Nothing };
Q_DECLARE_METATYPE(Typing)

void TestNameBoxes::closingKeepsTheRegisteredConditions_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<Typing>("typing");
    QTest::addColumn<QString>("selectionLine5"); // box 5's line in the selection file at start
    QTest::addColumn<QString>("conditions"); // Label18 once the box is selected
    QTest::newRow("options clicked for a new name")
        << 2 << Typing::AddOptionsForANewName << QStringLiteral("Z9         nD")
        << QStringLiteral("刺激=中、当り表示=有　(保存データ；正常)");
    QTest::newRow("chosen, erased, Enter, No")
        << 3 << Typing::EraseChosenItemAndAnswerNo << QStringLiteral("Z9         nD")
        << QStringLiteral("刺激=中、当り表示=なし　(保存データ；正常)");
    QTest::newRow("typed without Enter") << 4 << Typing::TypeWithoutEnter << QStringLiteral("Z9         nD")
                                         << QStringLiteral("刺激=小、当り表示=なし　(保存データ；正常)");
    QTest::newRow("a key typed and erased") << 5 << Typing::TypeAndErase << QStringLiteral("Z9         nD")
                                            << QStringLiteral("刺激=無、当り表示=有　(保存データ；正常)");
    QTest::newRow("selection file with wrong codes") << 5 << Typing::Nothing << QStringLiteral("Z9         B-")
                                                     << QStringLiteral("刺激=無、当り表示=有　(保存データ；正常)");
}

void TestNameBoxes::closingKeepsTheRegisteredConditions()
{
    QFETCH(int, box);
    QFETCH(Typing, typing);
    QFETCH(QString, selectionLine5);
    QFETCH(QString, conditions);
    MainFixture f;
    // Index = box number; box 1 stays empty.
    const QStringList listLines{QString(),
                                QString(),
                                QStringLiteral("K2        -MD"),
                                QStringLiteral("M2        -M-"),
                                QStringLiteral("S4        -S-99"),
                                QStringLiteral("Z9        -nD3")};
    const QStringList codes{
        QString(), QString(), QStringLiteral("MD"), QStringLiteral("M-"), QStringLiteral("S-"), QStringLiteral("nD")};
    for (int b = 2; b <= 5; ++b)
        f.t.writeLines(QStringLiteral("Combo%1.txt").arg(b), {listLines.at(b)});
    // A line the program cannot use stays in box 5's file and is reported once.
    f.t.writeLines(QStringLiteral("Combo5.txt"), {QStringLiteral("GOOD5"), listLines.at(5)});
    f.t.writeLines(QStringLiteral("Jikkenmei.txt"),
                   {QString(), QStringLiteral("K2         MD"), QStringLiteral("M2         M-"),
                    QStringLiteral("S4         S-"), selectionLine5});
    QStringList z9{QStringLiteral("実験条件=暗室")};
    for (int i = 0; i < 3; ++i)
        z9 << runLine(QStringLiteral("Z9"), QStringLiteral("2026/12/0%1").arg(i + 1), 50, QStringLiteral("n"),
                      QStringLiteral("D"));
    f.t.writeLines(QStringLiteral("data/Z9-0.txt"), z9);
    f.t.writeLines(QStringLiteral("data/S4-1.txt"), runLines(QStringLiteral("S4"), 99));
    QMap<int, QByteArray> listBytes;
    for (int b = 2; b <= 5; ++b)
        listBytes[b] = f.t.readBytes(QStringLiteral("Combo%1.txt").arg(b));

    f.open();
    QCOMPARE(f.messages(), 1);
    QVERIFY(f.t.dialogs->last()->text.contains(QStringLiteral("Combo5.txt")));
    QVERIFY(f.t.dialogs->last()->text.contains(QStringLiteral("GOOD5")));
    QCOMPARE(f.nameBox(5)->count(), 1); // never "GOOD50"
    // The registered conditions show from the start, and with them the right data file.
    QCOMPARE(f.stimulusCode(5) + f.hitDisplayCode(5), QStringLiteral("nD"));
    QCOMPARE(f.label("Label10", 5)->text(), QStringLiteral(" 3"));

    f.toggleView();
    switch (typing) {
    case Typing::AddOptionsForANewName:
        f.typeInto(box, QStringLiteral("New"));
        QTest::mouseClick(f.option(3, box), Qt::LeftButton);
        QTest::mouseClick(f.option(5, box), Qt::LeftButton);
        break;
    case Typing::EraseChosenItemAndAnswerNo:
        f.chooseItem(box, 0);
        f.eraseText(box);
        f.t.dialogs->messageAnswers.enqueue(MsgAnswer::No);
        f.enter(box);
        QCOMPARE(f.t.dialogs->last()->text, QStringLiteral("実験名を削除します"));
        QTRY_COMPARE(f.t.dialogs->unanswered(), 0);
        break;
    case Typing::TypeWithoutEnter: f.typeInto(box, QStringLiteral("abc")); break;
    case Typing::TypeAndErase:
        f.typeInto(box, QStringLiteral("x"));
        QVERIFY(f.stimulusCode(box).isEmpty()); // typing clears the options, as it should
        f.eraseText(box);
        break;
    case Typing::Nothing: break;
    }
    f.toggleView();

    const QStringList selection = f.t.readLines(QStringLiteral("Jikkenmei.txt"));
    for (int b = 2; b <= 5; ++b) {
        QCOMPARE(selection.value(b - 1), listLines.at(b).left(10) + QLatin1Char(' ') + codes.at(b));
        QCOMPARE(f.t.readBytes(QStringLiteral("Combo%1.txt").arg(b)), listBytes[b]);
        QCOMPARE(f.stimulusCode(b) + f.hitDisplayCode(b), codes.at(b));
    }

    // Selected, the name runs under its own conditions, with its runs and memo.
    f.select(box);
    QCOMPARE(f.label("Label18")->text(), conditions);
    QCOMPARE(stimulusLetter(f.state().stimulus) + hitDisplayLetter(f.state().hitDisplay), codes.at(box));
    if (box == 5) {
        QCOMPARE(f.state().runsDone, 3);
        QCOMPARE(f.textBox("Text1")->toPlainText(), QStringLiteral("暗室"));
    }
}

QTEST_MAIN(TestNameBoxes)
#include "tst_nameboxes.moc"
