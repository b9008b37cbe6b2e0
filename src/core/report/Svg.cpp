#include "core/report/Svg.h"

#include "core/results/Summary.h"
#include "core/toolkit/Language.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <cmath>

namespace vora::report {

namespace {
// The texts of this file, under the translation context "Svg".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Svg)
};
} // namespace

namespace {

constexpr double kMmPerPixel = 15.0 / 56.693; // a window pixel is 15 twips
constexpr double kMmPerPoint = 25.4 / 72.0;

QString colourText(const units::Rgb &c)
{
    return c.name();
}

// Consecutive drawing items of one style become one <path>.
class PathWriter {
public:
    explicit PathWriter(QString &out, int decimals = 2) : m_out(out), m_decimals(decimals) { }
    ~PathWriter() { flush(); }

    void begin(const QString &style)
    {
        if (style == m_style)
            return;
        flush();
        m_style = style;
        m_hasLast = false;
    }
    void moveTo(double x, double y)
    {
        m_d += QLatin1Char('M') + shortNumber(x, m_decimals) + QLatin1Char(' ') + shortNumber(y, m_decimals);
        m_last = {x, y};
        m_hasLast = true;
    }
    void lineTo(double x, double y)
    {
        if (std::fabs(x - m_last.x()) < 1e-9)
            m_d += QLatin1Char('V') + shortNumber(y, m_decimals);
        else if (std::fabs(y - m_last.y()) < 1e-9)
            m_d += QLatin1Char('H') + shortNumber(x, m_decimals);
        else
            m_d += QLatin1Char('L') + shortNumber(x, m_decimals) + QLatin1Char(' ') + shortNumber(y, m_decimals);
        m_last = {x, y};
    }
    // A segment; joined to the previous one when it starts where that one ended.
    void segment(double x1, double y1, double x2, double y2)
    {
        if (!m_hasLast || std::fabs(m_last.x() - x1) > 1e-9 || std::fabs(m_last.y() - y1) > 1e-9)
            moveTo(x1, y1);
        lineTo(x2, y2);
    }
    void rect(double x1, double y1, double x2, double y2)
    {
        moveTo(x1, y1);
        lineTo(x2, y1);
        lineTo(x2, y2);
        lineTo(x1, y2);
        m_d += QLatin1Char('Z');
        m_hasLast = false;
    }
    // A small square by relative moves: shorter than four absolute corners.
    void square(double x, double y, double side)
    {
        moveTo(x, y);
        m_d += QStringLiteral("h%1v%1h-%1z").arg(shortNumber(side));
        m_hasLast = false;
    }
    // A triangle from its tip to the two ends of its base.
    void triangle(const QPointF &tip, const QPointF &baseA, const QPointF &baseB)
    {
        moveTo(tip.x(), tip.y());
        lineTo(baseA.x(), baseA.y());
        lineTo(baseB.x(), baseB.y());
        m_d += QLatin1Char('Z');
        m_hasLast = false;
    }
    // A dot: a zero-length stroke with round caps, as wide as the dot.
    void dot(double x, double y)
    {
        moveTo(x, y);
        m_d += QStringLiteral("h0");
        m_hasLast = false;
    }
    void flush()
    {
        if (!m_d.isEmpty())
            m_out += QStringLiteral("<path ") + m_style + QStringLiteral(" d=\"") + m_d + QStringLiteral("\"/>");
        m_d.clear();
        m_style.clear();
        m_hasLast = false;
    }

private:
    QString &m_out;
    int m_decimals;
    QString m_style;
    QString m_d;
    QPointF m_last;
    bool m_hasLast = false;
};

QString strokeStyle(const QString &colour, double width, bool round)
{
    QString s = QStringLiteral("fill=\"none\" stroke=\"") + colour + QStringLiteral("\" stroke-width=\"")
                + shortNumber(width, 3) + QLatin1Char('"');
    if (round)
        s += QStringLiteral(" stroke-linecap=\"round\" stroke-linejoin=\"round\"");
    return s;
}

QString svgOpen(const QString &kind, double width, double height, double scale, const QString &title)
{
    return QStringLiteral("<svg class=\"chart\" data-chart=\"%1\" viewBox=\"0 0 %2 %3\" width=\"%4mm\" height=\"%5mm\" "
                          "role=\"img\" aria-label=\"%6\"><rect width=\"%2\" height=\"%3\" fill=\"#fff\"/>")
        .arg(kind, shortNumber(width), shortNumber(height), shortNumber(width * scale, 1),
             shortNumber(height * scale, 1), escapeXml(title));
}

// A label of a chart: its top-left corner at (left, top) mm; vertical captions one
// character under the other.
QString textElement(const QString &caption, double left, double top, double points, bool vertical,
                    const QString &colour = QString(), const QString &anchor = QString())
{
    const double size = points * kMmPerPoint;
    QString attrs = QStringLiteral(" font-size=\"") + shortNumber(size) + QLatin1Char('"');
    if (!colour.isEmpty())
        attrs += QStringLiteral(" fill=\"") + colour + QLatin1Char('"');
    if (!anchor.isEmpty())
        attrs += QStringLiteral(" text-anchor=\"") + anchor + QLatin1Char('"');
    if (!vertical)
        return QStringLiteral("<text x=\"%1\" y=\"%2\"%3>%4</text>")
            .arg(shortNumber(left), shortNumber(top + 0.88 * size), attrs, escapeXml(caption));
    // Centred on the column so wide and narrow characters line up.
    QString out = QStringLiteral("<text text-anchor=\"middle\"") + attrs + QLatin1Char('>');
    double y = top + 0.88 * size;
    for (const QChar c : caption) {
        out += QStringLiteral("<tspan x=\"%1\" y=\"%2\">%3</tspan>")
                   .arg(shortNumber(left + size / 2), shortNumber(y), escapeXml(QString(c)));
        y += 1.05 * size;
    }
    return out + QStringLiteral("</text>");
}

// A y-axis title: Japanese stacked, other languages turned a quarter left, centred at y.
QString axisTitle(const QString &caption, double y, Lang lang)
{
    if (lang == Lang::Ja)
        return textElement(caption, 1, y - caption.size() * 1.05 * 7 * kMmPerPoint / 2, 7, true);
    return QStringLiteral(
               "<text font-size=\"%1\" text-anchor=\"middle\" transform=\"translate(3.5 %2) rotate(-90)\">%3</text>")
        .arg(shortNumber(7 * kMmPerPoint), shortNumber(y), escapeXml(caption));
}

// A tick step of 1, 2 or 5 times a power of ten giving about `wanted` steps over `range`.
double niceStep(double range, int wanted)
{
    const double raw = std::max(range, 1e-9) / wanted;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0}) {
        if (m * power >= raw)
            return m * power;
    }
    return 10.0 * power;
}

// Frame, grid and axis numbers shared by the report's own two charts: plot area
// x 12..98, y 8..56 mm.
constexpr double kLeft = 12.0, kRight = 98.0, kTop = 8.0, kBottom = 56.0;

} // namespace

QString escapeXml(const QString &text)
{
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '&': out += QStringLiteral("&amp;"); break;
        case '<': out += QStringLiteral("&lt;"); break;
        case '>': out += QStringLiteral("&gt;"); break;
        case '"': out += QStringLiteral("&quot;"); break;
        case '\'': out += QStringLiteral("&#39;"); break;
        default:
            // Control characters are not allowed in XML and mean nothing on a page.
            if (c.unicode() < 0x20 && c != QLatin1Char('\n') && c != QLatin1Char('\t'))
                break;
            if (c.unicode() == 0x7F || c.unicode() == 0xFFFE || c.unicode() == 0xFFFF)
                break;
            out += c;
        }
    }
    return out;
}

QString shortNumber(double v, int decimals)
{
    if (!std::isfinite(v))
        return QStringLiteral("0");
    QString s = QString::number(v, 'f', decimals);
    if (s.contains(QLatin1Char('.'))) {
        while (s.endsWith(QLatin1Char('0')))
            s.chop(1);
        if (s.endsWith(QLatin1Char('.')))
            s.chop(1);
    }
    if (s == QLatin1String("-0"))
        s = QStringLiteral("0");
    return s;
}

QString chartSvg(const ChartModel &model, const QString &kind, double scale)
{
    const double width = model.box.width / 56.693;
    const double height = model.box.height / 56.693;
    QString title = model.titleCaption.trimmed();
    title.remove(QChar(0x3000));
    QString out = svgOpen(kind, width, height, scale, title);
    {
        // Items are painted grouped by style, each style at the place of its first item: the
        // later layers (black over grey, points over grid) stay on top, and one path per style
        // keeps a report of a hundred experiments small.
        auto styleOf = [](const ChartItem &item) {
            const QString colour = colourText(item.colour);
            const double pen = std::max(1, item.penWidth) * kMmPerPixel;
            switch (item.kind) {
            case ChartItem::Line: {
                const bool slanted =
                    std::fabs(item.p1.x() - item.p2.x()) > 1e-9 && std::fabs(item.p1.y() - item.p2.y()) > 1e-9;
                return strokeStyle(colour, pen, slanted);
            }
            case ChartItem::Outline: return strokeStyle(colour, pen, false);
            case ChartItem::FilledRect:
                return QStringLiteral("fill=\"") + colour + QStringLiteral("\" stroke=\"none\"");
            case ChartItem::Circle: return strokeStyle(colour, 2.0 * item.radius + pen, true);
            case ChartItem::Triangle: // a point beyond the frame, marked on its edge
                return QStringLiteral("fill=\"") + colour + QStringLiteral("\" stroke=\"none\" data-marker=\"edge\"");
            }
            return QString();
        };
        QVector<QString> styles;
        QHash<QString, int> rank;
        QVector<int> order;
        for (const ChartItem &item : model.items) {
            styles.append(styleOf(item));
            if (!rank.contains(styles.last()))
                rank.insert(styles.last(), rank.size());
            order.append(order.size());
        }
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return rank.value(styles[a]) < rank.value(styles[b]); });

        PathWriter paths(out);
        for (int index : order) {
            const ChartItem &item = model.items.at(index);
            paths.begin(styles.at(index));
            switch (item.kind) {
            case ChartItem::Line: paths.segment(item.p1.x(), item.p1.y(), item.p2.x(), item.p2.y()); break;
            case ChartItem::Outline:
                if (std::fabs(item.p1.x() - item.p2.x()) < 1e-9 || std::fabs(item.p1.y() - item.p2.y()) < 1e-9)
                    paths.segment(item.p1.x(), item.p1.y(), item.p2.x(), item.p2.y());
                else
                    paths.rect(item.p1.x(), item.p1.y(), item.p2.x(), item.p2.y());
                break;
            case ChartItem::FilledRect: paths.rect(item.p1.x(), item.p1.y(), item.p2.x(), item.p2.y()); break;
            case ChartItem::Circle: paths.dot(item.p1.x(), item.p1.y()); break;
            case ChartItem::Triangle: {
                // Tip at p1, base through p2 across the line from the tip, as the window draws it.
                const QPointF along = item.p2 - item.p1;
                const double length = std::hypot(along.x(), along.y());
                if (length <= 0)
                    break;
                const QPointF across(-along.y() / length * item.radius, along.x() / length * item.radius);
                paths.triangle(item.p1, item.p2 + across, item.p2 - across);
                break;
            }
            }
        }
        // The dot buttons of the per-run chart; a run with a memo is dark red and tells its memo on hover.
        QString memoDots;
        paths.begin(QStringLiteral("fill=\"#e8e8e8\" stroke=\"#303030\" stroke-width=\"0.12\""));
        for (const HitDot &d : model.dots) {
            if (d.hasMemo) {
                memoDots +=
                    QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%3\" fill=\"%4\" stroke=\"#303030\" "
                                   "stroke-width=\"0.12\"/>")
                        .arg(shortNumber(d.left), shortNumber(d.top), shortNumber(kHitDotSize),
                             colourText(d.backColour));
                continue;
            }
            paths.square(d.left, d.top, kHitDotSize);
        }
        paths.flush();
        out += memoDots;
    }
    for (const ChartText &t : model.texts) {
        if (!t.visible || !t.placed)
            continue;
        const QString &caption = t.caption;
        if (caption.trimmed().isEmpty())
            continue;
        const QString anchor = t.align == ChartText::Align::Centre  ? QStringLiteral("middle")
                               : t.align == ChartText::Align::Right ? QStringLiteral("end")
                                                                    : QString();
        // Leading spaces would count in an anchored text: the anchor is on the visible digits.
        out += textElement(t.align == ChartText::Align::Left ? caption : caption.trimmed(), t.left, t.top, t.points,
                           t.vertical, t.colour.isValid() ? colourText(t.colour) : QString(), anchor);
    }
    return out + QStringLiteral("</svg>");
}

QString histogramSvg(const RunSet &runs, Lang lang, double scale)
{
    const language::Scope speaking(languageCode(lang));
    QVector<int> counts(kTrialsPerRun + 1, 0);
    int lowest = 30, highest = 70;
    for (const LoadedRun &r : runs.runs) {
        const int h = std::clamp(r.hits, 0, kTrialsPerRun);
        ++counts[h];
        lowest = std::min(lowest, h);
        highest = std::max(highest, h);
    }
    // R * C(100, k) / 2^100, through logs.
    QVector<double> expected(kTrialsPerRun + 1, 0.0);
    for (int k = 0; k <= kTrialsPerRun; ++k)
        expected[k] = runs.runsRead
                      * std::exp(std::lgamma(kTrialsPerRun + 1.0) - std::lgamma(k + 1.0)
                                 - std::lgamma(kTrialsPerRun + 1.0 - k) - kTrialsPerRun * std::log(2.0));
    double top = 1.0;
    for (int k = lowest; k <= highest; ++k)
        top = std::max({top, double(counts[k]), expected[k]});
    const double step = niceStep(top, 5);
    top = std::ceil(top * 1.1 / step) * step;

    const double barWidth = (kRight - kLeft) / (highest - lowest + 1);
    auto xOf = [&](double k) { return kLeft + (k - lowest + 0.5) * barWidth; };
    auto yOf = [&](double n) { return kBottom - (kBottom - kTop) * n / top; };

    QString out = svgOpen(QStringLiteral("histogram"), kReportChartWidth, kReportChartHeight, scale,
                          Texts::tr("ランの一致数の分布"));
    {
        PathWriter p(out);
        p.begin(strokeStyle(QStringLiteral("#c0c0c0"), 0.2, false));
        for (double n = step; n <= top + 1e-9; n += step)
            p.segment(kLeft, yOf(n), kRight, yOf(n));
        p.begin(QStringLiteral("fill=\"#9db8e0\" stroke=\"#4a6fa5\" stroke-width=\"0.15\""));
        for (int k = lowest; k <= highest; ++k) {
            if (counts[k] > 0)
                p.rect(xOf(k) - 0.42 * barWidth, yOf(counts[k]), xOf(k) + 0.42 * barWidth, kBottom);
        }
        p.begin(strokeStyle(colourText(chartcolour::limit()), 0.4, false));
        p.segment(xOf(37.5), kTop, xOf(37.5), kBottom);
        p.segment(xOf(62.5), kTop, xOf(62.5), kBottom);
        p.begin(strokeStyle(colourText(chartcolour::chance()), 0.4, false));
        p.segment(xOf(50), kTop, xOf(50), kBottom);
        p.begin(strokeStyle(QStringLiteral("#000"), 0.3, true));
        for (int k = lowest; k < highest; ++k)
            p.segment(xOf(k), yOf(expected[k]), xOf(k + 1), yOf(expected[k + 1]));
        p.begin(strokeStyle(QStringLiteral("#000"), 0.26, false));
        p.rect(kLeft, kTop, kRight, kBottom);
    }
    for (double n = 0; n <= top + 1e-9; n += step)
        out += textElement(shortNumber(n), kLeft - 1, yOf(n) - 1.3, 7, false, QString(), QStringLiteral("end"));
    for (int k = (lowest + 4) / 5 * 5; k <= highest; k += 5)
        out += textElement(QString::number(k), xOf(k), kBottom + 0.8, 7, false, QString(), QStringLiteral("middle"));
    out +=
        textElement(Texts::tr("ランの一致数"), (kLeft + kRight) / 2, 61, 8, false, QString(), QStringLiteral("middle"));
    out += axisTitle(Texts::tr("ラン数"), (kTop + kBottom) / 2, lang);
    out +=
        textElement(QStringLiteral("1 %"), xOf(37.5) + 0.5, kTop + 0.5, 6.5, false, colourText(chartcolour::limit()));
    out +=
        textElement(QStringLiteral("1 %"), xOf(62.5) + 0.5, kTop + 0.5, 6.5, false, colourText(chartcolour::limit()));
    out += QStringLiteral("<path fill=\"#9db8e0\" stroke=\"#4a6fa5\" stroke-width=\"0.15\" d=\"M14 64h3v3h-3Z\"/>");
    out += textElement(Texts::tr("観測"), 18, 63.8, 7, false);
    out += QStringLiteral("<path fill=\"none\" stroke=\"#000\" stroke-width=\"0.3\" d=\"M34 65.5h5\"/>");
    out += textElement(Texts::tr("偶然の期待値 二項分布 B(100, 0.5)"), 40, 63.8, 7, false);
    return out + QStringLiteral("</svg>");
}

QString cumulativeSvg(const RunSet &runs, Lang lang, double scale)
{
    const language::Scope speaking(languageCode(lang));
    // Deviation after each trial, over every run in file order.
    QVector<double> deviation;
    deviation.reserve(runs.runs.size() * kTrialsPerRun + 1);
    deviation.append(0.0);
    double sum = 0.0;
    for (const LoadedRun &r : runs.runs) {
        for (int t = 1; t <= kTrialsPerRun; ++t) {
            sum += r.isMatch(t) ? 0.5 : -0.5;
            deviation.append(sum);
        }
    }
    const qint64 n = deviation.size() - 1;
    constexpr double kEnvelope = 2.58; // two-tailed 1 %
    double reach = std::max(1.0, kEnvelope * std::sqrt(double(n)) / 2.0);
    for (double d : deviation)
        reach = std::max(reach, std::fabs(d));
    const double step = niceStep(reach, 3);
    reach = std::ceil(reach * 1.05 / step) * step;
    const double middle = (kTop + kBottom) / 2.0;
    auto xOf = [&](double i) { return kLeft + (kRight - kLeft) * (n > 0 ? i / double(n) : 0.0); };
    auto yOf = [&](double d) { return middle - (kBottom - kTop) / 2.0 * d / reach; };

    QString out = svgOpen(QStringLiteral("cumulative"), kReportChartWidth, kReportChartHeight, scale,
                          Texts::tr("一致数の累積偏差"));
    {
        PathWriter p(out, 1);
        p.begin(strokeStyle(QStringLiteral("#c0c0c0"), 0.2, false));
        for (double d = step; d < reach + 1e-9; d += step) {
            p.segment(kLeft, yOf(d), kRight, yOf(d));
            p.segment(kLeft, yOf(-d), kRight, yOf(-d));
        }
        // The envelope bends most near the start: sample it more densely there.
        p.begin(strokeStyle(colourText(chartcolour::limit()), 0.35, true));
        constexpr int kSamples = 48;
        for (int sign : {1, -1}) {
            for (int j = 0; j < kSamples; ++j) {
                const double a = double(n) * j * j / (kSamples * kSamples);
                const double b = double(n) * (j + 1) * (j + 1) / (kSamples * kSamples);
                p.segment(xOf(a), yOf(sign * kEnvelope * std::sqrt(a) / 2.0), xOf(b),
                          yOf(sign * kEnvelope * std::sqrt(b) / 2.0));
            }
        }
        p.begin(strokeStyle(colourText(chartcolour::chance()), 0.5, false));
        p.segment(kLeft, middle, kRight, middle);
        // At most two points (lowest and highest) per half millimetre: the line looks the same.
        p.begin(strokeStyle(QStringLiteral("#000"), 0.3, true));
        const int columns = int((kRight - kLeft) * 2);
        if (n <= 2 * columns) {
            for (qint64 i = 1; i <= n; ++i)
                p.segment(xOf(i - 1), yOf(deviation[i - 1]), xOf(i), yOf(deviation[i]));
        } else {
            QPointF last(xOf(0), yOf(0));
            qint64 i = 1;
            for (int c = 1; c <= columns; ++c) {
                const qint64 end = n * c / columns;
                qint64 lo = i, hi = i;
                for (qint64 j = i; j <= end; ++j) {
                    if (deviation[j] < deviation[lo])
                        lo = j;
                    if (deviation[j] > deviation[hi])
                        hi = j;
                }
                for (qint64 j : {std::min(lo, hi), std::max(lo, hi)}) {
                    const QPointF next(xOf(double(j)), yOf(deviation[j]));
                    p.segment(last.x(), last.y(), next.x(), next.y());
                    last = next;
                }
                i = end + 1;
            }
        }
        p.begin(strokeStyle(QStringLiteral("#000"), 0.26, false));
        p.rect(kLeft, kTop, kRight, kBottom);
    }
    for (double d = -reach; d <= reach + 1e-9; d += step)
        out += textElement(shortNumber(d), kLeft - 1, yOf(d) - 1.3, 7, false, QString(), QStringLiteral("end"));
    const double xStep = niceStep(double(std::max<qint64>(n, 1)), 4);
    for (double i = 0; i <= n + 1e-9; i += xStep)
        out += textElement(shortNumber(i, 0), xOf(i), kBottom + 0.8, 7, false, QString(), QStringLiteral("middle"));
    out += textElement(Texts::tr("試行（全ランを順に）"), (kLeft + kRight) / 2, 61, 8, false, QString(),
                       QStringLiteral("middle"));
    out += axisTitle(Texts::tr("一致数−期待値"), (kTop + kBottom) / 2, lang);
    out += textElement(Texts::tr("±2.58σ（1 %、両側）"), kLeft + 1, kTop + 0.5, 6.5, false,
                       colourText(chartcolour::limit()));
    return out + QStringLiteral("</svg>");
}

} // namespace vora::report
