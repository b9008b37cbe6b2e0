#include "ui/run/ExperimentHeader.h"

#include "core/toolkit/Units.h"
#include "ui/toolkit/Style.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

namespace vora {

namespace {
// The texts of this file, under the translation context "vora::ExperimentHeader".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(vora::ExperimentHeader)
};
} // namespace

namespace {

constexpr int kWindowWidth = 14500; // the window's design width, twips

int px(double twips)
{
    return units::px(twips);
}

QLabel *makeLabel(QWidget *window, const char *name, int left, int top, int width, int height, double points,
                  bool bold = false)
{
    auto *l = new QLabel(window);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(px(left), px(top), px(width), px(height));
    style::setGothic(l, points, bold);
    return l;
}

QPushButton *makeButton(QWidget *window, const char *name, const QString &caption, int left, int top)
{
    auto *b = new QPushButton(caption, window);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(px(left), px(top), px(900), px(400));
    // A click never takes the keyboard from the key box.
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

void fitOrKeep(QLabel *l, bool fit)
{
    if (fit)
        l->adjustSize();
}

} // namespace

ExperimentHeader::ExperimentHeader(QWidget *window) : QObject(window)
{
    m_name = makeLabel(window, "Label30", 400, 120, 1800, 400, 12, true);
    m_title = makeLabel(window, "Label1", 2400, 120, 3400, 450, 16, true);
    m_title->setText(Texts::tr("　ESP透視実験　"));
    m_title->setToolTip(Texts::tr("超能力・透視実験システム・ＶＯＲＡ"));
    m_date = makeLabel(window, "Label31", 6000, 150, 1500, 300, 11);
    m_time = makeLabel(window, "Label34", 6100, 450, 1000, 270, 11);
    m_version = makeLabel(window, "Label33", 12100, 180, 900, 300, 9);
    m_help = makeButton(window, "Command5", QStringLiteral("Help"), kWindowWidth - 900 - 400, 120);
    m_end = makeButton(window, "Command12", Texts::tr("終了"), kWindowWidth - 900 - 400, 600);
    connect(m_help, &QPushButton::clicked, this, &ExperimentHeader::helpClicked);
    connect(m_end, &QPushButton::clicked, this, &ExperimentHeader::endClicked);
}

void ExperimentHeader::setVersion(const QString &text)
{
    m_version->setText(text);
}

void ExperimentHeader::setTitle(const QString &text, bool fit)
{
    m_title->setText(text);
    fitOrKeep(m_title, fit);
}

void ExperimentHeader::showName(const QString &name, int leftTwips)
{
    m_name->move(px(leftTwips), px(120));
    m_name->setText(name);
    m_name->show();
}

void ExperimentHeader::setDate(const QString &text, bool fit)
{
    m_date->setText(text);
    fitOrKeep(m_date, fit);
}

void ExperimentHeader::setTime(const QString &text, bool fit)
{
    m_time->setText(text);
    fitOrKeep(m_time, fit);
}

void ExperimentHeader::showDateAndTime()
{
    m_date->show();
    m_time->show();
}

void ExperimentHeader::titleAfterName()
{
    m_title->move(m_name->x() + m_name->width() + px(200), m_title->y());
}

void ExperimentHeader::dateAfterTitle(int gapTwips)
{
    m_date->move(m_title->x() + m_title->width() + px(gapTwips), m_date->y());
}

void ExperimentHeader::timeAfterDate(int gapTwips)
{
    m_time->move(m_date->x() + px(gapTwips), m_time->y());
}

void ExperimentHeader::placeRightButtons(int windowWidth)
{
    m_help->move(windowWidth - m_help->width() - px(400), m_help->y());
    m_end->move(m_help->x(), m_end->y());
    m_version->move(m_help->x() - m_version->width() - px(200), m_version->y());
}

void ExperimentHeader::stackUnderButtons(QWidget *control) const
{
    control->stackUnder(m_help);
}

QRect ExperimentHeader::nameGeometry() const
{
    return m_name->geometry();
}

} // namespace vora
