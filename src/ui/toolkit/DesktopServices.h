#pragma once
// The production side of every platform seam: Qt's dialogs, network, the desktop shell, the
// system's sound and process. The interfaces are the core's (core/toolkit); tests hand in
// fakes instead.
#include "core/toolkit/Dialogs.h"
#include "core/toolkit/Network.h"
#include "core/toolkit/Platform.h"
#include "core/toolkit/Services.h"

#include <memory>

class QNetworkAccessManager;

namespace vora {

class QtDialogs : public Dialogs {
public:
    MsgAnswer message(QObject *parent, const QString &text, MsgButtons buttons, MsgIcon icon,
                      const QString &title) override;
    // A window-modal box that leaves the event loop to the caller.
    void ask(QObject *parent, const QString &text, MsgButtons buttons, MsgIcon icon,
             std::function<void(MsgAnswer)> answered, const QString &title) override;
    bool input(QObject *parent, const QString &prompt, const QString &title, const QString &defaultText,
               QString *answer) override;
    QString openFile(QObject *parent, const QString &caption, const QString &folder, const QString &filter) override;
    QString saveFile(QObject *parent, const QString &caption, const QString &suggestedPath,
                     const QString &filter) override;
};

class QtNetwork : public Network {
public:
    QtNetwork();
    ~QtNetwork() override;
    void get(const QUrl &url, int timeoutMs, qint64 maxBytes, QObject *context, Done done) override;

private:
    std::unique_ptr<QNetworkAccessManager> m_manager; // made at the first request
};

class SystemSound : public Sound {
public:
    void beep() override;
};

class DesktopShell : public Shell {
public:
    bool openDocument(const QString &path) override;
    bool openUrl(const QUrl &url) override;
};

class SystemProcess : public Process {
public:
    bool startNewInstance() override;
    void quitNow() override;
};

// The set the program runs with: the executable's paths, the real file store, clock and
// random source, and the classes above.
Services productionServices();

} // namespace vora
