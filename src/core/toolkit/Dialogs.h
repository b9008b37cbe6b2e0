#pragma once
#include <QString>
#include <functional>

class QObject;

namespace vora {

// YesNoDefaultNo: Enter answers No, for a question whose Yes loses something.
enum class MsgButtons { Ok, YesNo, YesNoDefaultNo, OkCancel };
enum class MsgIcon { None, Information, Exclamation, Critical, Question };
enum class MsgAnswer { Ok, Yes, No, Cancel };

// Every question the program asks the user. No call waits: each one shows its dialog and
// returns at once, and the answer comes back later from the main event loop, never from
// inside the caller, so no handler runs inside another. Nothing comes back when `parent` is
// gone by then. The parent is the asking window (any object will do; the boxes belong to it
// when it is a window). Tests answer from a queue and record the texts.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual void ask(QObject *parent, const QString &text, MsgButtons buttons, MsgIcon icon,
                     std::function<void(MsgAnswer)> answered, const QString &title = QString()) = 0;
    // A message with OK alone that nothing waits for.
    void tell(QObject *parent, const QString &text, MsgIcon icon, const QString &title = QString())
    {
        ask(
            parent, text, MsgButtons::Ok, icon, [](MsgAnswer) {}, title);
    }
    // `answer` is empty and `ok` false when the user cancelled.
    using InputAnswered = std::function<void(bool ok, const QString &answer)>;
    virtual void input(QObject *parent, const QString &prompt, const QString &title, const QString &defaultText,
                       InputAnswered answered) = 0;
    // An empty path: cancelled.
    using FileChosen = std::function<void(const QString &path)>;
    virtual void openFile(QObject *parent, const QString &caption, const QString &folder, const QString &filter,
                          FileChosen chosen) = 0;
    virtual void saveFile(QObject *parent, const QString &caption, const QString &suggestedPath, const QString &filter,
                          FileChosen chosen) = 0;

    static QString defaultTitle() { return QStringLiteral("VORA"); }
};

} // namespace vora
