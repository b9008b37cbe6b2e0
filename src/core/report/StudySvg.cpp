#include "core/report/StudySvg.h"

#include "core/report/Stats.h"
#include "core/report/Svg.h"
#include "core/results/ChartModel.h"
#include "core/toolkit/Language.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace vora::report {

namespace {
// The texts of this file, under the translation context "StudySvg".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(StudySvg)
};
} // namespace

namespace {

constexpr double kFont = 2.5; // mm, about 7 pt
const QString kGrid = QStringLiteral("#c8c8c8");
const QString kInk = QStringLiteral("#000");

QString n(double v, int decimals = 2)
{
    return shortNumber(v, decimals);
}

QString percentText(double share)
{
    return QString::number(100.0 * share, 'f', 1);
}

// A step of 1, 2 or 5 times a power of ten giving about `wanted` steps over `range`.
double tickStep(double range, int wanted)
{
    const double raw = std::max(range, 1e-9) / wanted;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0}) {
        if (m * power >= raw)
            return m * power;
    }
    return 10.0 * power;
}

void openSvg(HtmlWriter &out, const QString &kind, double width, double height, const QString &label)
{
    out.start("svg", {{"class", QStringLiteral("chart")},
                      {"data-chart", kind},
                      {"viewBox", QStringLiteral("0 0 %1 %2").arg(n(width), n(height))},
                      {"width", n(width, 1) + QStringLiteral("mm")},
                      {"height", n(height, 1) + QStringLiteral("mm")},
                      {"role", QStringLiteral("img")},
                      {"aria-label", label}});
    out.svgEmpty("rect", {{"width", n(width)}, {"height", n(height)}, {"fill", QStringLiteral("#fff")}});
}

void path(HtmlWriter &out, const QString &d, const QString &stroke, double width, const QString &fill = QString(),
          const QString &dash = QString())
{
    if (d.isEmpty())
        return;
    QXmlStreamWriter &x = out.xml();
    x.writeEmptyElement(QStringLiteral("path"));
    x.writeAttribute(QStringLiteral("fill"), fill.isEmpty() ? QStringLiteral("none") : fill);
    x.writeAttribute(QStringLiteral("stroke"), stroke.isEmpty() ? QStringLiteral("none") : stroke);
    if (!stroke.isEmpty())
        x.writeAttribute(QStringLiteral("stroke-width"), n(width, 3));
    if (!dash.isEmpty())
        x.writeAttribute(QStringLiteral("stroke-dasharray"), dash);
    x.writeAttribute(QStringLiteral("d"), d);
}

void label(HtmlWriter &out, double x, double y, const QString &text, const QString &anchor = QString(),
           double size = kFont, const QString &colour = QString())
{
    out.start("text", {{"x", n(x)}, {"y", n(y)}, {"font-size", n(size)}});
    if (!anchor.isEmpty())
        out.xml().writeAttribute(QStringLiteral("text-anchor"), anchor);
    if (!colour.isEmpty())
        out.xml().writeAttribute(QStringLiteral("fill"), colour);
    out.text(text);
    out.end();
}

// The label cut to about `chars` characters, the end kept (site/experiment names differ there).
QString fitted(const QString &text, int chars)
{
    return text.size() <= chars ? text : QStringLiteral("…") + text.right(chars - 1);
}

} // namespace

void forestSvg(HtmlWriter &out, const QVector<ForestRow> &input, const QString &kind, const QString &pooledLabel,
               Lang lang)
{
    const language::Scope speaking(languageCode(lang));
    struct Row {
        QString label;
        double rate;
        stats::Interval ci;
    };
    QVector<Row> rows;
    qint64 hits = 0, trials = 0;
    for (const ForestRow &r : input) {
        if (r.trials <= 0)
            continue;
        rows.append({r.label, double(r.hits) / double(r.trials), stats::clopperPearson(r.hits, r.trials, 0.95)});
        hits += r.hits;
        trials += r.trials;
    }
    std::stable_sort(rows.begin(), rows.end(), [](const Row &a, const Row &b) { return a.rate < b.rate; });
    const double pooledRate = trials > 0 ? double(hits) / double(trials) : 0.5;
    const stats::Interval pooledCi = trials > 0 ? stats::clopperPearson(hits, trials, 0.95) : stats::Interval{0.5, 0.5};

    double lo = std::min(0.5, pooledCi.lo), hi = std::max(0.5, pooledCi.hi);
    for (const Row &r : rows) {
        lo = std::min(lo, r.ci.lo);
        hi = std::max(hi, r.ci.hi);
    }
    const double step = tickStep(hi - lo, 6);
    lo = std::max(0.0, std::floor(lo / step) * step);
    hi = std::min(1.0, std::ceil(hi / step) * step);
    if (hi - lo < step)
        hi = lo + step;

    const bool labelled = rows.size() <= kLabelledRows;
    const double width = 180.0;
    const double left = labelled ? 46.0 : 14.0, right = labelled ? 140.0 : 172.0;
    const double top = 7.0;
    const double rowHeight = labelled ? 4.4 : std::max(0.12, 110.0 / std::max<qsizetype>(rows.size(), 1));
    const double rowsBottom = top + rowHeight * (rows.size() + (labelled ? 0.3 : 0.0)) + 1.5;
    const double diamondY = rowsBottom + 3.0;
    const double axisY = diamondY + 4.0;
    const double height = axisY + 9.0;
    auto xOf = [&](double rate) { return left + (right - left) * (rate - lo) / (hi - lo); };

    openSvg(out, kind, width, height, Texts::tr("的中率と 95 % 信頼区間"));
    // Grid and axis numbers in percent.
    QString grid;
    for (double t = lo; t <= hi + 1e-9; t += step)
        grid += QStringLiteral("M%1 %2V%3").arg(n(xOf(t)), n(top - 1), n(axisY));
    path(out, grid, kGrid, 0.15);
    path(out, QStringLiteral("M%1 %2H%3").arg(n(left), n(axisY), n(right)), kInk, 0.25);
    for (double t = lo; t <= hi + 1e-9; t += step)
        label(out, xOf(t), axisY + 3.5, QString::number(100.0 * t, 'f', step < 0.01 ? 1 : 0), QStringLiteral("middle"));
    label(out, (left + right) / 2, axisY + 7.5, Texts::tr("的中率（%）"), QStringLiteral("middle"));
    // Chance, and the pooled rate.
    path(out, QStringLiteral("M%1 %2V%3").arg(n(xOf(0.5)), n(top - 1), n(axisY)), chartcolour::chance().name(), 0.35);
    if (trials > 0)
        path(out, QStringLiteral("M%1 %2V%3").arg(n(xOf(pooledRate)), n(top - 1), n(diamondY)),
             QStringLiteral("#4a6fa5"), 0.25, QString(), QStringLiteral("1 0.8"));

    // Intervals as one path, points as another.
    QString lines, points;
    const double half = labelled ? 0.9 : std::clamp(rowHeight * 0.45, 0.1, 0.6);
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const Row &r = rows.at(i);
        const double y = top + rowHeight * (i + 0.5);
        lines += QStringLiteral("M%1 %2H%3").arg(n(xOf(r.ci.lo)), n(y), n(xOf(r.ci.hi)));
        points += QStringLiteral("M%1 %2h%3v%3h-%3z").arg(n(xOf(r.rate) - half), n(y - half), n(2 * half));
    }
    path(out, lines, kInk, labelled ? 0.3 : std::clamp(rowHeight * 0.5, 0.08, 0.3));
    path(out, points, QString(), 0, kInk);
    if (labelled) {
        for (qsizetype i = 0; i < rows.size(); ++i) {
            const Row &r = rows.at(i);
            const double y = top + rowHeight * (i + 0.5) + 0.9;
            label(out, left - 2, y, fitted(r.label, 26), QStringLiteral("end"));
            label(out, right + 2, y,
                  QStringLiteral("%1 [%2, %3]").arg(percentText(r.rate), percentText(r.ci.lo), percentText(r.ci.hi)));
        }
    } else {
        label(out, left, top - 2.5, Texts::tr("%1 件を的中率の順に（上ほど低い）").arg(rows.size()));
    }
    // The pooled estimate: a diamond over its interval.
    if (trials > 0) {
        path(out,
             QStringLiteral("M%1 %2L%3 %4L%5 %2L%3 %6Z")
                 .arg(n(xOf(pooledCi.lo)), n(diamondY), n(xOf(pooledRate)), n(diamondY - 1.6), n(xOf(pooledCi.hi)),
                      n(diamondY + 1.6)),
             kInk, 0.2, QStringLiteral("#4a6fa5"));
        const double y = diamondY + 0.9;
        if (labelled) {
            label(out, left - 2, y, pooledLabel, QStringLiteral("end"));
            label(out, right + 2, y,
                  QStringLiteral("%1 [%2, %3]")
                      .arg(percentText(pooledRate), percentText(pooledCi.lo), percentText(pooledCi.hi)));
        } else {
            label(out, std::min(xOf(pooledCi.hi) + 2, right - 30), y,
                  QStringLiteral("%1 %2 [%3, %4]")
                      .arg(pooledLabel, percentText(pooledRate), percentText(pooledCi.lo), percentText(pooledCi.hi)));
        }
    }
    out.end();
}

void evidenceSvg(HtmlWriter &out, const QVector<DayCount> &days, Evidence what, Lang lang)
{
    const language::Scope speaking(languageCode(lang));
    struct Point {
        qint64 day;
        double value;
    };
    QVector<Point> points;
    QDate first, last;
    qint64 h = 0, trials = 0;
    for (const DayCount &d : days) {
        if (!d.date.isValid() || d.runs <= 0)
            continue;
        if (!first.isValid())
            first = d.date;
        last = d.date;
        h += d.hits;
        trials += d.runs * kTrialsPerRun;
        const double value = what == Evidence::Log10Bf
                                 ? stats::log10BayesFactor(h, trials - h, kUniformA, kUniformB)
                                 : (double(h) - double(trials) / 2.0) / std::sqrt(double(trials) / 4.0);
        points.append({first.daysTo(d.date), value});
    }
    const double width = 88.0, height = 58.0;
    const double left = 12.0, right = 84.0, top = 5.0, bottom = 44.0;
    const QVector<double> references =
        what == Evidence::Log10Bf ? QVector<double>{-2.0, -1.0, -std::log10(3.0), 0.0, std::log10(3.0), 1.0, 2.0}
                                  : QVector<double>{-2.58, -1.96, 0.0, 1.96, 2.58};
    double lo = what == Evidence::Log10Bf ? -1.0 : -3.0, hi = what == Evidence::Log10Bf ? 1.0 : 3.0;
    for (const Point &p : points) {
        lo = std::min(lo, p.value);
        hi = std::max(hi, p.value);
    }
    const double step = tickStep(hi - lo, 5);
    lo = std::floor(lo / step) * step;
    hi = std::ceil(hi / step) * step;
    const qint64 span = std::max<qint64>(points.isEmpty() ? 1 : points.last().day, 1);
    auto xOf = [&](double day) { return left + (right - left) * day / double(span); };
    auto yOf = [&](double v) { return bottom - (bottom - top) * (v - lo) / (hi - lo); };

    openSvg(out, what == Evidence::Log10Bf ? QStringLiteral("evidence-bf") : QStringLiteral("evidence-z"), width,
            height, what == Evidence::Log10Bf ? QStringLiteral("log10 BF10") : QStringLiteral("z"));
    QString grid;
    for (double v = lo; v <= hi + 1e-9; v += step)
        grid += QStringLiteral("M%1 %2H%3").arg(n(left), n(yOf(v)), n(right));
    path(out, grid, kGrid, 0.15);
    QString refs;
    for (double r : references) {
        if (r > lo && r < hi && r != 0.0)
            refs += QStringLiteral("M%1 %2H%3").arg(n(left), n(yOf(r)), n(right));
    }
    path(out, refs, chartcolour::limit().name(), 0.25, QString(), QStringLiteral("1.2 0.8"));
    path(out, QStringLiteral("M%1 %2H%3").arg(n(left), n(yOf(0)), n(right)), chartcolour::chance().name(), 0.35);
    QString line;
    for (const Point &p : points)
        line += (line.isEmpty() ? QLatin1Char('M') : QLatin1Char('L')) + n(xOf(double(p.day))) + QLatin1Char(' ')
                + n(yOf(p.value));
    if (points.size() == 1)
        line += QStringLiteral("h0");
    QXmlStreamWriter &x = out.xml();
    if (!line.isEmpty()) {
        x.writeEmptyElement(QStringLiteral("path"));
        x.writeAttribute(QStringLiteral("fill"), QStringLiteral("none"));
        x.writeAttribute(QStringLiteral("stroke"), kInk);
        x.writeAttribute(QStringLiteral("stroke-width"), QStringLiteral("0.4"));
        x.writeAttribute(QStringLiteral("stroke-linecap"), QStringLiteral("round"));
        x.writeAttribute(QStringLiteral("stroke-linejoin"), QStringLiteral("round"));
        x.writeAttribute(QStringLiteral("d"), line);
    }
    path(out, QStringLiteral("M%1 %2H%3V%4H%1Z").arg(n(left), n(top), n(right), n(bottom)), kInk, 0.25);
    for (double v = lo; v <= hi + 1e-9; v += step)
        label(out, left - 1, yOf(v) + 0.9, shortNumber(v, 2), QStringLiteral("end"));
    if (first.isValid()) {
        const QString format = QStringLiteral("yyyy/MM/dd");
        label(out, left, bottom + 3.6, first.toString(format));
        if (last != first)
            label(out, right, bottom + 3.6, last.toString(format), QStringLiteral("end"));
    } else {
        label(out, (left + right) / 2, (top + bottom) / 2, Texts::tr("日付のあるランがありません"),
              QStringLiteral("middle"));
    }
    label(out, (left + right) / 2, bottom + 8.0, Texts::tr("ランの日付（その日までの全ラン）"),
          QStringLiteral("middle"));
    out.end();
}

} // namespace vora::report
