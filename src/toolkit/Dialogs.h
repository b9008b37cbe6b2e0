#pragma once
#include <QString>
#include <functional>

class QWidget;

namespace vora {

enum class MsgButtons { Ok, YesNo, OkCancel };
enum class MsgIcon { None, Information, Exclamation, Critical, Question };
enum class MsgAnswer { Ok, Yes, No, Cancel };

// Every question the program asks the user. Tests answer from a queue and record the texts.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual MsgAnswer message(QWidget *parent, const QString &text, MsgButtons buttons, MsgIcon icon,
                              const QString &title = QString()) = 0;
    // Asks without waiting: returns at once, and `answered` runs later from the main event
    // loop, never from inside the caller. Nothing runs when `parent` is gone by then.
    virtual void ask(QWidget *parent, const QString &text, MsgButtons buttons, MsgIcon icon,
                     std::function<void(MsgAnswer)> answered, const QString &title = QString());
    // Returns false when the user cancelled; `answer` then is empty.
    virtual bool input(QWidget *parent, const QString &prompt, const QString &title,
                       const QString &defaultText, QString *answer) = 0;
    // Empty result: cancelled.
    virtual QString openFile(QWidget *parent, const QString &caption, const QString &folder,
                             const QString &filter) = 0;
    virtual QString saveFile(QWidget *parent, const QString &caption, const QString &suggestedPath,
                             const QString &filter) = 0;

    static QString defaultTitle() { return QStringLiteral("VORA"); }
};

class QtDialogs : public Dialogs {
public:
    MsgAnswer message(QWidget *parent, const QString &text, MsgButtons buttons, MsgIcon icon,
                      const QString &title) override;
    // A window-modal box that leaves the event loop to the caller.
    void ask(QWidget *parent, const QString &text, MsgButtons buttons, MsgIcon icon,
             std::function<void(MsgAnswer)> answered, const QString &title) override;
    bool input(QWidget *parent, const QString &prompt, const QString &title, const QString &defaultText,
               QString *answer) override;
    QString openFile(QWidget *parent, const QString &caption, const QString &folder,
                     const QString &filter) override;
    QString saveFile(QWidget *parent, const QString &caption, const QString &suggestedPath,
                     const QString &filter) override;
};

} // namespace vora
