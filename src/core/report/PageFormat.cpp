#include "core/report/PageFormat.h"

#include "core/report/LogP.h"

#include <QCoreApplication>

namespace vora::report::page {

namespace {

// The texts of the report, under the translation context "ReportHtml".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ReportHtml)
};

} // namespace

QString percent(double share, int decimals)
{
    return QString::number(100.0 * share, 'f', decimals) + QStringLiteral(" %");
}

QString formatP(double p)
{
    if (p < stats::kSmallestShownP)
        return QStringLiteral("< 1e-300");
    if (p < 1e-4)
        return QString::number(p, 'e', 2);
    return QString::number(p, 'f', 4);
}

QString formatZ(const std::optional<double> &z)
{
    return z ? QString::number(*z, 'f', 3) : QStringLiteral("—");
}

QString interval(const stats::Interval &i, bool asPercent)
{
    if (asPercent)
        return QStringLiteral("%1 – %2").arg(percent(i.lo), percent(i.hi));
    return QStringLiteral("%1 – %2").arg(QString::number(i.lo, 'f', 4), QString::number(i.hi, 'f', 4));
}

void figuresTable(HtmlWriter &out, const QVector<Row> &rows)
{
    out.start("table", {{"class", QStringLiteral("figures")}});
    out.start("tr");
    out.leaf("th", Texts::tr("項目"));
    out.leaf("th", Texts::tr("値"));
    out.leaf("th", Texts::tr("読み方"));
    out.end();
    for (const Row &r : rows) {
        out.start("tr");
        out.leaf("td", r.label);
        out.leaf("td", r.value, {{"class", QStringLiteral("num")}});
        if (r.warn)
            out.leaf("td", r.reading, {{"class", QStringLiteral("warn")}});
        else
            out.leaf("td", r.reading);
        out.end();
    }
    out.end();
}

} // namespace vora::report::page
