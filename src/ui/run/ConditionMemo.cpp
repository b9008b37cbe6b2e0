#include "ui/run/ConditionMemo.h"

#include "core/toolkit/Cp932.h"
#include "ui/run/WindowStyle.h"

namespace vora {

using style::px;

ConditionMemo::ConditionMemo(QWidget *window) : QPlainTextEdit(window)
{
    setObjectName(QStringLiteral("Text5"));
    setGeometry(px(3900), px(720), px(8000), px(720));
    setReadOnly(true);
    setFocusPolicy(Qt::ClickFocus);
    hide();
}

void ConditionMemo::showForRun(const QString &stored, bool visible)
{
    setGeometry(px(3900), px(720), px(8000), px(720));
    QString memo = stored;
    memo.replace(QStringLiteral("\x01\x01"), CRLF);
    setPlainText(QString(memo).replace(CRLF, QStringLiteral("\n")));
    setVisible(visible);
}

void ConditionMemo::showBeside(const QRect &line, const QString &memo, bool visible)
{
    hide();
    if (memo.isEmpty())
        return;
    setGeometry(px(3900), px(720), px(8000), px(480));
    setPlainText(QString(memo).replace(CRLF, QStringLiteral("\n")));
    setVisible(visible);
    // The line can run past the box's left edge in a larger font: the box then starts just
    // after the line and keeps its right edge.
    const QRect box = geometry();
    const int left = qMax(box.x(), line.right() + 1 + px(100));
    setGeometry(left, box.y(), box.right() - left + 1, box.height());
}

} // namespace vora
