#include "mainwindow/UpdateNotice.h"

#include <QWidget>

namespace vora {

// Skeleton until the update notice is built: nothing is fetched and no panel is shown.
class UpdateNotice::Impl {
public:
    QWidget *panel = nullptr;
};

UpdateNotice::UpdateNotice(Module1 &, QWidget *) : d(new Impl) {}
UpdateNotice::~UpdateNotice() { delete d; }
void UpdateNotice::fetchAndStoreCopy() {}
void UpdateNotice::compareVersions(const QString &) {}
void UpdateNotice::toggleWebPanel() {}
void UpdateNotice::setWebPanelVisible(bool) {}
QWidget *UpdateNotice::webPanel() const { return d->panel; }

} // namespace vora
