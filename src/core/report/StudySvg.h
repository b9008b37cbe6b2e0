#pragma once
// The study report's own charts, written straight into the page: the forest plot of hit rates
// (per site or per experiment, sorted, with the pooled estimate) and the evidence as it
// accumulated day by day (log10 BF10 or z).
#include "core/report/HtmlWriter.h"
#include "core/report/Pooled.h"
#include "core/report/Study.h"

#include <QString>
#include <QVector>

namespace vora::report {

struct ForestRow {
    QString label;
    qint64 hits = 0;
    qint64 trials = 0;
};

// Rows without trials are left out; the rest sorted by hit rate, each with its 95 %
// Clopper-Pearson interval, and the pooled estimate (all trials together) as a diamond at the
// foot. Up to kLabelledRows rows carry their labels and figures; more are drawn as a compact
// caterpillar of intervals without labels, so that a thousand experiments stay readable.
constexpr int kLabelledRows = 60;
void forestSvg(HtmlWriter &out, const QVector<ForestRow> &rows, const QString &kind, const QString &pooledLabel,
               Lang lang);

enum class Evidence { Log10Bf, Z };
// The evidence over every dated run up to each day (uniform-prior log10 BF10, or z).
void evidenceSvg(HtmlWriter &out, const QVector<DayCount> &days, Evidence what, Lang lang);

} // namespace vora::report
