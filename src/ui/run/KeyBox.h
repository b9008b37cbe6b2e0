#pragma once
// The key box (Text1): the subject's keys during a run arrive here. It never shows what was
// typed, a key held down is one guess, and no input method stands between a key and its trial.
#include "core/run/KeyRepeats.h"

#include <QLineEdit>

namespace vora {

class KeyBox : public QLineEdit {
    Q_OBJECT
public:
    explicit KeyBox(QWidget *parent);

Q_SIGNALS:
    // A fresh key press with a text, as the text's first character (Tab and Backtab move on).
    void typed(int keyCode);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    KeyRepeats m_repeats;
};

} // namespace vora
