#pragma once
#include <QString>
#include <functional>

class QObject;

namespace vora {

// YesNoDefaultNo: Enter answers No, for a question whose Yes loses something.
enum class MsgButtons { Ok, YesNo, YesNoDefaultNo, OkCancel };
enum class MsgIcon { None, Information, Exclamation, Critical, Question };
enum class MsgAnswer { Ok, Yes, No, Cancel };

// Every question the program asks the user. The parent is the asking window (any object
// will do; the boxes belong to it when it is a window). Tests answer from a queue and record the texts.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual MsgAnswer message(QObject *parent, const QString &text, MsgButtons buttons, MsgIcon icon,
                              const QString &title = QString()) = 0;
    // Asks without waiting: returns at once, and `answered` runs later from the main event
    // loop, never from inside the caller. Nothing runs when `parent` is gone by then.
    virtual void ask(QObject *parent, const QString &text, MsgButtons buttons, MsgIcon icon,
                     std::function<void(MsgAnswer)> answered, const QString &title = QString());
    // Returns false when the user cancelled; `answer` then is empty.
    virtual bool input(QObject *parent, const QString &prompt, const QString &title, const QString &defaultText,
                       QString *answer) = 0;
    // Empty result: cancelled.
    virtual QString openFile(QObject *parent, const QString &caption, const QString &folder, const QString &filter) = 0;
    virtual QString saveFile(QObject *parent, const QString &caption, const QString &suggestedPath,
                             const QString &filter) = 0;

    static QString defaultTitle() { return QStringLiteral("VORA"); }
};

} // namespace vora
