#include "ui/run/InstructionPanel.h"

#include "core/toolkit/Cp932.h"
#include "core/toolkit/Units.h"

#include <QPainter>

namespace vora {

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
        p.drawText(QPoint(area.left(), y + fm.ascent()), line);
        y += full;
    }
}

} // namespace vora
