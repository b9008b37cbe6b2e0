#include "ui/toolkit/Colours.h"

#include <QApplication>
#include <QPushButton>
#include <QStyle>

namespace vora {

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

void setButtonColour(QPushButton *button, const QColor &colour)
{
    QPalette p = button->palette();
    p.setColor(QPalette::Button, colour);
    button->setPalette(p);
}

void setBackColour(QWidget *widget, const QColor &colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, colour);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

QColor backColour(const QWidget *widget)
{
    return widget->palette().color(QPalette::Window);
}

} // namespace vora
