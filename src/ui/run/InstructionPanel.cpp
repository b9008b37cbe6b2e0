#include "ui/run/InstructionPanel.h"

#include "core/toolkit/Cp932.h"
#include "core/toolkit/Units.h"
#include "ui/toolkit/Style.h"

#include <QPainter>

namespace vora {

void InstructionPanel::showShort(const QString &text)
{
    resize(width(), units::px(kShortHeightTw));
    style::setPointSize(this, 13);
    setText(text);
}

void InstructionPanel::showLong(const QString &text)
{
    raise();
    resize(width(), units::px(kLongHeightTw));
    show();
    style::setPointSize(this, 12);
    setText(text);
}

void InstructionPanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setFont(font());
    p.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics fm(font());
    const int full = fm.lineSpacing();
    const int blank = full * 2 / 5;
    const QRect area = contentsRect().adjusted(units::px(60), 0, 0, 0);
    int y = area.top();
    QString t = text();
    t.replace(CRLF, QStringLiteral("\n"));
    for (const QString &line : t.split(QLatin1Char('\n'))) {
        if (line.isEmpty()) {
            y += blank;
            continue;
        }
        for (const QString &part : fitted(line, fm, area.width())) {
            p.drawText(QPoint(area.left(), y + fm.ascent()), part);
            y += full;
        }
    }
}

QStringList InstructionPanel::fitted(const QString &line, const QFontMetrics &fm, int width)
{
    // A translated line wider than the panel breaks between words, its continuation indented
    // under the text after the line's own leading spaces and bullet.
    if (fm.horizontalAdvance(line) <= width || !line.trimmed().contains(QLatin1Char(' ')))
        return {line};
    int lead = 0;
    while (lead < line.size() && !line.at(lead).isLetterOrNumber() && line.at(lead) != QLatin1Char('('))
        ++lead;
    const QString indent(lead, QLatin1Char(' '));
    QStringList out;
    QString current = line.left(lead);
    for (const QString &word : line.mid(lead).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString tried = current.trimmed().isEmpty() || current.endsWith(QLatin1Char(' '))
                                  ? current + word
                                  : current + QLatin1Char(' ') + word;
        if (fm.horizontalAdvance(tried) > width && !current.trimmed().isEmpty() && current != line.left(lead)) {
            out << current;
            current = indent + word;
        } else {
            current = tried;
        }
    }
    out << current;
    return out;
}

} // namespace vora
