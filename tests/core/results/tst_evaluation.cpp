#include "Fakes.h"
#include "core/results/Evaluation.h"

#include <QtTest>

using namespace vora;

using Segments = std::array<double, 5>;
Q_DECLARE_METATYPE(Segments)

class TestEvaluation : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void classification_data();
    void classification();
    void levels_data();
    void levels();
    void analysisTextIsSignificanceThenProfile();
    void zeroHitsGivesNothing();
    void meanHitsAtTheLimits_data();
    void meanHitsAtTheLimits();
    void singleRunLine_data();
    void singleRunLine();
    void congratulation_data();
    void congratulation();
    void allRunPhrasesLeadingSpaces();
    void binomial_data();
    void binomial();
};

void TestEvaluation::classification_data()
{
    QTest::addColumn<Segments>("s");
    QTest::addColumn<QChar>("expected");
    auto row = [](const char *name, Segments s, char p) { QTest::newRow(name) << s << QChar(QLatin1Char(p)); };
    // Worked examples.
    row("14,11,10,9,8 decline", {14, 11, 10, 9, 8}, 'D');
    row("12,10,9,9,12 position", {12, 10, 9, 9, 12}, 'P');
    row("11,10,10,9,10 slight (score exactly 2)", {11, 10, 10, 9, 10}, 'S');
    row("9,11,10,10,10 none", {9, 11, 10, 10, 10}, 'N');
    row("8,9,10,11,12 rising", {8, 9, 10, 11, 12}, 'N');
    row("flat gives decline", {10, 10, 10, 10, 10}, 'D');
    row("A1 20,0,0,0,0", {20, 0, 0, 0, 0}, 'D');
    row("A1 20,0,0,0,1", {20, 0, 0, 0, 1}, 'P');
    // Branches taken by integer profiles.
    row("T1 U shape", {14, 10, 12, 8, 13}, 'P');
    row("B1 s4-s3>=2", {12, 10, 8, 10, 9}, 'P');
    row("B1 slight", {11, 9, 9, 10, 9}, 'S');
    row("B3 C2 decline", {10, 10, 8, 6, 5}, 'D');
    row("B3 C2 position", {10, 10, 8, 6, 9}, 'P');
    row("B4 C2", {9, 10, 9, 8, 7}, 'D');
    row("T3 needs more than 1, T4 none", {9, 11, 12, 10, 8}, 'N');
    row("T5 decline", {11, 9, 12, 9, 9}, 'D');
    row("T6 none before T7", {8, 11, 9, 10, 8}, 'N');
    // Means of all runs.
    row("10.5 A3 C3", {10.5, 10, 10, 10, 10}, 'D');
    row("10.25 A3 via T7", {11.75, 10, 10.25, 10, 10}, 'D');
    row("A4 -0.5 then s3-s4 = 2", {10, 10.5, 11, 9, 9.5}, 'D');
    row("A4 -0.5 then s3-s4 = 1.5", {10, 10.5, 11, 9.5, 9.5}, 'S');
    // Means of five runs: the decline score is exactly 0.1, which is not below 0.1.
    row("score exactly 0.1 in fifths", {45 / 5.0, 51 / 5.0, 50 / 5.0, 50 / 5.0, 45 / 5.0}, 'S');
    row("m12 equals m45 in quarters", {9, 10.25, 10, 10.25, 9}, 'N');
}

void TestEvaluation::classification()
{
    QFETCH(Segments, s);
    QFETCH(QChar, expected);
    QCOMPARE(profileLetter(classifyProfile(s)), expected);
    // The analysis of a chance-level count gives the profile sentence alone.
    const Analysis a = analyse(50, s);
    QCOMPARE(profileLetter(a.profile), expected);
    QCOMPARE(a.significant, false);
    QCOMPARE(a.analysisText.isEmpty(), expected == QLatin1Char('N'));
}

void TestEvaluation::levels_data()
{
    QTest::addColumn<int>("hits");
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("significant");
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<bool>("picture");
    const QString many = QStringLiteral("●一致数が非常に多く、超能力が発揮されている可能性あり。（危険率0.01）");
    QTest::newRow("90") << 90 << 4 << true
                        << QStringLiteral("　1000回(以上)に1回しか起きない極めて多い一致になりました。") << true;
    QTest::newRow("66") << 66 << 4 << true
                        << QStringLiteral("　1000回(以上)に1回しか起きない極めて多い一致になりました。") << true;
    QTest::newRow("65") << 65 << 3 << true << QStringLiteral("　370回に1回しか起きない非常に多い一致になりました。")
                        << true;
    QTest::newRow("64") << 64 << 2 << true << QStringLiteral("　200回に1回しか起きない大変多い一致になりました。")
                        << false;
    QTest::newRow("63") << 63 << 1 << true << QStringLiteral("　100回に1回しか起きない多い一致になりました。") << false;
    QTest::newRow("62") << 62 << 0 << false << QString() << false;
    QTest::newRow("38") << 38 << 0 << false << QString() << false;
    QTest::newRow("37") << 37 << -1 << true << QStringLiteral("　100回に1回しか起きない少ない一致になりました。")
                        << false;
    QTest::newRow("36") << 36 << -2 << true << QStringLiteral("　200回に1回しか起きない大変少ない一致になりました。")
                        << false;
    QTest::newRow("35") << 35 << -3 << true << QStringLiteral("　370回に1回しか起きない非常に少ない一致になりました。")
                        << true;
    QTest::newRow("34") << 34 << -4 << true
                        << QStringLiteral("　1000回(以上)に1回しか起きない極めて少ない一致になりました。") << true;
}

void TestEvaluation::levels()
{
    QFETCH(int, hits);
    QFETCH(int, level);
    QFETCH(bool, significant);
    QFETCH(QString, sentence);
    QFETCH(bool, picture);
    QCOMPARE(significanceLevel(hits), level);
    QCOMPARE(singleRunLevelSentence(hits), sentence);
    QCOMPARE(showsCongratulationPicture(hits), picture);
    const Analysis a = analyse(hits, {8, 9, 10, 11, 12}); // a profile without a sentence
    QCOMPARE(a.significant, significant);
    if (!significant)
        QVERIFY(a.significanceText.isEmpty());
    else if (hits >= 63)
        QVERIFY(a.significanceText.startsWith(QStringLiteral("●一致数が非常に多く")));
    else
        QVERIFY(a.significanceText.startsWith(QStringLiteral("●一致数が非常に少なく")));
    QCOMPARE(a.analysisText, a.significanceText);
}

void TestEvaluation::analysisTextIsSignificanceThenProfile()
{
    const Analysis a = analyse(63, {14, 11, 10, 9, 8});
    QCOMPARE(a.analysisText, QStringLiteral("●一致数が非常に多く、超能力が発揮されている可能性あり。（危険率0.01）\r\n"
                                            "・最初の部分で一致が多く、次第に減少する下降効果が見られる。\r\n"));
    const Analysis b = analyse(50, {12, 10, 9, 9, 12});
    QCOMPARE(b.analysisText,
             QStringLiteral("\r\n・初めの部分で一致が多く、その後減少し、最後にまた多くなる位置効果が見られる。\r\n"));
    const Analysis c = analyse(37, {11, 10, 10, 9, 10});
    QCOMPARE(
        c.analysisText,
        QStringLiteral(
            "●一致数が非常に少なく、超能力により一致を避けるサイミッシングが起きている可能性あり。（危険率0.01）\r\n"
            "・わずかだが、初めの部分で一致が多く、次第に減少する下降効果が見られる。\r\n"));
    QCOMPARE(c.declineScore, 2.0);
}

void TestEvaluation::zeroHitsGivesNothing()
{
    const Analysis a = analyse(0, {0, 0, 0, 0, 0});
    QVERIFY(!a.significant);
    QVERIFY(a.significanceText.isEmpty());
    QVERIFY(a.analysisText.isEmpty());
}

void TestEvaluation::meanHitsAtTheLimits_data()
{
    QTest::addColumn<double>("mean");
    QTest::addColumn<bool>("significant");
    QTest::newRow("62.9") << 62.9 << false;
    QTest::newRow("63.0") << 63.0 << true;
    QTest::newRow("37.0") << 37.0 << true;
    QTest::newRow("37.1") << 37.1 << false;
}

void TestEvaluation::meanHitsAtTheLimits()
{
    QFETCH(double, mean);
    QFETCH(bool, significant);
    QCOMPARE(analyse(mean, {10, 10, 10, 10, 10}).significant, significant);
}

void TestEvaluation::singleRunLine_data()
{
    QTest::addColumn<bool>("stimulus");
    QTest::addColumn<QString>("expected");
    QTest::newRow("with stimulus") << true << QStringLiteral("◆一致数=63　◆刺激＝34～40 (Tr1=52,In1=47)");
    QTest::newRow("without") << false << QStringLiteral("◆一致数=63");
}

void TestEvaluation::singleRunLine()
{
    QFETCH(bool, stimulus);
    QFETCH(QString, expected);
    QCOMPARE(vora::singleRunLine(63, stimulus, 34, kStimulusSpan, 52, 47), expected);
}

void TestEvaluation::congratulation_data()
{
    QTest::addColumn<int>("hits");
    QTest::newRow("63") << 63;
    QTest::newRow("35") << 35;
    QTest::newRow("70") << 70;
}

void TestEvaluation::congratulation()
{
    QFETCH(int, hits);
    const QString expected = QStringLiteral("　　　　　★おめでとうございます\r\n\r\n") + singleRunLevelSentence(hits)
                             + QStringLiteral("超能力現象が起きたとみて間違いないと思われます。\r\n"
                                              "　何回も起きればそれだけ超能力現象の存在が明らかになります\uFF61 "
                                              "次も\uFF64またがんばりましょう\uFF61 \r\n");
    QCOMPARE(congratulationText(hits), expected);
    QVERIFY(!singleRunLevelSentence(hits).isEmpty());
}

void TestEvaluation::allRunPhrasesLeadingSpaces()
{
    const QChar ideographicSpace(0x3000);
    for (int level : {1, 2, 3, 4, -1, -2, -3, -4}) {
        const bool leading = level == 4 || level == -3;
        QCOMPARE(allRunLevelPhrase(level).startsWith(ideographicSpace), leading);
        QVERIFY(allRunLevelPhrase(level).endsWith(QStringLiteral("一致が")));
    }
    QVERIFY(allRunLevelPhrase(0).isEmpty());
}

void TestEvaluation::binomial_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("n");
    QTest::addColumn<double>("p");
    // Reference values from exact rational sums.
    QTest::newRow("50/100") << 50 << 100 << 1.0;
    QTest::newRow("49/100") << 49 << 100 << 0.9204107626128213;
    QTest::newRow("63/100") << 63 << 100 << 0.012032975725363477;
    QTest::newRow("37/100 same as 63") << 37 << 100 << 0.012032975725363477;
    QTest::newRow("60/100") << 60 << 100 << 0.05688793364098079;
    QTest::newRow("70/100") << 70 << 100 << 7.85013964559367e-05;
    QTest::newRow("0/100") << 0 << 100 << 1.5777218104420236e-30;
    QTest::newRow("100/100") << 100 << 100 << 1.5777218104420236e-30;
    QTest::newRow("5100/10000") << 5100 << 10000 << 0.04658552770494739;
    QTest::newRow("4850/10000") << 4850 << 10000 << 0.0027879675177127188;
    QTest::newRow("5300/10000") << 5300 << 10000 << 2.0760336959207247e-09;
}

void TestEvaluation::binomial()
{
    QFETCH(int, k);
    QFETCH(int, n);
    QFETCH(double, p);
    const double got = binomialTwoTailedP(k, n);
    QVERIFY2(std::abs(got - p) <= 1e-9 * p, qPrintable(QString::number(got, 'g', 17)));
}

QTEST_GUILESS_MAIN(TestEvaluation)
#include "tst_evaluation.moc"
