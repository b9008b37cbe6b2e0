#include "core/report/ReportHtml.h"

#include "core/report/ChartParts.h"
#include "core/report/ExperimentPage.h"
#include "core/report/HtmlWriter.h"
#include "core/report/PlanSection.h"
#include "core/report/PooledSection.h"
#include "core/report/StudySection.h"
#include "core/toolkit/Language.h"

#include <QCoreApplication>

// The page's frame: its head with the style sheet, the heading, then the sections in order.
// Each section is a file of its own beside this one.
namespace vora::report {

namespace {

const char *const kStyle = R"css(
@page { size: A4; margin: 10mm; }
* { box-sizing: border-box; }
body { font-family: "IPAGothic", "IPAPGothic", "Noto Sans CJK JP", "Hiragino Sans", "Yu Gothic", "Meiryo", sans-serif;
  font-size: 9pt; line-height: 1.45; color: #111; background: #fff; margin: 0 auto; max-width: 190mm; }
@media screen { body { margin: 6mm auto; } }
h1 { font-size: 15pt; margin: 0 0 1mm; color: #000080; }
h2 { font-size: 12pt; margin: 5mm 0 2mm; padding: 0.8mm 2mm; background: #e0e8ff; color: #000080; }
h3 { font-size: 10pt; margin: 3mm 0 1mm; }
p { margin: 0.8mm 0; }
table { border-collapse: collapse; width: 100%; margin: 1mm 0 2mm; }
th, td { border: 0.2mm solid #a0a0a0; padding: 0.6mm 1.5mm; vertical-align: top; text-align: left; }
th { background: #f0f0f0; font-weight: bold; }
td.num { text-align: right; white-space: nowrap; font-variant-numeric: tabular-nums; }
.meta { color: #444; }
.texts { border: 0.2mm solid #c0c0c0; padding: 1mm 2mm; margin: 1mm 0 2mm; background: #fafafa; }
.charts { display: flex; flex-wrap: wrap; gap: 2mm; }
figure { margin: 0; break-inside: avoid; }
figcaption { font-size: 8pt; font-weight: bold; color: #000080; background: #e0e8ff; padding: 0.3mm 1.5mm; }
svg { display: block; }
svg.defs { position: absolute; }
svg text { white-space: pre; font-family: inherit; }
.warn { color: #a00000; font-weight: bold; }
.ok { color: #205020; }
.experiment { break-before: page; }
.memo { white-space: normal; }
.forest { margin: 1mm 0 3mm; }
)css";

// The texts of the report, under the translation context "ReportHtml".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ReportHtml)
};

} // namespace

QByteArray studyReportBytes(const StudyData &study, const QVector<Experiment> &experiments, const ReportOptions &o)
{
    const Lang lang = o.lang;
    const language::Scope speaking(languageCode(lang));
    QVector<ExperimentTally> tallies;
    tallies.reserve(study.experiments.size());
    for (const StudyExperiment &e : study.experiments)
        tallies.append(e.tally);
    const PooledFigures f = pooledFromTallies(tallies);

    // The experiments' pages are made first, so that their shared chart parts are known.
    const bool pages = o.experimentPages && experiments.size() == study.experiments.size();
    page::ChartParts charts;
    QVector<page::ExperimentPage> prepared;
    if (pages) {
        for (const Experiment &e : experiments)
            prepared.append(page::prepareExperiment(e, o, charts));
        charts.share();
    }

    QByteArray bytes;
    bytes.reserve(60000 + (pages ? 30000 : 600) * study.experiments.size());
    HtmlWriter out(&bytes);
    out.xml().writeDTD(QStringLiteral("<!DOCTYPE html>"));
    out.xml().writeCharacters(QStringLiteral("\n"));
    out.start("html", {{"lang", language::current()}});
    out.start("head");
    out.empty("meta", {{"charset", QStringLiteral("utf-8")}});
    out.empty("meta", {{"name", QStringLiteral("viewport")},
                       {"content", QStringLiteral("width=device-width, initial-scale=1")}});
    const QString title = Texts::tr("VORA 実験レポート");
    out.leaf("title", title);
    out.leaf("style", QString::fromUtf8(kStyle));
    out.end();
    out.start("body");
    charts.writeDefs(out);
    out.leaf("h1", title);
    out.leaf("p",
             Texts::tr("作成 %1 ・ 実験 %2 件 ・ ラン %3 ・ 試行 %4")
                 .arg(o.generated, QString::number(f.files), QString::number(f.runs), QString::number(f.tally.trials)),
             {{"class", QStringLiteral("meta")}});

    if (o.planAudit)
        page::planSection(out, *o.planAudit);

    page::pooledSection(out, f, lang);

    // Sites side by side, heterogeneity and forest plots compare experiments: one alone (the
    // program's report of the experiment shown) has nothing to compare.
    if (study.experiments.size() > 1)
        page::studySection(out, study, f, pages, lang);

    for (int i = 0; i < prepared.size(); ++i)
        page::experimentSection(out, prepared.at(i), i, charts);
    out.end(); // body
    out.end(); // html
    bytes += '\n';
    return bytes;
}

QByteArray reportBytes(const QVector<Experiment> &experiments, const ReportOptions &options)
{
    QVector<ExperimentTally> tallies;
    for (const Experiment &e : experiments)
        tallies.append(tallyOf(e));
    return studyReportBytes(studyFromExperiments(experiments, tallies), experiments, options);
}

QString reportHtml(const QVector<Experiment> &experiments, const ReportOptions &options)
{
    return QString::fromUtf8(reportBytes(experiments, options));
}

} // namespace vora::report
