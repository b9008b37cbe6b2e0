#pragma once
// Small palette and font edits the experiment window makes to its controls.
#include "core/toolkit/Units.h"
#include "ui/toolkit/Fonts.h"

#include <QFont>
#include <QPalette>
#include <QWidget>

namespace vora::style {

// The how-to button's place in the run's layout, twips.
constexpr int kHowToLeftTw = 8800;

inline int px(double twips)
{
    return units::px(twips);
}

inline void setTextColour(QWidget *w, const QColor &c)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, c);
    w->setPalette(pal);
}

// A filled background.
inline void setBackground(QWidget *w, const QColor &c)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, c);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

// The colour of a background that is already filled.
inline void setPanelColour(QWidget *w, const QColor &c)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, c);
    w->setPalette(pal);
}

inline void setPointSize(QWidget *w, double points)
{
    QFont f = w->font();
    f.setPointSizeF(points);
    w->setFont(f);
}

inline QFont gothic(double points, bool bold = false)
{
    QFont f(fonts::msGothic());
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

} // namespace vora::style
