#pragma once
#include <QLabel>

namespace vora {

// The instruction panel keeps its fixed heights; blank lines between the paragraphs take
// less room than text lines so that the last line ("press start") is never cut off.
class InstructionPanel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace vora
