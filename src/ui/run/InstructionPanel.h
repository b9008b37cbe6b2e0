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
    // `line` as drawn in `width`: itself, or broken between words when wider.
    static QStringList fitted(const QString &line, const QFontMetrics &fm, int width);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace vora
