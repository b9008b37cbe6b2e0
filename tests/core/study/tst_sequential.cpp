// The protocol file and its sequential plan: validation naming each field, Bayes factors and
// the plans' exact operating characteristics against stored 40-digit values, and the
// simulation against the exact figures within its Monte-Carlo error.
#include "core/study/Protocol.h"
#include "core/study/Sequential.h"
#include "core/toolkit/Language.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using namespace vora::study;

namespace {

QString referencePath()
{
    return QFINDTESTDATA("data/sequential-reference.txt");
}

QList<QStringList> referenceRows(const QString &kind)
{
    QFile f(referencePath());
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QList<QStringList> rows;
    for (const QByteArray &line : f.readAll().split('\n')) {
        const QStringList w = QString::fromLatin1(line).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (w.isEmpty() || w.first().startsWith(QLatin1Char('#')))
            continue;
        // Bayes factor rows start with "bf"; the plans' rows with the plan's name.
        if ((w.first() == QLatin1String("bf")) == (kind == QLatin1String("bf")))
            rows.append(w);
    }
    return rows;
}

// The plans the reference script computes, written as protocol files.
Protocol plan(const QString &name)
{
    const bool greater = name == QLatin1String("greater-one");
    QJsonObject o{
        {QStringLiteral("title"), name},
        {QStringLiteral("hypothesis"), greater ? QStringLiteral("greater") : QStringLiteral("two-sided")},
        {QStringLiteral("primary"),
         greater
             ? QJsonObject{{QStringLiteral("priors"), QJsonArray{QJsonObject{{"name", "uniform"}, {"a", 1}, {"b", 1}}}},
                           {QStringLiteral("rule"), QStringLiteral("one")},
                           {QStringLiteral("decidingPrior"), QStringLiteral("uniform")}}
             : QJsonObject{{QStringLiteral("priors"), QJsonArray{QJsonObject{{"name", "uniform"}, {"a", 1}, {"b", 1}},
                                                                 QJsonObject{{"name", "narrow"}, {"a", 7}, {"b", 7}}}},
                           {QStringLiteral("rule"), QStringLiteral("all")}}},
        {QStringLiteral("stoppingPoints"), greater ? QJsonArray{40, 80, 160, 240} : QJsonArray{50, 100, 200}},
        {QStringLiteral("thresholds"),
         QJsonObject{{"h1", greater ? 6.0 : 3.0}, {"h0", greater ? 1.0 / 6.0 : 1.0 / 3.0}}},
        {QStringLiteral("minTrials"), greater ? 40 : 50},
        {QStringLiteral("maxTrials"), greater ? 240 : 200},
        {QStringLiteral("blinding"), true},
    };
    const ProtocolRead read = parseProtocol(QJsonDocument(o).toJson());
    if (!read.ok)
        qWarning("%s", qPrintable(read.problems.join(QLatin1Char('\n'))));
    return read.protocol;
}

} // namespace

class SequentialTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theExampleProtocolIsValid();
    void problemsNameTheirField_data();
    void problemsNameTheirField();
    void bayesFactors_data();
    void bayesFactors();
    void exactOperating_data();
    void exactOperating();
    void simulationAgreesWithTheExactFigures_data();
    void simulationAgreesWithTheExactFigures();
    void decisionsOnlyAtStoppingPoints();
};

void SequentialTest::theExampleProtocolIsValid()
{
    const ProtocolRead r = readProtocol(QFINDTESTDATA("../../../examples/study-protocol.json"));
    QVERIFY2(r.ok, qPrintable(r.problems.join(QLatin1Char('\n'))));
    QCOMPARE(r.protocol.priors.size(), 2);
    QCOMPARE(r.protocol.stoppingPoints.size(), 5);
    QVERIFY(r.protocol.blinding);
    QCOMPARE(r.sha256.size(), 64);
}

void SequentialTest::problemsNameTheirField_data()
{
    QTest::addColumn<QString>("field"); // a JSON pointer-ish path changed
    QTest::addColumn<QString>("value"); // the new JSON value, or "-" to remove it
    QTest::addColumn<QString>("problem"); // part of the problem's text
    QTest::newRow("no title") << "title"
                              << "-"
                              << "title:";
    QTest::newRow("hypothesis misspelt") << "hypothesis"
                                         << "\"greatr\""
                                         << "hypothesis:";
    QTest::newRow("a prior without b") << "primary"
                                       << R"({"priors":[{"name":"u","a":1}],"rule":"all"})"
                                       << "a > 0 and b > 0";
    QTest::newRow("two priors of one name")
        << "primary"
        << R"({"priors":[{"name":"u","a":1,"b":1},{"name":"u","a":2,"b":2}],"rule":"all"})"
        << "used twice";
    QTest::newRow("deciding prior unknown")
        << "primary"
        << R"({"priors":[{"name":"u","a":1,"b":1}],"rule":"one","decidingPrior":"x"})"
        << "decidingPrior";
    QTest::newRow("points not increasing") << "stoppingPoints"
                                           << "[37500, 37500, 150000]"
                                           << "each above the one before";
    QTest::newRow("last point not the maximum") << "stoppingPoints"
                                                << "[37500, 62500]"
                                                << "the last point is maxTrials";
    QTest::newRow("a point before the minimum") << "stoppingPoints"
                                                << "[100, 62500, 150000]"
                                                << "before minTrials";
    QTest::newRow("fractional trials") << "maxTrials"
                                       << "150000.5"
                                       << "maxTrials:";
    QTest::newRow("h1 below 1") << "thresholds"
                                << R"({"h1":0.5,"h0":0.04})"
                                << "thresholds.h1";
    QTest::newRow("h0 above 1") << "thresholds"
                                << R"({"h1":25,"h0":2})"
                                << "thresholds.h0";
    QTest::newRow("blinding as text") << "blinding"
                                      << "\"yes\""
                                      << "blinding:";
    QTest::newRow("alpha out of range") << "secondary"
                                        << R"({"binomialAlpha":5})"
                                        << "binomialAlpha";
    QTest::newRow("a misspelt field") << "stoppingPoint"
                                      << "[1]"
                                      << "unknown field \"stoppingPoint\"";
}

void SequentialTest::problemsNameTheirField()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, problem);
    QFile example(QFINDTESTDATA("../../../examples/study-protocol.json"));
    QVERIFY(example.open(QIODevice::ReadOnly));
    QJsonObject o = QJsonDocument::fromJson(example.readAll()).object();
    if (value == QLatin1String("-"))
        o.remove(field);
    else
        o.insert(field, QJsonDocument::fromJson("[" + value.toUtf8() + "]").array().at(0));
    // The problems as vora-data prints them in English.
    const vora::language::Scope inEnglish(QStringLiteral("en"));
    QCOMPARE(vora::language::current(), QStringLiteral("en"));
    const ProtocolRead r = parseProtocol(QJsonDocument(o).toJson());
    QVERIFY(!r.ok);
    QVERIFY2(r.problems.join(QLatin1Char('\n')).contains(problem), qPrintable(r.problems.join(QLatin1Char('\n'))));
}

void SequentialTest::bayesFactors_data()
{
    QTest::addColumn<QString>("hypothesis");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<qint64>("hits");
    QTest::addColumn<qint64>("trials");
    QTest::addColumn<double>("expected");
    const QList<QStringList> rows = referenceRows(QStringLiteral("bf"));
    QVERIFY(rows.size() >= 20);
    for (const QStringList &w : rows)
        QTest::addRow("%s Beta(%s,%s) %s/%s", qPrintable(w[1]), qPrintable(w[2]), qPrintable(w[3]), qPrintable(w[4]),
                      qPrintable(w[5]))
            << w[1] << w[2].toDouble() << w[3].toDouble() << w[4].toLongLong() << w[5].toLongLong() << w[6].toDouble();
}

void SequentialTest::bayesFactors()
{
    QFETCH(QString, hypothesis);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(qint64, hits);
    QFETCH(qint64, trials);
    QFETCH(double, expected);
    const Hypothesis h = hypothesis == QLatin1String("greater") ? Hypothesis::Greater : Hypothesis::TwoSided;
    const double got = log10BayesFactor(h, Prior{QStringLiteral("p"), a, b}, hits, trials);
    QVERIFY2(std::fabs(got - expected) <= 1e-9 * std::max(1.0, std::fabs(expected)),
             qPrintable(QStringLiteral("%1 against %2").arg(got, 0, 'g', 17).arg(expected, 0, 'g', 17)));
}

void SequentialTest::exactOperating_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("rate");
    QTest::addColumn<QList<double>>("expected"); // pH1, pH0, pMax, expected trials
    const QList<QStringList> rows = referenceRows(QStringLiteral("plan"));
    QCOMPARE(rows.size(), 4);
    for (const QStringList &w : rows)
        QTest::addRow("%s at %s", qPrintable(w[0]), qPrintable(w[1]))
            << w[0] << w[1].toDouble()
            << QList<double>{w[2].toDouble(), w[3].toDouble(), w[4].toDouble(), w[5].toDouble()};
}

void SequentialTest::exactOperating()
{
    QFETCH(QString, name);
    QFETCH(double, rate);
    QFETCH(QList<double>, expected);
    const Operating o = vora::study::exactOperating(plan(name), rate);
    const QList<double> got{o.pH1, o.pH0, o.pMax, o.expectedTrials};
    for (int i = 0; i < 4; ++i)
        QVERIFY2(std::fabs(got[i] - expected[i]) <= 1e-9 * std::max(1.0, expected[i]),
                 qPrintable(QStringLiteral("figure %1: %2 against %3")
                                .arg(i)
                                .arg(got[i], 0, 'g', 17)
                                .arg(expected[i], 0, 'g', 17)));
    QVERIFY(std::fabs(o.pH1 + o.pH0 + o.pMax - 1.0) < 1e-12);
}

void SequentialTest::simulationAgreesWithTheExactFigures_data()
{
    exactOperating_data();
}

void SequentialTest::simulationAgreesWithTheExactFigures()
{
    QFETCH(QString, name);
    QFETCH(double, rate);
    QFETCH(QList<double>, expected);
    const Operating o = simulate(plan(name), rate, 20000, 20261209);
    QCOMPARE(o.sims, 20000);
    const QList<double> got{o.pH1, o.pH0, o.pMax, o.expectedTrials};
    const QList<double> se{o.seH1, o.seH0, o.seMax, o.seTrials};
    for (int i = 0; i < 4; ++i)
        QVERIFY2(
            std::fabs(got[i] - expected[i]) <= 4.5 * se[i] + 1e-12,
            qPrintable(QStringLiteral("figure %1: %2 ± %3 against %4").arg(i).arg(got[i]).arg(se[i]).arg(expected[i])));
    // The same seed, the same study.
    const Operating again = simulate(plan(name), rate, 20000, 20261209);
    QCOMPARE(again.pH1, o.pH1);
    QCOMPARE(again.expectedTrials, o.expectedTrials);
}

void SequentialTest::decisionsOnlyAtStoppingPoints()
{
    const Protocol p = plan(QStringLiteral("two-sided-all"));
    // 90 hits in 100 trials is overwhelming, but 120 trials is no stopping point.
    QCOMPARE(analyse(p, 108, 120).decision, Decision::Continue);
    QCOMPARE(analyse(p, 90, 100).decision, Decision::StopH1);
    QCOMPARE(analyse(p, 100, 200).decision, Decision::StopH0);
    QCOMPARE(analyse(p, 110, 200).decision, Decision::StopMax);
    QCOMPARE(decisionName(Decision::StopH1), QStringLiteral("stop-h1"));
}

QTEST_GUILESS_MAIN(SequentialTest)
#include "tst_sequential.moc"
