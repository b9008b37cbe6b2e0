#include "ui/results/ChartBox.h"

#include "ui/toolkit/Style.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPolygonF>

#include <cmath>

namespace vora {

namespace {
// The texts of this file, under the translation context "vora::ChartBox".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(vora::ChartBox)
};
} // namespace

ChartBox::ChartBox(const QString &name, QWidget *parent) : QWidget(parent)
{
    setObjectName(name);
    style::setBackground(this, Qt::white);
    hide();
}

namespace {

// The labels of the three chart boxes: which control of the program shows a text of each
// role. An indexed role's label is an element of a control array ("Label3(4)").
struct LabelNaming {
    const char *box;
    ChartRole role;
    const char *name;
    bool indexed;
};
constexpr LabelNaming kLabelNames[] = {
    {"Picture1", ChartRole::YNumber, "Label3", true},      {"Picture1", ChartRole::XNumber, "Label5", true},
    {"Picture1", ChartRole::YTitle, "Label6", false},      {"Picture1", ChartRole::XTitle, "Label7", false},
    {"Picture2", ChartRole::YNumber, "Label9", true},      {"Picture2", ChartRole::XNumber, "Label10", true},
    {"Picture2", ChartRole::XTitle, "Label10(0)", false},  {"Picture2", ChartRole::YTitle, "Label8", false},
    {"Picture4", ChartRole::YTitle, "Label21(0)", false},  {"Picture4", ChartRole::YNumber, "Label21", true},
    {"Picture4", ChartRole::XNumber, "Label22", true},     {"Picture4", ChartRole::Mean, "Label25", false},
    {"Picture4", ChartRole::Stimulus, "Label26", false},   {"Picture4", ChartRole::UpperLimit, "Label37", false},
    {"Picture4", ChartRole::LowerLimit, "Label38", false},
};

} // namespace

QString ChartBox::labelName(const QString &box, ChartRole role, int index)
{
    for (const LabelNaming &n : kLabelNames) {
        if (n.role != role || box != QLatin1String(n.box))
            continue;
        if (!n.indexed)
            return QLatin1String(n.name);
        return QStringLiteral("%1(%2)").arg(QLatin1String(n.name)).arg(index);
    }
    return QString();
}

ChartBox *ChartBox::runsChart(QWidget *parent)
{
    auto *box = new ChartBox(QStringLiteral("Picture1"), parent);
    for (int v = 1; v <= 9; ++v)
        box->addLabel(ChartRole::YNumber, v);
    for (int v = 0; v <= 10; ++v)
        box->addLabel(ChartRole::XNumber, v);
    box->addLabel(ChartRole::YTitle);
    box->addLabel(ChartRole::XTitle);
    return box;
}

ChartBox *ChartBox::segmentsChart(QWidget *parent)
{
    auto *box = new ChartBox(QStringLiteral("Picture2"), parent);
    for (int v = 1; v <= 9; ++v)
        box->addLabel(ChartRole::YNumber, v);
    box->addLabel(ChartRole::XTitle);
    for (int v = 1; v <= 5; ++v)
        box->addLabel(ChartRole::XNumber, v);
    box->addLabel(ChartRole::YTitle);
    return box;
}

ChartBox *ChartBox::trialsChart(QWidget *parent)
{
    auto *box = new ChartBox(QStringLiteral("Picture4"), parent);
    box->addLabel(ChartRole::YTitle);
    for (int v = 1; v <= 9; ++v)
        box->addLabel(ChartRole::YNumber, v);
    for (int v = 1; v <= 10; ++v)
        box->addLabel(ChartRole::XNumber, v);
    for (ChartRole role : {ChartRole::Mean, ChartRole::Stimulus, ChartRole::UpperLimit, ChartRole::LowerLimit})
        box->addLabel(role);
    return box;
}

double ChartBox::mm(double millimetres)
{
    return units::mmToPx(millimetres);
}

QLabel *ChartBox::addLabel(ChartRole role, int index)
{
    auto *l = new QLabel(this);
    l->setObjectName(labelName(objectName(), role, index));
    l->hide();
    return l;
}

QLabel *ChartBox::label(const QString &name) const
{
    return findChild<QLabel *>(name, Qt::FindDirectChildrenOnly);
}

void ChartBox::applyText(const ChartText &t)
{
    const QString name = labelName(objectName(), t.role, t.index);
    QLabel *l = name.isEmpty() ? nullptr : label(name);
    if (!l)
        return;
    style::setPointSize(l, t.points);
    if (t.colour.isValid())
        style::setTextColour(l, units::toQColor(t.colour));
    if (t.vertical) {
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        l->setText(t.caption.split(QString(), Qt::SkipEmptyParts).join(QLatin1Char('\n')));
    } else {
        l->setText(t.caption);
    }
    l->adjustSize();
    if (t.placed) {
        double x = mm(t.left);
        if (t.align != ChartText::Align::Left) {
            // Anchored by its visible text: the padding spaces of a right-aligned number do not count.
            const QString shown = l->text();
            const QString body = shown.trimmed();
            const QFontMetricsF fm(l->font());
            const double lead = fm.horizontalAdvance(shown.left(shown.indexOf(body)));
            const double width = fm.horizontalAdvance(body);
            x -= lead + l->contentsMargins().left() + (t.align == ChartText::Align::Centre ? width / 2 : width);
        }
        l->move(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(mm(t.top))));
    }
    l->setVisible(t.visible);
}

void ChartBox::setModel(const ChartModel &model)
{
    m_model = model;
    const BoxGeometry &b = model.box;
    if (b.width > 0 && b.height > 0)
        setGeometry(units::px(b.left), units::px(b.top), units::px(b.width), units::px(b.height));
    for (const ChartText &t : model.texts)
        applyText(t);
    update();
}

void ChartBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    for (const ChartItem &item : m_model.items) {
        const QPointF a(mm(item.p1.x()), mm(item.p1.y()));
        const QPointF b(mm(item.p2.x()), mm(item.p2.y()));
        const QColor colour = units::toQColor(item.colour);
        QPen pen(colour);
        pen.setWidth(qMax(1, item.penWidth));
        pen.setCapStyle(Qt::FlatCap);
        switch (item.kind) {
        case ChartItem::Line: {
            // Grid and limit lines stay crisp; only slanted data lines are smoothed.
            const bool slanted = !qFuzzyCompare(a.x(), b.x()) && !qFuzzyCompare(a.y(), b.y());
            p.setRenderHint(QPainter::Antialiasing, slanted);
            pen.setCapStyle(slanted ? Qt::RoundCap : Qt::FlatCap);
            p.setPen(pen);
            p.drawLine(a, b);
            break;
        }
        case ChartItem::Outline:
            p.setRenderHint(QPainter::Antialiasing, false);
            p.setPen(pen);
            p.setBrush(Qt::NoBrush);
            if (qFuzzyCompare(a.x(), b.x()) || qFuzzyCompare(a.y(), b.y()))
                p.drawLine(a, b); // a rectangle without width is the onset line
            else
                p.drawRect(QRectF(a, b).normalized());
            break;
        case ChartItem::FilledRect:
            p.setRenderHint(QPainter::Antialiasing, false);
            p.fillRect(QRectF(a, b).normalized(), colour);
            break;
        case ChartItem::Circle: {
            p.setRenderHint(QPainter::Antialiasing, true);
            p.setPen(pen);
            p.setBrush(colour);
            const double r = mm(item.radius);
            p.drawEllipse(a, r, r);
            break;
        }
        case ChartItem::Triangle: {
            // Tip at p1, base through p2 across the line from the tip.
            p.setRenderHint(QPainter::Antialiasing, true);
            p.setPen(Qt::NoPen);
            p.setBrush(colour);
            const QPointF along = b - a;
            const double length = std::hypot(along.x(), along.y());
            if (length <= 0)
                break;
            const QPointF across(-along.y() / length * mm(item.radius), along.x() / length * mm(item.radius));
            p.drawPolygon(QPolygonF({a, b + across, b - across}));
            break;
        }
        }
    }
}

void ChartBox::addOverlay(QWidget *overlay)
{
    m_overlays.append(overlay);
}

QImage ChartBox::image()
{
    // The hint the pointer brought up while the menu was opened is not part of the chart.
    QList<QWidget *> shown;
    for (QWidget *w : std::as_const(m_overlays)) {
        if (!w->isHidden()) {
            shown.append(w);
            w->hide();
        }
    }
    const QImage picture = grab().toImage();
    for (QWidget *w : std::as_const(shown))
        w->show();
    return picture;
}

void ChartBox::contextMenuEvent(QContextMenuEvent *event)
{
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("ChartMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction *save = menu->addAction(saveActionText());
    connect(save, &QAction::triggered, this, [this] { Q_EMIT imageSaveRequested(this); });
    connect(menu->addAction(reportActionText()), &QAction::triggered, this, &ChartBox::reportSaveRequested);
    // Not exec(): the results view keeps running its timers while the menu is open.
    menu->popup(event->globalPos());
    event->accept();
}

} // namespace vora
