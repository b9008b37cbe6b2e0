#include "ui/toolkit/TextFit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QLabel>

namespace vora::textfit {

namespace {

const char kBasePoints[] = "voraTextFitBasePoints";

int widestLine(const QFontMetrics &fm, const QString &text)
{
    int widest = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, fm.horizontalAdvance(line));
    return widest;
}

bool labelFits(const QLabel *label)
{
    const QRect room =
        label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
    if (label->wordWrap())
        return label->heightForWidth(label->width()) <= label->height();
    return widestLine(label->fontMetrics(), label->text()) <= room.width();
}

bool buttonFits(const QAbstractButton *button)
{
    return button->sizeHint().width() <= button->width();
}

class ShowFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType())
            fit(static_cast<QWidget *>(watched));
        return false;
    }
};

} // namespace

void fit(QWidget *widget)
{
    auto *label = qobject_cast<QLabel *>(widget);
    auto *button = qobject_cast<QAbstractButton *>(widget);
    if ((!label && !button) || widget->width() <= 0)
        return;
    if (label
        && (label->text().isEmpty() || label->textFormat() == Qt::RichText
            || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()))))
        return;
    QFont font = widget->font();
    const QVariant base = widget->property(kBasePoints);
    if (base.isValid() && font.pointSize() != base.toInt()) {
        font.setPointSize(base.toInt());
        widget->setFont(font);
    }
    const auto fits = [&] { return label ? labelFits(label) : buttonFits(button); };
    if (fits() || font.pointSize() <= 1)
        return;
    widget->setProperty(kBasePoints, font.pointSize());
    font.setPointSize(font.pointSize() - 1);
    widget->setFont(font);
    if (fits() || !label || label->wordWrap())
        return;
    // Still too wide: a label tall enough for two lines wraps.
    if (label->height() >= 2 * label->fontMetrics().lineSpacing())
        label->setWordWrap(true);
}

void fitWhenShown()
{
    if (auto *app = qApp)
        app->installEventFilter(new ShowFilter(app));
}

} // namespace vora::textfit
