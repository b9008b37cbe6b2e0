// The numerical pieces against values reached another way: direct summation of binomial and
// hypergeometric terms, rising-factorial products, closed forms, numerical integration,
// published Clopper–Pearson limits and the worked examples of NIST SP 800-22; and every
// figure from 10^2 to 10^8 trials against stored values computed at 50 digits
// (data/stats-reference.txt, written once by make_stats_reference.py).
#include "core/report/Pooled.h"
#include "core/report/Stats.h"
#include "core/results/Evaluation.h"

#include <QFile>
#include <QtTest>

#include <cmath>

using namespace vora::stats;
using vora::report::Experiment;
using vora::report::PooledFigures;
using vora::report::Tally;

namespace {

// P(X >= k) and P(X <= k) for X ~ Binomial(n, p), term by term.
double binomialTerm(int n, int k, double p, const std::vector<double> &lf)
{
    return std::exp(lf[n] - lf[k] - lf[n - k] + k * std::log(p) + (n - k) * std::log1p(-p));
}

std::vector<double> logFactorials(int n)
{
    std::vector<double> lf(n + 1, 0.0);
    for (int i = 2; i <= n; ++i)
        lf[i] = lf[i - 1] + std::log(double(i));
    return lf;
}

// Fisher's two-sided p by listing every table with the same margins.
double fisherByEnumeration(int a, int b, int c, int d)
{
    const int r1 = a + b, r2 = c + d, c1 = a + c, n = r1 + r2;
    const std::vector<double> lf = logFactorials(n);
    auto logP = [&](int x) {
        return lf[r1] - lf[x] - lf[r1 - x] + lf[r2] - lf[c1 - x] - lf[r2 - c1 + x] - (lf[n] - lf[c1] - lf[n - c1]);
    };
    const double obs = logP(a);
    double p = 0.0;
    for (int x = std::max(0, c1 - r2); x <= std::min(r1, c1); ++x) {
        if (logP(x) <= obs + 1e-7)
            p += std::exp(logP(x));
    }
    return p;
}

BitTally tally(const char *bits)
{
    BitTally t;
    for (const char *c = bits; *c; ++c)
        t.add(*c == '1' ? 1 : 0);
    return t;
}

double betaDensity(double a, double b, double x)
{
    return std::exp((a - 1) * std::log(x) + (b - 1) * std::log1p(-x) - logBeta(a, b));
}

// Simpson's rule over [lo, hi].
double integrateDensity(double a, double b, double lo, double hi)
{
    const int steps = 20000;
    const double h = (hi - lo) / steps;
    auto f = [&](double x) { return x <= 0.0 || x >= 1.0 ? (a == 1.0 && x <= 0.0 ? b : 0.0) : betaDensity(a, b, x); };
    double s = f(lo) + f(hi);
    for (int i = 1; i < steps; ++i)
        s += f(lo + i * h) * (i % 2 ? 4 : 2);
    return s * h / 3.0;
}

} // namespace

class TestStats : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void agreesWithReference_data()
    {
        QTest::addColumn<QString>("figure");
        QTest::addColumn<QList<qint64>>("inputs");
        QTest::addColumn<QList<double>>("expected");
        QFile file(QFINDTESTDATA("data/stats-reference.txt"));
        QVERIFY2(file.open(QIODevice::ReadOnly), "data/stats-reference.txt");
        int rows = 0;
        while (!file.atEnd()) {
            const QByteArray line = file.readLine().trimmed();
            if (line.isEmpty() || line.startsWith('#'))
                continue;
            const QList<QByteArray> fields = line.split('\t');
            // Integer inputs first, then the values (which have a point or an exponent).
            QList<qint64> inputs;
            QList<double> expected;
            for (int i = 1; i < fields.size(); ++i) {
                bool ok = false;
                if (expected.isEmpty() && !fields[i].contains('.') && !fields[i].contains('e'))
                    inputs.append(fields[i].toLongLong(&ok));
                else
                    expected.append(fields[i].toDouble(&ok));
                QVERIFY2(ok, line.constData());
            }
            QByteArray name = fields[0];
            for (qint64 v : inputs)
                name += ' ' + QByteArray::number(v);
            QTest::newRow(name.constData()) << QString::fromLatin1(fields[0]) << inputs << expected;
            ++rows;
        }
        QVERIFY(rows > 300);
    }
    void agreesWithReference()
    {
        QFETCH(QString, figure);
        QFETCH(QList<qint64>, inputs);
        QFETCH(QList<double>, expected);
        QList<double> got;
        const qint64 h = inputs.value(0), n = inputs.value(1);
        if (figure == QLatin1String("binomialP")) {
            got << vora::binomialTwoTailedP(h, n);
        } else if (figure == QLatin1String("log10BinomialP")) {
            got << log10BinomialTwoTailedP(h, n);
        } else if (figure == QLatin1String("normalP")) {
            const double z = *Tally{n, h}.z();
            got << z << normalTwoTailedP(z);
        } else if (figure == QLatin1String("log10NormalP")) {
            got << log10NormalTwoTailedP(*Tally{n, h}.z());
        } else if (figure == QLatin1String("clopperPearson95")) {
            const Interval ci = vora::stats::clopperPearson(h, n, 0.95);
            got << ci.lo << ci.hi;
        } else if (figure == QLatin1String("log10BfUniform")) {
            got << log10BayesFactor(h, n - h, vora::report::kUniformA, vora::report::kUniformB);
        } else if (figure == QLatin1String("log10BfReplication")) {
            got << log10BayesFactor(h, n - h, vora::report::kReplicationA, vora::report::kReplicationB);
        } else if (figure == QLatin1String("hdi90")) {
            const Interval i = betaHdi(double(h) + 1.0, double(n - h) + 1.0, 0.90);
            got << i.lo << i.hi;
        } else if (figure == QLatin1String("fisher")) {
            got << fisherExactTwoSided(inputs.value(0), inputs.value(1), inputs.value(2), inputs.value(3));
        } else if (figure == QLatin1String("monobit") || figure == QLatin1String("runs")) {
            BitTally t;
            t.n = inputs.value(0);
            t.ones = inputs.value(1);
            t.runs = inputs.value(2);
            got << (figure == QLatin1String("monobit") ? monobitP(t) : runsP(t));
        } else if (figure == QLatin1String("stouffer")) {
            // Experiments of 100-trial runs; Stouffer's Z leaves out those without trials.
            QVector<Experiment> experiments(int(inputs.value(0)));
            for (int i = 0; i < experiments.size(); ++i) {
                experiments[i].runs.runsRead = int(inputs.value(1 + 2 * i));
                experiments[i].runs.hitTotal = int(inputs.value(2 + 2 * i));
            }
            const PooledFigures f = vora::report::pooledFigures(experiments);
            QVERIFY(f.stoufferZ.has_value());
            got << *f.stoufferZ << f.stoufferP;
        } else {
            QFAIL(qPrintable(QStringLiteral("unknown figure ") + figure));
        }
        QCOMPARE(got.size(), expected.size());
        for (int i = 0; i < got.size(); ++i) {
            const double tolerance = 1e-12 * std::fabs(expected[i]);
            QVERIFY2(std::fabs(got[i] - expected[i]) <= tolerance,
                     qPrintable(QStringLiteral("value %1: %2 against %3, relative error %4")
                                    .arg(i)
                                    .arg(got[i], 0, 'g', 17)
                                    .arg(expected[i], 0, 'g', 17)
                                    .arg(std::fabs(got[i] - expected[i]) / std::fabs(expected[i]), 0, 'g', 3)));
        }
    }

    void clopperPearson_data()
    {
        QTest::addColumn<int>("hits");
        QTest::addColumn<int>("trials");
        QTest::addColumn<double>("lo"); // published limits (R's binom.test); NaN: tail check only
        QTest::addColumn<double>("hi");
        QTest::newRow("0/10") << 0 << 10 << 0.0 << 0.3084971078;
        QTest::newRow("1/10") << 1 << 10 << 0.002528578544 << 0.445016117;
        QTest::newRow("5/10") << 5 << 10 << 0.1870860284 << 0.8129139716;
        QTest::newRow("50/100") << 50 << 100 << 0.3983211295 << 0.6016788705;
        QTest::newRow("10/10") << 10 << 10 << 0.6915028922 << 1.0;
        QTest::newRow("5300/10000") << 5300 << 10000 << qQNaN() << qQNaN();
    }
    void clopperPearson()
    {
        QFETCH(int, hits);
        QFETCH(int, trials);
        QFETCH(double, lo);
        QFETCH(double, hi);
        const Interval ci = vora::stats::clopperPearson(hits, trials, 0.95);
        if (!qIsNaN(lo)) {
            QVERIFY2(std::fabs(ci.lo - lo) < 1e-9, qPrintable(QString::number(ci.lo, 'g', 12)));
            QVERIFY2(std::fabs(ci.hi - hi) < 1e-9, qPrintable(QString::number(ci.hi, 'g', 12)));
        }
        // The defining property: at each limit the far binomial tail holds 2.5 %.
        const std::vector<double> lf = logFactorials(trials);
        if (hits > 0) {
            double upper = 0.0;
            for (int k = hits; k <= trials; ++k)
                upper += binomialTerm(trials, k, ci.lo, lf);
            QVERIFY2(std::fabs(upper - 0.025) < 1e-9, qPrintable(QString::number(upper, 'g', 12)));
        }
        if (hits < trials) {
            double lower = 0.0;
            for (int k = 0; k <= hits; ++k)
                lower += binomialTerm(trials, k, ci.hi, lf);
            QVERIFY2(std::fabs(lower - 0.025) < 1e-9, qPrintable(QString::number(lower, 'g', 12)));
        }
    }

    void bayesFactor_data()
    {
        QTest::addColumn<int>("hits");
        QTest::addColumn<int>("misses");
        QTest::newRow("no data") << 0 << 0;
        QTest::newRow("7/10") << 7 << 3;
        QTest::newRow("60/100") << 60 << 40;
        QTest::newRow("5300/10000") << 5300 << 4700;
        QTest::newRow("500000/1000000") << 500000 << 500000;
    }
    void bayesFactor()
    {
        QFETCH(int, hits);
        QFETCH(int, misses);
        // B(h + a, m + b) / B(a, b) = a^(h) b^(m) / (a + b)^(h + m) in rising factorials.
        for (const auto &[a, b] : {std::pair{1.0, 1.0}, std::pair{829.0, 733.0}}) {
            // A million terms: long double keeps the sum's rounding below the tolerance.
            long double ln = 0.0L;
            for (int i = 0; i < hits; ++i)
                ln += std::log((long double)a + i);
            for (int j = 0; j < misses; ++j)
                ln += std::log((long double)b + j);
            for (int k = 0; k < hits + misses; ++k)
                ln -= std::log((long double)(a + b) + k);
            const double expected = double((ln + (hits + misses) * std::log(2.0L)) / std::log(10.0L));
            const double got = log10BayesFactor(hits, misses, a, b);
            QVERIFY2(
                std::fabs(got - expected) < 1e-8 * std::max(1.0, std::fabs(expected)),
                qPrintable(QStringLiteral("a=%1: %2 vs %3").arg(a).arg(got, 0, 'g', 12).arg(expected, 0, 'g', 12)));
        }
        if (hits == 0 && misses == 0)
            QCOMPARE(log10BayesFactor(0, 0, 1, 1), 0.0);
    }

    void hdi_data()
    {
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::newRow("no hits of 10") << 1.0 << 11.0;
        QTest::newRow("all 10 hits") << 11.0 << 1.0;
        QTest::newRow("7/10") << 8.0 << 4.0;
        QTest::newRow("50/100") << 51.0 << 51.0;
        QTest::newRow("5300/10000") << 5301.0 << 4701.0;
    }
    void hdi()
    {
        QFETCH(double, a);
        QFETCH(double, b);
        const Interval i = betaHdi(a, b, 0.90);
        if (a == 1.0) {
            // I_x(1, b) = 1 - (1 - x)^b.
            QCOMPARE(i.lo, 0.0);
            QVERIFY(std::fabs(i.hi - (1.0 - std::pow(0.10, 1.0 / b))) < 1e-10);
            return;
        }
        if (b == 1.0) {
            // I_x(a, 1) = x^a.
            QCOMPARE(i.hi, 1.0);
            QVERIFY(std::fabs(i.lo - std::pow(0.10, 1.0 / a)) < 1e-10);
            return;
        }
        QVERIFY2(std::fabs(integrateDensity(a, b, i.lo, i.hi) - 0.90) < 1e-7,
                 qPrintable(QString::number(integrateDensity(a, b, i.lo, i.hi), 'g', 12)));
        const double fl = betaDensity(a, b, i.lo), fh = betaDensity(a, b, i.hi);
        QVERIFY2(std::fabs(fl - fh) < 1e-6 * fl, qPrintable(QStringLiteral("%1 %2").arg(fl).arg(fh)));
        QVERIFY(i.lo < (a - 1) / (a + b - 2) && (a - 1) / (a + b - 2) < i.hi);
    }

    void fisher_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("c");
        QTest::addColumn<int>("d");
        QTest::addColumn<double>("published"); // NaN: enumeration only
        QTest::newRow("tea tasting") << 3 << 1 << 1 << 3 << 0.4857142857;
        QTest::newRow("skewed") << 1 << 9 << 11 << 3 << 0.002759456;
        QTest::newRow("perfect split") << 10 << 0 << 0 << 10 << qQNaN();
        QTest::newRow("empty margin") << 0 << 0 << 4 << 6 << 1.0;
        QTest::newRow("one experiment") << 2520 << 2430 << 2460 << 2490 << qQNaN();
        QTest::newRow("strong dependency") << 3000 << 2000 << 2000 << 3000 << qQNaN();
    }
    void fisher()
    {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, c);
        QFETCH(int, d);
        QFETCH(double, published);
        const double p = fisherExactTwoSided(a, b, c, d);
        if (!qIsNaN(published))
            QVERIFY2(std::fabs(p - published) < 1e-8, qPrintable(QString::number(p, 'g', 12)));
        const double expected = fisherByEnumeration(a, b, c, d);
        QVERIFY2(std::fabs(p - expected) <= 1e-9 * std::max(expected, 1e-300) + 1e-300,
                 qPrintable(QStringLiteral("%1 vs %2").arg(p, 0, 'g', 12).arg(expected, 0, 'g', 12)));
    }

    void nistWorkedExamples_data()
    {
        QTest::addColumn<QByteArray>("bits");
        QTest::addColumn<double>("monobit");
        QTest::addColumn<double>("runs");
        // SP 800-22 2.1.4 / 2.3.4 (n = 10) and 2.1.8 / 2.3.8 (n = 100).
        QTest::newRow("2.1.4") << QByteArray("1011010101") << 0.527089 << qQNaN();
        QTest::newRow("2.3.4") << QByteArray("1001101011") << qQNaN() << 0.147232;
        QTest::newRow("2.1.8 / 2.3.8") << QByteArray(
            "1100100100001111110110101010001000100001011010001100001000110100110001001100011001100010100010111000")
                                       << 0.109599 << 0.500798;
        // 70 ones of 100: |0.7 - 0.5| >= 2 / sqrt(100), the runs test is not run.
        QTest::newRow("prerequisite fails") << QByteArray(70, '1') + QByteArray(30, '0') << 0.0000633425 << 0.0;
    }
    void nistWorkedExamples()
    {
        QFETCH(QByteArray, bits);
        QFETCH(double, monobit);
        QFETCH(double, runs);
        const BitTally t = tally(bits.constData());
        if (!qIsNaN(monobit))
            QVERIFY2(std::fabs(monobitP(t) - monobit) < 5e-7, qPrintable(QString::number(monobitP(t), 'g', 10)));
        if (!qIsNaN(runs))
            QVERIFY2(std::fabs(runsP(t) - runs) < 5e-7, qPrintable(QString::number(runsP(t), 'g', 10)));
    }
};

QTEST_APPLESS_MAIN(TestStats)
#include "tst_stats.moc"
