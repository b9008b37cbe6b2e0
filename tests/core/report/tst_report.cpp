// The pooled analysis on runs whose counts are known by construction, the HTML page as a
// browser would load it, and the two vora-data commands as researchers run them.
#include "StoredRuns.h"

#include "core/registry/DataFile.h"
#include "core/report/Pooled.h"
#include "core/report/ReportHtml.h"
#include "core/toolkit/Cp932.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using namespace vora;
using namespace vora::report;
using namespace vora::testing;

namespace {

// Trials 1-60 hits, 61-100 misses: after a hit 60 trials (59 hits), after a miss 39 (no hit).
QString blockRun(const QString &memo = QString())
{
    QVector<bool> m(100, false);
    for (int i = 0; i < 60; ++i)
        m[i] = true;
    return runLineFromMatches(m, 34, QStringLiteral("2009/04/25"), QStringLiteral("14:30"), memo);
}

// Odd trials hit: after a hit 50 trials (no hit), after a miss 49 (all hits).
QString alternatingRun()
{
    QVector<bool> m(100, false);
    for (int i = 0; i < 100; i += 2)
        m[i] = true;
    return runLineFromMatches(m, 40, QStringLiteral("2009/05/02"), QStringLiteral(" 9:05"));
}

struct ToolResult {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

ToolResult runTool(const QStringList &args)
{
    ToolResult r;
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    p.setProcessEnvironment(env);
    p.start(qEnvironmentVariable("VORA_DATA_TOOL"), args);
    p.waitForFinished(120000);
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

bool writeCp932(const QString &path, const QStringList &lines)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly)
           && f.write(cp932::encode(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).bytes) > 0;
}

QStringList chartKinds(const QString &html)
{
    QStringList kinds;
    QRegularExpressionMatchIterator it =
        QRegularExpression(QStringLiteral("<svg[^>]* data-chart=\"(\\w+)\"")).globalMatch(html);
    while (it.hasNext())
        kinds << it.next().captured(1);
    return kinds;
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pooledCountsFromKnownRuns()
    {
        const Experiment a = experimentFromLines(QStringLiteral("data/Test-1.txt"), {blockRun(), alternatingRun()});
        const Experiment empty =
            experimentFromLines(QStringLiteral("data/None-0.txt"), {conditionMemoPrefix() + QStringLiteral("memo")});
        QCOMPARE(a.name, QStringLiteral("Test"));
        QVERIFY(a.withStimulus);
        QCOMPARE(empty.name, QStringLiteral("None"));
        QVERIFY(!empty.withStimulus);

        const PooledFigures f = pooledFigures({a, empty});
        QCOMPARE(f.files, 2);
        QCOMPARE(f.runs, 2);
        QCOMPARE(f.tally.trials, qint64(200));
        QCOMPARE(f.tally.hits, qint64(110));
        QCOMPARE(f.experiments.at(0).tally.hits, qint64(110));
        QVERIFY(!f.experiments.at(1).tally.z());
        QCOMPARE(f.experiments.at(1).tally.p(), 1.0);
        // z = (110 - 100) / sqrt(50); only the file with trials counts in Stouffer's sum.
        QVERIFY(std::fabs(*f.tally.z() - 10.0 / std::sqrt(50.0)) < 1e-12);
        QVERIFY(std::fabs(*f.stoufferZ - 10.0 / std::sqrt(50.0)) < 1e-12);
        QCOMPARE(f.afterHit.trials, qint64(110));
        QCOMPARE(f.afterHit.hits, qint64(59));
        QCOMPARE(f.afterMiss.trials, qint64(88));
        QCOMPARE(f.afterMiss.hits, qint64(49));
        // 59/110 after a hit against 49/88 after a miss: no dependency over both runs ...
        QVERIFY(f.dependencyP > 0.1);
        QCOMPARE(*f.posteriorMode, 0.55);
        // The test runs' targets alternate 1/0: balanced, but far too many runs for chance.
        QCOMPARE(f.targets.n, qint64(200));
        QCOMPARE(f.targets.ones, qint64(100));
        QCOMPARE(f.targets.runs, qint64(200));
        QCOMPARE(f.monobitP, 1.0);
        QVERIFY(f.runsP < 1e-10);
        QCOMPARE(*f.targetOnesShare(), 0.5);

        // Where the second run misses, the answer is the other digit: always "1".
        QCOMPARE(*f.inputOnesShare(), 0.75);

        const QStringList warnings = auditWarnings(f, Lang::Ja);
        QCOMPARE(warnings.size(), 2);
        QVERIFY(warnings.at(0).startsWith(QStringLiteral("回答の偏り")));
        QVERIFY(warnings.at(1).startsWith(QStringLiteral("ターゲットの乱数性")));
        // ... but 59/60 against 0/39 in the first run alone.
        const PooledFigures block = pooledFigures({experimentFromLines(QStringLiteral("B-1.txt"), {blockRun()})});
        QVERIFY(block.dependencyP < 1e-20);
        QVERIFY(auditWarnings(block, Lang::Ja).at(0).startsWith(QStringLiteral("試行間の依存")));

        const PooledFigures none = pooledFigures({empty});
        QVERIFY(!none.tally.z() && !none.stoufferZ && !none.posteriorMode && !none.hdi90);
        QCOMPARE(none.log10BfUniform, 0.0);
        QCOMPARE(none.tally.p(), 1.0);
        QVERIFY(auditWarnings(none, Lang::En).isEmpty());
    }

    void readings_data()
    {
        QTest::addColumn<double>("p");
        QTest::addColumn<double>("z");
        QTest::addColumn<QString>("reading");
        QTest::newRow("chance") << 0.5 << 0.7 << QStringLiteral("偶然の範囲内です。");
        QTest::newRow("5 %") << 0.03 << 2.2 << QStringLiteral("5 % 水準では有意ですが、1 % 水準には届きません。");
        QTest::newRow("many") << 0.009 << 2.7
                              << QStringLiteral("偶然では説明しにくいほど多い一致です（1 % 水準で有意）。");
        QTest::newRow("few") << 0.009 << -2.7
                             << QStringLiteral(
                                    "偶然では説明しにくいほど少ない一致です（1 % 水準で有意、サイミッシングの方向）。");
    }
    void readings()
    {
        QFETCH(double, p);
        QFETCH(double, z);
        QFETCH(QString, reading);
        QCOMPARE(pReading(p, z, Lang::Ja), reading);
    }

    void bayesCategories()
    {
        // Jeffreys' bands on log10 BF10, at and around their edges.
        const QVector<QPair<double, QString>> cases = {{2.0, QStringLiteral("決定的に支持")},
                                                       {1.99, QStringLiteral("H1）を強く")},
                                                       {0.48, QStringLiteral("ある程度支持します（BF10 > 3）")},
                                                       {0.47, QStringLiteral("どちらとも")},
                                                       {-0.47, QStringLiteral("どちらとも")},
                                                       {-0.48, QStringLiteral("BF10 < 1/3")},
                                                       {-1.5, QStringLiteral("BF10 < 1/10")},
                                                       {-2.0, QStringLiteral("BF10 < 1/100")}};
        for (const auto &[bf, words] : cases)
            QVERIFY2(bayesReading(bf, Lang::Ja).contains(words), qPrintable(QString::number(bf)));
    }

    void pageIsSelfContainedAndComplete()
    {
        const QString hostile = QStringLiteral("<script>alert(1)</script><img src=x onerror=y>");
        const Experiment withStimulus = experimentFromLines(
            QStringLiteral("Test-1.txt"), {conditionMemoPrefix() + memoToFileForm(QStringLiteral("部屋\r\n") + hostile),
                                           blockRun(QStringLiteral("眠い<BR>") + hostile), alternatingRun()});
        const Experiment without = experimentFromLines(QStringLiteral("Quiet-0.txt"), {});
        for (const Lang lang : {Lang::Ja, Lang::En}) {
            ReportOptions o;
            o.lang = lang;
            o.generated = QStringLiteral("2009/05/02 10:00");
            const QString html = reportHtml({withStimulus, without}, o);
            // Nothing that runs or loads: no script, no resource, links only within the page.
            QVERIFY(!html.contains(QStringLiteral("<script"), Qt::CaseInsensitive));
            QVERIFY(!html.contains(QStringLiteral("<img"), Qt::CaseInsensitive));
            QVERIFY(!html.contains(
                QRegularExpression(QStringLiteral("<[^>]*\\ssrc\\s*="), QRegularExpression::CaseInsensitiveOption)));
            QVERIFY(!html.contains(QStringLiteral("url("), Qt::CaseInsensitive));
            QVERIFY(!html.contains(QStringLiteral("@import"), Qt::CaseInsensitive));
            QRegularExpressionMatchIterator links =
                QRegularExpression(QStringLiteral("href=\"([^\"]*)\"")).globalMatch(html);
            while (links.hasNext())
                QVERIFY(links.next().captured(1).startsWith(QLatin1Char('#')));
            QVERIFY(html.contains(QStringLiteral("&lt;script&gt;alert(1)&lt;/script&gt;")));
            QVERIFY(html.contains(QStringLiteral("眠い<br/>&lt;script&gt;")));

            // The five charts of the results view (the around-stimulus one only with a stimulus),
            // then the histogram and the cumulative deviation; an experiment without runs has none.
            QCOMPARE(chartKinds(html), (QStringList{"segment", "deviation", "stimulus", "overview", "trials",
                                                    "histogram", "cumulative"}));
            QVERIFY(html.contains(QStringLiteral("lang=\"%1\"").arg(lang == Lang::Ja ? "ja" : "en")));
            QVERIFY(html.contains(lang == Lang::Ja ? QStringLiteral("全実験をまとめた評価")
                                                   : QStringLiteral("Pooled over all experiments")));
            // The results view's own texts, in the report's language.
            QVERIFY(html.contains(lang == Lang::Ja ? QStringLiteral("◆全ラン平均一致数=55.0、ラン数=2")
                                                   : QStringLiteral("◆Mean hits of all runs=55.0, runs=2")));
            QVERIFY(html.contains(QStringLiteral("ターゲットの乱数性")) == (lang == Lang::Ja));
            if (lang == Lang::En) {
                // No Japanese but the user's own: the memos.
                QString shown = html;
                shown.remove(QStringLiteral("部屋")).remove(QStringLiteral("眠い"));
                const QRegularExpressionMatch japanese =
                    QRegularExpression(QStringLiteral("[\\x{3000}-\\x{30ff}\\x{4e00}-\\x{9fff}\\x{ff00}-\\x{ffef}]+"))
                        .match(shown);
                QVERIFY2(
                    !japanese.hasMatch(),
                    qPrintable(japanese.captured(0) + QStringLiteral(" in: ")
                               + shown.mid(std::max<qsizetype>(0, japanese.capturedStart() - 80), 160).simplified()));
            }
        }
        ReportOptions o;
        const QString plain = reportHtml({experimentFromLines(QStringLiteral("Quiet-0.txt"), {alternatingRun()})}, o);
        QCOMPARE(chartKinds(plain),
                 (QStringList{"segment", "deviation", "overview", "trials", "histogram", "cumulative"}));
        // Segments of 20 and 0 hits lie beyond the single-run chart's frame: marked on its edge.
        QVERIFY(!plain.contains(QStringLiteral("data-marker=\"edge\"")));
        const QString offScale = reportHtml({experimentFromLines(QStringLiteral("Block-0.txt"), {blockRun()})}, o);
        QCOMPARE(offScale.count(QStringLiteral("data-marker=\"edge\"")), 1);
        QCOMPARE(offScale.count(QRegularExpression(QStringLiteral("data-marker=\"edge\" d=\"(M[^Z]*Z){5}\""))), 1);
    }

    void commandLine()
    {
        QTemporaryDir dir;
        const QString a = dir.filePath(QStringLiteral("Test-1.txt"));
        const QString b = dir.filePath(QStringLiteral("Other-1.txt"));
        const QString bad = dir.filePath(QStringLiteral("Bad-1.txt"));
        QString broken = blockRun();
        broken[60] = broken[60] == QLatin1Char('1') ? QLatin1Char('0') : QLatin1Char('1');
        QVERIFY(writeCp932(a, {blockRun(QStringLiteral("メモ")), alternatingRun()}));
        QVERIFY(writeCp932(b, {runLineWithHits(63)}));
        QVERIFY(writeCp932(bad, {blockRun(), broken}));

        const ToolResult pooled = runTool({QStringLiteral("summary"), QStringLiteral("--pooled"), a, b});
        QCOMPARE(pooled.exitCode, 0);
        const QJsonObject root = QJsonDocument::fromJson(pooled.out).object();
        const QJsonObject p = root.value(QStringLiteral("pooled")).toObject();
        QCOMPARE(p.keys(), (QStringList{"ci95", "dependency", "files", "hitRate", "hits", "log10Bf10", "p", "pLog10",
                                        "posterior", "responseBias", "runs", "stoufferP", "stoufferPLog10", "stoufferZ",
                                        "targets", "trials", "z"}));
        const PooledFigures f =
            pooledFigures({experimentFromLines(a, {blockRun(QStringLiteral("メモ")), alternatingRun()}),
                           experimentFromLines(b, {runLineWithHits(63)})});
        QCOMPARE(p.value(QStringLiteral("hits")).toInteger(), 173);
        QCOMPARE(p.value(QStringLiteral("stoufferZ")).toDouble(), *f.stoufferZ);
        QCOMPARE(p.value(QStringLiteral("ci95")).toArray().at(1).toDouble(), f.ci95.hi);
        QCOMPARE(p.value(QStringLiteral("log10Bf10")).toObject().value(QStringLiteral("replication")).toDouble(),
                 f.log10BfReplication);
        QCOMPARE(
            p.value(QStringLiteral("posterior")).toObject().value(QStringLiteral("hdi90")).toArray().at(0).toDouble(),
            f.hdi90->lo);
        QCOMPARE(p.value(QStringLiteral("dependency")).toObject().value(QStringLiteral("p")).toDouble(), f.dependencyP);
        QCOMPARE(p.value(QStringLiteral("targets")).toObject().value(QStringLiteral("runsP")).toDouble(), f.runsP);
        const QJsonArray perFile = root.value(QStringLiteral("experiments")).toArray();
        QCOMPARE(perFile.size(), 2);
        QCOMPARE(perFile.at(1).toObject().value(QStringLiteral("hits")).toInt(), 63);
        QCOMPARE(perFile.at(1).toObject().keys(),
                 (QStringList{"file", "hitRate", "hits", "p", "pLog10", "runs", "trials", "z"}));

        // A damaged file is refused, as summary refuses it; nothing is written.
        const ToolResult refused = runTool({QStringLiteral("summary"), QStringLiteral("--pooled"), a, bad});
        QCOMPARE(refused.exitCode, 1);
        QVERIFY(refused.out.isEmpty());
        QVERIFY(refused.err.contains(QStringLiteral("Bad-1.txt:2:")));
        const QString out = dir.filePath(QStringLiteral("report.html"));
        QCOMPARE(runTool({QStringLiteral("report"), a, bad, QStringLiteral("-o"), out}).exitCode, 1);
        QVERIFY(!QFile::exists(out));

        // The page is UTF-8 whatever the locale.
        QCOMPARE(runTool({QStringLiteral("report"), a, b, QStringLiteral("-o"), out, QStringLiteral("--lang"),
                          QStringLiteral("en"), QStringLiteral("--experiments")})
                     .exitCode,
                 0);
        QFile page(out);
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QByteArray bytes = page.readAll();
        QVERIFY(bytes.startsWith("<!DOCTYPE html>"));
        QVERIFY(bytes.contains("◆Mean hits of all runs"));
        QVERIFY(bytes.contains("Pooled over all experiments"));
        QCOMPARE(runTool({QStringLiteral("report"), a, QStringLiteral("--lang"), QStringLiteral("fr")}).exitCode, 2);
    }
};

QTEST_GUILESS_MAIN(TestReport)
#include "tst_report.moc"
