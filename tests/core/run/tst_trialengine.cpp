// The run logic without a window: targets, answers, counts, the stimulus schedule and the
// pure pieces of the episode, countdown and hiding square.
#include "Fakes.h"
#include "core/run/Instructions.h"
#include "core/run/TrialEngine.h"
#include "core/toolkit/Units.h"

#include <QtTest>

using namespace vora;
using vora::testing::FakeClock;
using vora::testing::ScriptedRandom;

Q_DECLARE_METATYPE(vora::units::Rgb)

namespace vora::units {
// Readable failures: QCOMPARE prints this.
inline char *toString(const Rgb &c)
{
    return QTest::toString(c.name());
}
} // namespace vora::units

namespace {
// The engine's 0xAARRGGBB as a colour; the alpha byte is not part of it.
units::Rgb rgbOf(quint32 argb)
{
    return units::Rgb(int((argb >> 16) & 0xFF), int((argb >> 8) & 0xFF), int(argb & 0xFF));
}
} // namespace

class TrialEngineTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void targetFromDraw_data();
    void targetFromDraw();
    void clockArguments_data();
    void clockArguments();
    void targetDrawUsesClockText();
    void targetNeverRepeatsThroughClockText();
    void answersCountHitsAndStayAligned();
    void blockCountsAndOnes_data();
    void blockCountsAndOnes();
    void stimulusSchedule_data();
    void stimulusSchedule();
    void stimulusDrawNeverSpinsOnRepeatedNumber();
    void noScheduleBeforeTrial30();
    void flashColours_data();
    void flashColours();
    void stimulusPictures_data();
    void stimulusPictures();
    void largeShapes();
    void countdownSteps();
    void hidingSquare();
    void instructionTexts_data();
    void instructionTexts();
    void shortTextExact();
};

void TrialEngineTest::targetFromDraw_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<QString>("target");
    QTest::newRow("0") << 0.0 << "0";
    QTest::newRow("0.25") << 0.25 << "0";
    QTest::newRow("exactly 0.5") << 0.5 << "0";
    QTest::newRow("just above 0.5") << 0.5000001 << "1";
    QTest::newRow("0.99") << 0.99 << "1";
}

void TrialEngineTest::targetFromDraw()
{
    QFETCH(double, r);
    QFETCH(QString, target);
    FakeClock clock;
    clock.setTime(14, 30, 12);
    ScriptedRandom random;
    random.script({r});
    TrialEngine e(clock, random);
    e.beginRun();
    QCOMPARE(e.vars().CurrentTarget, target);
    QCOMPARE(e.vars().StimulusRandom[0], r);
}

void TrialEngineTest::clockArguments_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("lastTwo");
    QTest::addColumn<double>("last");
    QTest::newRow("whole seconds") << "52212" << 12.0 << 2.0;
    QTest::newRow("one decimal") << "45296.5" << 0.5 << 5.0;
    QTest::newRow("two decimals") << "45296.52" << 52.0 << 2.0;
    QTest::newRow("short") << "5" << 5.0 << 5.0;
    QTest::newRow("repeat") << "52200" << 0.0 << 0.0;
}

void TrialEngineTest::clockArguments()
{
    QFETCH(QString, text);
    QFETCH(double, lastTwo);
    QFETCH(double, last);
    QCOMPARE(TrialEngine::lastTwoCharactersNumber(text), lastTwo);
    QCOMPARE(TrialEngine::lastCharacterNumber(text), last);
}

void TrialEngineTest::targetDrawUsesClockText()
{
    FakeClock clock;
    clock.setTime(12, 34, 56, 780); // 45296.78 s
    ScriptedRandom random;
    random.script({0.7});
    TrialEngine e(clock, random);
    e.drawNextTarget();
    QCOMPARE(random.reseeds, QList<double>{8.0});
    QCOMPARE(random.arguments, QList<double>{78.0});
    QCOMPARE(e.vars().CurrentTarget, QStringLiteral("1"));
}

void TrialEngineTest::targetNeverRepeatsThroughClockText()
{
    // 12:35:00.000 is "45300": its last two characters would ask the generator for the
    // previous number again, which would make this target a copy of the last one.
    FakeClock clock;
    clock.setTime(12, 35, 0, 0);
    ScriptedRandom random;
    random.script({0.9, 0.1});
    TrialEngine e(clock, random);
    e.drawNextTarget();
    QCOMPARE(e.vars().CurrentTarget, QStringLiteral("1"));
    e.drawNextTarget();
    QCOMPARE(e.vars().CurrentTarget, QStringLiteral("0"));
    QVERIFY(!random.arguments.contains(0.0));
}

void TrialEngineTest::answersCountHitsAndStayAligned()
{
    FakeClock clock;
    clock.setTime(14, 30, 12);
    ScriptedRandom random;
    random.script({0.9, 0.1, 0.1, 0.9});
    TrialEngine e(clock, random);
    e.beginRun();
    const QString keys = QStringLiteral("1100");
    for (QChar k : keys) {
        QVERIFY(e.hasTarget());
        e.recordAnswer(k);
        // The target is used up: nothing may be compared with it again.
        QVERIFY(!e.hasTarget());
        e.drawNextTarget();
    }
    QCOMPARE(e.vars().TrialNo, 4);
    QCOMPARE(e.vars().TargetString, QStringLiteral("1001"));
    QCOMPARE(e.vars().InputString, QStringLiteral("1100"));
    QCOMPARE(e.vars().HitCount, 2);
    QCOMPARE(e.vars().RunStartTime, QStringLiteral("14:30"));
}

void TrialEngineTest::blockCountsAndOnes_data()
{
    QTest::addColumn<QString>("targets");
    QTest::addColumn<QString>("inputs");
    QTest::addColumn<QList<int>>("blocks");
    QTest::addColumn<int>("targetOnes");
    QTest::addColumn<int>("inputOnes");
    const QString ones = QString(100, QLatin1Char('1'));
    const QString zeros = QString(100, QLatin1Char('0'));
    QTest::newRow("all hits") << ones << ones << QList<int>{20, 20, 20, 20, 20} << 100 << 100;
    QTest::newRow("no hits") << ones << zeros << QList<int>{0, 0, 0, 0, 0} << 100 << 0;
    // Hits only in the second and last block.
    QString in = zeros;
    for (int i = 20; i < 40; ++i)
        in[i] = QLatin1Char('1');
    for (int i = 80; i < 100; ++i)
        in[i] = QLatin1Char('1');
    QTest::newRow("blocks 2 and 5") << ones << in << QList<int>{0, 20, 0, 0, 20} << 100 << 40;
    QString alt;
    for (int i = 0; i < 100; ++i)
        alt += (i % 2) ? QLatin1Char('1') : QLatin1Char('0');
    QTest::newRow("alternating vs zeros") << alt << zeros << QList<int>{10, 10, 10, 10, 10} << 50 << 0;
}

void TrialEngineTest::blockCountsAndOnes()
{
    QFETCH(QString, targets);
    QFETCH(QString, inputs);
    QFETCH(QList<int>, blocks);
    QFETCH(int, targetOnes);
    QFETCH(int, inputOnes);
    FakeClock clock;
    clock.setTime(14, 30, 12);
    ScriptedRandom random;
    QList<double> draws;
    for (QChar t : targets)
        draws << (t == QLatin1Char('1') ? 0.9 : 0.1);
    random.script(draws);
    TrialEngine e(clock, random);
    e.beginRun();
    TrialEngine::Answer a;
    for (int i = 0; i < 100; ++i) {
        QVERIFY(!a.runComplete);
        a = e.recordAnswer(inputs.at(i));
        if (!a.runComplete)
            e.drawNextTarget();
    }
    QVERIFY(a.runComplete);
    e.closeRun();
    int sum = 0;
    for (int b = 0; b < 5; ++b) {
        QCOMPARE(e.vars().SegmentHits[b], blocks.at(b));
        sum += e.vars().SegmentHits[b];
    }
    QCOMPARE(sum, e.vars().HitCount);
    QCOMPARE(e.vars().TargetOnes, targetOnes);
    QCOMPARE(e.vars().InputOnes, inputOnes);
    QCOMPARE(e.vars().TargetString, targets);
}

void TrialEngineTest::stimulusSchedule_data()
{
    QTest::addColumn<QList<double>>("stimulusDraws");
    QTest::addColumn<int>("start");
    QTest::newRow("r 0.375 -> 45") << QList<double>{0.375} << 45;
    QTest::newRow("lowest 31") << QList<double>{0.025} << 31;
    QTest::newRow("highest 69") << QList<double>{0.999} << 69;
    QTest::newRow("30 is drawn again") << QList<double>{0.01, 0.5} << 50;
}

void TrialEngineTest::stimulusSchedule()
{
    QFETCH(QList<double>, stimulusDraws);
    QFETCH(int, start);
    FakeClock clock;
    clock.setTime(14, 30, 12);
    ScriptedRandom random;
    QList<double> draws(30, 0.9); // targets of trials 1..30
    draws << stimulusDraws;
    random.script(draws);
    TrialEngine e(clock, random);
    e.beginRun();
    int episodeAfter = 0;
    for (int trial = 1; trial <= 100; ++trial) {
        e.recordAnswer(QLatin1Char('1'));
        if (trial == 100)
            break;
        if (e.runStimulusSchedule()) {
            QCOMPARE(episodeAfter, 0);
            episodeAfter = trial;
            QVERIFY(!e.episodeOver());
        }
        if (trial == 30)
            QCOMPARE(e.vars().NextStimulusTrial, start);
        if (episodeAfter && trial == start + 5)
            QVERIFY(!e.episodeOver());
        if (episodeAfter && trial == start + 6)
            QVERIFY(e.episodeOver());
        e.drawNextTarget();
    }
    QCOMPARE(episodeAfter, start - 1);
    QCOMPARE(e.vars().StimulusTrial[0], start);
    QCOMPARE(e.vars().StimulusTrial[1], 0);
    QCOMPARE(e.vars().StimulusGiven, 1);
}

void TrialEngineTest::stimulusDrawNeverSpinsOnRepeatedNumber()
{
    // Clock text "52210": the schedule's draw argument is its last character, 0, which
    // repeats the previous number. A rejected number must not come back for ever.
    FakeClock clock;
    clock.setTime(14, 30, 10);
    ScriptedRandom random;
    QList<double> draws(30, 0.01);
    draws << 0.5;
    random.script(draws);
    TrialEngine e(clock, random);
    e.beginRun();
    for (int trial = 1; trial <= 30; ++trial) {
        e.recordAnswer(QLatin1Char('0'));
        e.runStimulusSchedule();
        e.drawNextTarget();
    }
    QCOMPARE(e.vars().NextStimulusTrial, 50);
}

void TrialEngineTest::noScheduleBeforeTrial30()
{
    FakeClock clock;
    clock.setTime(14, 30, 12);
    ScriptedRandom random;
    TrialEngine e(clock, random);
    e.beginRun();
    for (int trial = 1; trial <= 29; ++trial) {
        e.recordAnswer(QLatin1Char('0'));
        QVERIFY(!e.runStimulusSchedule());
        QCOMPARE(e.vars().NextStimulusTrial, 0);
        e.drawNextTarget();
    }
}

void TrialEngineTest::flashColours_data()
{
    QTest::addColumn<double>("u");
    QTest::addColumn<units::Rgb>("window");
    QTest::addColumn<bool>("panelChanges");
    QTest::addColumn<units::Rgb>("panel");
    const units::Rgb red(255, 0, 0), blue(0, 0, 255), none;
    QTest::newRow("0") << 0.0 << red << true << blue;
    QTest::newRow("0.2") << 0.2 << blue << true << red;
    QTest::newRow("0.45") << 0.45 << units::Rgb(0, 0, 0) << true << red;
    QTest::newRow("0.5") << 0.5 << units::Rgb(255, 255, 0) << true << blue;
    QTest::newRow("0.65") << 0.65 << units::Rgb(0, 255, 255) << true << red;
    QTest::newRow("0.7") << 0.7 << units::Rgb(0, 255, 0) << true << red;
    QTest::newRow("0.85") << 0.85 << units::Rgb(255, 0, 255) << false << none;
    QTest::newRow("0.9") << 0.9 << units::Rgb(255, 255, 255) << false << none;
}

void TrialEngineTest::flashColours()
{
    QFETCH(double, u);
    QFETCH(units::Rgb, window);
    QFETCH(bool, panelChanges);
    QFETCH(units::Rgb, panel);
    const FlashColours c = flashColoursFor(u);
    QCOMPARE(rgbOf(c.window), window);
    QCOMPARE(c.panelChanges, panelChanges);
    if (panelChanges)
        QCOMPARE(rgbOf(c.panel), panel);
}

void TrialEngineTest::stimulusPictures_data()
{
    QTest::addColumn<double>("q");
    QTest::addColumn<QString>("file");
    QTest::newRow("0.1") << 0.1 << "kage_hebi.jpg";
    QTest::newRow("0.2") << 0.2 << "kage_mukade.jpg";
    QTest::newRow("0.45") << 0.45 << "kage_kemushi.jpg";
    QTest::newRow("0.55") << 0.55 << "kage_ari.jpg";
    QTest::newRow("0.6") << 0.6 << "kage_goki.jpg";
    QTest::newRow("0.7") << 0.7 << "kage_ha.jpg";
}

void TrialEngineTest::stimulusPictures()
{
    QFETCH(double, q);
    QFETCH(QString, file);
    QCOMPARE(stimulusPictureFor(q), file);
}

void TrialEngineTest::largeShapes()
{
    const LargeShapes s = largeShapesFor(0.5, 0.25, 0.8, 15000, 10000);
    QCOMPARE(s.fillColourNumber, 128);
    QCOMPARE(s.penWidthPx, 800);
    QCOMPARE(s.circles[0].cx, 7500.0);
    QCOMPARE(s.circles[0].cy, 2500.0);
    QCOMPARE(s.circles[0].radius, 1600.0);
    QCOMPARE(s.circles[1].radius, 3200.0);
    QCOMPARE(s.circles[2].radius, 4000.0);
    QCOMPARE(s.circles[1].colourNumber, 64);
    QCOMPARE(s.circles[2].colourNumber, 205);
    QCOMPARE(s.boxes[0].x1, 750.0);
    QCOMPARE(s.boxes[0].y1, 250.0);
    QCOMPARE(s.boxes[2].x2, 15000 * 0.25 * 0.6);
    QCOMPARE(s.boxes[2].y2, 10000 * 0.8 * 0.6);
    // Shades of red only: the colour number stays in the lowest byte.
    for (const auto &b : s.boxes)
        QVERIFY(b.colourNumber >= 0 && b.colourNumber <= 256);
    QCOMPARE(largeShapesFor(0.1, 0.1, 0.0, 15000, 10000).penWidthPx, 1);
}

void TrialEngineTest::countdownSteps()
{
    QCOMPARE(countdownFontSize(1), 40.0);
    QCOMPARE(countdownFontSize(60), 1.0 / 1.5);
    QVERIFY(qAbs(countdownStepMs(1) - 10.57) < 0.01);
    QVERIFY(qAbs(countdownStepMs(60) - 280.4) < 0.1);
    double total = 0;
    for (int k = 1; k <= 60; ++k)
        total += countdownStepMs(k);
    QVERIFY(total > 4500 && total < 5500); // about five seconds in all
}

void TrialEngineTest::hidingSquare()
{
    const SquareRect frame{400, 300, 136, 133};
    SquareRect sq = frame;
    for (int tick = 1; tick <= 120; ++tick) {
        const SquareRect before = sq;
        sq = shrinkSquare(sq, frame, tick);
        QVERIFY(sq.width <= frame.width && sq.height <= frame.height);
        // Centred on the frame.
        QVERIFY(qAbs((sq.left + sq.width / 2) - (frame.left + frame.width / 2)) <= 1);
        QVERIFY(qAbs((sq.top + sq.height / 2) - (frame.top + frame.height / 2)) <= 1);
        if (tick == 30 || tick == 60 || tick == 90) {
            QCOMPARE(sq.width, frame.width);
            QCOMPARE(sq.height, frame.height);
        } else {
            QCOMPARE(sq.width, static_cast<int>(before.width * 0.85));
        }
    }
}

void TrialEngineTest::instructionTexts_data()
{
    QTest::addColumn<bool>("stimulus");
    QTest::addColumn<bool>("marks");
    QTest::newRow("plain, digits") << false << false;
    QTest::newRow("plain, marks") << false << true;
    QTest::newRow("stimulus, digits") << true << false;
    QTest::newRow("stimulus, marks") << true << true;
}

void TrialEngineTest::instructionTexts()
{
    QFETCH(bool, stimulus);
    QFETCH(bool, marks);
    const QString stimulusLine = QStringLiteral("　・刺激ありの実験では目を閉じないで画面を見ておいてください。");
    const QString s = instructions::shortText(stimulus, marks);
    const QString l = instructions::longText(stimulus, marks);
    QCOMPARE(s.contains(stimulusLine), stimulus);
    QCOMPARE(l.contains(stimulusLine), stimulus);
    QCOMPARE(s.contains(QStringLiteral("当り(○)外れ(×)")), marks);
    QCOMPARE(l.contains(QStringLiteral("あなたが入力したら当り(○)外れ(×)")), marks);
    QVERIFY(l.endsWith(QStringLiteral("\r\n　　　（準備ができたら［開始］を押し、始めてください）")));
    // Every line break is CR LF.
    QCOMPARE(s.count(QLatin1Char('\n')), s.count(QStringLiteral("\r\n")));
    QCOMPARE(l.count(QLatin1Char('\n')), l.count(QStringLiteral("\r\n")));
    QCOMPARE(s.count(QStringLiteral("\r\n")), stimulus ? 10 : 7);
}

void TrialEngineTest::shortTextExact()
{
    const QString expected = QString::fromUtf8(
        "\r\n\u3000やり方；深呼吸を１，２回おこなって、「当てたい」という気分になってください\uFF61 \r\n\r\n"
        "\u3000・１ラン（100試行）の間は休まず続けてください。\r\n\r\n"
        " \u3000・黒い四角で隠されている１または０を、キーを押して当ててください。（100回）\r\n\r\n"
        "\u3000・当り(○)外れ(×)が一瞬、表示されます。消えてから数秒以内に次を押してください。");
    QCOMPARE(instructions::shortText(false, true), expected);
}

QTEST_GUILESS_MAIN(TrialEngineTest)
#include "tst_trialengine.moc"
