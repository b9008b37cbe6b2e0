#include "ui/toolkit/Style.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QWidget>

namespace vora {

namespace fonts {

void install()
{
    // IPA Gothic is metric-compatible with MS Gothic; the proportional variant stands in
    // for MS P Gothic and for the default UI font.
    QFont::insertSubstitutions(msGothic(), {QStringLiteral("IPAGothic"), QStringLiteral("IPAexGothic"),
                                            QStringLiteral("Noto Sans Mono CJK JP")});
    QFont::insertSubstitutions(QStringLiteral("MS Gothic"), {QStringLiteral("IPAGothic")});
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"),
                               {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
    QFont::insertSubstitutions(QStringLiteral("MS UI Gothic"),
                               {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
    QFont base(QStringLiteral("MS UI Gothic"));
    base.setPointSize(9);
    QApplication::setFont(base);
}

} // namespace fonts

namespace style {

namespace {

void setRole(QWidget *w, QPalette::ColorRole role, const QColor &c)
{
    if (!c.isValid())
        return;
    QPalette pal = w->palette();
    pal.setColor(role, c);
    w->setPalette(pal);
}

} // namespace

void setTextColour(QWidget *w, const QColor &c)
{
    setRole(w, QPalette::WindowText, c);
}

void setBackground(QWidget *w, const QColor &c)
{
    setRole(w, QPalette::Window, c);
    w->setAutoFillBackground(true);
}

void setPanelColour(QWidget *w, const QColor &c)
{
    setRole(w, QPalette::Window, c);
}

void setColours(QWidget *w, const QColor &back, const QColor &text)
{
    QPalette pal = w->palette();
    if (back.isValid()) {
        pal.setColor(QPalette::Window, back);
        w->setAutoFillBackground(true);
    }
    if (text.isValid())
        pal.setColor(QPalette::WindowText, text);
    w->setPalette(pal);
}

void setButtonColour(QWidget *button, const QColor &c)
{
    setRole(button, QPalette::Button, c);
}

void setBaseColour(QWidget *w, const QColor &c)
{
    setRole(w, QPalette::Base, c);
}

QColor backColour(const QWidget *w)
{
    return w->palette().color(QPalette::Window);
}

QColor buttonFaceColour()
{
    return QApplication::style()->standardPalette().color(QPalette::Button);
}

QColor selectedButtonColour()
{
    return QColor(128, 128, 128);
}

QColor promptGrey()
{
    return QColor(192, 192, 192);
}

QColor promptYellow()
{
    return QColor(255, 255, 128);
}

QColor titleBackColour()
{
    return QColor(224, 232, 255);
}

QColor titleTextColour()
{
    return QColor(0, 0, 128);
}

QColor hintBackColour()
{
    return QColor(255, 255, 225);
}

void setPointSize(QWidget *w, double points)
{
    QFont f = w->font();
    f.setPointSizeF(points);
    w->setFont(f);
}

void setPointSize(QWidget *w, double points, bool bold)
{
    QFont f = w->font();
    f.setPointSizeF(points);
    f.setBold(bold);
    w->setFont(f);
}

QFont gothic(double points, bool bold)
{
    QFont f(fonts::msGothic());
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

} // namespace style

} // namespace vora
