#include "core/report/StudySection.h"

#include "core/registry/RecordFormat.h"
#include "core/report/Meta.h"
#include "core/report/PageFormat.h"
#include "core/report/StudySvg.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <cmath>

namespace vora::report::page {

namespace {

// The texts of the report, under the translation context "ReportHtml".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ReportHtml)
};

QString signedPercent(double share)
{
    return (share >= 0 ? QStringLiteral("+") : QString()) + QString::number(100.0 * share, 'f', 2)
           + QStringLiteral(" %");
}

QString hText(double h)
{
    return QString::number(h, 'f', 4);
}

QString hInterval(double h, double se)
{
    constexpr double kZ975 = 1.959963984540054;
    return QStringLiteral("%1 [%2, %3]").arg(hText(h), hText(h - kZ975 * se), hText(h + kZ975 * se));
}

QString cohenReading(double h)
{
    const double a = std::fabs(h);
    if (a < 0.2)
        return Texts::tr("Cohen の目安で「小」（0.2）に届かない、ごく小さな効果です。");
    if (a < 0.5)
        return Texts::tr("Cohen の目安で「小」の効果です（0.2 以上 0.5 未満）。");
    if (a < 0.8)
        return Texts::tr("Cohen の目安で「中」の効果です（0.5 以上 0.8 未満）。");
    return Texts::tr("Cohen の目安で「大」の効果です（0.8 以上）。");
}

QString i2Reading(const std::optional<double> &i2)
{
    if (!i2)
        return QString();
    if (*i2 < 0.25)
        return Texts::tr("ばらつきのうち偶然を超える部分は小さい（25 % 未満）。");
    if (*i2 < 0.75)
        return Texts::tr("ばらつきの一部は偶然を超えています（25～75 %、中程度）。");
    return Texts::tr("ばらつきの大部分が偶然を超えています（75 % 以上、大きい）。");
}

QString i2Text(const stats::Heterogeneity &h)
{
    if (!h.i2)
        return QStringLiteral("—");
    QString t = QString::number(100.0 * *h.i2, 'f', 1) + QStringLiteral(" %");
    if (h.i2ci95)
        t += QStringLiteral(" [%1, %2]")
                 .arg(QString::number(100.0 * h.i2ci95->lo, 'f', 1), QString::number(100.0 * h.i2ci95->hi, 'f', 1));
    return t;
}

struct Group {
    QString label;
    QString site;
    int experiments = 0;
    int runs = 0;
    Tally tally;
    int index = -1; // the experiment's page, -1 without one
};

void groupTable(HtmlWriter &out, const QVector<Group> &groups, bool withSite)
{
    out.start("table", {{"class", QStringLiteral("groups")}});
    out.start("tr");
    out.leaf("th", withSite ? Texts::tr("実験") : Texts::tr("サイト"));
    if (withSite)
        out.leaf("th", Texts::tr("サイト"));
    else
        out.leaf("th", Texts::tr("実験"));
    out.leaf("th", Texts::tr("ラン"));
    out.leaf("th", Texts::tr("試行"));
    out.leaf("th", Texts::tr("一致"));
    out.leaf("th", Texts::tr("的中率"));
    out.leaf("th", Texts::tr("95 % 信頼区間"));
    out.leaf("th", QStringLiteral("z"));
    out.leaf("th", QStringLiteral("p"));
    out.leaf("th", QStringLiteral("Cohen's h"));
    out.end();
    const QString num = QStringLiteral("num");
    for (const Group &g : groups) {
        const bool any = g.tally.trials > 0;
        out.start("tr");
        out.start("td");
        if (g.index >= 0)
            out.leaf("a", g.label, {{"href", QStringLiteral("#e%1").arg(g.index + 1)}});
        else
            out.text(g.label);
        out.end();
        out.leaf("td", withSite ? g.site : QString::number(g.experiments), {{"class", withSite ? QString() : num}});
        out.leaf("td", QString::number(g.runs), {{"class", num}});
        out.leaf("td", QString::number(g.tally.trials), {{"class", num}});
        out.leaf("td", QString::number(g.tally.hits), {{"class", num}});
        out.leaf("td", any ? percent(g.tally.hitRate()) : QStringLiteral("—"), {{"class", num}});
        out.leaf("td",
                 any ? interval(stats::clopperPearson(g.tally.hits, g.tally.trials, 0.95), true) : QStringLiteral("—"),
                 {{"class", num}});
        out.leaf("td", formatZ(g.tally.z()), {{"class", num}});
        out.leaf("td", any ? formatP(g.tally.p()) : QStringLiteral("—"), {{"class", num}});
        out.leaf("td", any ? hText(stats::cohensH(g.tally.hitRate())) : QStringLiteral("—"), {{"class", num}});
        out.end();
    }
    out.end();
}

QVector<stats::Count> countsOf(const QVector<Group> &groups)
{
    QVector<stats::Count> out;
    for (const Group &g : groups)
        out.append({g.tally.hits, g.tally.trials});
    return out;
}

QVector<ForestRow> forestRows(const QVector<Group> &groups, bool withSite)
{
    QVector<ForestRow> out;
    for (const Group &g : groups)
        out.append({withSite ? g.site + QLatin1Char('/') + g.label : g.label, g.tally.hits, g.tally.trials});
    return out;
}

} // namespace

void studySection(HtmlWriter &out, const StudyData &study, const PooledFigures &f, bool pages, Lang lang)
{
    // Per experiment and per site, in the order pooled.
    QVector<Group> experiments;
    QVector<Group> sites;
    QHash<QString, int> siteIndex;
    for (qsizetype i = 0; i < study.experiments.size(); ++i) {
        const StudyExperiment &e = study.experiments.at(i);
        Group g;
        QString name = e.tally.file.section(QLatin1Char('/'), -1);
        if (name.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
            name.chop(4);
        g.label = name;
        g.site = e.site;
        g.experiments = 1;
        g.runs = e.tally.runs;
        g.tally = {qint64(e.tally.runs) * kTrialsPerRun, e.tally.hits};
        g.index = pages ? int(i) : -1;
        experiments.append(g);
        if (!siteIndex.contains(e.site)) {
            siteIndex.insert(e.site, int(sites.size()));
            Group s;
            s.label = s.site = e.site;
            sites.append(s);
        }
        Group &s = sites[siteIndex.value(e.site)];
        ++s.experiments;
        s.runs += g.runs;
        s.tally.trials += g.tally.trials;
        s.tally.hits += g.tally.hits;
    }
    std::sort(sites.begin(), sites.end(), [](const Group &a, const Group &b) { return a.site < b.site; });
    const stats::Heterogeneity byExperiment = stats::heterogeneity(countsOf(experiments));
    const stats::Heterogeneity bySite = stats::heterogeneity(countsOf(sites));
    const bool any = f.tally.trials > 0;

    out.start("section", {{"class", QStringLiteral("study")}});
    out.leaf("h2", Texts::tr("研究全体：効果量・サイト・異質性"));

    out.leaf("h3", Texts::tr("効果量"));
    QVector<Row> effects;
    effects.append({Texts::tr("的中率 − 0.5（全試行）"),
                    any ? signedPercent(f.tally.hitRate() - 0.5) + QStringLiteral(" [") + signedPercent(f.ci95.lo - 0.5)
                              + QStringLiteral(", ") + signedPercent(f.ci95.hi - 0.5) + QLatin1Char(']')
                        : QStringLiteral("—"),
                    Texts::tr("偶然（50 %）からの的中率のずれと、その 95 % 信頼区間（Clopper–Pearson）です。")});
    effects.append(
        {Texts::tr("Cohen の h（固定効果、95 % 区間）"),
         any ? hInterval(byExperiment.fixedH, byExperiment.fixedSe) : QStringLiteral("—"),
         any ? Texts::tr("h = 2 arcsin√的中率 − 2 arcsin√0.5。") + cohenReading(byExperiment.fixedH) : QString()});
    effects.append({Texts::tr("Cohen の h（変量効果、実験間、95 % 区間）"),
                    byExperiment.k > 0 ? hInterval(byExperiment.randomH, byExperiment.randomSe) : QStringLiteral("—"),
                    byExperiment.k > 0
                        ? Texts::tr("実験ごとの真の効果が τ² だけばらつくとみた推定です。的中率にすると %1。")
                              .arg(percent(stats::rateOfCohensH(byExperiment.randomH)))
                        : QString()});
    figuresTable(out, effects);

    out.leaf("h3", Texts::tr("異質性（的中率が実験・サイトによって偶然以上に違うか）"));
    out.start("table", {{"class", QStringLiteral("figures")}});
    out.start("tr");
    out.leaf("th", Texts::tr("項目"));
    out.leaf("th", Texts::tr("実験の間"));
    out.leaf("th", Texts::tr("サイトの間"));
    out.leaf("th", Texts::tr("読み方"));
    out.end();
    auto hetRow = [&](const QString &label, const QString &a, const QString &b, const QString &reading, bool warn) {
        out.start("tr");
        out.leaf("td", label);
        out.leaf("td", a, {{"class", QStringLiteral("num")}});
        out.leaf("td", b, {{"class", QStringLiteral("num")}});
        if (warn)
            out.leaf("td", reading, {{"class", QStringLiteral("warn")}});
        else
            out.leaf("td", reading);
        out.end();
    };
    const bool two = byExperiment.k >= 2 || bySite.k >= 2;
    auto qText = [](const stats::Heterogeneity &h) {
        return h.k >= 2 ? QStringLiteral("%1 (df %2)").arg(QString::number(h.q, 'f', 2)).arg(h.df)
                        : QStringLiteral("—");
    };
    hetRow(Texts::tr("数（試行のあるもの）"), QString::number(byExperiment.k), QString::number(bySite.k),
           Texts::tr("比べるには 2 つ以上が要ります。"), false);
    hetRow(Texts::tr("Cochran の Q"), qText(byExperiment), qText(bySite),
           Texts::tr("Cohen の h を試行数で重みづけた、全体の推定からのずれの二乗和です。"), false);
    const bool qWarn = (byExperiment.k >= 2 && byExperiment.qP < 0.05) || (bySite.k >= 2 && bySite.qP < 0.05);
    hetRow(Texts::tr("Q の p（カイ二乗）"), byExperiment.k >= 2 ? formatP(byExperiment.qP) : QStringLiteral("—"),
           bySite.k >= 2 ? formatP(bySite.qP) : QStringLiteral("—"),
           !two ? QString()
           : qWarn ? Texts::tr("p < 0.05 の列では、的中率の違いは偶然だけでは説明しにくい大きさです。")
                   : Texts::tr("的中率の違いは偶然の範囲内です。"),
           qWarn);
    hetRow(Texts::tr("I²（95 % 区間、Higgins–Thompson）"), i2Text(byExperiment), i2Text(bySite),
           i2Reading(byExperiment.k >= 2 ? byExperiment.i2 : bySite.i2), false);
    hetRow(Texts::tr("τ²（DerSimonian–Laird）"),
           byExperiment.k >= 2 ? QString::number(byExperiment.tau2, 'g', 4) : QStringLiteral("—"),
           bySite.k >= 2 ? QString::number(bySite.tau2, 'g', 4) : QStringLiteral("—"),
           Texts::tr("真の効果（Cohen の h）の実験間・サイト間の分散の推定です。0 ならばらつきは偶然で説明できます。"),
           false);
    hetRow(Texts::tr("変量効果の h（95 % 区間）"),
           byExperiment.k > 0 ? hInterval(byExperiment.randomH, byExperiment.randomSe) : QStringLiteral("—"),
           bySite.k > 0 ? hInterval(bySite.randomH, bySite.randomSe) : QStringLiteral("—"),
           Texts::tr("各実験（サイト）を 1/(1/n + τ²) で重みづけた推定です。"), false);
    out.end();

    const QString pooledLabel = Texts::tr("全体");
    out.leaf("h3", Texts::tr("サイトごとの的中率（フォレストプロット）"));
    out.start("figure", {{"class", QStringLiteral("forest")}});
    forestSvg(out, forestRows(sites, false), QStringLiteral("forest-sites"), pooledLabel, lang);
    out.end();
    out.leaf("h3", Texts::tr("実験ごとの的中率（フォレストプロット）"));
    out.start("figure", {{"class", QStringLiteral("forest")}});
    forestSvg(out, forestRows(experiments, sites.size() > 1), QStringLiteral("forest-experiments"), pooledLabel, lang);
    out.end();

    out.leaf("h3", Texts::tr("証拠の積み重なり（日ごと）"));
    out.start("div", {{"class", QStringLiteral("charts")}});
    out.start("figure");
    out.leaf("figcaption", Texts::tr("log10 BF10（一様事前分布）"));
    evidenceSvg(out, study.days, Evidence::Log10Bf, lang);
    out.end();
    out.start("figure");
    out.leaf("figcaption", QStringLiteral("z"));
    evidenceSvg(out, study.days, Evidence::Z, lang);
    out.end();
    out.end();
    qint64 undated = 0;
    for (const DayCount &d : study.days)
        if (!d.date.isValid())
            undated += d.runs;
    if (undated > 0)
        out.leaf("p", Texts::tr("日付として読めないラン %1 件は、この図に含みません。").arg(undated),
                 {{"class", QStringLiteral("meta")}});

    out.leaf("h3", Texts::tr("サイトごと"));
    groupTable(out, sites, false);
    out.leaf("h3", Texts::tr("実験ごと"));
    groupTable(out, experiments, true);
    out.end();
}

} // namespace vora::report::page
