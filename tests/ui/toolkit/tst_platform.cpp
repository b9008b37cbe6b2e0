#include "Fakes.h"
#include "core/toolkit/Clock.h"
#include "core/toolkit/Dialogs.h"
#include "core/toolkit/Platform.h"
#include "core/toolkit/Random.h"
#include "ui/toolkit/DesktopServices.h"
#include "ui/toolkit/Translations.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace vora;
using namespace vora::testing;

Q_DECLARE_METATYPE(vora::MsgButtons)
Q_DECLARE_METATYPE(vora::MsgIcon)
Q_DECLARE_METATYPE(vora::MsgAnswer)

class TestPlatform : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void systemRandomIsUniformInUnitInterval();
    void zeroArgumentRepeatsPreviousValue();
    void reseedWithSameNumberDoesNotRepeat();
    void scriptedRandomFollowsScript();
    void clockTexts_data();
    void clockTexts();
    void secondsTextHasSinglePrecision();
    void fakeDialogsRecordAndAnswer();
    void qtMessageBoxesAnswerLater_data();
    void qtMessageBoxesAnswerLater();
    void qtInputAndFileBoxesAnswerLater();
    void fakeProcessRecordsWithoutExiting();
    void quitNowLeavesThroughTheEventLoop();
    void qtTextsFollowTheLanguage_data();
    void qtTextsFollowTheLanguage();
};

void TestPlatform::systemRandomIsUniformInUnitInterval()
{
    SystemRandom r;
    const int n = 1000000;
    double sum = 0;
    for (int i = 0; i < n; ++i) {
        const double v = r.draw(1);
        QVERIFY2(v >= 0.0 && v < 1.0, qPrintable(QString::number(v)));
        sum += v;
    }
    const double mean = sum / n;
    QVERIFY2(std::abs(mean - 0.5) < 0.002, qPrintable(QString::number(mean)));
}

void TestPlatform::zeroArgumentRepeatsPreviousValue()
{
    SystemRandom r;
    const double a = r.draw(7);
    QCOMPARE(r.draw(0), a);
    QCOMPARE(r.draw(0), a);
    QVERIFY(r.draw(3) != a);
}

void TestPlatform::reseedWithSameNumberDoesNotRepeat()
{
    SystemRandom r;
    r.reseed(5);
    const QList<double> first{r.draw(1), r.draw(1), r.draw(1)};
    r.reseed(5);
    const QList<double> second{r.draw(1), r.draw(1), r.draw(1)};
    QVERIFY(first != second);
    // Nor does a fresh generator seeded alike.
    SystemRandom other;
    other.reseed(5);
    QVERIFY(other.draw(1) != first.at(0));
}

void TestPlatform::scriptedRandomFollowsScript()
{
    ScriptedRandom r;
    r.script({0.9, 0.1});
    r.reseed(3);
    QCOMPARE(r.draw(12), 0.9);
    QCOMPARE(r.draw(0), 0.9);
    QCOMPARE(r.draw(4), 0.1);
    QCOMPARE(r.draw(4), r.fallback);
    QCOMPARE(r.reseeds, QList<double>{3});
}

void TestPlatform::clockTexts_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("text");
    QTest::newRow("one-digit hour") << QTime(9, 5, 12) << QStringLiteral("9:05:12");
    QTest::newRow("two-digit hour") << QTime(14, 30, 0) << QStringLiteral("14:30:00");
    QTest::newRow("just after midnight") << QTime(0, 7, 3) << QStringLiteral("0:07:03");
}

void TestPlatform::clockTexts()
{
    QFETCH(QTime, time);
    QFETCH(QString, text);
    FakeClock c;
    c.setDate(2009, 4, 5);
    c.setTime(time.hour(), time.minute(), time.second());
    QCOMPARE(c.timeText(), text);
    QCOMPARE(c.dateText(), QStringLiteral("2009/04/05"));
    QCOMPARE(c.secondsSinceMidnight(), time.msecsSinceStartOfDay() / 1000.0);

    SystemClock real;
    QCOMPARE(real.dateText().size(), 10);
    QVERIFY(QTime::fromString(real.timeText(), QStringLiteral("H:mm:ss")).isValid());
}

void TestPlatform::secondsTextHasSinglePrecision()
{
    QCOMPARE(Clock::formatSeconds(61.0), QStringLiteral("61"));
    QCOMPARE(Clock::formatSeconds(45296.52), QStringLiteral("45296.52"));
    QCOMPARE(Clock::formatSeconds(0.25), QStringLiteral("0.25"));
}

void TestPlatform::fakeDialogsRecordAndAnswer()
{
    FakeDialogs d;
    QList<MsgAnswer> answers;
    d.messageAnswers.enqueue(MsgAnswer::No);
    d.ask(nullptr, QStringLiteral("終了して良いですか？"), MsgButtons::YesNo, MsgIcon::None,
          [&](MsgAnswer a) { answers.append(a); });
    d.tell(nullptr, QStringLiteral("x"), MsgIcon::Exclamation);
    d.ask(nullptr, QStringLiteral("y"), MsgButtons::YesNoDefaultNo, MsgIcon::None,
          [&](MsgAnswer a) { answers.append(a); });
    // Shown at once, answered later: never from inside the call.
    QCOMPARE(d.records.size(), 3);
    QVERIFY(answers.isEmpty());
    QCOMPARE(d.unanswered(), 3);
    QTRY_COMPARE(d.unanswered(), 0);
    QCOMPARE(answers, (QList<MsgAnswer>{MsgAnswer::No, MsgAnswer::No}));
    QCOMPARE(d.records.at(0).text, QStringLiteral("終了して良いですか？"));
    QCOMPARE(d.records.at(0).buttons, MsgButtons::YesNo);
    QCOMPARE(d.records.at(0).icon, MsgIcon::None);
    QCOMPARE(d.records.at(1).icon, MsgIcon::Exclamation);
    QCOMPARE(d.records.at(1).buttons, MsgButtons::Ok);

    QList<QPair<bool, QString>> inputs;
    auto keep = [&](bool ok, const QString &answer) { inputs.append({ok, answer}); };
    d.inputAnswers.enqueue(QString()); // cancel
    d.input(nullptr, QStringLiteral("p"), QStringLiteral("作業の選択"), QStringLiteral("2"), keep);
    d.input(nullptr, QStringLiteral("p"), QStringLiteral("作業の選択"), QStringLiteral("2"), keep);
    QVERIFY(inputs.isEmpty());
    QTRY_COMPARE(inputs.size(), 2);
    QCOMPARE(inputs.at(0), qMakePair(false, QString()));
    QCOMPARE(inputs.at(1), qMakePair(true, QStringLiteral("2")));
    QCOMPARE(d.count(DialogRecord::Input), 2);
    QCOMPARE(d.records.last().title, QStringLiteral("作業の選択"));

    // An asker that is gone by the time of the answer gets none.
    auto *asker = new QObject;
    bool answered = false;
    d.fileAnswers.enqueue(QStringLiteral("/tmp/x.png"));
    d.saveFile(asker, QStringLiteral("c"), QStringLiteral("/tmp/s.png"), QString(),
               [&](const QString &) { answered = true; });
    delete asker;
    QTRY_COMPARE(d.unanswered(), 0);
    QVERIFY(!answered);
    QCOMPARE(d.records.last().kind, DialogRecord::SaveFile);
    QCOMPARE(d.records.last().defaultText, QStringLiteral("/tmp/s.png"));
}

void TestPlatform::qtMessageBoxesAnswerLater_data()
{
    QTest::addColumn<MsgButtons>("buttons");
    QTest::addColumn<MsgIcon>("icon");
    QTest::addColumn<int>("shown"); // QMessageBox::StandardButtons
    QTest::addColumn<int>("defaultButton"); // NoButton: the box's own choice
    QTest::addColumn<int>("icons"); // QMessageBox::Icon
    QTest::addColumn<int>("pressed"); // NoButton: closed with Escape
    QTest::addColumn<MsgAnswer>("answer");
    const int yesNo = QMessageBox::Yes | QMessageBox::No;
    QTest::newRow("OK, information") << MsgButtons::Ok << MsgIcon::Information << int(QMessageBox::Ok)
                                     << int(QMessageBox::NoButton) << int(QMessageBox::Information)
                                     << int(QMessageBox::Ok) << MsgAnswer::Ok;
    QTest::newRow("yes/no, Yes the default, No pressed")
        << MsgButtons::YesNo << MsgIcon::None << yesNo << int(QMessageBox::Yes) << int(QMessageBox::NoIcon)
        << int(QMessageBox::No) << MsgAnswer::No;
    QTest::newRow("yes/no, No the default, Yes pressed")
        << MsgButtons::YesNoDefaultNo << MsgIcon::None << yesNo << int(QMessageBox::No) << int(QMessageBox::NoIcon)
        << int(QMessageBox::Yes) << MsgAnswer::Yes;
    QTest::newRow("yes/no closed by Escape")
        << MsgButtons::YesNo << MsgIcon::Exclamation << yesNo << int(QMessageBox::Yes) << int(QMessageBox::Warning)
        << int(QMessageBox::NoButton) << MsgAnswer::No;
    QTest::newRow("OK/cancel, cancelled")
        << MsgButtons::OkCancel << MsgIcon::Critical << int(QMessageBox::Ok | QMessageBox::Cancel)
        << int(QMessageBox::NoButton) << int(QMessageBox::Critical) << int(QMessageBox::Cancel) << MsgAnswer::Cancel;
}

void TestPlatform::qtMessageBoxesAnswerLater()
{
    QFETCH(MsgButtons, buttons);
    QFETCH(MsgIcon, icon);
    QFETCH(int, shown);
    QFETCH(int, defaultButton);
    QFETCH(int, icons);
    QFETCH(int, pressed);
    QFETCH(MsgAnswer, answer);
    QWidget window;
    window.show();
    QList<MsgAnswer> answers;
    QtDialogs().ask(&window, QStringLiteral("一行目\r\n二行目"), buttons, icon,
                    [&](MsgAnswer a) { answers.append(a); });
    // The box is up and the call has returned: the answer is still to come.
    auto *box = window.findChild<QMessageBox *>();
    QVERIFY(box);
    QVERIFY(box->isVisible());
    QCOMPARE(box->windowModality(), Qt::WindowModal);
    QVERIFY(answers.isEmpty());
    QCOMPARE(box->text(), QStringLiteral("一行目\n二行目"));
    QCOMPARE(box->windowTitle(), QStringLiteral("VORA"));
    QCOMPARE(int(box->standardButtons()), shown);
    QCOMPARE(int(box->icon()), icons);
    QCOMPARE(int(box->defaultButton() ? box->standardButton(box->defaultButton()) : QMessageBox::NoButton),
             defaultButton);
    if (pressed == QMessageBox::NoButton)
        QTest::keyClick(box, Qt::Key_Escape);
    else
        box->button(QMessageBox::StandardButton(pressed))->click();
    QTRY_COMPARE(answers, QList<MsgAnswer>{answer});
    QTRY_VERIFY(!window.findChild<QMessageBox *>()); // gone once closed
}

void TestPlatform::qtInputAndFileBoxesAnswerLater()
{
    QWidget window;
    window.show();
    QList<QPair<bool, QString>> inputs;
    auto keep = [&](bool ok, const QString &text) { inputs.append({ok, text}); };
    QtDialogs().input(&window, QStringLiteral("選択\r\n\r\n１．"), QStringLiteral("作業の選択"), QStringLiteral("2"),
                      keep);
    auto *input = window.findChild<QInputDialog *>();
    QVERIFY(input && input->isVisible());
    QCOMPARE(input->windowModality(), Qt::WindowModal);
    QCOMPARE(input->windowTitle(), QStringLiteral("作業の選択"));
    QCOMPARE(input->labelText(), QStringLiteral("選択\n\n１．"));
    QCOMPARE(input->textValue(), QStringLiteral("2"));
    QCOMPARE(input->textEchoMode(), QLineEdit::Normal);
    input->setTextValue(QStringLiteral("３"));
    input->accept();
    QTRY_COMPARE(inputs.size(), 1);
    QCOMPARE(inputs.at(0), qMakePair(true, QStringLiteral("３")));
    QtDialogs().input(&window, QStringLiteral("p"), QString(), QStringLiteral("2"), keep);
    QTRY_VERIFY((input = window.findChild<QInputDialog *>()) && input->isVisible());
    QCOMPARE(input->windowTitle(), QStringLiteral("VORA"));
    input->reject();
    QTRY_COMPARE(inputs.size(), 2);
    QCOMPARE(inputs.at(1), qMakePair(false, QString()));

    // A save box suggests the file in its folder; an open box wants an existing file.
    QTemporaryDir folder;
    QStringList chosen;
    const QString suggested = folder.filePath(QStringLiteral("Yama_chart.png"));
    QtDialogs().saveFile(&window, QStringLiteral("画像として保存"), suggested, QStringLiteral("PNG画像 (*.png)"),
                         [&](const QString &path) { chosen.append(path); });
    QTRY_VERIFY(window.findChild<QFileDialog *>());
    auto *save = window.findChild<QFileDialog *>();
    QCOMPARE(save->windowModality(), Qt::WindowModal);
    QCOMPARE(save->windowTitle(), QStringLiteral("画像として保存"));
    QCOMPARE(save->acceptMode(), QFileDialog::AcceptSave);
    QCOMPARE(save->fileMode(), QFileDialog::AnyFile);
    QCOMPARE(save->nameFilters(), QStringList{QStringLiteral("PNG画像 (*.png)")});
    QCOMPARE(save->directory().absolutePath(), QDir(folder.path()).absolutePath());
    QCOMPARE(QFileInfo(save->selectedFiles().value(0)).fileName(), QStringLiteral("Yama_chart.png"));
    QVERIFY(chosen.isEmpty());
    static_cast<QDialog *>(save)->accept(); // as its own button would
    QTRY_COMPARE(chosen.size(), 1);
    QCOMPARE(QFileInfo(chosen.at(0)).absoluteFilePath(), QFileInfo(suggested).absoluteFilePath());
    QTRY_VERIFY(!window.findChild<QFileDialog *>());

    QtDialogs().openFile(&window, QStringLiteral("背景にする画像の選択"), folder.path(), QString(),
                         [&](const QString &path) { chosen.append(path); });
    auto *open = window.findChild<QFileDialog *>();
    QVERIFY(open);
    QCOMPARE(open->acceptMode(), QFileDialog::AcceptOpen);
    QCOMPARE(open->fileMode(), QFileDialog::ExistingFile);
    QCOMPARE(open->directory().absolutePath(), QDir(folder.path()).absolutePath());
    open->reject();
    QTRY_COMPARE(chosen.size(), 2);
    QCOMPARE(chosen.at(1), QString());
}

void TestPlatform::fakeProcessRecordsWithoutExiting()
{
    FakeProcess p;
    QVERIFY(p.startNewInstance());
    p.quitNow();
    QCOMPARE(p.restarts, 1);
    QCOMPARE(p.quits, 1);
}

void TestPlatform::quitNowLeavesThroughTheEventLoop()
{
    // Asked from inside a handler while a question is open: the handler gets control back,
    // the question and the event loop end, and every window is gone without its close handler.
    QWidget window;
    window.show();
    bool closeHandlerRan = false;
    struct CloseWatch : QObject {
        bool *ran;
        explicit CloseWatch(bool *r) : ran(r) { }
        bool eventFilter(QObject *, QEvent *e) override
        {
            if (e->type() == QEvent::Close)
                *ran = true;
            return false;
        }
    } watch(&closeHandlerRan);
    window.installEventFilter(&watch);
    bool returned = false;
    QTimer::singleShot(0, &window, [&] {
        QTimer::singleShot(0, &window, [&] {
            SystemProcess().quitNow();
            returned = true;
        });
        QtDialogs().ask(
            &window, QStringLiteral("終了して良いですか？"), MsgButtons::YesNo, MsgIcon::None, [](MsgAnswer) {},
            QString());
    });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(returned);
    QVERIFY(!window.isVisible());
    QVERIFY(!closeHandlerRan);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void TestPlatform::qtTextsFollowTheLanguage_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QStringList>("buttons"); // Yes, No, Cancel, OK
    QTest::newRow("ja") << "ja"
                        << QStringList{QStringLiteral("はい"), QStringLiteral("いいえ"), QStringLiteral("キャンセル"),
                                       QStringLiteral("OK")};
    QTest::newRow("en") << "en"
                        << QStringList{QStringLiteral("Yes"), QStringLiteral("No"), QStringLiteral("Cancel"),
                                       QStringLiteral("OK")};
}

void TestPlatform::qtTextsFollowTheLanguage()
{
    QFETCH(QString, lang);
    QFETCH(QStringList, buttons);
    qputenv("VORA_LANG", lang.toLatin1());
    QCOMPARE(translations::install(), lang);
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok | QMessageBox::Cancel);
    // The name without its keyboard mnemonic ("はい(&Y)" reads はい(Y), as on Japanese desktops):
    // the program's questions name 「はい」.
    auto plain = [&](QMessageBox::StandardButton b) {
        return box.button(b)->text().remove(QRegularExpression(QStringLiteral("\\(&.\\)$"))).remove(QLatin1Char('&'));
    };
    QCOMPARE(plain(QMessageBox::Yes), buttons.at(0));
    QCOMPARE(plain(QMessageBox::No), buttons.at(1));
    QCOMPARE(plain(QMessageBox::Cancel), buttons.at(2));
    QCOMPARE(plain(QMessageBox::Ok), buttons.at(3));
    qputenv("VORA_LANG", "ja");
    translations::install();
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
