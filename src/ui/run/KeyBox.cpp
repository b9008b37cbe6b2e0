#include "ui/run/KeyBox.h"

#include <QInputMethodQueryEvent>
#include <QKeyEvent>

namespace vora {

KeyBox::KeyBox(QWidget *parent) : QLineEdit(parent)
{
    setObjectName(QStringLiteral("Text1"));
    // The digits must arrive as plain characters, never through input-method composition.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setInputMethodHints(Qt::ImhDigitsOnly | Qt::ImhPreferLatin | Qt::ImhNoPredictiveText | Qt::ImhNoAutoUppercase
                        | Qt::ImhHiddenText);
    // Its own filter sees each event before the line edit does, as a window's would.
    installEventFilter(this);
}

bool KeyBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != this)
        return QLineEdit::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        if (m_repeats.isRepeat(key->key(), key->timestamp(), key->isAutoRepeat()))
            return true; // a key held down is one guess, not a row of them
        const QString text = key->text();
        if (text.isEmpty() || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            return false;
        Q_EMIT typed(text.at(0).unicode());
        return true; // the box never shows what was typed
    }
    case QEvent::KeyRelease: {
        const auto *key = static_cast<QKeyEvent *>(event);
        m_repeats.released(key->key(), key->timestamp());
        return false;
    }
    case QEvent::InputMethod: return true;
    case QEvent::InputMethodQuery: {
        // A line edit tells the input method it takes composed text whatever its attribute
        // says; the key box says no, so that no input method (nor the compose table one
        // loads on the first key, some ms) stands between a key and its trial.
        auto *query = static_cast<QInputMethodQueryEvent *>(event);
        if (!query->queries().testFlag(Qt::ImEnabled))
            break;
        for (quint32 bit = 1; bit != 0; bit <<= 1) {
            const auto q = static_cast<Qt::InputMethodQuery>(bit);
            if (query->queries().testFlag(q))
                query->setValue(q, q == Qt::ImEnabled ? QVariant(false) : inputMethodQuery(q));
        }
        query->accept();
        return true;
    }
    default: break;
    }
    return QLineEdit::eventFilter(watched, event);
}

} // namespace vora
