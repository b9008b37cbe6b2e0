#include "core/report/PooledSection.h"

#include "core/report/PageFormat.h"
#include "core/report/ReportHtml.h"
#include "core/report/Svg.h"
#include "core/results/Evaluation.h"
#include "core/toolkit/Language.h"

#include <QCoreApplication>

#include <cmath>

namespace vora::report {

namespace {

// The texts of the report, under the translation context "ReportHtml".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ReportHtml)
};

using page::formatP;
using page::formatZ;
using page::interval;
using page::percent;
using page::Row;

QString ciReading(const stats::Interval &ci)
{
    if (ci.lo <= 0.5 && 0.5 <= ci.hi)
        return Texts::tr("真の的中率は 95 % の確かさでこの範囲にあります。50 % を含むので、偶然と区別できません。");
    return ci.lo > 0.5
               ? Texts::tr("真の的中率は 95 % の確かさでこの範囲にあり、50 % より上です。")
               : Texts::tr("真の的中率は 95 % の確かさでこの範囲にあり、50 % より下です（サイミッシングの方向）。");
}

QString hdiReading(const stats::Interval &i)
{
    const bool chance = i.lo <= 0.5 && 0.5 <= i.hi;
    return chance ? Texts::tr("データを見た後、的中率は 90 % の確率でこの範囲にあります。50 % も範囲内です。")
                  : Texts::tr("データを見た後、的中率は 90 % の確率でこの範囲にあります。50 % は範囲外です。");
}

// `ok` and `bad` are source texts of this file's context.
QString auditReading(double p, const char *ok, const char *bad)
{
    return Texts::tr(p < kAuditLevel ? bad : ok);
}

QVector<Row> pooledRows(const PooledFigures &f, Lang lang)
{
    QVector<Row> rows;
    const Tally &t = f.tally;
    const bool any = t.trials > 0;
    rows.append({Texts::tr("実験（ファイル）数"), QString::number(f.files),
                 Texts::tr("まとめて評価したデータファイルの数です。")});
    rows.append({Texts::tr("ラン数"), QString::number(f.runs), Texts::tr("1 ランは 100 試行です。")});
    rows.append({Texts::tr("試行数"), QString::number(t.trials), Texts::tr("全ランの試行の合計です。")});
    rows.append({Texts::tr("一致数"), QString::number(t.hits),
                 Texts::tr("偶然なら試行数の半分（%1）が期待値です。").arg(shortNumber(t.trials / 2.0, 1))});
    rows.append(
        {Texts::tr("的中率"), any ? percent(t.hitRate()) : QStringLiteral("—"), Texts::tr("偶然なら 50 % です。")});
    rows.append(
        {QStringLiteral("z"), formatZ(t.z()),
         Texts::tr("期待値からのずれを標準偏差（√試行数 / 2）で割った値。±2.58 を超えると 1 % 水準で有意です。")});
    // Without trials a figure is "—" and says nothing: no p, no evidence either way.
    const QString none = QStringLiteral("—");
    rows.append({Texts::tr("p（二項検定、両側）"), any ? formatP(t.p()) : none,
                 any ? pReading(t.p(), t.z(), lang) : QString(), any && t.p() < kAuditLevel});
    rows.append({Texts::tr("95 % 信頼区間（Clopper–Pearson）"), any ? interval(f.ci95, true) : QStringLiteral("—"),
                 any ? ciReading(f.ci95) : QString()});
    rows.append({Texts::tr("Stouffer の Z"), formatZ(f.stoufferZ),
                 Texts::tr("実験ごとの z を同じ重みで合わせた値（Σz / √実験数）です。")});
    rows.append({Texts::tr("Stouffer の p（両側）"), f.stoufferZ ? formatP(f.stoufferP) : QStringLiteral("—"),
                 f.stoufferZ ? pReading(f.stoufferP, f.stoufferZ, lang) : QString(),
                 f.stoufferZ && f.stoufferP < kAuditLevel});
    rows.append({Texts::tr("log10 BF10（一様事前分布 Beta(1, 1)）"),
                 any ? QString::number(f.log10BfUniform, 'f', 2) : none,
                 any ? bayesReading(f.log10BfUniform, lang) : QString()});
    rows.append({Texts::tr("log10 BF10（再現事前分布 Beta(829, 733)）"),
                 any ? QString::number(f.log10BfReplication, 'f', 2) : none,
                 any ? bayesReading(f.log10BfReplication, lang)
                           + Texts::tr("（過去の肯定的研究の 53 % 付近を予想する仮説との比較）")
                     : QString()});
    rows.append({Texts::tr("事後分布の最頻値"), f.posteriorMode ? percent(*f.posteriorMode) : QStringLiteral("—"),
                 Texts::tr("一様事前分布のもとで最も確からしい的中率です。")});
    rows.append({Texts::tr("90 % 最高密度区間"), f.hdi90 ? interval(*f.hdi90, true) : QStringLiteral("—"),
                 f.hdi90 ? hdiReading(*f.hdi90) : QString()});

    const double targetBiasP = binomialTwoTailedP(f.targetOnes, t.trials);
    rows.append({Texts::tr("ターゲットの「1」の割合"),
                 f.targetOnesShare() ? percent(*f.targetOnesShare()) : QStringLiteral("—"),
                 any ? auditReading(targetBiasP, QT_TRANSLATE_NOOP("ReportHtml", "50 % からのずれは偶然の範囲内です。"),
                                    QT_TRANSLATE_NOOP("ReportHtml", "50 % から有意にずれています。"))
                     : QString(),
                 any && targetBiasP < kAuditLevel});
    rows.append({Texts::tr("回答の「1」の割合"),
                 f.inputOnesShare() ? percent(*f.inputOnesShare()) : QStringLiteral("—"),
                 any ? auditReading(f.inputBiasP(), QT_TRANSLATE_NOOP("ReportHtml", "回答に目立った偏りはありません。"),
                                    QT_TRANSLATE_NOOP("ReportHtml", "回答が一方の数字に偏っています（回答の偏り）。"))
                     : QString(),
                 any && f.inputBiasP() < kAuditLevel});
    rows.append(
        {Texts::tr("直前が当たりのときの的中率"),
         f.afterHit.trials > 0 ? percent(f.afterHit.hitRate()) : QStringLiteral("—"),
         Texts::tr("各ランの試行 2～100 のうち、直前の試行が当たりだったもの（%1 試行）。").arg(f.afterHit.trials)});
    rows.append({Texts::tr("直前が外れのときの的中率"),
                 f.afterMiss.trials > 0 ? percent(f.afterMiss.hitRate()) : QStringLiteral("—"),
                 Texts::tr("同じく直前が外れだったもの（%1 試行）。").arg(f.afterMiss.trials)});
    rows.append(
        {Texts::tr("依存性の p（Fisher の正確検定、両側）"), any ? formatP(f.dependencyP) : none,
         any ? auditReading(
             f.dependencyP, QT_TRANSLATE_NOOP("ReportHtml", "直前の当たり外れによる的中率の違いは偶然の範囲内です。"),
             QT_TRANSLATE_NOOP("ReportHtml", "直前の結果で的中率が変わっています（試行間の依存の疑い）。"))
             : QString(),
         any && f.dependencyP < kAuditLevel});
    rows.append({Texts::tr("ターゲットのビット数"), QString::number(f.targets.n),
                 Texts::tr("保存されたターゲットを、ファイルの順に一続きの列として検定します。")});
    rows.append({Texts::tr("ターゲットの「1」の割合（NIST）"),
                 f.targets.n > 0 ? percent(double(f.targets.ones) / double(f.targets.n)) : QStringLiteral("—"),
                 Texts::tr("乱数なら 50 % 前後です。")});
    const bool bits = f.targets.n > 0;
    rows.append(
        {Texts::tr("NIST 頻度（モノビット）検定の p"), bits ? formatP(f.monobitP) : none,
         bits ? auditReading(
             f.monobitP, QT_TRANSLATE_NOOP("ReportHtml", "0 と 1 の数の釣り合いに問題はありません。"),
             QT_TRANSLATE_NOOP("ReportHtml", "0 と 1 の数が偏っています。ターゲットの乱数発生器を疑ってください。"))
              : QString(),
         bits && f.monobitP < kAuditLevel});
    const bool prerequisiteFails = f.runsPrerequisiteFails();
    rows.append(
        {Texts::tr("NIST 連（ラン）検定の p"),
         !bits               ? none
         : prerequisiteFails ? QStringLiteral("0")
                             : formatP(f.runsP),
         !bits ? QString()
         : prerequisiteFails
             ? Texts::tr("頻度検定の前提（|π − ½| < 2/√n）を満たさないため 0 とします。")
             : auditReading(f.runsP, QT_TRANSLATE_NOOP("ReportHtml", "0 と 1 の入れ替わり方は乱数として自然です。"),
                            QT_TRANSLATE_NOOP("ReportHtml", "0 と 1 の入れ替わり方が乱数として不自然です。")),
         bits && f.runsP < kAuditLevel});
    return rows;
}

} // namespace

QString pReading(double p, std::optional<double> z, Lang lang)
{
    const language::Scope speaking(languageCode(lang));
    const bool above = z.value_or(0.0) > 0.0;
    if (p < 0.01)
        return above ? Texts::tr("偶然では説明しにくいほど多い一致です（1 % 水準で有意）。")
                     : Texts::tr("偶然では説明しにくいほど少ない一致です（1 % 水準で有意、サイミッシングの方向）。");
    if (p < 0.05)
        return Texts::tr("5 % 水準では有意ですが、1 % 水準には届きません。");
    return Texts::tr("偶然の範囲内です。");
}

QString bayesReading(double log10Bf, Lang lang)
{
    const language::Scope speaking(languageCode(lang));
    const double moderate = std::log10(3.0);
    if (log10Bf >= 2.0)
        return Texts::tr("効果あり（H1）を決定的に支持します（BF10 > 100）。");
    if (log10Bf >= 1.0)
        return Texts::tr("効果あり（H1）を強く支持します（BF10 > 10）。");
    if (log10Bf >= moderate)
        return Texts::tr("効果あり（H1）をある程度支持します（BF10 > 3）。");
    if (log10Bf > -moderate)
        return Texts::tr("どちらとも言えません（データ不足）。");
    if (log10Bf > -1.0)
        return Texts::tr("偶然（H0）をある程度支持します（BF10 < 1/3）。");
    if (log10Bf > -2.0)
        return Texts::tr("偶然（H0）を強く支持します（BF10 < 1/10）。");
    return Texts::tr("偶然（H0）を決定的に支持します（BF10 < 1/100）。");
}

namespace page {

void pooledSection(HtmlWriter &out, const PooledFigures &f, Lang lang)
{
    out.start("section", {{"class", QStringLiteral("pooled")}});
    out.leaf("h2", Texts::tr("全実験をまとめた評価"));
    figuresTable(out, pooledRows(f, lang));
    out.leaf("h3", Texts::tr("監査（p < 0.01 で警告）"));
    const QStringList warnings = auditWarnings(f, lang);
    if (warnings.isEmpty()) {
        out.leaf("p", Texts::tr("回答の偏り・試行間の依存・ターゲットの乱数性に警告はありません。"),
                 {{"class", QStringLiteral("ok")}});
    } else {
        out.start("ul", {{"class", QStringLiteral("warnings")}});
        for (const QString &w : warnings)
            out.leaf("li", w, {{"class", QStringLiteral("warn")}});
        out.end();
    }
    out.end();
}

} // namespace page

} // namespace vora::report
