#include "Fakes.h"
#include "core/toolkit/Clock.h"
#include "core/toolkit/Dialogs.h"
#include "core/toolkit/Platform.h"
#include "core/toolkit/Random.h"
#include "ui/toolkit/DesktopServices.h"
#include "ui/toolkit/Translations.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

using namespace vora;
using namespace vora::testing;

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
    d.messageAnswers.enqueue(MsgAnswer::No);
    QCOMPARE(d.message(nullptr, QStringLiteral("終了して良いですか？"), MsgButtons::YesNo, MsgIcon::None),
             MsgAnswer::No);
    QCOMPARE(d.message(nullptr, QStringLiteral("x"), MsgButtons::Ok, MsgIcon::Exclamation), MsgAnswer::Ok);
    QCOMPARE(d.records.size(), 2);
    QCOMPARE(d.records.at(0).text, QStringLiteral("終了して良いですか？"));
    QCOMPARE(d.records.at(0).buttons, MsgButtons::YesNo);
    QCOMPARE(d.records.at(0).icon, MsgIcon::None);
    QCOMPARE(d.records.at(1).icon, MsgIcon::Exclamation);

    QString answer;
    d.inputAnswers.enqueue(QString()); // cancel
    QVERIFY(!d.input(nullptr, QStringLiteral("p"), QStringLiteral("作業の選択"), QStringLiteral("2"), &answer));
    QVERIFY(answer.isEmpty());
    QVERIFY(d.input(nullptr, QStringLiteral("p"), QStringLiteral("作業の選択"), QStringLiteral("2"), &answer));
    QCOMPARE(answer, QStringLiteral("2"));
    QCOMPARE(d.count(DialogRecord::Input), 2);
    QCOMPARE(d.records.last().title, QStringLiteral("作業の選択"));
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
        QtDialogs().message(&window, QStringLiteral("終了して良いですか？"), MsgButtons::YesNo, MsgIcon::None,
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
