#pragma once
// The update notice of the main window: the web panel WB1 showing the update page (the
// fetched one, or the local copy "new-sub2.htm" an earlier start kept), the version
// comparison and the notice panel Frame3/Text2/Command11 "×". The fetch itself is an
// UpdateFetch that runs from the event loop; a fetch that ends after the load has shown the
// window updates the panel and compares again then.
#include <QObject>
#include <QString>

class QWidget;
class QUrl;

namespace vora {

class Module1;
class UpdateFetch;

class UpdateNotice : public QObject {
    Q_OBJECT
public:
    // Creates WB1, Label8 and Frame3 (with Text2 and Command11) as children of `window`.
    // Without a fetch of the start module's, the notice makes its own.
    UpdateNotice(Module1 &module, QWidget *window, UpdateFetch *fetch = nullptr);
    ~UpdateNotice() override;

    // Load step 3: takes the fetch started with the splash (or starts one) and shows what
    // has arrived; while the fetch still runs, the panel shows the kept copy. Returns at once.
    void beginFetch();
    // Load step 10 ("V1.2.3" of Label9); run again when a running fetch brings the page.
    // The notice is shown at most once per load.
    void compareVersions(const QString &ownVersionText);
    void toggleWebPanel(); // a click on the window background
    void setWebPanelVisible(bool visible); // the registration view hides it
    QWidget *webPanel() const;

    // 0 before the first click on the window, then -1 (panel hidden) or 1 (shown).
    int webPanelState() const;
    // The notice text once a newer version was found in this load, else empty.
    QString messageText() const;
    // The folder address the page was fetched from (default or "update-site.txt").
    QString siteFolder() const;
    // True when the last fetch brought the real page (it held "ＶＯＲＡ").
    bool lastFetchSucceeded() const;
    // True while the fetch of this load still runs.
    bool fetchInProgress() const;

    // A link of the page was clicked: the page asks for a new browser window. Opens an
    // http(s) link in the user's browser and ends the program; other links are ignored.
    void openLink(const QUrl &link);

private:
    void fetchFinished(bool fetched);

    class Impl;
    Impl *d;
};

} // namespace vora
