#pragma once
#include <QFontMetrics>
#include <QLabel>
#include <QStringList>

namespace vora {

// The instruction panel keeps its fixed heights; blank lines between the paragraphs take
// less room than text lines so that the last line ("press start") is never cut off.
class InstructionPanel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    // The panel's heights in twips: with the short instructions and with the long ones.
    static constexpr int kShortHeightTw = 2400;
    static constexpr int kLongHeightTw = 4000;

    // The short instructions at 13 points in the short panel.
    void showShort(const QString &text);
    // The long instructions at 12 points in the tall panel, over the digit frame.
    void showLong(const QString &text);
    // `line` as drawn in `width`: itself, or broken between words when wider.
    static QStringList fitted(const QString &line, const QFontMetrics &fm, int width);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace vora
