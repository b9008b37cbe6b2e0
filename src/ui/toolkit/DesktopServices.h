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

// Every box is window-modal and opened with open(): the caller's handler returns, and the
// answer comes back from the main event loop when the box is closed.
class QtDialogs : public Dialogs {
public:
    void ask(QObject *parent, const QString &text, MsgButtons buttons, MsgIcon icon,
             std::function<void(MsgAnswer)> answered, const QString &title = QString()) override;
    void input(QObject *parent, const QString &prompt, const QString &title, const QString &defaultText,
               InputAnswered answered) override;
    void openFile(QObject *parent, const QString &caption, const QString &folder, const QString &filter,
                  FileChosen chosen) override;
    void saveFile(QObject *parent, const QString &caption, const QString &suggestedPath, const QString &filter,
                  FileChosen chosen) override;
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
