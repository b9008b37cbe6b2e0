#pragma once
// Charts as inline SVG for the report. The five charts of the results view are drawn from
// their chart models, in the models' millimetres; the run-score histogram and the
// cumulative deviation are the report's own. Paths are merged by colour and width so that
// a report of a hundred experiments stays small.
#include "core/report/Pooled.h"
#include "core/results/ChartModel.h"

#include <QString>

namespace vora::report {

// `kind` names the chart in a data-chart attribute; `scale` shrinks the millimetres for the page.
QString chartSvg(const ChartModel &model, const QString &kind, double scale);
// Runs by hit count against R * Binomial(100, 0.5), with the 1 % limits 37 and 63.
QString histogramSvg(const RunSet &runs, Lang lang, double scale);
// Hits minus half the trials, summed over every trial in file order, inside ±2.58 σ.
QString cumulativeSvg(const RunSet &runs, Lang lang, double scale);

// Text fit for HTML and SVG: & < > " ' escaped, control characters dropped.
QString escapeXml(const QString &text);
// A number in at most `decimals` decimals, without trailing zeros ("12.5", "3", "-0.25").
QString shortNumber(double v, int decimals = 2);

// Width and height of the drawing area every chart of the report shares, in mm.
constexpr double kReportChartWidth = 104.0;
constexpr double kReportChartHeight = 70.5;

} // namespace vora::report
