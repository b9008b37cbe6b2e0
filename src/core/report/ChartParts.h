#pragma once
// The experiments' own charts on the report's page. They come from Svg.h as SVG text. Read
// back with an XML reader, their grids, frames and axis labels repeat from experiment to
// experiment: every run of elements met in two charts or more is written once, in a hidden
// <defs> at the top, and drawn where it belongs with <use href="#dN">, a reference within the
// page.
#include "core/report/HtmlWriter.h"

#include <QHash>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QXmlStreamAttributes>

#include <vector>

namespace vora::report::page {

struct Node;
struct Item {
    QString text; // character data, when `node` is empty
    std::vector<Node> node; // or one element
};
struct Node {
    QString name;
    QXmlStreamAttributes attributes;
    std::vector<Item> content;
};

class ChartParts {
public:
    // Takes a chart; returns its number.
    int add(const QString &svg);
    // Finds the runs worth a definition; call once every chart is added.
    void share();
    // The hidden <svg> of the definitions, nothing when no part is shared.
    void writeDefs(HtmlWriter &out) const;
    // Chart `index`, its shared runs drawn by reference.
    void writeChart(HtmlWriter &out, int index) const;

private:
    struct Run {
        bool shared = false;
        qsizetype begin = 0;
        qsizetype end = 0;
        QString key;
    };
    struct Chart {
        Node root;
        std::vector<Node> elements;
        QStringList keys;
        QVector<Run> runs;
    };
    std::vector<Chart> m_charts;
    QHash<QString, QString> m_ids;
    QVector<QPair<QString, std::vector<Node>>> m_defs;
};

} // namespace vora::report::page
