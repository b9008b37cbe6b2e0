#include "ui/toolkit/Style.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
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

QColor buttonColour(const QWidget *button)
{
    return button->palette().color(QPalette::Button);
}

void setGreyedTextColour(QWidget *w, const QColor &c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Disabled, QPalette::WindowText, c);
    w->setPalette(p);
}

void setGreyedTextColours(QWidget *window, const QColor &c)
{
    QPalette p = window->palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text})
        p.setColor(QPalette::Disabled, role, c);
    window->setPalette(p);
}

void sharePalette(QWidget *w, const QWidget *from)
{
    w->setPalette(from->palette());
}

void setSheetBackground(QWidget *w, const QString &colour)
{
    w->setStyleSheet(QStringLiteral("#%1 { background: %2; }").arg(w->objectName(), colour));
}

void setDotLook(QWidget *dot, DotLook look)
{
    switch (look) {
    case DotLook::Plain:
        dot->setStyleSheet(
            QStringLiteral("QPushButton { background: #e8e8e8; border: 1px solid #303030; padding: 0; }"));
        break;
    case DotLook::Memo:
        dot->setStyleSheet(
            QStringLiteral("QPushButton { background: rgb(128,0,0); border: 1px solid #303030; padding: 0; }"));
        break;
    case DotLook::OffScale:
        // A dark triangle on the chart frame's edge (the button is cut to the shape).
        dot->setStyleSheet(QStringLiteral("QPushButton { background: #000000; border: none; padding: 0; }"));
        break;
    }
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

QColor applicationButtonColour()
{
    return QApplication::palette().color(QPalette::Button);
}

QColor applicationBaseColour()
{
    return QApplication::palette().color(QPalette::Base);
}

QColor greyedTextColour()
{
    return QColor(80, 80, 80);
}

QColor greyedPromptColour()
{
    return QColor(128, 128, 128);
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

void setGothic(QWidget *w, double points, bool bold)
{
    w->setFont(gothic(points, bold));
}

void setGothicFamily(QWidget *w)
{
    w->setFont(QFont(fonts::msGothic()));
}

void setGothicToFit(QLabel *label, const QString &text, double points, double smallest)
{
    QFont f(fonts::msGothic());
    f.setPointSizeF(points);
    while (f.pointSizeF() > smallest
           && QFontMetrics(f).boundingRect(label->contentsRect(), Qt::TextWordWrap, text).height()
                  > label->contentsRect().height())
        f.setPointSizeF(f.pointSizeF() - 0.5);
    label->setFont(f);
}

void setParentFont(QWidget *w, int points, bool bold)
{
    QFont f = w->parentWidget()->font();
    f.setBold(bold);
    f.setPointSize(points);
    w->setFont(f);
}

void setInheritedFont(QWidget *w, double points)
{
    QFont f = w->parentWidget() ? w->parentWidget()->font() : QApplication::font();
    if (points > 0)
        f.setPointSizeF(qMax(points, f.pointSizeF()));
    w->setFont(f);
}

} // namespace style

} // namespace vora
