#pragma once
// The update notice of the main window: fetch of the update page with its local copy
// "new-sub2.htm", the web panel WB1 showing that copy, the version comparison and the
// notice panel Frame3/Text2/Command11 "×".
#include <QObject>
#include <QString>

class QWidget;
class QUrl;

namespace vora {

class Module1;

class UpdateNotice : public QObject {
    Q_OBJECT
public:
    // Creates WB1, Label8 and Frame3 (with Text2 and Command11) as children of `window`.
    UpdateNotice(Module1 &module, QWidget *window);
    ~UpdateNotice() override;

    void fetchAndStoreCopy();                            // load step 3 (bounded in time)
    void compareVersions(const QString &ownVersionText); // load step 10 ("V1.2.3" of Label9)
    void toggleWebPanel();                               // a click on the window background
    void setWebPanelVisible(bool visible);               // the registration view hides it
    QWidget *webPanel() const;

    // 0 before the first click on the window, then -1 (panel hidden) or 1 (shown).
    int webPanelState() const;
    // The notice text once a newer version was found in this load, else empty.
    QString messageText() const;
    // The folder address the page was fetched from (default or "update-site.txt").
    QString siteFolder() const;
    // True when the last fetch brought the real page (it held "ＶＯＲＡ").
    bool lastFetchSucceeded() const;
    // The longest the fetch step may take: the retry window plus one attempt.
    static int fetchBoundMs(int retryWindowMs, int attemptTimeoutMs);

    // A link of the page was clicked: the page asks for a new browser window. Opens an
    // http(s) link in the user's browser and ends the program; other links are ignored.
    void openLink(const QUrl &link);

private:
    class Impl;
    Impl *d;
};

} // namespace vora
