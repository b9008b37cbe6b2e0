#pragma once
#include <QString>
#include <QUrl>

namespace vora {

class Sound {
public:
    virtual ~Sound() = default;
    virtual void beep() = 0;
};

// The desktop's "open" action: help page in the browser, links from the update page.
class Shell {
public:
    virtual ~Shell() = default;
    virtual bool openDocument(const QString &path) = 0;
    virtual bool openUrl(const QUrl &url) = 0;
};

// Ending the program at once, and starting a fresh copy of it.
class Process {
public:
    virtual ~Process() = default;
    // Starts a new instance from our own executable; true when it was started.
    virtual bool startNewInstance() = 0;
    // Ends this instance through the application's normal exit: no close questions, nothing
    // saved. It returns; the caller must return at once and do nothing more.
    virtual void quitNow() = 0;
};

} // namespace vora
