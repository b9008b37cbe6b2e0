// The randomness figures of vora-bench are only worth printing if its four NIST tests give
// the worked examples' p-values; a wrong igamc or a miscounted pattern would pass unnoticed.
#include "../../bench/Nist.h"

#include <QtTest>

using namespace vora::nist;

namespace {
// The 100-bit worked example of the frequency, block frequency and runs tests.
const char *const kExample100 = "1100100100001111110110101010001000100001011010001100001000110100"
                                "110001001100011001100010100010111000";
} // namespace

class TestNistReference : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void igamcClosedForms_data();
    void igamcClosedForms();
    void workedExamples_data();
    void workedExamples();
    void serialWorkedExample();
    void biasedSequencesFail();
};

void TestNistReference::igamcClosedForms_data()
{
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("expected");
    for (double x : {0.01, 0.3, 1.0, 2.5, 7.0, 30.0}) {
        QTest::addRow("a=1, x=%g", x) << 1.0 << x << std::exp(-x); // series and fraction sides
        QTest::addRow("a=0.5, x=%g", x) << 0.5 << x << std::erfc(std::sqrt(x));
        QTest::addRow("a=2, x=%g", x) << 2.0 << x << (1.0 + x) * std::exp(-x);
    }
}

void TestNistReference::igamcClosedForms()
{
    QFETCH(double, a);
    QFETCH(double, x);
    QFETCH(double, expected);
    const double got = igamc(a, x);
    QVERIFY2(std::fabs(got - expected) <= 1e-9 * std::max(1.0, expected),
             qPrintable(QStringLiteral("igamc(%1, %2) = %3, expected %4")
                            .arg(a)
                            .arg(x)
                            .arg(got, 0, 'g', 12)
                            .arg(expected, 0, 'g', 12)));
}

void TestNistReference::workedExamples_data()
{
    QTest::addColumn<QString>("test");
    QTest::addColumn<QString>("bits");
    QTest::addColumn<int>("blockSize");
    QTest::addColumn<double>("expected");
    QTest::newRow("frequency, 10 bits") << "monobit"
                                        << "1011010101" << 0 << 0.527089;
    QTest::newRow("frequency, 100 bits") << "monobit" << kExample100 << 0 << 0.109599;
    QTest::newRow("block frequency, M=3") << "block"
                                          << "0110011010" << 3 << 0.801252;
    QTest::newRow("block frequency, M=10") << "block" << kExample100 << 10 << 0.706438;
    QTest::newRow("runs, 10 bits") << "runs"
                                   << "1001101011" << 0 << 0.147232;
    QTest::newRow("runs, 100 bits") << "runs" << kExample100 << 0 << 0.500798;
}

void TestNistReference::workedExamples()
{
    QFETCH(QString, test);
    QFETCH(QString, bits);
    QFETCH(int, blockSize);
    QFETCH(double, expected);
    const Bits e = fromText(bits.toLatin1().constData());
    double p = -1;
    if (test == QLatin1String("monobit"))
        p = monobit(e);
    else if (test == QLatin1String("block"))
        p = blockFrequency(e, blockSize);
    else
        p = runs(e);
    QVERIFY2(std::fabs(p - expected) < 5e-6, qPrintable(QStringLiteral("p = %1").arg(p, 0, 'f', 6)));
}

void TestNistReference::serialWorkedExample()
{
    const SerialResult r = serial(fromText("0011011101"), 3);
    QVERIFY2(std::fabs(r.p1 - 0.808792) < 5e-6, qPrintable(QString::number(r.p1, 'f', 6)));
    QVERIFY2(std::fabs(r.p2 - 0.670320) < 5e-6, qPrintable(QString::number(r.p2, 'f', 6)));
}

void TestNistReference::biasedSequencesFail()
{
    // Alternating bits: perfectly balanced, yet far too many runs and only two 2-bit patterns.
    Bits alternating;
    for (int i = 0; i < 100000; ++i)
        alternating.push_back(i % 2);
    QVERIFY(monobit(alternating) > 0.99);
    QVERIFY(runs(alternating) < 1e-6);
    QVERIFY(serial(alternating, 2).p1 < 1e-6);
    // Three ones in four: the frequency tests see it, the runs test refuses to judge.
    Bits heavy;
    for (int i = 0; i < 100000; ++i)
        heavy.push_back(i % 4 != 0);
    QVERIFY(monobit(heavy) < 1e-6);
    QVERIFY(blockFrequency(heavy, 128) < 1e-6);
    QCOMPARE(runs(heavy), 0.0);
}

QTEST_APPLESS_MAIN(TestNistReference)
#include "tst_nistreference.moc"
