#pragma once
// The condition memo box of the experiment window (Text5): the experiment's conditions as the
// experimenter wrote them, read-only, above the run or beside the results view's conditions line.
#include <QPlainTextEdit>

namespace vora {

class ConditionMemo : public QPlainTextEdit {
public:
    explicit ConditionMemo(QWidget *window);

    // The run's memo as the window opens: `stored` as the main window keeps it, its lines
    // joined by \x01\x01.
    void showForRun(const QString &stored, bool visible);
    // The results view's memo (lines joined by CR LF) beside the conditions line at `line`;
    // none hides the box.
    void showBeside(const QRect &line, const QString &memo, bool visible);
};

} // namespace vora
