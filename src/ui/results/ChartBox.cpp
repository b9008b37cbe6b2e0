#include "ui/results/ChartBox.h"

#include "ui/toolkit/Style.h"

#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPolygonF>

#include <cmath>

namespace vora {

ChartBox::ChartBox(const QString &name, QWidget *parent) : QWidget(parent)
{
    setObjectName(name);
    style::setBackground(this, Qt::white);
    hide();
}

namespace {

QString element(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

} // namespace

ChartBox *ChartBox::runsChart(QWidget *parent)
{
    auto *box = new ChartBox(QStringLiteral("Picture1"), parent);
    for (int v = 1; v <= 9; ++v)
        box->addLabel(element("Label3", v), 7);
    for (int v = 0; v <= 10; ++v)
        box->addLabel(element("Label5", v), 7);
    box->addLabel(QStringLiteral("Label6"), 7, QStringLiteral("一致数"), true);
    box->addLabel(QStringLiteral("Label7"), 8);
    return box;
}

ChartBox *ChartBox::segmentsChart(QWidget *parent)
{
    auto *box = new ChartBox(QStringLiteral("Picture2"), parent);
    for (int v = 1; v <= 9; ++v)
        box->addLabel(element("Label9", v), 7);
    for (int v = 0; v <= 5; ++v)
        box->addLabel(element("Label10", v), v == 0 ? 8 : 7);
    box->addLabel(QStringLiteral("Label8"), 7, QString(), true);
    return box;
}

ChartBox *ChartBox::trialsChart(QWidget *parent)
{
    auto *box = new ChartBox(QStringLiteral("Picture4"), parent);
    QLabel *yTitle = box->addLabel(element("Label21", 0), 7, QStringLiteral("一致数の偏差"), true);
    yTitle->move(qRound(mm(1)), qRound(mm(12)));
    for (int v = 1; v <= 9; ++v)
        box->addLabel(element("Label21", v), 7);
    for (int v = 1; v <= 10; ++v)
        box->addLabel(element("Label22", v), 7);
    box->addLabel(QStringLiteral("Label25"), 8, QStringLiteral("平均"));
    QLabel *zone = box->addLabel(QStringLiteral("Label26"), 8, QStringLiteral(" 刺 激 "));
    QPalette pal = zone->palette();
    pal.setColor(QPalette::WindowText, QColor(255, 0, 0));
    zone->setPalette(pal);
    box->addLabel(QStringLiteral("Label37"), 7, QStringLiteral("有意"));
    box->addLabel(QStringLiteral("Label38"), 7, QStringLiteral("有意"));
    return box;
}

double ChartBox::mm(double millimetres)
{
    return units::mmToPx(millimetres);
}

QLabel *ChartBox::addLabel(const QString &name, double points, const QString &designCaption, bool verticalTitle)
{
    auto *l = new QLabel(this);
    l->setObjectName(name);
    QFont f = l->font();
    f.setPointSizeF(points);
    l->setFont(f);
    if (verticalTitle) {
        m_verticalTitles.append(name);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    if (!designCaption.isEmpty()) {
        l->setText(verticalTitle ? designCaption.split(QString(), Qt::SkipEmptyParts).join(QLatin1Char('\n'))
                                 : designCaption);
        l->adjustSize();
    }
    l->hide();
    return l;
}

QLabel *ChartBox::label(const QString &name) const
{
    return findChild<QLabel *>(name, Qt::FindDirectChildrenOnly);
}

void ChartBox::applyText(const ChartText &t)
{
    QLabel *l = label(t.control);
    if (!l)
        return;
    if (t.fontSize > 0) {
        QFont f = l->font();
        f.setPointSizeF(t.fontSize);
        l->setFont(f);
    }
    if (t.setsCaption) {
        if (m_verticalTitles.contains(t.control))
            l->setText(t.caption.split(QString(), Qt::SkipEmptyParts).join(QLatin1Char('\n')));
        else
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
