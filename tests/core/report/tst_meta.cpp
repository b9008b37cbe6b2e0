// Effect sizes and heterogeneity against values computed once with mpmath from their
// definitions (data/meta-reference.txt, written by make_meta_reference.py), and the joining
// of target tallies that lets the study database add up per-run sums.
#include "core/report/Meta.h"
#include "core/report/Stats.h"

#include <QFile>
#include <QRandomGenerator>
#include <QtTest>

#include <cmath>
#include <optional>

Q_DECLARE_METATYPE(vora::stats::Count)

using namespace vora::stats;

namespace {

std::optional<double> valueOf(const QString &text)
{
    if (text == QLatin1String("nan"))
        return std::nullopt;
    return text.toDouble();
}

// Relative 1e-10, or absolute 1e-12 near 0 (a pooled h of exactly 0 is 1e-41 in 40 digits).
bool close(double got, double want)
{
    return std::fabs(got - want) <= 1e-10 * std::fabs(want) + 1e-12;
}

} // namespace

class TestMeta : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void heterogeneity_data()
    {
        QTest::addColumn<QVector<Count>>("counts");
        QTest::addColumn<QStringList>("want");
        QFile file(QFINDTESTDATA("data/meta-reference.txt"));
        QVERIFY2(file.open(QIODevice::ReadOnly), "data/meta-reference.txt");
        while (!file.atEnd()) {
            const QStringList f = QString::fromLatin1(file.readLine()).trimmed().split(QLatin1Char(' '));
            if (f.size() != 14 || f.first().startsWith(QLatin1Char('#')))
                continue;
            QVector<Count> counts;
            for (const QString &c : f.at(1).split(QLatin1Char(',')))
                counts.append(
                    {c.section(QLatin1Char('/'), 0, 0).toLongLong(), c.section(QLatin1Char('/'), 1).toLongLong()});
            QTest::newRow(qPrintable(f.at(0))) << counts << f.mid(2);
        }
    }

    void heterogeneity()
    {
        QFETCH(QVector<Count>, counts);
        QFETCH(QStringList, want);
        const Heterogeneity h = vora::stats::heterogeneity(counts);
        QCOMPARE(h.k, want.at(0).toInt());
        QCOMPARE(h.df, want.at(2).toInt());
        const auto check = [](const char *what, std::optional<double> got, std::optional<double> expected) {
            QVERIFY2(got.has_value() == expected.has_value(), what);
            if (got)
                QVERIFY2(close(*got, *expected), qPrintable(QStringLiteral("%1: %2, want %3")
                                                                .arg(QLatin1String(what))
                                                                .arg(*got, 0, 'g', 17)
                                                                .arg(*expected, 0, 'g', 17)));
        };
        check("Q", h.q, valueOf(want.at(1)));
        if (h.k >= 2)
            check("p of Q", h.qP, valueOf(want.at(3)));
        check("I2", h.i2, valueOf(want.at(4)));
        check("I2 low", h.i2ci95 ? std::optional<double>(h.i2ci95->lo) : std::nullopt, valueOf(want.at(5)));
        check("I2 high", h.i2ci95 ? std::optional<double>(h.i2ci95->hi) : std::nullopt, valueOf(want.at(6)));
        check("tau2", h.tau2, valueOf(want.at(7)));
        check("fixed h", h.fixedH, valueOf(want.at(8)));
        check("fixed se", h.fixedSe, valueOf(want.at(9)));
        check("random h", h.randomH, valueOf(want.at(10)));
        check("random se", h.randomSe, valueOf(want.at(11)));
    }

    void cohensH_data()
    {
        QTest::addColumn<double>("rate");
        QTest::addColumn<double>("h");
        QFile file(QFINDTESTDATA("data/meta-reference.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        while (!file.atEnd()) {
            const QStringList f = QString::fromLatin1(file.readLine()).trimmed().split(QLatin1Char(' '));
            if (f.size() == 3 && f.first() == QLatin1String("cohen"))
                QTest::newRow(qPrintable(f.at(1))) << f.at(1).toDouble() << f.at(2).toDouble();
        }
    }

    void cohensH()
    {
        QFETCH(double, rate);
        QFETCH(double, h);
        QVERIFY2(close(vora::stats::cohensH(rate), h),
                 qPrintable(QString::number(vora::stats::cohensH(rate), 'g', 17)));
        QVERIFY(std::fabs(rateOfCohensH(h) - rate) < 1e-12);
    }

    // A sequence cut anywhere and joined again has the runs, ones and ends of the whole: the
    // server adds the runs of each run's targets and takes one off where a run continues the
    // one before.
    void bitTalliesJoin_data()
    {
        QTest::addColumn<QString>("bits");
        QTest::addColumn<QVector<int>>("cuts");
        QTest::newRow("a run across the join") << "0011" << QVector<int>{1};
        QTest::newRow("a change at the join") << "0101" << QVector<int>{2};
        QTest::newRow("empty pieces") << "110" << QVector<int>{0, 0, 3, 3};
        QTest::newRow("single bits") << "10011" << QVector<int>{1, 2, 3, 4};
        QString random;
        QRandomGenerator rng(5);
        for (int i = 0; i < 1000; ++i)
            random += rng.bounded(2) ? QLatin1Char('1') : QLatin1Char('0');
        QTest::newRow("runs of 100") << random << QVector<int>{100, 200, 300, 400, 500, 600, 700, 800, 900};
    }

    void bitTalliesJoin()
    {
        QFETCH(QString, bits);
        QFETCH(QVector<int>, cuts);
        BitTally whole;
        for (const QChar c : bits)
            whole.add(c == QLatin1Char('1'));
        BitTally joined;
        int from = 0;
        cuts.append(int(bits.size()));
        for (const int cut : std::as_const(cuts)) {
            BitTally piece;
            for (int i = from; i < cut; ++i)
                piece.add(bits.at(i) == QLatin1Char('1'));
            joined.append(piece);
            from = cut;
        }
        QCOMPARE(joined.n, whole.n);
        QCOMPARE(joined.ones, whole.ones);
        QCOMPARE(joined.runs, whole.runs);
        QCOMPARE(joined.first, whole.first);
        QCOMPARE(joined.last, whole.last);
    }
};

QTEST_GUILESS_MAIN(TestMeta)
#include "tst_meta.moc"
