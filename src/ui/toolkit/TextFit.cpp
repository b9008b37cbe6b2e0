#include "ui/toolkit/TextFit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QLabel>

#include <climits>

namespace vora::textfit {

namespace {

// What the widget had before any fitting: fits start from it every time.
const char kBasePoints[] = "voraTextFitBasePoints";
const char kBaseWrap[] = "voraTextFitBaseWrap";
// What the last fit set: a font or wrap the program set since is the new original.
const char kSetPoints[] = "voraTextFitSetPoints";
const char kSetWrap[] = "voraTextFitSetWrap";

int widestLine(const QFontMetrics &fm, const QString &text)
{
    int widest = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, fm.horizontalAdvance(line));
    return widest;
}

QRect room(const QLabel *label)
{
    const int m = label->margin();
    return label->contentsRect().adjusted(m, m, -m, -m);
}

bool fitsOnItsLines(const QLabel *label, const QFont &font)
{
    return widestLine(QFontMetrics(font), label->text()) <= room(label).width();
}

bool fitsWrapped(const QLabel *label, const QFont &font)
{
    const QRect r = room(label);
    return QFontMetrics(font)
               .boundingRect(QRect(0, 0, r.width(), INT_MAX), int(Qt::TextWordWrap | label->alignment()), label->text())
               .height()
           <= r.height();
}

void apply(QWidget *widget, const QFont &font, QLabel *label, bool wrap)
{
    if (widget->font().pointSize() != font.pointSize())
        widget->setFont(font);
    if (label && label->wordWrap() != wrap)
        label->setWordWrap(wrap);
    widget->setProperty(kSetPoints, font.pointSize());
    widget->setProperty(kSetWrap, label && wrap);
}

// Texts set while a window is open reach the parent as a layout request (the windows place
// their controls without layouts): its labels and buttons are fitted again then.
class Fitter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!watched->isWidgetType())
            return false;
        if (event->type() == QEvent::Show) {
            fit(static_cast<QWidget *>(watched));
        } else if (event->type() == QEvent::LayoutRequest) {
            for (QObject *child : watched->children())
                if (child->isWidgetType() && static_cast<QWidget *>(child)->isVisible())
                    fit(static_cast<QWidget *>(child));
        }
        return false;
    }
};

} // namespace

void fit(QWidget *widget)
{
    auto *label = qobject_cast<QLabel *>(widget);
    auto *button = qobject_cast<QAbstractButton *>(widget);
    if ((!label && !button) || widget->width() <= 0 || widget->font().pointSize() <= 0)
        return;
    if (label
        && (label->text().isEmpty() || label->textFormat() == Qt::RichText
            || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()))))
        return;
    const bool wraps = label && label->wordWrap();
    const QVariant setPoints = widget->property(kSetPoints);
    if (!widget->property(kBasePoints).isValid()
        || (setPoints.isValid()
            && (setPoints.toInt() != widget->font().pointSize() || widget->property(kSetWrap).toBool() != wraps))) {
        widget->setProperty(kBasePoints, widget->font().pointSize());
        widget->setProperty(kBaseWrap, wraps);
    }
    QFont base = widget->font();
    base.setPointSize(widget->property(kBasePoints).toInt());
    QFont smaller = base;
    smaller.setPointSize(std::max(1, base.pointSize() - 1));
    const bool baseWrap = widget->property(kBaseWrap).toBool();

    if (button) {
        // The padding around the text is what the button's size hint adds to it.
        const int padding = button->sizeHint().width() - QFontMetrics(button->font()).horizontalAdvance(button->text());
        const bool fits = QFontMetrics(base).horizontalAdvance(button->text()) + padding <= button->width();
        apply(widget, fits ? base : smaller, nullptr, false);
        return;
    }
    const auto fits = [&](const QFont &f) { return baseWrap ? fitsWrapped(label, f) : fitsOnItsLines(label, f); };
    if (fits(base))
        return apply(widget, base, label, baseWrap);
    if (fits(smaller) || baseWrap)
        return apply(widget, smaller, label, baseWrap);
    // Still too wide on its lines: a label tall enough for more lines wraps.
    const bool tall = room(label).height() >= 2 * QFontMetrics(smaller).lineSpacing();
    apply(widget, smaller, label, tall);
}

void fitWhenShown()
{
    if (auto *app = qApp)
        app->installEventFilter(new Fitter(app));
}

} // namespace vora::textfit
