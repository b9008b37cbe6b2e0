#pragma once
// How the report's page writes its figures, shared by its sections: shares as percentages, p
// and z, intervals, and the table of figures each with its plain-language reading.
#include "core/report/HtmlWriter.h"
#include "core/report/Stats.h"

#include <QString>
#include <QVector>

#include <optional>

namespace vora::report::page {

QString percent(double share, int decimals = 2);
// A p too small for a double reads "< 1e-300", never 0 ("impossible").
QString formatP(double p);
QString formatZ(const std::optional<double> &z);
QString interval(const stats::Interval &i, bool asPercent);

struct Row {
    QString label;
    QString value;
    QString reading;
    bool warn = false;
};

// Item, value, reading; a reading that warns is marked so.
void figuresTable(HtmlWriter &out, const QVector<Row> &rows);

} // namespace vora::report::page
