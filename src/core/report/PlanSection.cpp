#include "core/report/PlanSection.h"

#include <QCoreApplication>

namespace vora::report::page {

namespace {

// The texts of the report, under the translation context "ReportHtml".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ReportHtml)
};

} // namespace

void planSection(HtmlWriter &out, const PlanAudit &a)
{
    out.start("section", {{"class", QStringLiteral("plan")}});
    out.leaf("h2", Texts::tr("計画との照合：") + a.title);
    out.leaf("p", QStringLiteral("SHA-256 ") + a.sha256, {{"class", QStringLiteral("meta")}});
    out.start("table", {{"class", QStringLiteral("figures")}});
    out.start("tr");
    out.leaf("th", Texts::tr("問い"));
    out.leaf("th", Texts::tr("答え"));
    out.leaf("th", Texts::tr("根拠"));
    out.end();
    for (const PlanAudit::Answer &answer : a.answers) {
        out.start("tr");
        out.leaf("td", answer.question);
        out.leaf("td", answer.yes ? Texts::tr("はい") : Texts::tr("いいえ"),
                 {{"class", answer.yes ? QStringLiteral("ok") : QStringLiteral("warn")}});
        out.leaf("td", answer.evidence);
        out.end();
    }
    out.end();
    auto figures = [&](const QString &heading, const QVector<PlanAudit::Figure> &rows) {
        out.leaf("h3", heading);
        out.start("table", {{"class", QStringLiteral("figures")}});
        for (const PlanAudit::Figure &f : rows) {
            out.start("tr");
            out.leaf("td", f.label);
            out.leaf("td", f.value, {{"class", QStringLiteral("num")}});
            out.end();
        }
        out.end();
    };
    figures(a.primaryHeading, a.primary);
    figures(Texts::tr("全データ（探索的）"), a.exploratory);
    out.end();
}

} // namespace vora::report::page
