#pragma once
// The update notice of the main window: fetch of the update page with its local copy
// "new-sub2.htm", the web panel WB1 showing that copy, the version comparison and the
// notice panel Frame3/Text2/Command11 "×".
#include <QObject>

class QWidget;

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

private:
    class Impl;
    Impl *d;
};

} // namespace vora
