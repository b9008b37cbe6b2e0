// log10 of p values far below the smallest double, against values computed once with mpmath
// at 60 digits (data/logp_reference.txt, made by data/logp_reference.py).
#include "core/report/LogP.h"

#include <QFile>
#include <QtTest>

#include <cmath>

using namespace vora::stats;

class TestLogP : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void matchesArbitraryPrecision_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<double>("expected");
        QFile file(QFINDTESTDATA("data/logp_reference.txt"));
        QVERIFY2(file.open(QIODevice::ReadOnly), "data/logp_reference.txt is missing");
        int rows = 0;
        while (!file.atEnd()) {
            const QString line = QString::fromUtf8(file.readLine()).trimmed();
            if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
                continue;
            QStringList fields = line.split(QLatin1Char(' '));
            const QString kind = fields.takeFirst();
            const double expected = fields.takeLast().toDouble();
            QTest::newRow(qPrintable(line)) << kind << fields << expected;
            ++rows;
        }
        QVERIFY(rows >= 30);
    }

    void matchesArbitraryPrecision()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, args);
        QFETCH(double, expected);
        auto integer = [&](int i) { return std::int64_t(args.at(i).toLongLong()); };
        double got = std::nan("");
        if (kind == QLatin1String("binomial"))
            got = log10BinomialTwoTailedP(integer(0), integer(1));
        else if (kind == QLatin1String("normal"))
            got = log10NormalTwoTailedP(args.at(0).toDouble());
        else if (kind == QLatin1String("fisher"))
            got = log10FisherExactTwoSided(integer(0), integer(1), integer(2), integer(3));
        QVERIFY2(std::fabs(got - expected) <= 1e-12 + 1e-11 * std::fabs(expected),
                 qPrintable(QStringLiteral("got %1, expected %2").arg(got, 0, 'g', 17).arg(expected, 0, 'g', 17)));
    }
};

QTEST_GUILESS_MAIN(TestLogP)
#include "tst_logp.moc"
